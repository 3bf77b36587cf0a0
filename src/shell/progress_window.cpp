#include "shell/progress_window.h"

#include <QAccessible>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChartView>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLineSeries>
#include <QPieSeries>
#include <QPieSlice>
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

#include "app/progress_text.h"
#include "ports/practice_history.h"
#include "shell/layout.h"

namespace velmora {
namespace {

const QColor kRightColour{70, 150, 70};
const QColor kAccuracyColour{80, 130, 190};
const QColor kMissedColour{200, 70, 70};
const QColor kEmptyColour{190, 190, 190};
// Room for each bar of a chart and its name, so that all 27 chord types stay readable.
constexpr int kBarRowHeight = 18;
constexpr int kChartFrameHeight = 130;

QString text_of(const std::string& text) { return QString::fromStdString(text); }

QString joined(const ProgressSection& section) {
  QStringList lines;
  for (const std::string& line : section.lines) lines << text_of(line);
  return lines.join('\n');
}

QChart* new_chart(const ProgressSection& section) {
  auto* chart = new QChart;
  chart->setTitle(text_of(section.title));
  chart->setAnimationOptions(QChart::NoAnimation);
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

void attach(QChart* chart, QAbstractSeries* series, QAbstractAxis* axis, Qt::Alignment side) {
  chart->addAxis(axis, side);
  series->attachAxis(axis);
}

// One bar per row, the rows read from the top down.
QChart* bar_chart(const ProgressSection& section, const std::vector<TallyRow>& rows,
                  int (*percent)(const Tally&), const QString& measure, QColor colour) {
  QChart* chart = new_chart(section);
  auto* bars = new QBarSet(measure);
  bars->setColor(colour);
  bars->setBorderColor(colour);
  bars->setLabelColor(Qt::black);
  QStringList names;
  // A horizontal bar series draws its first category lowest.
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
    names << text_of(row->name);
    *bars << percent(row->tally);
  }
  auto* series = new QHorizontalBarSeries;
  series->append(bars);
  series->setLabelsVisible(true);
  series->setLabelsFormat("@value%");
  series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
  chart->addSeries(series);
  auto* axis = new QBarCategoryAxis;
  axis->append(names);
  attach(chart, series, axis, Qt::AlignLeft);
  attach(chart, series, percent_axis(measure), Qt::AlignBottom);
  return chart;
}

QChart* kinds_chart(const ProgressSection& section, const Tally& total) {
  QChart* chart = new_chart(section);
  auto* series = new QPieSeries;
  const std::pair<int, QColor> kinds[] = {{total.right, kRightColour},
                                          {total.misspelled, kMisspeltColour},
                                          {total.wrong, kWrongColour},
                                          {total.empty, kEmptyColour}};
  for (std::size_t kind = 0; kind < std::size(kinds); ++kind) {
    QPieSlice* slice = series->append(text_of(section.lines[kind]), kinds[kind].first);
    slice->setColor(kinds[kind].second);
    slice->setBorderColor(Qt::white);
    slice->setLabelVisible(kinds[kind].first > 0);
  }
  series->setPieSize(0.6);
  chart->addSeries(series);
  return chart;
}

QChart* trend_chart(const ProgressSection& section, const std::vector<TallyRow>& weeks) {
  QChart* chart = new_chart(section);
  auto* line = new QLineSeries;
  QStringList names;
  for (const TallyRow& week : weeks) {
    line->append(static_cast<qreal>(names.size()), percent_right(week.tally));
    names << text_of(week.name);
  }
  line->setPen(QPen(kAccuracyColour, 3));
  line->setPointsVisible(true);
  line->setPointLabelsVisible(true);
  line->setPointLabelsFormat("@yPoint%");
  line->setPointLabelsClipping(false);
  chart->addSeries(line);
  auto* axis = new QBarCategoryAxis;
  axis->append(names);
  axis->setTitleText("Week starting");
  attach(chart, line, axis, Qt::AlignBottom);
  attach(chart, line, percent_axis("right"), Qt::AlignLeft);
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
  QFileDialog dialog(parent, "Export CSV");
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix("csv");
  dialog.setNameFilter("CSV files (*.csv)");
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
  setWindowTitle("Velmora progress");
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
  text_->setAccessibleName("Progress as text");
  auto* text_title = new QLabel("As &text", this);
  text_title->setBuddy(text_);
  auto* text_column = new QVBoxLayout;
  text_column->addWidget(text_title);
  text_column->addWidget(text_, 1);
  auto* summary_page = new QWidget(this);
  auto* columns = new QHBoxLayout(summary_page);
  columns->setContentsMargins(0, 0, 0, 0);
  columns->addWidget(charts_, 3);
  columns->addLayout(text_column, 2);

  pages_ = new QStackedWidget(this);
  pages_->setObjectName("progress_pages");
  pages_->addWidget(message_);
  pages_->addWidget(summary_page);

  status_ = new QLabel(this);
  status_->setObjectName("progress_status");
  status_->setWordWrap(true);
  export_ = new QPushButton("&Export CSV", this);
  export_->setObjectName("export_csv");
  forget_ = new QPushButton("&Forget my history", this);
  forget_->setObjectName("forget_history");
  auto* close_button = new QPushButton("Close", this);
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

  resize(900, 620);
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
  const ProgressText text = progress_text(summary);
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
  const auto rows = [](const std::vector<TallyRow>& rows) { return static_cast<int>(rows.size()); };
  charts_->addTab(chart_page(bar_chart(text.chord_types, summary.by_chord_type, percent_right,
                                       "right", kAccuracyColour),
                             text.chord_types, rows(summary.by_chord_type)),
                  "&Chord types");
  charts_->addTab(
      chart_page(bar_chart(text.keys, summary.by_key, percent_right, "right", kAccuracyColour),
                 text.keys, rows(summary.by_key)),
      "&Keys");
  charts_->addTab(chart_page(kinds_chart(text.classes, summary.total), text.classes, 12),
                  "&Spelling");
  charts_->addTab(
      chart_page(bar_chart(text.tones, summary.by_tone, percent_missed, "missed", kMissedColour),
                 text.tones, rows(summary.by_tone)),
      "T&ones");
  charts_->addTab(chart_page(trend_chart(text.weeks, summary.by_week), text.weeks, 12), "T&rend");
  charts_->setCurrentIndex(std::max(shown, 0));
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

}  // namespace velmora
