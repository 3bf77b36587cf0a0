#include "app/qt/main_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QTimer>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QUrl>
#include <memory>
#include <set>

#include "app/qt/note_labels.h"
#include "fakes/fake_clock.h"
#include "fakes/recording_midi_system.h"
#include "puzzle/system_random.h"

namespace velmora::qt {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    window.windowSystem().setPresenter([this](const MessageBox& box) {
      boxes.push_back(box);
      return Answer::Ok;
    });
  }

  template <typename Widget>
  Widget* find(const char* name) {
    auto* widget = window.findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }

  static std::unique_ptr<QMimeData> palette_data(const QByteArray& note) {
    auto data = std::make_unique<QMimeData>();
    data->setData(kPaletteNoteMime, note);
    return data;
  }

  // Delivers a drag that enters the label and is released on it, as the window system would.
  static bool drop_on(QWidget* label, const QMimeData& data) {
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(label, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(label, &drop);
    return enter.isAccepted() && drop.isAccepted();
  }

  SystemRandom random;
  testing::FakeClock clock;
  testing::RecordingMidiSystem midi;
  MainWindow window{{random, clock, midi}};
  std::vector<MessageBox> boxes;
};

TEST_F(MainWindowTest, WindowHasItsFixedClientSizeAndCaption) {
  EXPECT_EQ(window.objectName(), "MainForm");
  EXPECT_EQ(window.windowTitle(), " Velmora");
  EXPECT_EQ(window.size(), QSize(678, 487));
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
}

struct ControlCase {
  const char* name;
  const char* caption;
  QRect box;  // in pixels, relative to the window or the frame
};

TEST_F(MainWindowTest, ButtonsAndOptionsCarryTheirNamesCaptionsAndPlaces) {
  const ControlCase buttons[] = {
      {"Create_Puzzle", "Create", {8, 8, 73, 25}},
      {"Command_Check", "Check", {8, 40, 73, 25}},
      {"WorkSheet_cmd", "Work Sheet", {8, 72, 73, 25}},
      {"Help_cmd", "Help", {8, 104, 73, 25}},
      {"Hint1", "min 9", {480, 16, 65, 25}},
      {"Hint2", "Maj 9", {480, 160, 65, 25}},
      {"Hint3", "9 sus4", {480, 304, 65, 25}},
      {"Hint4", "dom 9", {312, 304, 65, 25}},
  };
  for (const ControlCase& c : buttons) {
    QPushButton* button = find<QPushButton>(c.name);
    EXPECT_EQ(button->text(), c.caption) << c.name;
    EXPECT_EQ(button->geometry(), c.box) << c.name;
  }
  const ControlCase options[] = {
      {"advanced", "Advanced", {8, 136, 73, 17}},
      {"Center_Question", "Center Question", {8, 152, 105, 17}},
      {"check_midi", "Enable MIDI", {16, 104, 89, 13}},
  };
  for (const ControlCase& c : options) {
    QCheckBox* box = find<QCheckBox>(c.name);
    EXPECT_EQ(box->text(), c.caption) << c.name;
    EXPECT_EQ(box->geometry(), c.box) << c.name;
  }
  EXPECT_EQ(find<QRadioButton>("Option1")->text(), "Beginner");
  EXPECT_EQ(find<QRadioButton>("Option2")->text(), "Expert");
  EXPECT_EQ(find<QGroupBox>("Frame1")->title(), "Midi Driver");
  EXPECT_EQ(find<QGroupBox>("Frame1")->geometry(), QRect(8, 232, 113, 121));
  EXPECT_EQ(find<QListWidget>("List1")->parentWidget()->objectName(), "Frame1");
  EXPECT_EQ(find<QCheckBox>("check_midi")->parentWidget()->objectName(), "Frame1");
  EXPECT_EQ(find<QLabel>("Label1")->text(),
            "Drag and drop the correct answers in the circles. Press the buttons with the chord "
            "names to get some help.");
}

TEST_F(MainWindowTest, DesignTimeStatesAfterLoad) {
  EXPECT_FALSE(find<QCheckBox>("advanced")->isChecked());
  EXPECT_TRUE(find<QCheckBox>("advanced")->isEnabled());
  EXPECT_FALSE(find<QCheckBox>("advanced")->isHidden());
  EXPECT_FALSE(find<QCheckBox>("Center_Question")->isChecked());
  EXPECT_FALSE(find<QRadioButton>("Option1")->isChecked());
  EXPECT_TRUE(find<QRadioButton>("Option2")->isChecked());
  EXPECT_TRUE(find<QCheckBox>("check_midi")->isChecked());
  EXPECT_EQ(window.focusWidget(), find<QPushButton>("Create_Puzzle"));
  EXPECT_EQ(window.form().Correct_Count, 17);
}

