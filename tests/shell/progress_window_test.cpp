#include "shell/progress_window.h"

#include <gtest/gtest.h>

#include <QChartView>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>

#include "fakes/memory_history.h"
#include "shell_fixture.h"

namespace velmora {
namespace {

struct KeptChecks {
  testing::MemoryHistory history;
};

// A shown main window over a history holding two checks of the week of 30 November.
struct ProgressTest : ::testing::Test, KeptChecks, Shell {
  explicit ProgressTest(bool keeps_history = true)
      : Shell(true, MidiResult::Ok, nullptr, keeps_history ? &history : nullptr) {
    history.summary_to_give = {2,
                               {20, 8, 4, 2},
                               {{"Maj9", {15, 1, 3, 1}}, {"Dom9", {5, 7, 1, 1}}},
                               {{"Bb", {20, 8, 4, 2}}},
                               {{"third", {2, 6, 0, 0}}},
                               {{"2026-11-30", {20, 8, 4, 2}}}};
  }
  ProgressWindow& open() {
    auto& shown = *qobject_cast<ProgressWindow*>(window.show_progress());
    shown.set_save_asker([this] { return save_path; });
    shown.window_system().set_presenter([this](const MessageBox& box) {
      texts.push_back(box.text);
      return answer;
    });
    return shown;
  }
  template <typename Widget>
  Widget* in_progress(const char* name) {
    return window.progress_window()->findChild<Widget*>(name);
  }
  void click(const char* name) { in_progress<QPushButton>(name)->click(); }
  std::string shown_text() {
    auto* pages = in_progress<QStackedWidget>("progress_pages");
    return (pages->currentIndex() == 0
                ? in_progress<QLabel>("progress_message")->text()
                : in_progress<QPlainTextEdit>("progress_text")->toPlainText())
        .toStdString();
  }

  QString save_path = "/tmp/answers.csv";
  std::vector<std::string> texts;  // of the progress window's boxes
};

TEST_F(ProgressTest, TheShortcutAndTheHelpMenuOpenOneWindowUpToDateWithTheNumbersInWords) {
  const std::pair<std::function<void()>, const char*> ways[] = {
      {[&] { QTest::keyClick(&window, Qt::Key_H, Qt::ControlModifier); }, "Bb"},
      {[&] {
         window.set_menu_shower([](QMenu& menu, QPoint) { menu.actions().at(0)->trigger(); });
         QContextMenuEvent press(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
         QApplication::sendEvent(window.findChild<QWidget*>("Help_cmd"), &press);
       },
       "Gb"}};
  for (const auto& [way, key] : ways) {
    history.summary_to_give.by_key[0].name = key;
    QApplication::setActiveWindow(&window);
    way();
    auto* shown = qobject_cast<ProgressWindow*>(window.progress_window());
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible() && shown->isWindow() && !shown->isModal());
    EXPECT_EQ(window.findChildren<ProgressWindow*>().size(), 1);
    // The words themselves are the progress text's; here they come in order, up to date.
    const std::string text = shown_text();
    EXPECT_TRUE(text.starts_with("34 answers in 2 checks: 59% right.\n\nAccuracy per chord type\n"
                                 "  Maj9: 75% right (15 of 20)\n  Dom9: 36% right (5 of 14)\n\n"
                                 "Accuracy per key\n  " + std::string(key) + ": 59% right"))
        << text;
    EXPECT_TRUE(text.ends_with("weeks\n  Week of 2026-11-30: 59% right (34 answers)\n")) << text;
    shown->close();
  }
  QStringList charts;
  auto* tabs = in_progress<QTabWidget>("progress_charts");
  for (int tab = 0; tab < tabs->count(); ++tab) {
    auto* chart = tabs->widget(tab)->findChild<QChartView*>();
    charts << chart->accessibleName() + ": " + chart->accessibleDescription();
  }
  EXPECT_EQ(charts.join(" | ").toStdString(),
            "Accuracy per chord type: Maj9: 75% right (15 of 20)\nDom9: 36% right (5 of 14) | "
            "Accuracy per key: Gb: 59% right (20 of 34) | Answers by kind: Right: 59% (20 of 34)"
            "\nRight pitch, wrong spelling: 24% (8 of 34)\nWrong: 12% (4 of 34)\nEmpty: 6% (2 of "
            "34) | Tones most often missed: Third: 75% missed (6 of 8) | Trend over the last "
            "weeks: Week of 2026-11-30: 59% right (34 answers)");
}

TEST_F(ProgressTest, ExportWritesWhereTheLearnerSaysAndFailuresAreTold) {
  open();
  click("export_csv");
  save_path.clear();
  click("export_csv");
  EXPECT_EQ(history.exported_to, std::vector<std::string>{"/tmp/answers.csv"});
  EXPECT_EQ(in_progress<QLabel>("progress_status")->text(),
            "The history was exported to /tmp/answers.csv.");
  history.failure_to_give = Failure{1, "the disk is full"};
  save_path = "/media/stick/answers.csv";
  click("export_csv");
  EXPECT_EQ(texts, std::vector<std::string>{"The history could not be exported to "
                                            "/media/stick/answers.csv: the disk is full"});
}

TEST_F(ProgressTest, ForgettingAsksFirstAndThenShowsTheEmptyHistory) {
  open();
  const std::string before = shown_text();
  answer = Answer::Cancel;
  click("forget_history");
  EXPECT_EQ(history.forgotten, 0);
  EXPECT_EQ(shown_text(), before);
  history.failure_to_give = Failure{1, "the database is locked"};
  answer = Answer::Ok;
  click("forget_history");
  EXPECT_EQ(shown_text(), before);
  history.failure_to_give = {};
  window.form().set_weak_spot_practice(true);
  const int weights_read = history.recent_asked;
  click("forget_history");
  EXPECT_EQ(history.forgotten, 2);
  // Weak-spot practice reads the emptied history at once.
  EXPECT_EQ(history.recent_asked, weights_read + 1);
  const std::string question =
      "Forget every recorded answer? Your progress cannot be brought back.";
  EXPECT_EQ(texts, (std::vector<std::string>{
                       question, question,
                       "The history could not be forgotten: the database is locked", question}));
  EXPECT_EQ(shown_text(),
            "No answers are recorded yet. Create a puzzle, fill in the circles and press Check: "
            "your progress will show here.");
  EXPECT_FALSE(in_progress<QPushButton>("forget_history")->isEnabled());
  EXPECT_FALSE(in_progress<QPushButton>("export_csv")->isEnabled());
}

struct NoHistoryTest : ProgressTest {
  NoHistoryTest() : ProgressTest(false) {}
};

TEST_F(NoHistoryTest, ARunWithoutHistorySaysSoInsteadOfCharts) {
  open();
  EXPECT_EQ(shown_text(), "This run keeps no practice history, so there is no progress to show.");
  EXPECT_FALSE(in_progress<QPushButton>("export_csv")->isEnabled());
}

}  // namespace
}  // namespace velmora
