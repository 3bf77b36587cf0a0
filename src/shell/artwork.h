#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QLineF>
#include <QPixmap>
#include <QPointF>
#include <vector>

namespace velmora {

struct PictureCircle {
  QPointF centre;
  qreal radius;
  QColor fill;
};

// Everything the program's picture is made of at one size. The window, the PNG icons and the
// scalable SVG icon are all drawn from this, so they cannot drift apart.
struct PictureGeometry {
  int size;
  // Small pictures stay unsmoothed: a few flat colours read better at 16 and 32 pixels.
  bool smooth;
  QColor background;
  QColor line_colour;
  qreal line_width;
  std::vector<QLineF> lines;
  QColor outline;
  qreal outline_width;  // 0 draws the circles without outlines
  std::vector<PictureCircle> circles;  // painted in order, the centre last
};

// The program's picture: the star of 17 circles on the window's warm orange, the centre circle
// orange, the inner ring light cyan, the outer ring light yellow. Square, `size` pixels wide;
// reads at 16 pixels as a window icon.
PictureGeometry velmora_picture_geometry(int size);
QImage velmora_picture_image(int size);
QPixmap velmora_picture(int size);
// The same picture as an SVG document of `size` user units, for a scalable icon.
QByteArray velmora_picture_svg(int size);

}  // namespace velmora