TEST_F(MainWindowTest, CircleLabelsAreNamedPlacedAndEmptyAfterLoad) {
  const std::pair<const char*, QPoint> places[] = {
      {"Text_Bol1", {248, 96}},  {"text_Bol2", {320, 80}},  {"Text_Bol3", {392, 96}},
      {"Text_Bol4", {280, 120}}, {"Text_bol5", {320, 120}}, {"Text_bol6", {360, 120}},
      {"Text_Bol7", {240, 160}}, {"Text_Bol8", {280, 160}}, {"Text_Bol9", {320, 160}},
      {"Text_BolA", {360, 160}}, {"Text_BolB", {400, 160}}, {"Text_BolC", {280, 200}},
      {"Text_BolD", {320, 200}}, {"Text_BolE", {360, 200}}, {"Text_BolF", {248, 224}},
      {"Text_BolG", {320, 240}}, {"text_BolH", {392, 224}},
  };
  for (int circle = 1; circle <= 17; ++circle) {
    const auto& [name, corner] = places[circle - 1];
    QLabel* label = find<QLabel>(name);
    EXPECT_EQ(label, window.circleLabel(circle)) << name;
    EXPECT_EQ(label->geometry(), QRect(corner, QSize(41, 33))) << name;
    EXPECT_EQ(label->text(), "") << name;
    EXPECT_TRUE(label->isEnabled()) << name;
  }
}

TEST_F(MainWindowTest, PaletteLabelsByIndex) {
  QList<QLabel*> labels = window.findChildren<QLabel*>("Noot");
  ASSERT_EQ(labels.size(), 35);
  std::sort(labels.begin(), labels.end(), [](QLabel* a, QLabel* b) {
    return a->property("index").toInt() < b->property("index").toInt();
  });
  for (int index = 0; index < 35; ++index) {
    EXPECT_EQ(labels[index]->property("index").toInt(), index);
    EXPECT_EQ(labels[index]->text().toStdString(), kPaletteNames[index]) << index;
    EXPECT_EQ(labels[index]->width(), kPaletteNames[index].size() == 3 ? 41 : 25) << index;
    EXPECT_EQ(labels[index]->height(), 25);
  }
  EXPECT_EQ(labels[1]->text(), "E");
  EXPECT_EQ(labels[2]->text(), "D");
  EXPECT_LT(labels[2]->x(), labels[1]->x());
}

TEST_F(MainWindowTest, TabOrderFollowsTheControlsList) {
  const char* order[] = {"Create_Puzzle", "Command_Check", "WorkSheet_cmd", "Hint1",
                         "Hint2",         "Hint3",         "Hint4",         "advanced",
                         "Help_cmd",      "Center_Question", "Option1",     "Option2",
                         "List1",         "check_midi"};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
    QWidget* next = find<QWidget>(order[i])->nextInFocusChain();
    while (next->focusPolicy() == Qt::NoFocus) next = next->nextInFocusChain();
    EXPECT_EQ(next->objectName(), order[i + 1]) << "after " << order[i];
  }
}

TEST_F(MainWindowTest, PressOnAPaletteLabelStartsDraggingItsCaption) {
  QWidget* dragged = nullptr;
  QByteArray carried;
  PaletteLabel* label = window.noot(31);
  label->setDragStarter([&](QWidget* source, QMimeData* data) {
    dragged = source;
    carried = data->data(kPaletteNoteMime);
    EXPECT_EQ(palette_note_of(data), "Fx");
    delete data;
  });
  QTest::mousePress(label, Qt::LeftButton);
  EXPECT_EQ(dragged, label);
  EXPECT_EQ(carried, "Fx");
}

struct DropCase {
  const char* note;
  const char* caption;
};

TEST_F(MainWindowTest, DropWritesTheFixedWidthNoteAndASecondDropReplacesIt) {
  const DropCase cases[] = {{"C", "   C"}, {"Eb", "  Eb"}, {"Cbb", " Cbb"}, {"Fx", "  Fx"}};
  QLabel* label = window.circleLabel(1);
  for (const DropCase& c : cases) {
    EXPECT_TRUE(drop_on(label, *palette_data(c.note))) << c.note;
    EXPECT_EQ(label->text(), c.caption);
    EXPECT_EQ(window.form().controls.circles[0].caption, c.caption);
  }
}

