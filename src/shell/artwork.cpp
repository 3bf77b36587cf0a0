#include "shell/artwork.h"

#include <QPainter>
#include <QPen>
#include <QtMath>

#include "shell/layout.h"

namespace velmora {

namespace {

const QColor kChordLine(128, 128, 128);
const QColor kOutline(96, 48, 0);

// The four chord lines run at these angles through the centre, two circles on either side.
constexpr int kLineAngles[] = {0, 45, 90, 135};

QByteArray svg_number(qreal value) { return QByteArray::number(value, 'g', 6); }

}  // namespace

PictureGeometry velmora_picture_geometry(int size) {
  PictureGeometry picture{
      .size = size,
      .smooth = size > 32,
      .background = kWindowColour,
      .line_colour = kChordLine,
      .line_width = qMax(1.0, size / 48.0),
      .lines = {},
      .outline = kOutline,
      // Outlines only where they do not swallow the colours of a small icon.
      .outline_width = size >= 32 ? size / 96.0 : 0.0,
      .circles = {},
  };

  const QPointF centre(size / 2.0, size / 2.0);
  const qreal ring_spacing = size * 0.21;
  const qreal radius = size * 0.065;
  auto along = [&](int angle, qreal distance) {
    const qreal radians = qDegreesToRadians(static_cast<qreal>(angle));
    return centre + QPointF(qCos(radians), -qSin(radians)) * distance;
  };
  for (int angle : kLineAngles) {
    picture.lines.emplace_back(along(angle, 2 * ring_spacing), along(angle + 180, 2 * ring_spacing));
  }
  for (int angle : kLineAngles) {
    for (int side : {0, 180}) {
      picture.circles.push_back({along(angle + side, ring_spacing), radius, kInnerRingColour});
      picture.circles.push_back({along(angle + side, 2 * ring_spacing), radius, kOuterRingColour});
    }
  }
  picture.circles.push_back({centre, radius * 1.25, kCentreColour});
  return picture;
}

QImage velmora_picture_image(int size) {
  const PictureGeometry geometry = velmora_picture_geometry(size);
  QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
  picture.fill(geometry.background);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing, geometry.smooth);
  painter.setPen(QPen(geometry.line_colour, geometry.line_width));
  for (const QLineF& line : geometry.lines) painter.drawLine(line);
  if (geometry.outline_width > 0) {
    painter.setPen(QPen(geometry.outline, geometry.outline_width));
  } else {
    painter.setPen(Qt::NoPen);
  }
  for (const PictureCircle& circle : geometry.circles) {
    painter.setBrush(circle.fill);
    painter.drawEllipse(circle.centre, circle.radius, circle.radius);
  }
  return picture;
}

QPixmap velmora_picture(int size) { return QPixmap::fromImage(velmora_picture_image(size)); }

QByteArray velmora_picture_svg(int size) {
  const PictureGeometry geometry = velmora_picture_geometry(size);
  const QByteArray side = QByteArray::number(size);
  QByteArray svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                   "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + side + "\" height=\"" +
                   side + "\" viewBox=\"0 0 " + side + ' ' + side + "\">\n";
  svg += "  <rect width=\"" + side + "\" height=\"" + side + "\" fill=\"" +
         geometry.background.name().toLatin1() + "\"/>\n";
  // QPainter's default pen ends lines with square caps.
  svg += "  <g stroke=\"" + geometry.line_colour.name().toLatin1() + "\" stroke-width=\"" +
         svg_number(geometry.line_width) + "\" stroke-linecap=\"square\">\n";
  for (const QLineF& line : geometry.lines) {
    svg += "    <line x1=\"" + svg_number(line.x1()) + "\" y1=\"" + svg_number(line.y1()) +
           "\" x2=\"" + svg_number(line.x2()) + "\" y2=\"" + svg_number(line.y2()) + "\"/>\n";
  }
  svg += "  </g>\n  <g";
  if (geometry.outline_width > 0) {
    svg += " stroke=\"" + geometry.outline.name().toLatin1() + "\" stroke-width=\"" +
           svg_number(geometry.outline_width) + '"';
  }
  svg += ">\n";
  for (const PictureCircle& circle : geometry.circles) {
    svg += "    <circle cx=\"" + svg_number(circle.centre.x()) + "\" cy=\"" +
           svg_number(circle.centre.y()) + "\" r=\"" + svg_number(circle.radius) + "\" fill=\"" +
           circle.fill.name().toLatin1() + "\"/>\n";
  }
  svg += "  </g>\n</svg>\n";
  return svg;
}

}  // namespace velmora
