#pragma once

#include <QColor>
#include <QMargins>
#include <QPalette>
#include <QPoint>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace velmora {

// The window is laid out in twips; at the usual 96 dots per inch 15 twips make a pixel.
inline constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips) { return twips / kTwipsPerPixel; }
inline QRect twips(int left, int top, int width, int height) {
  return {px(left), px(top), px(width), px(height)};
}
inline QPoint twips(int x, int y) { return {px(x), px(y)}; }

inline const QColor kWindowColour{255, 192, 128};
inline const QColor kButtonColour{192, 192, 192};
inline const QColor kGreyLineColour{224, 224, 224};
inline const QColor kInnerRingColour{192, 255, 255};
inline const QColor kOuterRingColour{255, 255, 128};
inline const QColor kCentreColour{255, 128, 0};
inline const QColor kTextColour{0, 0, 0};
// The review's marks and the keyboard's and a drag's rings on the star.
inline const QColor kWrongColour{255, 96, 96};
inline const QColor kMisspeltColour{255, 184, 0};
inline const QColor kFocusColour{0, 0, 160};
inline const QColor kDropTargetColour{0, 140, 0};
// Visibly grey, yet at 3.2:1 still readable on the darkest of the fixed colours, the centre
// circle's orange.
inline const QColor kGreyedTextColour{80, 80, 80};

// Texts drawn on the layout's fixed colours get fixed dark colours too: a dark or high-contrast
// desktop palette would otherwise put light text on the light grounds.
inline void use_fixed_text_colours(QPalette& colours) {
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    colours.setColor(role, kTextColour);
    colours.setColor(QPalette::Disabled, role, kGreyedTextColour);
  }
}

// Centres a window, frame included, in the free area of its screen at any scale. A window
// larger than that area shrinks as far as it can; one that cannot keeps its top-left corner (title
// bar and left column) in view. Call it once the window exists, when its frame is known.
inline void place_on_screen(QWidget& window) {
  const QScreen* display = window.screen();
  if (display == nullptr) return;
  const QRect area = display->availableGeometry();
  const QRect inner = window.geometry();
  const QRect outer = window.frameGeometry();
  const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                       outer.right() - inner.right(), outer.bottom() - inner.bottom());
  window.resize(window.size().boundedTo(area.size().shrunkBy(frame)));
  const QSize size = window.frameGeometry().size();
  window.move(area.x() + std::max(0, (area.width() - size.width()) / 2),
              area.y() + std::max(0, (area.height() - size.height()) / 2));
}

}  // namespace velmora
