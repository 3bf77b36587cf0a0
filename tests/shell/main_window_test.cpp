#include "shell/main_window.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QGroupBox>
#include <QListWidget>
#include <QListWidgetItem>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <memory>

#include "fakes/scripted_launcher.h"
#include "fakes/scripted_registry.h"
#include "shell/about_box.h"
#include "shell/keys_page.h"
#include "shell/layout.h"
#include "shell/note_labels.h"
#include "shell/splash.h"
#include "shell_fixture.h"

namespace velmora {
namespace {

std::unique_ptr<QMimeData> palette_data(const QByteArray& note) {
  auto data = std::make_unique<QMimeData>();
  data->setData(kPaletteNoteMime, note);
  return data;
}

// Delivers a drag entering the label and a drop on it, as the window system would, and returns
// how many of the two the label accepted: a drop handler that writes regardless is caught.
int drop_on(QWidget* label, const QMimeData& data) {
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(label, &enter);
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(label, &drop);
  return int{enter.isAccepted()} + int{drop.isAccepted()};
}

class MainWindowTest : public ::testing::Test, protected Shell {};

TEST_F(MainWindowTest, LoadShowsTheControlsCaptionsStatesAndTabOrderAndTheOptionsWork) {
  EXPECT_EQ(window.objectName(), "MainForm");
  EXPECT_EQ(window.windowTitle(), " Velmora");
  EXPECT_EQ(window.size(), QSize(678, 487));
  EXPECT_EQ(window.minimumSize(), window.maximumSize());

  // checked: -1 for a push button, else the check box's or option's design-time state.
  const struct { const char* name; const char* caption; int checked; } buttons[] = {
      {"Create_Puzzle", "Create", -1}, {"Command_Check", "Check", -1},
      {"WorkSheet_cmd", "Work Sheet", -1}, {"Help_cmd", "Help", -1}, {"Hint1", "min 9", -1},
      {"Hint2", "Maj 9", -1}, {"Hint3", "9 sus4", -1}, {"Hint4", "dom 9", -1},
      {"advanced", "Advanced", 0}, {"Center_Question", "Center Question", 0},
      {"Option1", "Beginner", 0}, {"Option2", "Expert", 1}, {"check_midi", "Enable MIDI", 1}};
  for (const auto& b : buttons) {
    QAbstractButton* button = find(b.name);
    EXPECT_EQ(button->text(), b.caption) << b.name;
    EXPECT_TRUE(button->isEnabled() && button->isVisibleTo(&window)) << b.name;
    EXPECT_EQ(button->isCheckable() ? int{button->isChecked()} : -1, b.checked) << b.name;
  }
  EXPECT_EQ(window.focusWidget(), find("Create_Puzzle"));
  EXPECT_EQ(find<QGroupBox>("Frame1")->title(), "Midi Driver");
  EXPECT_EQ(find<QLabel>("Label1")->text(),
            "Drag and drop the correct answers in the circles. Press the buttons with the chord "
            "names to get some help.");

  const QStringList circle_names = QString(
      "Text_Bol1 text_Bol2 Text_Bol3 Text_Bol4 Text_bol5 Text_bol6 Text_Bol7 Text_Bol8 Text_Bol9 "
      "Text_BolA Text_BolB Text_BolC Text_BolD Text_BolE Text_BolF Text_BolG text_BolH").split(' ');
  for (int circle = 1; circle <= 17; ++circle) {
    QLabel* label = window.circle_label(circle);
    EXPECT_EQ(window.findChild<QLabel*>(circle_names[circle - 1]), label) << circle;
    EXPECT_TRUE(label->text().isEmpty() && label->isEnabled()) << circle;
  }

  EXPECT_EQ(window.findChildren<QLabel*>("Noot").size(), 35);
  QStringList captions;
  for (int index = 0; index < 35; ++index) {
    EXPECT_EQ(window.noot(index)->property("index").toInt(), index);
    captions << window.noot(index)->text();
  }
  EXPECT_EQ(captions.join(' '),
            "C E D F G A B Cb Db Eb Fb Gb Ab Bb Cbb Dbb Ebb Fbb Gbb Abb Bbb "
            "C# D# E# F# G# A# B# Cx Dx Ex Fx Gx Ax Bx");

  QStringList order{"Create_Puzzle"};  // the tab order
  for (QWidget* next = window.findChild<QWidget*>("Create_Puzzle")->nextInFocusChain();
       next->objectName() != "Create_Puzzle"; next = next->nextInFocusChain()) {
    if (next->focusPolicy() & Qt::TabFocus) order << next->objectName();
  }
  EXPECT_EQ(order.join(' '),
            "Create_Puzzle Command_Check WorkSheet_cmd Hint1 Hint2 Hint3 Hint4 advanced Help_cmd "
            "Center_Question Option1 Option2 List1 check_midi Text_Bol1 Noot");

  click("advanced");
  click("Center_Question");
  click("Option1");
  EXPECT_EQ(window.form().controls().advanced.value, 1);
  EXPECT_EQ(count_framed_entries(window.form().chord_types()), 14) << "the Beginner list";
  queue_pass("Min9_b5", 3);  // circle 3, unless the centre is asked
  click("Create_Puzzle");
  EXPECT_EQ(caption(9), "   G");
  EXPECT_FALSE(window.circle_label(9)->isEnabled());

  answer = Answer::Cancel;
  click("WorkSheet_cmd");
  ASSERT_EQ(boxes.size(), 1U);
  EXPECT_EQ(boxes[0].title, "Create Worksheet?");
}

// A press drags the caption (the paddings in answers_test); a second drop replaces the first;
// nothing else drops, nor anything on the given circle.
TEST_F(MainWindowTest, APressDragsTheCaptionWhichDropsPaddedAndNothingElseDrops) {
  create();
  PaletteLabel* fx = window.noot(31);
  std::unique_ptr<QMimeData> dragged;
  fx->set_drag_starter([&](QWidget* source, QMimeData* data) {
    EXPECT_EQ(source, fx);
    dragged.reset(data);
  });
  QTest::mousePress(fx, Qt::LeftButton);
  ASSERT_NE(dragged, nullptr);
  QLabel* circle = window.circle_label(1);
  EXPECT_EQ(drop_on(circle, *dragged), 2);
  EXPECT_EQ(circle->text(), "  Fx");
  EXPECT_EQ(drop_on(circle, *palette_data("Cbb")), 2);
  EXPECT_EQ(circle->text(), " Cbb");
  QLabel* given = window.circle_label(9);
  EXPECT_EQ(drop_on(given, *palette_data("Bx")), 0);
  EXPECT_EQ(given->text(), "   G");
  const std::unique_ptr<QMimeData> misspelt = palette_data("F###");
  QMimeData text, link, file;
  text.setText("C");
  link.setUrls({QUrl("https://example.invalid/C")});
  file.setUrls({QUrl::fromLocalFile("/tmp/C")});
  for (const QMimeData* data : {misspelt.get(), &text, &link, &file}) {
    EXPECT_EQ(drop_on(circle, *data), 0) << data->formats().join(',').toStdString();
    EXPECT_EQ(circle->text(), " Cbb");
  }
}

// A player's step on the device list: a mouse action on an entry, a key, or a Tab into it.
constexpr int kKey = -1, kTabIn = -2;
struct ListStep { int action; int entry_or_key = 0; Qt::KeyboardModifiers modifiers = {}; };

TEST(DeviceListTest, TheDeviceOfTheSelectedEntryOpensExactlyWhenThePlayerChoosesIt) {
  const int press = QTest::MousePress, move = QTest::MouseMove, release = QTest::MouseRelease,
            click = QTest::MouseClick;
  // Entries: the mapper (device -1, opened at load) and the ports 0 and 1; without the mapper
  // only the ports, and nothing open. `shown`: the entry selected afterwards.
  const struct {
    const char* name; bool mapper; std::vector<ListStep> steps; std::vector<std::string> calls;
    int shown;
  } cases[] = {
      {"click another entry", true, {{click, 2}}, {"close 1", "open 1"}, 2},
      {"click the open entry", true, {{click, 0}}, {"close 1", "open -1"}, 0},
      {"one entry clicked twice", true, {{click, 1}, {press, 1}, {release, 1}},
       {"close 1", "open 0", "close 2", "open 0"}, 1},
      {"press, drag, release on another", true,
       {{press, 0}, {move, 1}, {move, 2}, {release, 2}}, {"close 1", "open 1"}, 2},
      {"arrow keys", true, {{kKey, Qt::Key_Down}, {kKey, Qt::Key_Down}},
       {"close 1", "open 0", "close 2", "open 1"}, 2},
      {"ctrl-click and ctrl-space keep the selection", true,
       {{click, 0, Qt::ControlModifier}, {kKey, Qt::Key_Space, Qt::ControlModifier}}, {}, 0},
      {"tabbing in without the mapper", false, {{kTabIn}}, {}, -1},
      {"space after tabbing in without the mapper", false, {{kTabIn}, {kKey, Qt::Key_Space}},
       {"open 0"}, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Shell shell(c.mapper);
    auto* list = shell.window.findChild<QListWidget*>("List1");
    shell.midi.calls.clear();
    for (const ListStep& step : c.steps) {
      if (step.action == kKey) {
        QTest::keyClick(list, Qt::Key(step.entry_or_key), step.modifiers);
      } else if (step.action == kTabIn) {
        shell.window.findChild<QWidget*>("Option2")->setFocus();
        QTest::keyClick(&shell.window, Qt::Key_Tab);
        EXPECT_TRUE(list->hasFocus());
      } else {
        QTest::mouseEvent(QTest::MouseAction(step.action), list->viewport(), Qt::LeftButton,
                          step.modifiers,
                          list->visualItemRect(list->item(step.entry_or_key)).center());
      }
    }
    EXPECT_EQ(shell.midi.calls, c.calls);
    const QList<QListWidgetItem*> selected = list->selectedItems();
    EXPECT_EQ(selected.isEmpty() ? -1 : list->row(selected.first()), c.shown);
    EXPECT_EQ(shell.window.form().controls().List1.selected, c.shown);
    EXPECT_EQ(shell.window.findChild<QCheckBox*>("check_midi")->isEnabled(), c.mapper);
    std::vector<int> open;
    for (const auto& [handle, device] : shell.midi.open_handles) open.push_back(device);
    EXPECT_EQ(open, c.shown < 0 ? std::vector<int>{} : std::vector{c.shown - int{c.mapper}});
  }
}

// Contrast of two colours as accessibility guidelines define it, from 1:1 to 21:1.
double contrast(QColor a, QColor b) {
  const auto linear = [](double v) {
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  const auto luminance = [&](QColor c) {
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
  };
  const auto [dark, light] = std::minmax({luminance(a), luminance(b)});
  return (light + 0.05) / (dark + 0.05);
}

TEST(ShellThemeTest, TextsOnTheLayoutsOwnColoursStayReadableUnderADarkPalette) {
  const QPalette desktop = QApplication::palette();
  QApplication::setPalette(QPalette(QColor(53, 53, 53)));  // white texts on dark grounds
  Shell shell;
  MainWindow& window = shell.window;
  const QColor orange(255, 192, 128), grey(192, 192, 192), inner(192, 255, 255),
      outer(255, 255, 128), centre(255, 128, 0);
  // Circle labels get a note, and a greyed one needs only 3:1.
  const struct { const char* name; QColor ground; bool circle = false, enabled = true; } texts[] = {
      {"Create_Puzzle", grey}, {"Hint1", grey}, {"advanced", orange}, {"Option2", orange},
      {"Frame1", orange}, {"List1", orange}, {"check_midi", orange}, {"Label1", orange},
      {"Noot", orange}, {"Text_Bol9", centre, true}, {"Text_bol5", inner, true},
      {"text_Bol2", outer, true}, {"Text_Bol9", centre, true, false},
      {"Text_bol5", inner, true, false}, {"text_Bol2", outer, true, false}};
  for (const auto& text : texts) {
    auto* control = window.findChild<QWidget*>(text.name);
    auto* label = qobject_cast<QLabel*>(control);
    if (text.circle) {
      label->setText("  Bb");
      label->setEnabled(text.enabled);
    }
    const QImage with_text = window.grab().toImage();
    if (label) label->clear();
    if (auto* button = qobject_cast<QAbstractButton*>(control)) button->setText({});
    if (auto* frame = qobject_cast<QGroupBox*>(control)) frame->setTitle({});
    if (auto* list = qobject_cast<QListWidget*>(control)) list->item(1)->setText({});
    const QImage without_text = window.grab().toImage();
    const QRect area(control->mapTo(&window, QPoint(0, 0)), control->size());
    double strongest = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
      for (int x = area.left(); x <= area.right(); ++x) {
        if (with_text.pixel(x, y) == without_text.pixel(x, y)) continue;
        strongest = std::max(strongest, contrast(with_text.pixelColor(x, y), text.ground));
      }
    }
    EXPECT_GE(strongest, text.enabled ? 4.5 : 3.0) << text.name << (text.enabled ? "" : " greyed");
  }
  window.findChild<QPushButton*>("Help_cmd")->click();
  auto* about = window.findChild<QWidget*>("frmAbout");
  EXPECT_EQ(about->palette().color(QPalette::WindowText), Qt::white) << "follows the desktop";
  QApplication::setPalette(desktop);
}

// Run as it is, and by CTest again at other scale factors and screen sizes.
TEST(PlacementTest, WindowsOpenCentredInsideTheFreeAreaOfTheScreen) {
  Shell shell;
  auto* splash = new Splash([]() -> QWidget* { return nullptr; });
  splash->findChild<QTimer*>("Timer1")->stop();
  splash->show();
  shell.window.findChild<QPushButton*>("Help_cmd")->click();
  QWidget* about = shell.window.findChild<QWidget*>("frmAbout");
  for (QWidget* shown : std::initializer_list<QWidget*>{&shell.window, about, splash}) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(shown));
    SCOPED_TRACE(shown->objectName().toStdString() + " at " +
                 std::to_string(shown->devicePixelRatioF()));
    const QRect area = shown->screen()->availableGeometry(), outer = shown->frameGeometry();
    // Only a window that cannot shrink into the area may stick out, to the right or bottom.
    const QSize least = shown->minimumSize() + outer.size() - shown->size();
    const auto check = [](int start, int end, int from, int to, int needed) {
      const bool centred = start >= from && end <= to && std::abs((start - from) - (to - end)) <= 1;
      EXPECT_TRUE(needed > to - from + 1 ? start == from : centred) << start << ".." << end;
    };
    check(outer.left(), outer.right(), area.left(), area.right(), least.width());
    check(outer.top(), outer.bottom(), area.top(), area.bottom(), least.height());
  }
  delete splash;
}

TEST(MainWindowMidiTest, AFailedOpenDisablesTheFrameAndTheCheckBoxOnScreen) {
  accept_boxes_as_they_show();
  Shell shell(true, MidiResult::AudioDriverFailed);
  for (const char* name : {"Frame1", "check_midi", "List1"}) {
    EXPECT_FALSE(shell.window.findChild<QWidget*>(name)->isEnabled()) << name;
  }
  EXPECT_FALSE(shell.window.findChild<QCheckBox*>("check_midi")->isChecked());
}

// Records the caption a label has each time it is painted.
class PaintedTexts final : public QObject {
 public:
  explicit PaintedTexts(QLabel* label) { label->installEventFilter(this); }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) texts << static_cast<QLabel*>(watched)->text();
    return false;
  }
  QStringList texts;
};