TEST_F(MainWindowTest, ForeignDropsAreRefused) {
  QLabel* label = window.circleLabel(5);
  ASSERT_TRUE(drop_on(label, *palette_data("D")));

  QMimeData text;
  text.setText("C");
  QMimeData link;
  link.setUrls({QUrl("https://example.invalid/C")});
  QMimeData file;
  file.setUrls({QUrl::fromLocalFile("/tmp/C")});
  QMimeData forged;
  forged.setData(kPaletteNoteMime, "F###");
  QMimeData empty_note;
  empty_note.setData(kPaletteNoteMime, "");
  for (const QMimeData* data : {&text, &link, &file, &forged, &empty_note}) {
    EXPECT_FALSE(drop_on(label, *data)) << data->formats().join(',').toStdString();
    QDropEvent bare(QPointF(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(label, &bare);
    EXPECT_FALSE(bare.isAccepted());
    EXPECT_EQ(label->text(), "   D");
  }
}

TEST_F(MainWindowTest, GivenCircleRefusesDrops) {
  find<QPushButton>("Create_Puzzle")->click();
  int given = 0;
  for (int circle = 1; circle <= 17; ++circle) {
    if (!window.circleLabel(circle)->isEnabled()) given = circle;
  }
  ASSERT_NE(given, 0);
  const QString shown = window.circleLabel(given)->text();
  EXPECT_FALSE(shown.isEmpty());
  EXPECT_FALSE(drop_on(window.circleLabel(given), *palette_data("Bx")));
  EXPECT_EQ(window.circleLabel(given)->text(), shown);
}

TEST_F(MainWindowTest, AWholePuzzlePlayedWithTheMouse) {
  find<QPushButton>("Create_Puzzle")->click();
  EXPECT_TRUE(boxes.empty()) << "the first Create asks nothing";
  const Board& board = window.form().board;
  std::set<std::string> names;
  for (int line = 0; line < 4; ++line) {
    EXPECT_EQ(find<QPushButton>(("Hint" + std::to_string(line + 1)).c_str())->text().toStdString(),
              board.Chords[line]);
    names.insert(board.Chords[line]);
  }
  EXPECT_EQ(names.size(), 4U);

  for (int circle = 1; circle <= 17; ++circle) {
    QLabel* label = window.circleLabel(circle);
    if (!label->isEnabled()) continue;
    const QByteArray answer =
        QByteArray::fromStdString(board.Circle_Notes[circle - 1]).trimmed();
    ASSERT_TRUE(drop_on(label, *palette_data(answer))) << circle << " " << answer.constData();
  }
  find<QPushButton>("Command_Check")->click();
  ASSERT_EQ(boxes.size(), 1U);
  EXPECT_EQ(boxes[0].text, "You have 17 correct answers out of 17.(The First is always given!)");
  EXPECT_EQ(boxes[0].title, "Velmora");

  find<QPushButton>("Create_Puzzle")->click();
  EXPECT_EQ(boxes.size(), 1U) << "a Create after a full score asks nothing";
}

TEST_F(MainWindowTest, CheckBoxesAndLevelGoBackIntoTheControls) {
  find<QCheckBox>("advanced")->click();
  find<QCheckBox>("Center_Question")->click();
  find<QRadioButton>("Option1")->click();
  EXPECT_EQ(window.form().controls.advanced.value, 1);
  EXPECT_EQ(window.form().controls.Center_Question.value, 1);
  EXPECT_FALSE(window.form().controls.Option2);
  EXPECT_EQ(Count_Framed_Entries(window.form().Chord_Types), 14);
  find<QRadioButton>("Option2")->click();
  EXPECT_EQ(Count_Framed_Entries(window.form().Chord_Types), 29);

  find<QPushButton>("Create_Puzzle")->click();
  EXPECT_FALSE(window.circleLabel(9)->isEnabled());
  EXPECT_EQ(window.circleLabel(9)->text().toStdString(), Pad_Note(window.form().board.Drawn_Key));
}

TEST_F(MainWindowTest, WorkSheetAsksFirstAndCancelLeavesThePuzzle) {
  find<QPushButton>("Create_Puzzle")->click();
  const CircleNotes before = window.form().board.Circle_Notes;
  window.windowSystem().setPresenter([this](const MessageBox& box) {
    boxes.push_back(box);
    return Answer::Cancel;
  });
  find<QPushButton>("WorkSheet_cmd")->click();
  ASSERT_EQ(boxes.size(), 1U);
  EXPECT_EQ(boxes[0].title, "Create Worksheet?");
  EXPECT_EQ(boxes[0].text, "This action will create some work sheets on your printer");
  EXPECT_EQ(window.form().board.Circle_Notes, before);
}

TEST_F(MainWindowTest, DeviceListShowsTheDevicesWithTheMapperOpen) {
  auto* list = find<QListWidget>("List1");
  ASSERT_EQ(list->count(), 1);
  EXPECT_EQ(list->item(0)->text(), "Built-in synthesizer");
  EXPECT_EQ(list->currentRow(), 0);
  EXPECT_EQ(window.form().hMidiOut, 1);
}

TEST_F(MainWindowTest, ClickingTheSelectedDeviceAgainReopensIt) {
  window.show();
  auto* list = find<QListWidget>("List1");
  midi.calls.clear();
  const QRect entry = list->visualItemRect(list->item(0));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, entry.center());
  ASSERT_EQ(midi.calls.size(), 2U);
  EXPECT_EQ(midi.calls[0].rfind("close", 0), 0U) << midi.calls[0];
  EXPECT_EQ(midi.calls[1].rfind("open", 0), 0U) << midi.calls[1];
}

TEST(MainWindowMidiTest, AFailedOpenDisablesTheFrameAndTheCheckBoxOnScreen) {
  SystemRandom random;
  testing::FakeClock clock;
  testing::RecordingMidiSystem midi;
  midi.open_fails = MidiResult::AudioDriverFailed;
  std::vector<std::string> texts;
  // The load handler reports the failure before any presenter could be set, so the box is
  // answered by closing it as soon as it shows.
  QTimer::singleShot(0, [] {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (auto* box = qobject_cast<QMessageBox*>(top)) box->accept();
    }
  });
  MainWindow window{{random, clock, midi}};
  auto* frame = window.findChild<QGroupBox*>("Frame1");
  auto* check = window.findChild<QCheckBox*>("check_midi");
  EXPECT_FALSE(frame->isEnabled());
  EXPECT_FALSE(check->isEnabled());
  EXPECT_FALSE(check->isChecked());
  EXPECT_FALSE(window.findChild<QListWidget*>("List1")->isEnabled());
}

