#pragma once

#include <QObject>
#include <QTimer>
#include <optional>

#include "shell/star_input.h"

class QLabel;
class QWidget;

namespace velmora {

// The review of a checked board over the star: marks the wrong circles red and the right
// pitches spelled wrongly amber, until the next input or for two seconds, and tells a screen
// reader what it marks. Its status object is also where the window's other announcements are
// heard.
class ReviewOverlay final : public QObject {
  Q_OBJECT
 public:
  ReviewOverlay(QWidget& window, MainForm& form, const CircleLabelArray& circles);

  void show_mistakes();
  void clear();
  bool showing() const { return mistakes_.has_value(); }
  // How circle 1..17 is marked; right when nothing is shown.
  AnswerClass verdict(int circle) const;
  // The object a screen reader hears the review's results from.
  QLabel* status() const { return status_; }
  void announce(const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& window_;
  MainForm& form_;
  const CircleLabelArray& circles_;
  QLabel* status_;
  std::optional<std::array<CircleReview, kCircleCount>> mistakes_;
  QTimer timer_;
};

}  // namespace velmora