TEST_F(MainWindowTest, HintPaintsTheFormulaDuringItsPauseAndThenTheNotesAgain) {
  create();
  click("check_midi");
  const QStringList formula{"  1", "  3", "  5", "  b7", "  9"};  // Dom9 on the second line
  std::vector<std::unique_ptr<PaintedTexts>> painted;
  for (int circle = 7; circle <= 11; ++circle) {
    painted.push_back(std::make_unique<PaintedTexts>(window.circle_label(circle)));
  }
  click("Hint2");
  for (int i = 0; i < 5; ++i) {
    EXPECT_TRUE(painted[i]->texts.contains(formula[i])) << "circle " << i + 7;
    EXPECT_EQ(caption(i + 7), i == 2 ? "   G" : "") << "circle " << i + 7;
  }
  EXPECT_GE(clock.elapsed_ms, 1000);
}

TEST_F(MainWindowTest, HelpShowsOneAboutBoxWhichOkAndClosingTheWindowClose) {
  click("Help_cmd");
  click("Help_cmd");
  const QList<QWidget*> shown = window.findChildren<QWidget*>("frmAbout");
  ASSERT_EQ(shown.size(), 1);
  QPointer<QWidget> box = shown[0];
  EXPECT_TRUE(box->isVisible() && !box->isModal());
  EXPECT_EQ(box->windowTitle(), "About Velmora");
  EXPECT_EQ(find<QLabel>("lblTitle", box)->text(), "Velmora");
  EXPECT_EQ(find<QLabel>("lblVersion", box)->text(), "Version 1.1.30");
  EXPECT_FALSE(find<QLabel>("picIcon", box)->pixmap().isNull());
  auto* help = find<QPlainTextEdit>("Text1", box);
  EXPECT_TRUE(help->isReadOnly());
  EXPECT_TRUE(help->toPlainText().startsWith("Learn to handle and memorize musical chords."));

  find("cmdOK", box)->click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(box.isNull());
  EXPECT_TRUE(window.isVisible());
  click("Help_cmd");
  box = window.findChild<QWidget*>("frmAbout");
  ASSERT_TRUE(box && box->isVisible()) << "a later Help opens the box afresh";
  window.close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(box.isNull() || !box->isVisible());
}

