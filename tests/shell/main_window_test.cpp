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
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <memory>

#include "app/about.h"
#include "shell/note_labels.h"
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
    window.windowSystem().setPresenter([this](const MessageBox& box) {
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
    QLabel* label = window.circleLabel(circle);
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
            "Center_Question Option1 Option2 List1 check_midi");
}

TEST_F(MainWindowTest, APressDragsTheCaptionWhichDropsPaddedAndASecondDropReplacesIt) {
  PaletteLabel* fx = window.noot(31);
  std::unique_ptr<QMimeData> dragged;
  fx->setDragStarter([&](QWidget* source, QMimeData* data) {
    EXPECT_EQ(source, fx);
    dragged.reset(data);
  });
  QTest::mousePress(fx, Qt::LeftButton);
  ASSERT_NE(dragged, nullptr);
  QLabel* circle = window.circleLabel(1);
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
    QLabel* label = window.circleLabel(circle);
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
  const Board& board = window.form().board;
  int dropped = 0;
  for (int circle = 1; circle <= 17; ++circle) {
    if (!window.circleLabel(circle)->isEnabled()) continue;
    const QByteArray answer = QByteArray::fromStdString(board.Circle_Notes[circle - 1]).trimmed();
    ASSERT_EQ(drop_on(window.circleLabel(circle), *palette_data(answer)), 2) << circle;
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
  EXPECT_EQ(window.form().controls.advanced.value, 1);
  EXPECT_EQ(Count_Framed_Entries(window.form().Chord_Types), 14) << "the Beginner list";
  click("Create_Puzzle");
  EXPECT_FALSE(window.circleLabel(9)->isEnabled());
  EXPECT_EQ(window.circleLabel(9)->text().toStdString(), Pad_Note(window.form().board.Drawn_Key));

  answer = Answer::Cancel;
  click("WorkSheet_cmd");
  ASSERT_EQ(boxes.size(), 1U);
  EXPECT_EQ(boxes[0].title, "Create Worksheet?");
}

// One step of the player on the device list: a mouse press, move or release over an entry, a
// click, a key, or a Tab from the option button before the list.
struct ListStep {
  enum { Press, Move, Release, Click, Key, TabIn } kind;
  int row_or_key;
  Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

TEST(DeviceListTest, TheDeviceOfTheSelectedEntryOpensExactlyWhenThePlayerChoosesIt) {
  using S = ListStep;
  // Entries: the mapper (device -1, opened at load) and the ports 0 and 1; without the mapper
  // only the two ports, and nothing open. `shown`: the selected entry afterwards.
  const struct {
    const char* name;
    bool mapper;
    std::vector<ListStep> steps;
    std::vector<std::string> calls;
    int shown;
  } cases[] = {
      {"click another entry", true, {{S::Click, 2}}, {"close 1", "open 1"}, 2},
      {"click the open entry", true, {{S::Click, 0}}, {"close 1", "open -1"}, 0},
      {"the same entry clicked twice", true, {{S::Click, 1}, {S::Press, 1}, {S::Release, 1}},
       {"close 1", "open 0", "close 2", "open 0"}, 1},
      {"press, drag, release on another", true,
       {{S::Press, 0}, {S::Move, 1}, {S::Move, 2}, {S::Release, 2}}, {"close 1", "open 1"}, 2},
      {"press elsewhere, release on the open entry", true,
       {{S::Press, 2}, {S::Move, 0}, {S::Release, 0}}, {"close 1", "open -1"}, 0},
      {"arrow keys", true, {{S::Key, Qt::Key_Down}, {S::Key, Qt::Key_Down}},
       {"close 1", "open 0", "close 2", "open 1"}, 2},
      {"End key", true, {{S::Key, Qt::Key_End}}, {"close 1", "open 1"}, 2},
      {"tabbing in", true, {{S::TabIn, 0}}, {}, 0},
      {"ctrl-click and ctrl-space keep the selection", true,
       {{S::Click, 0, Qt::ControlModifier}, {S::Key, Qt::Key_Space, Qt::ControlModifier}}, {}, 0},
      {"tabbing in without the mapper", false, {{S::TabIn, 0}}, {}, -1},
      {"space after tabbing in without the mapper", false,
       {{S::TabIn, 0}, {S::Key, Qt::Key_Space}}, {"open 0"}, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SystemRandom random;
    testing::FakeClock clock;
    testing::RecordingMidiSystem midi;
    if (!c.mapper) midi.mapper = std::nullopt;
    midi.devices = {"Port A", "Port B"};
    MainWindow window{{random, clock, midi}};
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* list = window.findChild<QListWidget*>("List1");
    QWidget* entries = list->viewport();
    const auto at = [&](int row) { return list->visualItemRect(list->item(row)).center(); };
    midi.calls.clear();
    for (const ListStep& step : c.steps) {
      switch (step.kind) {
        case S::Press:
          QTest::mousePress(entries, Qt::LeftButton, step.modifiers, at(step.row_or_key));
          break;
        case S::Move: {
          const QPoint place = at(step.row_or_key);
          QMouseEvent move(QEvent::MouseMove, place, entries->mapToGlobal(place), Qt::NoButton,
                           Qt::LeftButton, step.modifiers);
          QApplication::sendEvent(entries, &move);
          break;
        }
        case S::Release:
          QTest::mouseRelease(entries, Qt::LeftButton, step.modifiers, at(step.row_or_key));
          break;
        case S::Click:
          QTest::mouseClick(entries, Qt::LeftButton, step.modifiers, at(step.row_or_key));
          break;
        case S::Key:
          QTest::keyClick(list, static_cast<Qt::Key>(step.row_or_key), step.modifiers);
          break;
        case S::TabIn:
          window.findChild<QWidget*>("Option2")->setFocus();
          QTest::keyClick(&window, Qt::Key_Tab);
          EXPECT_TRUE(list->hasFocus());
          break;
      }
    }
    EXPECT_EQ(midi.calls, c.calls);
    const QList<QListWidgetItem*> selected = list->selectedItems();
    EXPECT_EQ(selected.isEmpty() ? -1 : list->row(selected.first()), c.shown);
    EXPECT_EQ(window.form().controls.List1.selected, c.shown);
    std::vector<std::int16_t> open;
    for (const auto& [handle, device] : midi.open_handles) open.push_back(device);
    const int shown_device = c.shown - (c.mapper ? 1 : 0);
    EXPECT_EQ(open, c.shown < 0 ? std::vector<std::int16_t>{}
                                : std::vector<std::int16_t>{std::int16_t(shown_device)});
  }
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
  window.form().controls.check_midi.value = 0;
  window.form().board.Chords[1] = "Maj9";
  const char* formula[] = {"  1", "  3", "  5", "  7", "  9"};
  QStringList before;
  std::vector<std::unique_ptr<PaintedTexts>> painted;
  for (int circle = 7; circle <= 11; ++circle) {
    before << window.circleLabel(circle)->text();
    painted.push_back(std::make_unique<PaintedTexts>(window.circleLabel(circle)));
  }
  click("Hint2");
  for (int i = 0; i < 5; ++i) {
    EXPECT_TRUE(painted[i]->texts.contains(formula[i])) << "circle " << i + 7;
    EXPECT_EQ(window.circleLabel(i + 7)->text(), before[i]) << "circle " << i + 7;
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
