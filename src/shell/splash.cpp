#include "shell/splash.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QShowEvent>
#include <QTimer>
#include <utility>

#include "app/about.h"
#include "shell/artwork.h"
#include "shell/display_texts.h"
#include "shell/layout.h"
#include "platform/qt/text.h"

namespace velmora {

namespace {

QLabel* add_label(QWidget* parent, const char* name, std::string_view text, const QRect& place) {
  auto* label = new QLabel(to_qstring(text), parent);
  label->setObjectName(name);
  label->setGeometry(place);
  return label;
}

}  // namespace

Splash::Splash(MainWindowLoader load_main_window)
    : load_main_window_(std::move(load_main_window)) {
  setObjectName("Splash");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(shown_message(std::string(kSplashCaption), NoteNaming::Letters));
  setFixedSize(440, 250);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, kWindowColour);
  use_fixed_text_colours(colours);
  setPalette(colours);
  setAutoFillBackground(true);

  auto* border = new QFrame(this);
  border->setObjectName("Shape2");
  border->setFrameShape(QFrame::Box);
  border->setLineWidth(2);
  border->setGeometry(8, 8, 424, 234);
  QPalette border_colours = border->palette();
  border_colours.setColor(QPalette::WindowText, kCentreColour);
  border->setPalette(border_colours);

  auto* picture = add_label(this, "Picture1", "", QRect(24, 48, 128, 128));
  picture->setPixmap(velmora_picture(128));

  QLabel* title = add_label(this, "Label1", kSplashTitle, QRect(172, 40, 244, 52));
  title->setFont(QFont("Arial", 28, QFont::Bold));

  auto* band = new QFrame(this);
  band->setObjectName("Shape1");
  band->setGeometry(172, 96, 244, 6);
  QPalette band_colours = band->palette();
  band_colours.setColor(QPalette::Window, kCentreColour);
  band->setPalette(band_colours);
  band->setAutoFillBackground(true);

  add_label(this, "Label3", {}, QRect(172, 116, 244, 24))
      ->setText(shown_message(std::string(kSplashLoading), NoteNaming::Letters));
  version_ = add_label(this, "version", "", QRect(172, 204, 244, 22));

  timer_ = new QTimer(this);
  timer_->setObjectName("Timer1");
  timer_->setInterval(kSplashDelayMs);
  timer_->setSingleShot(true);
  connect(timer_, &QTimer::timeout, this, &Splash::Timer1_Timer);

  Form_Load();
}

void Splash::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Restoring a minimised window leaves it where the player put it.
  if (!event->spontaneous()) place_on_screen(*this);
}

void Splash::Form_Load() {
  version_->setText(shown_message(splash_version_caption(), NoteNaming::Letters));
  timer_->start();
}

void Splash::Timer1_Timer() {
  // The splash stays on screen while the main window builds its tables and opens MIDI.
  QWidget* main_window = load_main_window_();
  main_window->show();
  close();
}

}  // namespace velmora