TEST(SplashTest, ShowsItsTextsAndAfterItsTimerTheMainWindowInsteadOfItself) {
  std::unique_ptr<QWidget> main_window;
  bool splash_visible_during_load = false;
  QPointer<Splash> splash = new Splash([&] {
    splash_visible_during_load = splash->isVisible();
    main_window = std::make_unique<QWidget>();
    return main_window.get();
  });
  splash->show();
  const auto label = [&](const char* name) { return splash->findChild<QLabel*>(name); };
  EXPECT_EQ(splash->objectName(), "Splash");
  EXPECT_EQ(splash->windowTitle(), "Velmora is now loading");
  EXPECT_EQ(label("Label1")->text(), "Velmora");
  EXPECT_EQ(label("Label1")->font().family(), "Arial");
  EXPECT_EQ(label("Label3")->text(), "Now Loading.....");
  EXPECT_EQ(label("version")->text(), "version: 1.1.30");
  EXPECT_FALSE(label("Picture1")->pixmap().isNull());

  auto* timer = splash->findChild<QTimer*>("Timer1");
  EXPECT_TRUE(timer->isActive() && timer->isSingleShot());
  EXPECT_EQ(timer->interval(), 2000);
  EXPECT_EQ(main_window, nullptr) << "nothing loads before the timer";
  QMetaObject::invokeMethod(timer, "timeout");
  ASSERT_NE(main_window, nullptr);
  EXPECT_TRUE(splash_visible_during_load);
  EXPECT_TRUE(main_window->isVisible());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(splash.isNull());
  delete splash;
}

