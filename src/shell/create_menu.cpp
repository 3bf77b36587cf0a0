// The Create button's context menu, which turns weak-spot practice on and off and keeps the
// choice in the player's settings.
#include <QMenu>
#include <QPushButton>
#include <QSettings>

#include "shell/main_window.h"

namespace velmora {
namespace {

constexpr const char* kWeakSpotsSetting = "practice/weak_spots";

}  // namespace

std::unique_ptr<QMenu> MainWindow::create_menu() {
  auto menu = std::make_unique<QMenu>(this);
  QAction* weak_spots = menu->addAction("Practice weak spots");
  weak_spots->setObjectName("weak_spots");
  weak_spots->setCheckable(true);
  weak_spots->setChecked(form_.weak_spot_practice());
  // Without a history there are no mistakes to steer by.
  weak_spots->setEnabled(form_.keeps_history());
  connect(weak_spots, &QAction::toggled, this, [this](bool on) {
    form_.set_weak_spot_practice(on);
    if (settings_ != nullptr) settings_->setValue(kWeakSpotsSetting, on);
  });
  return menu;
}

void MainWindow::connect_create_menu() {
  Create_Puzzle_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(Create_Puzzle_, &QWidget::customContextMenuRequested, this, [this](QPoint at) {
    show_menu_(*create_menu(), Create_Puzzle_->mapToGlobal(at));
  });
  if (settings_ != nullptr && form_.keeps_history()) {
    form_.set_weak_spot_practice(settings_->value(kWeakSpotsSetting, false).toBool());
  }
}

}  // namespace velmora
