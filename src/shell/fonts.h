#pragma once

#include <QFont>
#include <QString>

namespace velmora {

// Where the window's classic faces are missing, their metric look-alikes stand in, so every
// caption fits its box.
void install_font_substitutes();

// A face at a size in points, measured at 96 dots per inch like the rest of the layout.
QFont layout_font(const QString& family, double points);

// The font narrowed just enough for the text to fit the width, where a look-alike face runs
// wider than the original.
QFont fitted_font(QFont font, const QString& text, int width);

}  // namespace velmora