TEST(AboutBoxTest, SystemInfoWithNothingToStartShowsTheMessage) {
  testing::ScriptedRegistry registry;
  testing::ScriptedLauncher launcher;
  testing::FakeWindowSystem windows;
  QWidget owner;
  AboutBoxHolder holder{owner, SysInfoPlatform{registry, launcher, windows}};
  auto* sys_info = holder.show().findChild<QPushButton*>("cmdSysInfo");
  EXPECT_EQ(sys_info->text(), "&System Info...");
  sys_info->click();
  EXPECT_EQ(windows.texts(),
            std::vector<std::string>{"System Information Is Unavailable At This Time"});
}

QAction* action(QMenu& menu, const QString& path) {
  QAction* found = nullptr;
  for (const QString& part : path.split('/')) {
    const QList<QAction*> actions = (found ? found->menu() : &menu)->actions();
    const auto at = std::ranges::find(actions, part, &QAction::text);
    if (at == actions.end()) return nullptr;
    found = *at;
  }
  return found;
}

TEST_F(MainWindowTest, AWholePuzzlePlayedWithTheKeyboardAloneScoresSeventeen) {
  queue_pass();
  keys(Qt::Key_N, Qt::ControlModifier);
  ASSERT_EQ(caption(9), "   G");
  keys(Qt::Key_L, Qt::ControlModifier);
  EXPECT_EQ(focus(), window.circle_label(1));
  EXPECT_GT(pixels_of(kFocusColour), 0) << "the focus ring";
  // From circle 1 around the star, stepping over the given centre; first letters in lower case.
  const QStringList answers = QString("c,c,d,eb,d,b,c,e,g,bb,d,e,bb,bb,c,d,d").split(',');
  int typed = 0;
  for (const char arrow : std::string_view("RRURLDRDLLDLURD.")) {
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
  ASSERT_EQ(boxes.size(), 1U);
  EXPECT_EQ(boxes[0].text, "You have 17 correct answers out of 17.(The First is always given!)");
  keys(Qt::Key_M, Qt::ControlModifier);
  EXPECT_TRUE(window.review_overlay().showing());
  keys(Qt::Key_F1);
  EXPECT_NE(window.findChild<QWidget*>("frmAbout"), nullptr);
}

TEST_F(MainWindowTest, TypedNamesEnterRefusedOnesChangeNothingAndTheGivenCircleTakesNone) {
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

TEST_F(MainWindowTest, MenusReviewAndScreenReaderTexts) {
  create();
  QStringList naturals;
  const std::unique_ptr<QMenu> first = window.circle_menu(1);
  for (QAction* name : action(*first, "Naturals")->menu()->actions()) naturals << name->text();
  EXPECT_EQ(naturals.join(' '), "C D E F G A B");
  const struct { int circle; const char* path; const char* shown; } steps[] = {
      {12, "Flats/Fb", "  Fb"}, {6, "Naturals/A", "   A"}, {3, "Double sharps/Cx", "  Cx"},
      {3, "Clear", ""}, {15, "Reveal this note", "   C"}, {17, "Sharps/C#", "  C#"}};
  for (const auto& step : steps) {
    std::unique_ptr<QMenu> menu = window.circle_menu(step.circle);
    QAction* chosen = action(*menu, step.path);
    ASSERT_NE(chosen, nullptr) << step.path;
    chosen->trigger();
    EXPECT_EQ(caption(step.circle), step.shown) << step.path;
  }
  auto name_of = [](QWidget* widget, QAccessible::Text kind = QAccessible::Name) {
    return QAccessible::queryAccessibleInterface(widget)->text(kind);
  };
  EXPECT_EQ(name_of(window.review_overlay().status()),
            "circle 15, root of major ninth, holds C");
  EXPECT_EQ(name_of(window.circle_label(15)), "circle 15, root of major ninth, holds C");
  EXPECT_EQ(name_of(window.circle_label(9)), "circle 9, centre of all four chords, given, holds G");
  std::unique_ptr<QMenu> given = window.circle_menu(9);
  for (const char* path : {"Naturals", "Clear", "Reveal this note"}) {
    EXPECT_FALSE(action(*given, path)->isEnabled()) << path;
  }

  // In grey alone: the signs of a wrong circle and of a misspelled one differ from the unmarked.
  const auto grey_disc = [&](int circle) {
    const QRect disc = window.circle_label(circle)->geometry().adjusted(-4, -12, 4, 0);
    return window.grab(disc).toImage().convertToFormat(QImage::Format_Grayscale8);
  };
  const QImage plain_6 = grey_disc(6);
  const QImage plain_12 = grey_disc(12);
  action(*given, "Show mistakes")->trigger();
  EXPECT_EQ(name_of(window.review_overlay().status()),
            "circle 6: wrong: A is not the note here; circle 12: sounds right, spelled wrong: Fb "
            "here is E; circle 17: wrong: C# is not the note here; empty: circles 1, 2, 3, 4, 5, "
            "7, 8, 10, 11, 13, 14, 16");
  EXPECT_EQ(window.circle_label(12)->toolTip(), "sounds right, spelled wrong: Fb here is E");
  EXPECT_EQ(name_of(window.circle_label(6), QAccessible::Description),
            "wrong: A is not the note here");
  EXPECT_EQ(name_of(window.circle_label(1), QAccessible::Description), "empty");
  QListWidget* list = window.review_overlay().list();
  QStringList listed;
  for (int row = 0; row < list->count(); ++row) listed << list->item(row)->text();
  EXPECT_EQ(listed.join('\n'),
            "X wrong, ~ spelled wrong, ? empty\n"
            "Circle 6 X wrong: A is not the note here\n"
            "Circle 12 ~ sounds right, spelled wrong: Fb here is E\n"
            "Circle 17 X wrong: C# is not the note here\n"
            "? empty: circles 1, 2, 3, 4, 5, 7, 8, 10, 11, 13, 14, 16");
  EXPECT_TRUE(list->isVisible());
  EXPECT_GT(pixels_of(kWrongColour), 0);
  EXPECT_GT(pixels_of(kMisspeltColour), 0);
  EXPECT_NE(grey_disc(6), plain_6);
  EXPECT_NE(grey_disc(12), plain_12);
  EXPECT_NE(grey_disc(6).copy(QRect(QPoint(), plain_6.size())), grey_disc(12));
  QTest::keyClick(&window, Qt::Key_Shift);
  QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(600, 40));
  click("Command_Check");
  EXPECT_TRUE(window.review_overlay().showing()) << "keys, clicks and a Check leave the review";
  action(*window.circle_menu(17), "Naturals/C")->trigger();
  EXPECT_FALSE(window.review_overlay().showing()) << "an edit ends it";
  EXPECT_EQ(window.circle_label(12)->toolTip(),
            "Type a name or drop one here. Right-click: names, Clear, Show mistakes (Ctrl+M), "
            "Reveal this note (Ctrl+R)");
  EXPECT_FALSE(list->isVisible());
  EXPECT_EQ(pixels_of(kWrongColour), 0);

  midi.sent.clear();
  action(*window.hint_menu(1), "Play my answer")->trigger();
  EXPECT_EQ(midi.sent, (std::vector<std::vector<int>>{
                           {0x91, 60, 127}, {0x91, 64, 127}, {0x91, 67, 127}, {0x91, 69, 127},
                           {0xB1, 120, 0}}));

  // A palette name picked up with the keyboard, or through its accessible press action.
  window.noot(0)->setFocus();
  for (Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Return}) keys(key);
  EXPECT_EQ(window.star_input().carried_name(), "Db");
  EXPECT_EQ(focus(), window.circle_label(1)) << "the star's stop";
  keys(Qt::Key_Right);
  keys(Qt::Key_Return);
  EXPECT_EQ(caption(4), "  Db");
  QAccessibleInterface* bx = QAccessible::queryAccessibleInterface(window.noot(34));
  EXPECT_EQ(bx->text(QAccessible::Name), "B double sharp");
  bx->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  keys(Qt::Key_Escape);
  keys(Qt::Key_Return);
  EXPECT_EQ(window.star_input().carried_name(), "");
  EXPECT_EQ(caption(4), "  Db") << "Escape put the name back";

  action(*window.circle_menu(1), "Show mistakes")->trigger();
  queue_pass();
  click("Create_Puzzle");
  EXPECT_FALSE(window.review_overlay().showing()) << "a new puzzle ends the review";
}

