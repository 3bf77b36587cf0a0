#include "shell/review_overlay.h"

#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QStringList>

#include "app/main_form.h"
#include "shell/layout.h"
#include "shell/note_labels.h"
#include "shell/star_layout.h"

namespace velmora {
namespace {

// The sign of each kind of mistake, so that none is told by colour alone.
QString sign_of(AnswerClass verdict) {
  switch (verdict) {
    case AnswerClass::Wrong:
      return "X";
    case AnswerClass::RightPitchWrongSpelling:
      return "~";
    case AnswerClass::Empty:
      return "?";
    case AnswerClass::Right:
      break;
  }
  return {};
}

constexpr const char* kLegend =
    QT_TRANSLATE_NOOP("velmora::ReviewOverlay", "X wrong, ~ spelled wrong, ? empty");
constexpr int kSignSize = 16;

}  // namespace

ReviewOverlay::ReviewOverlay(QWidget& window, MainForm& form, const CircleLabelArray& circles)
    : QObject(&window), window_(window), form_(form), circles_(circles) {
  // Zero-sized: it is only heard, when a screen reader reports the review's results.
  status_ = new QLabel(&window);
  status_->setObjectName("review_status");
  status_->setGeometry(0, 0, 0, 0);
  // The column right of the star's frame holds nothing else.
  list_ = new QListWidget(&window);
  list_->setObjectName("review_list");
  list_->setAccessibleName(tr("Mistakes"));
  list_->setGeometry(twips(8400, 120, 1680, 5160));
  list_->setWordWrap(true);
  list_->setFocusPolicy(Qt::NoFocus);
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list_->hide();
}

std::string ReviewOverlay::board_state() const {
  std::string state;
  for (const Label& label : form_.controls().circles) {
    state.append(label.caption).append(label.enabled ? "|" : "!");
  }
  for (const std::string& chord : form_.board().chords) state.append(chord).append("/");
  return state;
}

void ReviewOverlay::show_mistakes() {
  clear();
  reviews_ = form_.review();
  reviewed_board_ = board_state();
  QStringList told;
  QStringList empty;
  list_->addItem(tr(kLegend));
  for (int circle = 1; circle <= kCircleCount; ++circle) {
    const CircleReview& review = (*reviews_)[circle - 1];
    if (review.verdict == AnswerClass::Right || !circles_[circle - 1]->isEnabled()) continue;
    const QString text = wording_(review.text);
    circles_[circle - 1]->setToolTip(text);
    circles_[circle - 1]->setAccessibleDescription(text);
    if (review.verdict == AnswerClass::Empty) {
      empty << QString::number(circle);
      continue;
    }
    told << tr("circle %1: %2").arg(circle).arg(text);
    list_->addItem(tr("Circle %1 %2 %3").arg(circle).arg(sign_of(review.verdict), text));
  }
  if (!empty.isEmpty()) {
    const QString circles =
        (empty.size() == 1 ? tr("circle %1") : tr("circles %1")).arg(empty.join(", "));
    told << tr("empty: %1").arg(circles);
    list_->addItem(tr("? empty: %1").arg(circles));
  }
  if (told.isEmpty()) list_->addItem(tr("No mistakes."));
  announce(told.isEmpty() ? tr("no mistakes") : told.join("; "));
  list_->show();
  window_.update();
}

void ReviewOverlay::clear() {
  if (!reviews_) return;
  reviews_.reset();
  list_->clear();
  list_->hide();
  for (CircleLabel* label : circles_) {
    label->setToolTip(circle_tip());
    label->setAccessibleDescription({});
  }
  window_.update();
}

void ReviewOverlay::board_shown() {
  if (reviews_ && board_state() != reviewed_board_) clear();
}

AnswerClass ReviewOverlay::verdict(int circle) const {
  if (!reviews_ || !circles_[circle - 1]->isEnabled()) return AnswerClass::Right;
  return (*reviews_)[circle - 1].verdict;
}

void ReviewOverlay::paint(QPainter& painter) const {
  for (int circle = 1; circle <= kCircleCount; ++circle) {
    const QString sign = sign_of(verdict(circle));
    if (sign.isEmpty()) continue;
    const QRect disc = circle_disc(circle);
    const QRect badge(disc.right() - kSignSize + 4, disc.top() - 4, kSignSize, kSignSize);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawEllipse(badge);
    QFont bold = painter.font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(badge, Qt::AlignCenter, sign);
  }
}

void ReviewOverlay::announce(const QString& text) { status_->setAccessibleName(text); }

}  // namespace velmora
