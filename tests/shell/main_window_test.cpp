#include "shell/main_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
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

#include "app/about.h"
#include "hints/hints.h"
#include "platform/qt/text.h"
#include "shell/note_labels.h"
#include "shell/splash.h"
#include "fakes/fake_clock.h"
#include "fakes/recording_midi_system.h"
#include "platform/posix/system_random.h"

namespace velmora {
namespace {

std::unique_ptr<QMimeData> palette_data(const QByteArray& note) {
  auto data = std::make_unique<QMimeData>();
  data->setData(kPaletteNoteMime, note);
  return data;
}

// Delivers a drag entering the label and a drop on it, as the window system would, and
// returns how many of the two the label accepted. The drop is sent even after a refused
// entry, so a drop handler that writes regardless is caught.
int drop_on(QWidget* label, const QMimeData& data) {
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(label, &enter);
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(label, &drop);
  return int{enter.isAccepted()} + int{drop.isAccepted()};
}

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    window.window_system().set_presenter([this](const MessageBox& box) {
      boxes.push_back(box);
      return answer;
    });
  }

  template <typename Widget = QAbstractButton>
  Widget* find(const char* name, const QWidget* parent = nullptr) {
    auto* widget = (parent ? parent : &window)->findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  void click(const char* name) { find(name)->click(); }

  SystemRandom random;
  testing::FakeClock clock;
  testing::RecordingMidiSystem midi;
  MainWindow window{{random, clock, midi}};
  std::vector<MessageBox> boxes;
  Answer answer = Answer::Ok;
};

TEST_F(MainWindowTest, LoadShowsTheNamedControlsWithTheirCaptionsAndDesignTimeStates) {
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
}

TEST_F(MainWindowTest, TabOrderRunsThroughTheControlsThatTakeTheFocus) {
  QStringList order{"Create_Puzzle"};
  for (QWidget* next = window.findChild<QWidget*>("Create_Puzzle")->nextInFocusChain();
       next->objectName() != "Create_Puzzle"; next = next->nextInFocusChain()) {
    if (next->focusPolicy() & Qt::TabFocus) order << next->objectName();
  }
  EXPECT_EQ(order.join(' '),
            "Create_Puzzle Command_Check WorkSheet_cmd Hint1 Hint2 Hint3 Hint4 advanced Help_cmd "
            "Center_Question Option1 Option2 List1 check_midi Text_Bol1 Noot");
}

TEST_F(MainWindowTest, APressDragsTheCaptionWhichDropsPaddedAndASecondDropReplacesIt) {
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

  const std::pair<const char*, const char*> drops[] = {
      {"C", "   C"}, {"Eb", "  Eb"}, {"Cbb", " Cbb"}};
  for (const auto& [note, caption] : drops) {
    EXPECT_EQ(drop_on(circle, *palette_data(note)), 2) << note;
    EXPECT_EQ(circle->text(), caption);
  }
}

TEST_F(MainWindowTest, ForeignDropsAndDropsOnTheGivenCircleAreRefused) {
  click("Create_Puzzle");
  QLabel* given = nullptr;
  QLabel* open = nullptr;
  for (int circle = 1; circle <= 17; ++circle) {
    QLabel* label = window.circle_label(circle);
    (label->isEnabled() ? open : given) = label;
  }
  ASSERT_TRUE(given && open);
  const QString given_note = given->text();
  EXPECT_FALSE(given_note.isEmpty());
  EXPECT_EQ(drop_on(given, *palette_data("Bx")), 0);
  EXPECT_EQ(given->text(), given_note);

  ASSERT_EQ(drop_on(open, *palette_data("D")), 2);
  std::unique_ptr<QMimeData> foreign[] = {palette_data("F###"), palette_data(""),
                                          std::make_unique<QMimeData>(),
                                          std::make_unique<QMimeData>(),
                                          std::make_unique<QMimeData>()};
  foreign[2]->setText("C");
  foreign[3]->setUrls({QUrl("https://example.invalid/C")});
  foreign[4]->setUrls({QUrl::fromLocalFile("/tmp/C")});
  for (const auto& data : foreign) {
    EXPECT_EQ(drop_on(open, *data), 0) << data->formats().join(',').toStdString();
    EXPECT_EQ(open->text(), "   D");
  }
}

TEST_F(MainWindowTest, AWholePuzzlePlayedWithTheMouseScoresSeventeen) {
  click("Create_Puzzle");
  const Board& board = window.form().board();
  int dropped = 0;
  for (int circle = 1; circle <= 17; ++circle) {
    if (!window.circle_label(circle)->isEnabled()) continue;
    const QByteArray answer = QByteArray::fromStdString(board.Circle_Notes[circle - 1]->text());
    ASSERT_EQ(drop_on(window.circle_label(circle), *palette_data(answer)), 2) << circle;
    ++dropped;
  }
  EXPECT_EQ(dropped, 16);
  click("Command_Check");
  ASSERT_EQ(boxes.size(), 1U) << "the first Create asks nothing";
  EXPECT_EQ(boxes[0].text, "You have 17 correct answers out of 17.(The First is always given!)");
  click("Create_Puzzle");
  EXPECT_EQ(boxes.size(), 1U) << "a Create after a full score asks nothing";
}

TEST_F(MainWindowTest, OptionsAndWorkSheetReachTheirHandlers) {
  click("advanced");
  click("Center_Question");
  click("Option1");
  EXPECT_EQ(window.form().controls().advanced.value, 1);
  EXPECT_EQ(count_framed_entries(window.form().chord_types()), 14) << "the Beginner list";
  click("Create_Puzzle");
  EXPECT_FALSE(window.circle_label(9)->isEnabled());
  EXPECT_EQ(window.circle_label(9)->text().toStdString(), Pad_Note(circle_note(window.form().board().Circle_Notes, 9)));

  answer = Answer::Cancel;
  click("WorkSheet_cmd");
  ASSERT_EQ(boxes.size(), 1U);
  EXPECT_EQ(boxes[0].title, "Create Worksheet?");
}

// A shown main window on fakes: the mapper (unless left out) and two MIDI ports.
struct Shell {
  explicit Shell(bool mapper = true) {
    if (!mapper) midi.mapper.reset();
    midi.devices = {"Port A", "Port B"};
    window = std::make_unique<MainWindow>(ShellPorts{random, clock, midi});
    window->show();
  }
  SystemRandom random;
  testing::FakeClock clock;
  testing::RecordingMidiSystem midi;
  std::unique_ptr<MainWindow> window;
};

// One step of the player on the device list: a mouse action on an entry, a key, or a Tab from
// the option button before the list.
constexpr int kKey = -1, kTabIn = -2;
struct ListStep {
  int action;
  int entry_or_key = 0;
  Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

TEST(DeviceListTest, TheDeviceOfTheSelectedEntryOpensExactlyWhenThePlayerChoosesIt) {
  const int press = QTest::MousePress, move = QTest::MouseMove, release = QTest::MouseRelease,
            click = QTest::MouseClick;
  // Entries: the mapper (device -1, opened at load) and the ports 0 and 1; without the mapper
  // only the ports, and nothing open. `shown`: the entry selected afterwards.
  const struct {
    const char* name;
    bool mapper;
    std::vector<ListStep> steps;
    std::vector<std::string> calls;
    int shown;
  } cases[] = {
      {"click another entry", true, {{click, 2}}, {"close 1", "open 1"}, 2},
      {"click the open entry", true, {{click, 0}}, {"close 1", "open -1"}, 0},
      {"one entry clicked twice", true, {{click, 1}, {press, 1}, {release, 1}},
       {"close 1", "open 0", "close 2", "open 0"}, 1},
      {"press, drag, release on another", true,
       {{press, 0}, {move, 1}, {move, 2}, {release, 2}}, {"close 1", "open 1"}, 2},
      {"drag back to the open entry", true, {{press, 2}, {move, 0}, {release, 0}},
       {"close 1", "open -1"}, 0},
      {"arrow keys", true, {{kKey, Qt::Key_Down}, {kKey, Qt::Key_Down}},
       {"close 1", "open 0", "close 2", "open 1"}, 2},
      {"End key", true, {{kKey, Qt::Key_End}}, {"close 1", "open 1"}, 2},
      {"tabbing in", true, {{kTabIn}}, {}, 0},
      {"ctrl-click and ctrl-space keep the selection", true,
       {{click, 0, Qt::ControlModifier}, {kKey, Qt::Key_Space, Qt::ControlModifier}}, {}, 0},
      {"tabbing in without the mapper", false, {{kTabIn}}, {}, -1},
      {"space after tabbing in without the mapper", false, {{kTabIn}, {kKey, Qt::Key_Space}},
       {"open 0"}, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Shell shell(c.mapper);
    QApplication::setActiveWindow(shell.window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(shell.window.get()));
    auto* list = shell.window->findChild<QListWidget*>("List1");
    shell.midi.calls.clear();
    for (const ListStep& step : c.steps) {
      if (step.action == kKey) {
        QTest::keyClick(list, Qt::Key(step.entry_or_key), step.modifiers);
      } else if (step.action == kTabIn) {
        shell.window->findChild<QWidget*>("Option2")->setFocus();
        QTest::keyClick(shell.window.get(), Qt::Key_Tab);
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
    EXPECT_EQ(shell.window->form().controls().List1.selected, c.shown);
    std::vector<int> open;
    for (const auto& [handle, device] : shell.midi.open_handles) open.push_back(device);
    EXPECT_EQ(open, c.shown < 0 ? std::vector<int>{} : std::vector{c.shown - int{c.mapper}});
  }
}

// Contrast of two colours as accessibility guidelines define it, from 1:1 to 21:1.
double contrast(QColor a, QColor b) {
  const auto luminance = [](QColor colour) {
    double sum = 0;
    for (auto [value, weight] : {std::pair{colour.redF(), 0.2126f},
                                 {colour.greenF(), 0.7152f}, {colour.blueF(), 0.0722f}}) {
      sum += weight * (value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4));
    }
    return sum;
  };
  const auto [dark, light] = std::minmax({luminance(a), luminance(b)});
  return (light + 0.05) / (dark + 0.05);
}

TEST(ShellThemeTest, TextsOnTheLayoutsOwnColoursStayReadableUnderADarkPalette) {
  const QPalette desktop = QApplication::palette();
  QApplication::setPalette(QPalette(QColor(53, 53, 53)));  // white texts on dark grounds
  Shell shell;
  MainWindow& window = *shell.window;
  const QColor orange(255, 192, 128), grey(192, 192, 192), inner(192, 255, 255),
      outer(255, 255, 128), centre(255, 128, 0);
  // Circle labels get a note, and a greyed one needs only 3:1.
  const struct {
    const char* name;
    QColor ground;
    bool circle = false, enabled = true;
  } texts[] = {
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
  shell.window->findChild<QPushButton*>("Help_cmd")->click();
  QWidget* about = shell.window->findChild<QWidget*>("frmAbout");
  for (QWidget* shown : std::initializer_list<QWidget*>{shell.window.get(), about, splash}) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(shown));
    SCOPED_TRACE(shown->objectName().toStdString() + " at " +
                 std::to_string(shown->devicePixelRatioF()));
    const QRect area = shown->screen()->availableGeometry(), outer = shown->frameGeometry();
    // Only a window that cannot shrink into the area may stick out, to the right or bottom.
    const QSize least = shown->minimumSize() + outer.size() - shown->size();
    const auto check = [](int start, int end, int from, int to, int needed) {
      if (needed > to - from + 1) {
        EXPECT_EQ(start, from);
      } else {
        EXPECT_TRUE(start >= from && end <= to) << start << ".." << end;
        EXPECT_LE(std::abs((start - from) - (to - end)), 1) << start << ".." << end;
      }
    };
    check(outer.left(), outer.right(), area.left(), area.right(), least.width());
    check(outer.top(), outer.bottom(), area.top(), area.bottom(), least.height());
  }
  delete splash;
}

TEST(MainWindowMidiTest, AFailedOpenDisablesTheFrameAndTheCheckBoxOnScreen) {
  SystemRandom random;
  testing::FakeClock clock;
  testing::RecordingMidiSystem midi;
  midi.open_fails = MidiResult::AudioDriverFailed;
  // The load handler reports the failure before a presenter can be set: close the box as soon
  // as it shows.
  QTimer::singleShot(0, [] {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (auto* box = qobject_cast<QMessageBox*>(top)) box->accept();
    }
  });
  MainWindow window{{random, clock, midi}};
  auto* check = window.findChild<QCheckBox*>("check_midi");
  EXPECT_FALSE(window.findChild<QGroupBox*>("Frame1")->isEnabled());
  EXPECT_FALSE(check->isEnabled());
  EXPECT_FALSE(check->isChecked());
  EXPECT_FALSE(window.findChild<QListWidget*>("List1")->isEnabled());
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
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  click("Create_Puzzle");
  click("check_midi");
  const Formula formula = *ChordFormula(window.form().board().Chords[1]);
  QStringList before;
  std::vector<std::unique_ptr<PaintedTexts>> painted;
  for (int circle = 7; circle <= 11; ++circle) {
    before << window.circle_label(circle)->text();
    painted.push_back(std::make_unique<PaintedTexts>(window.circle_label(circle)));
  }
  click("Hint2");
  for (int i = 0; i < 5; ++i) {
    EXPECT_TRUE(painted[i]->texts.contains(to_qstring(formula[i]))) << "circle " << i + 7;
    EXPECT_EQ(window.circle_label(i + 7)->text(), before[i]) << "circle " << i + 7;
  }
  EXPECT_GE(clock.elapsed_ms, 1000);
}

TEST_F(MainWindowTest, HelpShowsOneAboutBoxWhichOkAndClosingTheWindowClose) {
  window.show();
  click("Help_cmd");
  click("Help_cmd");
  const QList<QWidget*> shown = window.findChildren<QWidget*>("frmAbout");
  ASSERT_EQ(shown.size(), 1);
  QPointer<QWidget> box = shown[0];
  EXPECT_TRUE(box->isVisible());
  EXPECT_FALSE(box->isModal());
  EXPECT_EQ(box->windowTitle(), "About Velmora");
  EXPECT_EQ(find<QLabel>("lblTitle", box)->text(), "Velmora");
  EXPECT_EQ(find<QLabel>("lblVersion", box)->text(), "Version 1.1.30");
  EXPECT_FALSE(find<QLabel>("picIcon", box)->pixmap().isNull());
  auto* help = find<QPlainTextEdit>("Text1", box);
  EXPECT_TRUE(help->isReadOnly());
  QString text;
  for (std::string_view line : kHelpLines) text += QString::fromUtf8(line) + '\n';
  EXPECT_EQ(help->toPlainText(), text);

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

}  // namespace
}  // namespace velmora
