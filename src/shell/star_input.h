#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <string>

#include "app/controls.h"
#include "puzzle/review.h"
#include "theory/note_naming.h"

class QWidget;

namespace velmora {

class CircleLabel;
class MainForm;
class PaletteLabel;

using CircleLabelArray = std::array<CircleLabel*, kCircleCount>;
using PaletteLabelArray = std::array<PaletteLabel*, kPaletteNames.size()>;

// The star's input: the ring the arrow keys move over the circles, names typed into a circle,
// a palette name carried to a circle with the keyboard, and palette names dragged onto the
// discs of the window.
class StarInput final : public QObject {
  Q_OBJECT
 public:
  // Runs a handler of the form the way the window runs every handler, showing the outcome.
  using Runner = std::function<void(const std::function<void()>& handler)>;
  // Tells a screen reader what happened.
  using Announcer = std::function<void(const QString& text)>;

  StarInput(QWidget& window, MainForm& form, const CircleLabelArray& circles,
            const PaletteLabelArray& palette, Runner run, Announcer announce);

  // The circle where keyboard entry starts; the star's one stop in the Tab order.
  int star_stop() const { return star_stop_; }
  // A palette name picked up with the keyboard, waiting for a circle; empty when none.
  const QString& carried_name() const { return carried_; }
  // The circle a drag would now land on, 0 for none.
  int drag_target() const { return drag_target_; }
  // Puts the keyboard focus on the star's stop.
  void focus_star();
  // Moves the stop on when its circle can no longer take input (it became the given one).
  void keep_stop_open();
  // The note names typed keys are read in; typing starts afresh.
  void set_note_naming(NoteNaming naming) {
    naming_ = naming;
    typing_circle_ = 0;
  }
  // The next letter typed starts a new name: whatever ran since may have changed the circle.
  void forget_typing() { typing_circle_ = 0; }
  // Shows circle 1..17's right note, as its context menu's "Reveal this note" does.
  void reveal(int circle);
  void reveal_at_stop() { reveal(star_stop_); }

 protected:
  // The window's drag events: a drop anywhere on a disc lands on its circle.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void connect_circle(CircleLabel* label);
  void connect_palette(PaletteLabel* label);
  void move_star_stop(int circle);
  void move_in_star(int circle, Direction direction);
  void move_in_palette(PaletteLabel* from, Direction direction);
  void type_into(int circle, const QString& key);
  // A palette name as a screen reader says it in the learner's names.
  QString spoken(const QString& name) const;
  void put_down(int circle);
  void set_drag_target(int circle);
  // The enabled circle whose disc holds the point, 0 for none.
  int circle_at(QPoint point) const;

  QWidget& window_;
  MainForm& form_;
  const CircleLabelArray& circles_;
  const PaletteLabelArray& palette_;
  Runner run_;
  Announcer announce_;
  int star_stop_ = 1;
  int typing_circle_ = 0;
  std::string typing_;
  NoteNaming naming_ = NoteNaming::Letters;
  QString carried_;
  int drag_target_ = 0;
};

}  // namespace velmora
