#pragma once

#include <QCoreApplication>
#include <QRect>
#include <array>

#include "puzzle/board.h"
#include "shell/layout.h"

namespace velmora {

enum class Ring { Outer, Inner, Centre };

struct CircleBox {
  int left;
  int top;
  Ring ring;
};

// Circles 1..17; each label lies 120 twips below its circle's box.
inline constexpr std::array<CircleBox, kCircleCount> kCircleBoxes = {{
    {3720, 1320, Ring::Outer}, {4800, 1080, Ring::Outer}, {5880, 1320, Ring::Outer},
    {4200, 1680, Ring::Inner}, {4800, 1680, Ring::Inner}, {5400, 1680, Ring::Inner},
    {3600, 2280, Ring::Outer}, {4200, 2280, Ring::Inner}, {4800, 2280, Ring::Centre},
    {5400, 2280, Ring::Inner}, {6000, 2280, Ring::Outer}, {4200, 2880, Ring::Inner},
    {4800, 2880, Ring::Inner}, {5400, 2880, Ring::Inner}, {3720, 3240, Ring::Outer},
    {4800, 3480, Ring::Outer}, {5880, 3240, Ring::Outer},
}};
inline constexpr int kCircleSize = 615;

// A circle's tooltip while no review explains it, in the window's language.
inline QString circle_tip() {
  return QCoreApplication::translate(
      "velmora::MainWindow",
      "Type a name or drop one here. Right-click: names, Clear, Show mistakes (Ctrl+M), Reveal "
      "this note (Ctrl+R)");
}

// The disc of circle 1..17 in the window.
inline QRect circle_disc(int circle) {
  const CircleBox& box = kCircleBoxes[circle - 1];
  return twips(box.left, box.top, kCircleSize, kCircleSize);
}

}  // namespace velmora
