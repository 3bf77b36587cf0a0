#include "shell/review_overlay.h"

#include <QCoreApplication>
#include <QLabel>
#include <QStringList>

#include "app/main_form.h"
#include "shell/note_labels.h"

namespace velmora {
namespace {

constexpr int kMistakesShownMs = 2000;

}  // namespace

ReviewOverlay::ReviewOverlay(QWidget& window, MainForm& form, const CircleLabelArray& circles)
    : QObject(&window), window_(window), form_(form), circles_(circles) {
  // Zero-sized: it is only heard, when a screen reader reports the review's results.
  status_ = new QLabel(&window);
  status_->setObjectName("review_status");
  status_->setGeometry(0, 0, 0, 0);
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &ReviewOverlay::clear);
}

void ReviewOverlay::show_mistakes() {
  clear();
  mistakes_ = form_.review();
  QStringList told;
  for (int circle = 1; circle <= kCircleCount; ++circle) {
    const CircleReview& review = (*mistakes_)[circle - 1];
    if (review.verdict != AnswerClass::Wrong &&
        review.verdict != AnswerClass::RightPitchWrongSpelling) {
      continue;
    }
    const QString text = QString::fromStdString(review.text);
    circles_[circle - 1]->setToolTip(text);
    circles_[circle - 1]->setAccessibleDescription(text);
    told << QString("circle %1: %2").arg(circle).arg(text);
  }
  announce(told.isEmpty() ? QString("no mistakes") : told.join("; "));
  timer_.start(kMistakesShownMs);
  qApp->installEventFilter(this);
  window_.update();
}

void ReviewOverlay::clear() {
  if (!mistakes_) return;
  mistakes_.reset();
  timer_.stop();
  qApp->removeEventFilter(this);
  for (CircleLabel* label : circles_) {
    label->setToolTip({});
    label->setAccessibleDescription({});
  }
  window_.update();
}

AnswerClass ReviewOverlay::verdict(int circle) const {
  return mistakes_ ? (*mistakes_)[circle - 1].verdict : AnswerClass::Right;
}

void ReviewOverlay::announce(const QString& text) { status_->setAccessibleName(text); }

bool ReviewOverlay::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::KeyPress || type == QEvent::MouseButtonPress) clear();
  return QObject::eventFilter(watched, event);
}

}  // namespace velmora
