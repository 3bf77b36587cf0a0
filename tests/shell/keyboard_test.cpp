#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

#include "fakes/fake_clock.h"
#include "fakes/main_form_fixture.h"
#include "fakes/recording_midi_system.h"
#include "fakes/scripted_random.h"
#include "shell/layout.h"
#include "shell/main_window.h"
#include "shell/note_labels.h"

namespace velmora {
namespace {

// A shown, active window whose "Create" draws C Maj9, C Dom9, C Min9 and C Dom9_sus2 around
// the given centre G.
class KeyboardTest : public ::testing::Test {
 protected:
  KeyboardTest() {
    window.window_system().set_presenter([this](const MessageBox& box) {
      boxes.push_back(box.text);
      return Answer::Ok;
    });
    for (const char* chord : {"Maj9", "Dom9", "Min9", "Dom9_sus2"}) {
      random.values.push_back(value_for(window.form().chord_types(), chord));
    }
    random.values.push_back(value_for(Fill_Key_Tables(), "G"));
    random.values.push_back((9 - 0.5F) / 17);
    window.show();
    QApplication::setActiveWindow(&window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  static float value_for(const FramedList& list, std::string_view name) {
    return testing::MainFormOnFakes::value_for(list, name);
  }
  void create() { window.findChild<QPushButton*>("Create_Puzzle")->click(); }
  QString caption(int circle) { return window.circle_label(circle)->text(); }
  QWidget* focus() { return QApplication::focusWidget(); }
  void keys(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(focus(), key, modifiers);
  }
  // Pixels of the colour in the window as it now paints.
  int pixels_of(QColor colour) {
    const QImage image = window.grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == colour;
    }
    return count;
  }
  QAction* action(QMenu& menu, const QString& path) {
    QMenu* in = &menu;
    for (const QString& part : path.split('/')) {
      const QList<QAction*> actions = in->actions();
      const auto found = std::ranges::find(actions, part, &QAction::text);
      if (found == actions.end()) return nullptr;
      if ((*found)->menu() == nullptr) return *found;
      in = (*found)->menu();
    }
    return in->menuAction();
  }

  testing::ScriptedRandom random;
  testing::FakeClock clock;
  testing::RecordingMidiSystem midi;
  MainWindow window{{random, clock, midi}};
  std::vector<std::string> boxes;
};

TEST_F(KeyboardTest, AWholePuzzlePlayedWithTheKeyboardAloneScoresSeventeen) {
  keys(Qt::Key_N, Qt::ControlModifier);
  ASSERT_EQ(caption(9), "   G");
  keys(Qt::Key_L, Qt::ControlModifier);
  EXPECT_EQ(focus(), window.circle_label(1));
  EXPECT_GT(pixels_of(kFocusColour), 0) << "the focus ring";
  // From circle 1 around the star, stepping over the given centre; first letters in lower case.
  const QStringList answers = QString("c,c,d,eb,d,b,c,e,g,bb,d,e,bb,bb,c,d,d").split(',');
  int typed = 0;
  for (const char arrow : std::string_view("RRURRDDRLLLDLRRDRR.")) {
    auto* circle = qobject_cast<CircleLabel*>(focus());
    ASSERT_NE(circle, nullptr);
    if (caption(circle->circle()).isEmpty()) {
      QTest::keyClicks(circle, answers[circle->circle() - 1]);
      ++typed;
    }
    if (arrow != '.') {
      keys(arrow == 'R' ? Qt::Key_Right : arrow == 'L' ? Qt::Key_Left
           : arrow == 'U' ? Qt::Key_Up : Qt::Key_Down);
    }
  }
  EXPECT_EQ(typed, 16);
  keys(Qt::Key_K, Qt::ControlModifier);
  EXPECT_EQ(boxes, std::vector<std::string>{
                       "You have 17 correct answers out of 17.(The First is always given!)"});
  keys(Qt::Key_M, Qt::ControlModifier);
  EXPECT_TRUE(window.showing_mistakes());
  keys(Qt::Key_F1);
  EXPECT_NE(window.findChild<QWidget*>("frmAbout"), nullptr);
}

TEST_F(KeyboardTest, TypedNamesEnterRefusedOnesChangeNothingAndTheGivenCircleTakesNone) {
  create();
  const std::pair<const char*, const char*> cases[] = {
      {"e", "   E"}, {"Eb", "  Eb"}, {"f##", "  Fx"}, {"bb", "  Bb"}, {"cbbb", " Cbb"},
      {"d#b", "  D#"}, {"h", ""},    {"#", ""},       {"g7", "   G"}, {"gx#", "  Gx"}};
  for (const auto& [typed, shown] : cases) {
    window.circle_label(15)->setFocus();
    keys(Qt::Key_Backspace);
    QTest::keyClicks(focus(), typed);
    EXPECT_EQ(caption(15), shown) << typed;
  }
  keys(Qt::Key_Delete);
  EXPECT_EQ(caption(15), "");
  QTest::keyClicks(window.circle_label(9), "a");
  QTest::keyClick(window.circle_label(9), Qt::Key_Delete);
  EXPECT_EQ(caption(9), "   G");
}

TEST_F(KeyboardTest, MenusReviewAndScreenReaderTexts) {
  create();
  auto menu_of = [&](int circle) { return window.circle_menu(circle); };
  QStringList naturals;
  const std::unique_ptr<QMenu> first = menu_of(1);
  for (QAction* name : action(*first, "Naturals")->menu()->actions()) naturals << name->text();
  EXPECT_EQ(naturals.join(' '), "C D E F G A B");
  const struct { int circle; const char* path; const char* shown; } steps[] = {
      {12, "Flats/Fb", "  Fb"}, {6, "Naturals/A", "   A"}, {3, "Double sharps/Cx", "  Cx"},
      {3, "Clear", ""}, {15, "Reveal this note", "   C"}, {17, "Sharps/C#", "  C#"}};
  for (const auto& step : steps) {
    std::unique_ptr<QMenu> menu = menu_of(step.circle);
    QAction* chosen = action(*menu, step.path);
    ASSERT_NE(chosen, nullptr) << step.path;
    chosen->trigger();
    EXPECT_EQ(caption(step.circle), step.shown) << step.path;
  }
  auto name_of = [](QWidget* widget, QAccessible::Text kind = QAccessible::Name) {
    return QAccessible::queryAccessibleInterface(widget)->text(kind);
  };
  EXPECT_EQ(name_of(window.review_status()), "circle 15, root of Maj9, holds C");
  EXPECT_EQ(name_of(window.circle_label(15)), "circle 15, root of Maj9, holds C");
  EXPECT_EQ(name_of(window.circle_label(9)), "circle 9, centre of all four chords, given, holds G");
  std::unique_ptr<QMenu> given = menu_of(9);
  for (const char* path : {"Naturals", "Clear", "Reveal this note"}) {
    EXPECT_FALSE(action(*given, path)->isEnabled()) << path;
  }

  action(*given, "Show mistakes")->trigger();
  EXPECT_EQ(name_of(window.review_status()),
            "circle 6: wrong: A is not the note here; circle 12: sounds right, spelled wrong: Fb "
            "here is E; circle 17: wrong: C# is not the note here");
  EXPECT_EQ(window.circle_label(12)->toolTip(), "sounds right, spelled wrong: Fb here is E");
  EXPECT_EQ(name_of(window.circle_label(6), QAccessible::Description),
            "wrong: A is not the note here");
  EXPECT_GT(pixels_of(kWrongColour), 0);
  EXPECT_GT(pixels_of(kMisspeltColour), 0);
  QTest::keyClick(&window, Qt::Key_Shift);
  EXPECT_FALSE(window.showing_mistakes()) << "the next input ends the marks";
  EXPECT_EQ(window.circle_label(12)->toolTip(), "");
  EXPECT_EQ(pixels_of(kWrongColour), 0);

  midi.sent.clear();
  action(*window.hint_menu(1), "Play my answer")->trigger();
  EXPECT_EQ(midi.sent, (std::vector<std::vector<int>>{
                           {0x91, 60, 127}, {0x91, 64, 127}, {0x91, 67, 127}, {0x91, 69, 127},
                           {0xB1, 120, 0}}));

  // A palette name picked up with the keyboard, or through its accessible press action.
  window.noot(0)->setFocus();
  for (Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Return}) keys(key);
  EXPECT_EQ(window.carried_name(), "Db");
  EXPECT_EQ(focus(), window.circle_label(1)) << "the star's stop";
  keys(Qt::Key_Right);
  keys(Qt::Key_Return);
  EXPECT_EQ(caption(4), "  Db");
  QAccessibleInterface* bx = QAccessible::queryAccessibleInterface(window.noot(34));
  EXPECT_EQ(bx->text(QAccessible::Name), "Bx");
  bx->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  keys(Qt::Key_Escape);
  keys(Qt::Key_Return);
  EXPECT_EQ(window.carried_name(), "");
  EXPECT_EQ(caption(4), "  Db") << "Escape put the name back";
}

TEST_F(KeyboardTest, ADropOnTheDiscAboveTheLabelLandsAndTheTargetIsRinged) {
  create();
  QMimeData data;
  data.setData(kPaletteNoteMime, "Eb");
  // Circle 5's disc starts at (320, 112); its label only 8 pixels lower. Circle 9 is given.
  const struct { QPoint at; int circle; bool ringed; const char* shown; } drops[] = {
      {{340, 114}, 5, true, "  Eb"}, {{322, 114}, 5, false, ""}, {{340, 154}, 9, false, "   G"}};
  for (const auto& drop : drops) {
    window.form().clear_circle(drop.circle);
    window.refresh();
    QDragEnterEvent enter(drop.at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    QDragMoveEvent move(drop.at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &move);
    EXPECT_EQ(pixels_of(kDropTargetColour) > 0, drop.ringed);
    QDropEvent dropped(drop.at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &dropped);
    EXPECT_EQ(caption(drop.circle), drop.shown) << drop.at.x() << "," << drop.at.y();
  }
  QDragEnterEvent over_label(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(window.circle_label(4), &over_label);
  EXPECT_GT(pixels_of(kDropTargetColour), 0) << "over a circle's label";
  QDragLeaveEvent left;
  QCoreApplication::sendEvent(window.circle_label(4), &left);
  EXPECT_EQ(pixels_of(kDropTargetColour), 0);
}

}  // namespace
}  // namespace velmora