// A name typed after any change of the board, or after a hint, starts afresh: "b" is the note
// B, never a flat added to what was typed before.
TEST_F(MainWindowTest, TypingStartsAfreshAfterEachReset) {
  const std::pair<const char*, std::function<void()>> resets[] = {
      {"Create", [&] { create(); }},
      {"Clear", [&] { action(*window.circle_menu(15), "Clear")->trigger(); }},
      {"a drop", [&] { drop_on(window.circle_label(15), *palette_data("C")); }},
      {"a reveal", [&] { keys(Qt::Key_R, Qt::ControlModifier); }},
      {"a hint", [&] { click("Hint1"); }},
  };
  create();
  for (const auto& [reset, run] : resets) {
    window.circle_label(15)->setFocus();
    QTest::keyClicks(focus(), "e");
    run();
    window.circle_label(15)->setFocus();
    QTest::keyClicks(focus(), "b");
    EXPECT_EQ(caption(15), "   B") << reset;
  }
}

// Ctrl+R reveals the ringed circle; Ctrl+1 .. Ctrl+4 play the answer of a chord line; a hint's
// formula is told to a screen reader while it shows; the menus and the buttons name their keys.
TEST_F(MainWindowTest, ShortcutsForRevealAndPlayAndWhatTheyTell) {
  create();
  window.circle_label(15)->setFocus();
  keys(Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(caption(15), "   C");
  midi.sent.clear();
  keys(Qt::Key_1, Qt::ControlModifier);
  EXPECT_EQ(midi.sent, (std::vector<std::vector<int>>{{0x91, 60, 127}, {0x91, 67, 127}, {0xB1, 120, 0}}));
  midi.sent.clear();
  keys(Qt::Key_4, Qt::ControlModifier);
  EXPECT_EQ(midi.sent, (std::vector<std::vector<int>>{{0x91, 67, 127}, {0xB1, 120, 0}}));
  EXPECT_EQ(action(*window.hint_menu(3), "Play my answer")->shortcut(),
            QKeySequence(Qt::CTRL | Qt::Key_3));
  EXPECT_EQ(action(*window.circle_menu(1), "Reveal this note")->shortcut(),
            QKeySequence(Qt::CTRL | Qt::Key_R));
  EXPECT_EQ(find("Hint2")->toolTip(),
            "Show this chord's formula and hear it. Right-click: Play my answer (Ctrl+2)\n"
            "dominant ninth");
  EXPECT_EQ(find("Help_cmd")->toolTip(),
            "About Velmora (F1). Right-click: Progress\u2026 (Ctrl+H), Keys and features\u2026, "
            "Language, Note names");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(find("Hint4"))->text(QAccessible::Name),
            "dominant ninth, suspended second");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(window.findChild<QWidget*>("List1"))
                ->text(QAccessible::Name),
            "MIDI device");

  click("Hint1");
  EXPECT_EQ(window.review_overlay().status()->accessibleName(),
            "major ninth formula: root, three, five, seven, nine");
}

// Help's context menu opens a page of every key and context menu.
TEST_F(MainWindowTest, KeysAndFeaturesPageFromHelpsMenu) {
  action(*window.help_menu(), "Keys and features\u2026")->trigger();
  auto* page = window.findChild<KeysPage*>("keys_page");
  ASSERT_NE(page, nullptr);
  EXPECT_TRUE(page->isVisible());
  EXPECT_EQ(page->windowTitle(), "Keys and features");
  // A cell a line.
  for (const char* line : {"Ctrl+R\nReveal this note: show the ringed circle's right note",
                           "Ctrl+1 .. Ctrl+4\nPlay my answer: hear your notes on chord line 1 to 4",
                           "Help\nProgress\u2026, Keys and features\u2026"}) {
    EXPECT_TRUE(page->text().contains(QString::fromUtf8(line))) << line;
  }
}

TEST_F(MainWindowTest, ADropOnTheDiscAboveTheLabelLandsAndTheTargetIsRinged) {
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