// Records the caption a label has each time it is painted.
class PaintedTexts final : public QObject {
 public:
  explicit PaintedTexts(QLabel* label) { label->installEventFilter(this); }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) texts.push_back(static_cast<QLabel*>(watched)->text());
    return false;
  }
  std::vector<QString> texts;
};

TEST_F(MainWindowTest, HintPaintsTheFormulaDuringItsPauseAndThenTheNotesAgain) {
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  find<QPushButton>("Create_Puzzle")->click();
  window.form().controls.check_midi.value = 0;
  window.form().board.Chords[1] = "Maj9";
  const int line_two[] = {7, 8, 9, 10, 11};
  const char* formula[] = {"  1", "  3", "  5", "  7", "  9"};
  std::vector<QString> before;
  std::vector<std::unique_ptr<PaintedTexts>> painted;
  for (int circle : line_two) {
    before.push_back(window.circleLabel(circle)->text());
    painted.push_back(std::make_unique<PaintedTexts>(window.circleLabel(circle)));
  }
  find<QPushButton>("Hint2")->click();
  for (int i = 0; i < 5; ++i) {
    const auto& texts = painted[i]->texts;
    EXPECT_NE(std::find(texts.begin(), texts.end(), formula[i]), texts.end()) << line_two[i];
    EXPECT_EQ(window.circleLabel(line_two[i])->text(), before[i]) << line_two[i];
  }
  EXPECT_GE(clock.elapsed_ms, 1000);
}

TEST_F(MainWindowTest, HelpShowsOneAboutBoxThatClosesWithTheWindow) {
  window.show();
  find<QPushButton>("Help_cmd")->click();
  find<QPushButton>("Help_cmd")->click();
  QList<QWidget*> boxes_shown = window.findChildren<QWidget*>("frmAbout");
  ASSERT_EQ(boxes_shown.size(), 1);
  EXPECT_TRUE(boxes_shown[0]->isVisible());
  EXPECT_EQ(boxes_shown[0]->windowTitle(), "About Velmora");
  const QPointer<QWidget> box = boxes_shown[0];
  window.close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(box.isNull() || !box->isVisible());
}

}  // namespace
}  // namespace velmora::qt
