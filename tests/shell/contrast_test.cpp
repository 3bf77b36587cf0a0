#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cmath>

#include "fakes/fake_clock.h"
#include "fakes/recording_midi_system.h"
#include "platform/posix/system_random.h"
#include "shell/main_window.h"

namespace velmora {
namespace {

double luminance(QColor colour) {
  const auto linear = [](int value) {
    const double v = value / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) +
         0.0722 * linear(colour.blue());
}

double contrast(QColor a, QColor b) {
  const auto [dark, light] = std::minmax({luminance(a), luminance(b)});
  return (light + 0.05) / (dark + 0.05);
}

// A dark desktop palette, as a dark theme gives every application: light texts on dark grounds.
QPalette dark_palette() {
  QPalette dark(QColor(53, 53, 53));
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                                   QPalette::BrightText, QPalette::Light}) {
    dark.setColor(role, QColor(238, 238, 236));
    dark.setColor(QPalette::Disabled, role, QColor(145, 145, 145));
  }
  dark.setColor(QPalette::Base, QColor(45, 45, 45));
  return dark;
}

// Removes the text a control shows, so that what it drew can be told from its background.
void hide_text(QWidget* control) {
  if (auto* label = qobject_cast<QLabel*>(control)) label->clear();
  if (auto* button = qobject_cast<QAbstractButton*>(control)) button->setText({});
  if (auto* frame = qobject_cast<QGroupBox*>(control)) frame->setTitle({});
  if (auto* list = qobject_cast<QListWidget*>(control)) list->item(1)->setText({});
}

TEST(ContrastTest, TextsOnTheLayoutsOwnColoursStayReadableUnderADarkPalette) {
  const QPalette desktop = QApplication::palette();
  QApplication::setPalette(dark_palette());
  SystemRandom random;
  testing::FakeClock clock;
  testing::RecordingMidiSystem midi;
  midi.devices = {"MIDI port"};
  MainWindow window{{random, clock, midi}};
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

  const QColor orange(255, 192, 128), grey(192, 192, 192);
  const QColor inner(192, 255, 255), outer(255, 255, 128), centre(255, 128, 0);
  // enabled: false for a greyed circle label, which needs 3:1 instead of 4.5:1.
  const struct {
    const char* name;
    QColor background;
    bool enabled = true;
  } texts[] = {
      {"Create_Puzzle", grey}, {"Hint1", grey},      {"advanced", orange},
      {"Option2", orange},     {"Frame1", orange},   {"List1", orange},
      {"check_midi", orange},  {"Label1", orange},   {"Noot", orange},
      {"Text_Bol9", centre},   {"Text_bol5", inner}, {"text_Bol2", outer},
      {"Text_Bol9", centre, false}, {"Text_bol5", inner, false}, {"text_Bol2", outer, false},
  };
  for (const auto& text : texts) {
    auto* control = window.findChild<QWidget*>(text.name);
    ASSERT_NE(control, nullptr) << text.name;
    if (auto* circle = qobject_cast<QLabel*>(control); circle && text.name[1] == 'e') {
      circle->setText("  Bb");
      circle->setEnabled(text.enabled);
    }
    const QImage with_text = window.grab().toImage();
    hide_text(control);
    const QImage without_text = window.grab().toImage();
    const QRect area(control->mapTo(&window, QPoint(0, 0)), control->size());
    double strongest = 0;
    int changed = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
      for (int x = area.left(); x <= area.right(); ++x) {
        if (with_text.pixel(x, y) == without_text.pixel(x, y)) continue;
        ++changed;
        strongest = std::max(strongest, contrast(with_text.pixelColor(x, y), text.background));
      }
    }
    EXPECT_GT(changed, 10) << text.name << ": no text drawn";
    EXPECT_GE(strongest, text.enabled ? 4.5 : 3.0) << text.name << (text.enabled ? "" : " greyed");
  }

  window.findChild<QPushButton*>("Help_cmd")->click();
  auto* about = window.findChild<QWidget*>("frmAbout");
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(about->palette().color(QPalette::Window), QColor(53, 53, 53)) << "follows the theme";
  EXPECT_EQ(about->palette().color(QPalette::WindowText), QColor(238, 238, 236));
  QApplication::setPalette(desktop);
}

}  // namespace
}  // namespace velmora
