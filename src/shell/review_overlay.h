#pragma once

#include <QObject>
#include <functional>
#include <optional>

#include "shell/star_input.h"

class QLabel;
class QListWidget;
class QPainter;
class QWidget;

namespace velmora {

// The review of a checked board over the star. Show mistakes marks every wrong circle, every
// right pitch spelled wrongly and every empty circle, by colour and by a sign on the disc ("X",
// "~", "?"), and lists the explanations in the window's free right column. The marks stay
// until the board changes: an entry, a cleared circle, a new puzzle. A screen reader hears the
// same through the circles' descriptions and the status object, where the window's other
// announcements are heard too.
class ReviewOverlay final : public QObject {
  Q_OBJECT
 public:
  ReviewOverlay(QWidget& window, MainForm& form, const CircleLabelArray& circles);

  void show_mistakes();
  void clear();
  bool showing() const { return reviews_.has_value(); }
  // Ends the review when the board is no longer the one reviewed.
  void board_shown();
  // How circle 1..17 is marked; right when nothing is shown.
  AnswerClass verdict(int circle) const;
  // Draws the signs on the marked discs.
  void paint(QPainter& painter) const;
  // The object a screen reader hears the review's results from.
  QLabel* status() const { return status_; }
  // The explanations on screen.
  QListWidget* list() const { return list_; }
  void announce(const QString& text);
  // Puts the core's explanations into the window's language and note names.
  void set_wording(std::function<QString(const std::string&)> wording) {
    wording_ = std::move(wording);
  }

 private:
  // What the board held when it was reviewed: its captions, given circle and chord types.
  std::string board_state() const;

  QWidget& window_;
  MainForm& form_;
  const CircleLabelArray& circles_;
  QLabel* status_;
  QListWidget* list_;
  std::optional<std::array<CircleReview, kCircleCount>> reviews_;
  std::string reviewed_board_;
  std::function<QString(const std::string&)> wording_ = [](const std::string& text) {
    return QString::fromStdString(text);
  };
};

}  // namespace velmora
