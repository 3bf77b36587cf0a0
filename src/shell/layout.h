#pragma once

#include <QColor>
#include <QPalette>
#include <QPoint>
#include <QRect>
#include <QScreen>
#include <QWidget>

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

// Places a window in the middle of its screen's free area.
inline void centre_on_screen(QWidget& window) {
  if (const QScreen* display = window.screen()) {
    const QRect area = display->availableGeometry();
    window.move(area.x() + (area.width() - window.width()) / 2,
                area.y() + (area.height() - window.height()) / 2);
  }
}

}  // namespace velmora
