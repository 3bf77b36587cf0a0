#pragma once

#include <QPixmap>

namespace velmora {

// The program's picture: the star of 17 circles on the window's warm orange, the centre circle
// orange, the inner ring light cyan, the outer ring light yellow. Square, `size` pixels wide;
// reads at 16 pixels as a window icon.
QPixmap velmora_picture(int size);

}  // namespace velmora
