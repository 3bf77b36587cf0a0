#include "shell/progress_window.h"

#include <QAccessible>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChartView>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGraphicsLayout>
#include <QHBoxLayout>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <utility>

#include "app/progress_text.h"
#include "shell/display_texts.h"
#include "ports/practice_history.h"
#include "shell/layout.h"

namespace velmora {
namespace {

// Dark text stays readable on both bar colours (7.7:1 and 6.6:1), for a label that falls inside.
const QColor kAccuracyColour{110, 160, 215};
const QColor kMissedColour{225, 110, 110};
// Room for each bar of a chart and its name, so that all 27 chord types stay readable.
constexpr int kBarRowHeight = 16;
constexpr int kChartFrameHeight = 100;
constexpr int kTrendRows = 14;

// A text of the core in the window's language.
QString text_of(const std::string& text) { return shown_message(text, NoteNaming::Letters); }

QString translated(const char* text) {
  return QCoreApplication::translate("velmora::ProgressWindow", text);
}

QString joined(const ProgressSection& section) {
  QStringList lines;
  for (const std::string& line : section.lines) lines << text_of(line);
  return lines.join('\n');
}

QChart* new_chart(const ProgressSection& section) {
  auto* chart = new QChart;
  chart->setTitle(text_of(section.title));
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->setBackgroundRoundness(0);
  chart->setMargins(QMargins(4, 4, 12, 4));
  chart->layout()->setContentsMargins(0, 0, 0, 0);
  chart->legend()->hide();
  return chart;
}

QValueAxis* percent_axis(const QString& title) {
  auto* axis = new QValueAxis;
  axis->setRange(0, 100);
  axis->setTickCount(6);
  axis->setLabelFormat("%d%");
  axis->setTitleText(title);
  return axis;
}

QBarCategoryAxis* names_axis(const QStringList& names) {
  auto* axis = new QBarCategoryAxis;
  axis->append(names);
  axis->setTruncateLabels(false);
  return axis;
}

void attach(QChart* chart, QAbstractSeries* series, QAbstractAxis* axis, Qt::Alignment side) {
  chart->addAxis(axis, side);
  series->attachAxis(axis);
}

// A bar per point, read from the top down; the one at `marked`, if any, stands out in amber.
QChart* bar_chart(const ProgressSection& section, const QString& measure, QColor colour,
                  int marked = -1) {
  QChart* chart = new_chart(section);
  auto* bars = new QBarSet(measure);
  bars->setColor(colour);
  bars->setBorderColor(colour);
  bars->setLabelColor(Qt::black);
  bars->setSelectedColor(kMisspeltColour);
  QStringList names;
  // A horizontal bar series draws its first category lowest.
  for (auto point = section.points.rbegin(); point != section.points.rend(); ++point) {
    names << text_of(point->name);
    *bars << point->percent;
  }
  if (marked >= 0) bars->selectBar(static_cast<int>(section.points.size()) - 1 - marked);
  auto* series = new QHorizontalBarSeries;
  series->append(bars);
  series->setLabelsVisible(true);
  series->setLabelsFormat("@value%");
  series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
  chart->addSeries(series);
  attach(chart, series, names_axis(names), Qt::AlignLeft);
  attach(chart, series, percent_axis(measure), Qt::AlignBottom);
  return chart;
}

QChart* trend_chart(const ProgressSection& section) {
  QChart* chart = new_chart(section);
  auto* line = new QLineSeries;
  QStringList names;
  for (const ChartPoint& point : section.points) {
    line->append(static_cast<qreal>(names.size()), point.percent);
    names << text_of(point.name);
  }
  line->setPen(QPen(kAccuracyColour.darker(130), 3));
  line->setPointsVisible(true);
  line->setPointLabelsVisible(true);
  line->setPointLabelsFormat("@yPoint%");
  line->setPointLabelsClipping(false);
  chart->addSeries(line);
  QBarCategoryAxis* weeks = names_axis(names);
  weeks->setTitleText(translated(QT_TRANSLATE_NOOP("velmora::ProgressWindow", "week starting")));
  attach(chart, line, weeks, Qt::AlignBottom);
  attach(chart, line,
         percent_axis(translated(QT_TRANSLATE_NOOP("velmora::ProgressWindow", "right"))),
         Qt::AlignLeft);
  return chart;
}

// A chart that a screen reader reads as its section's title and lines.
QWidget* chart_page(QChart* chart, const ProgressSection& section, int rows) {
  auto* view = new QChartView(chart);
  view->setRenderHint(QPainter::Antialiasing);
  view->setAccessibleName(text_of(section.title));
  view->setAccessibleDescription(joined(section));
  view->setMinimumHeight(kChartFrameHeight + kBarRowHeight * rows);
  auto* scroller = new QScrollArea;
  scroller->setWidget(view);
  scroller->setWidgetResizable(true);
  scroller->setFrameShape(QFrame::NoFrame);
  scroller->setFocusPolicy(Qt::NoFocus);
  return scroller;
}

QString ask_for_csv_path(QWidget* parent) {
  QFileDialog dialog(parent,
                     translated(QT_TRANSLATE_NOOP("velmora::ProgressWindow", "Export CSV")));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix("csv");
  dialog.setNameFilter(
      translated(QT_TRANSLATE_NOOP("velmora::ProgressWindow", "CSV files (*.csv)")));
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  dialog.selectFile(
      QDir(folder.isEmpty() ? QDir::homePath() : folder).filePath("velmora-history.csv"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace

ProgressWindow::ProgressWindow(PracticeHistory* history, QWidget* owner)
    : QDialog(owner),
      history_(history),
      windows_(this),
      ask_save_path_([this] { return ask_for_csv_path(this); }) {
  setObjectName("progress_window");
  windows_.set_wording([](const std::string& text) {
    return shown_message(text, NoteNaming::Letters).toStdString();
  });
  setWindowTitle(translated(QT_TRANSLATE_NOOP("velmora::ProgressWindow", "Velmora progress")));
  setSizeGripEnabled(true);

  overview_ = new QLabel(this);
  overview_->setObjectName("progress_overview");
  QFont bold = overview_->font();
  bold.setBold(true);
  overview_->setFont(bold);

  message_ = new QLabel(this);
  message_->setObjectName("progress_message");
  message_->setWordWrap(true);
  message_->setAlignment(Qt::AlignCenter);
  // Reachable by Tab, so that a screen reader reads why there are no charts.
  message_->setFocusPolicy(Qt::StrongFocus);
  message_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);

  charts_ = new QTabWidget(this);
  charts_->setObjectName("progress_charts");
  text_ = new QPlainTextEdit(this);
  text_->setObjectName("progress_text");
  text_->setReadOnly(true);
  text_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
  text_->setAccessibleName(
      translated(QT_TRANSLATE_NOOP("velmora::ProgressWindow", "Progress as text")));
  auto* text_title =
      new QLabel(translated(QT_TRANSLATE_NOOP("velmora::ProgressWindow", "As &text")), this);
  text_title->setBuddy(text_);
  auto* text_column = new QVBoxLayout;
  text_column->addWidget(text_title);
  text_column->addWidget(text_, 1);
  auto* summary_page = new QWidget(this);
  auto* columns = new QHBoxLayout(summary_page);
  columns->setContentsMargins(0, 0, 0, 0);
  columns->addWidget(charts_, 5);
  columns->addLayout(text_column, 3);

  pages_ = new QStackedWidget(this);
  pages_->setObjectName("progress_pages");
  pages_->addWidget(message_);
  pages_->addWidget(summary_page);

  status_ = new QLabel(this);
  status_->setObjectName("progress_status");
  status_->setWordWrap(true);
  export_ = new QPushButton(translated(QT_TRANSLATE_NOOP("velmora::ProgressWindow", "&Export CSV")),
                            this);
  export_->setObjectName("export_csv");
  forget_ = new QPushButton(
      translated(QT_TRANSLATE_NOOP("velmora::ProgressWindow", "&Forget my history")), this);
  forget_->setObjectName("forget_history");
  auto* close_button =
      new QPushButton(translated(QT_TRANSLATE_NOOP("velmora::ProgressWindow", "Close")), this);
  connect(export_, &QPushButton::clicked, this, &ProgressWindow::export_csv);
  connect(forget_, &QPushButton::clicked, this, &ProgressWindow::forget);
  connect(close_button, &QPushButton::clicked, this, &QDialog::close);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(status_, 1);
  buttons->addWidget(export_);
  buttons->addWidget(forget_);
  buttons->addWidget(close_button);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(overview_);
  layout->addWidget(pages_, 1);
  layout->addLayout(buttons);

  resize(940, 640);
  refresh();
}

void ProgressWindow::refresh() {
  show_summary(history_ != nullptr ? history_->summary() : ProgressSummary{});
}

void ProgressWindow::show_summary(const ProgressSummary& summary) {
  const bool recorded = summary.total.answers() > 0;
  export_->setEnabled(recorded);
  forget_->setEnabled(recorded);
  overview_->setVisible(recorded);
  if (!recorded) {
    message_->setText(text_of(history_ != nullptr ? empty_history_text() : no_history_text()));
    pages_->setCurrentWidget(message_);
    return;
  }
  const ProgressText text = shown_progress(progress_text(summary), naming_);
  const QString plain = text_of(plain_text(text));
  // Unchanged numbers keep their charts, and the focus that may be in one of them.
  if (pages_->currentIndex() == 1 && plain == text_->toPlainText()) return;
  overview_->setText(text_of(text.overview));
  text_->setPlainText(plain);
  const int shown = charts_->currentIndex();
  while (charts_->count() > 0) {
    QWidget* page = charts_->widget(0);
    charts_->removeTab(0);
    delete page;
  }
  const auto bar_page = [](const ProgressSection& section, QChart* chart) {
    return chart_page(chart, section, static_cast<int>(section.points.size()));
  };
  const QString right = translated(QT_TRANSLATE_NOOP("velmora::ProgressWindow", "right"));
  charts_->addTab(bar_page(text.chord_types, bar_chart(text.chord_types, right, kAccuracyColour)),
                  translated(QT_TRANSLATE_NOOP("velmora::ProgressWindow", "&Chord types")));
  charts_->addTab(bar_page(text.keys, bar_chart(text.keys, right, kAccuracyColour)),
                  translated(QT_TRANSLATE_NOOP("velmora::ProgressWindow", "&Keys")));
  // The right pitches spelled another way are the kind the learner looks for here.
  charts_->addTab(
      bar_page(text.classes,
               bar_chart(text.classes,
                         translated(QT_TRANSLATE_NOOP("velmora::ProgressWindow", "of all answers")),
                         kAccuracyColour, 1)),
      translated(QT_TRANSLATE_NOOP("velmora::ProgressWindow", "&Spelling")));
  charts_->addTab(
      bar_page(
          text.tones,
          bar_chart(text.tones, translated(QT_TRANSLATE_NOOP("velmora::ProgressWindow", "missed")),
                    kMissedColour)),
      translated(QT_TRANSLATE_NOOP("velmora::ProgressWindow", "T&ones")));
  charts_->addTab(chart_page(trend_chart(text.weeks), text.weeks, kTrendRows),
                  translated(QT_TRANSLATE_NOOP("velmora::ProgressWindow", "T&rend")));
  charts_->setCurrentIndex(std::max(shown, 0));
  // Tab goes from the tabs into the chart shown and on to the text, as the window reads.
  QWidget* previous = charts_;
  for (QChartView* view : charts_->findChildren<QChartView*>()) {
    setTabOrder(std::exchange(previous, view), view);
  }
  setTabOrder(previous, text_);
  pages_->setCurrentIndex(1);
}

void ProgressWindow::export_csv() {
  if (history_ == nullptr) return;
  const QString path = ask_save_path_();
  if (path.isEmpty()) return;
  const Status done = history_->export_csv(path.toStdString());
  if (!done.ok()) {
    status_->clear();
    windows_.show_message({export_failed_text(path.toStdString(), done.failure())});
    return;
  }
  tell(text_of(exported_text(path.toStdString())));
}

void ProgressWindow::forget() {
  if (history_ == nullptr) return;
  if (windows_.show_message({forget_question(), Buttons::OkCancel}) != Answer::Ok) return;
  const Status done = history_->forget();
  refresh();
  if (!done.ok()) {
    status_->clear();
    windows_.show_message({forget_failed_text(done.failure())});
    return;
  }
  tell(text_of(forgotten_text()));
  if (on_forgotten_) on_forgotten_();
}

void ProgressWindow::tell(const QString& text) {
  status_->setText(text);
  QAccessibleEvent event(status_, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&event);
}

void ProgressWindow::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  // Back from a game in the main window, the window shows the answers checked meanwhile.
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) refresh();
}

void ProgressWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) place_on_screen(*this);
}

QWidget* velmora_progress_window(PracticeHistory* history, QWidget* owner,
                                 const std::function<void()>* on_forgotten) {
  auto* window = new ProgressWindow(history, owner);
  window->set_on_forgotten(*on_forgotten);
  return window;
}

}  // namespace velmora
