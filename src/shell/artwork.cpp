#include "shell/artwork.h"

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QtMath>

#include "shell/layout.h"

namespace velmora {

namespace {

const QColor kChordLine(128, 128, 128);
const QColor kOutline(96, 48, 0);

// The four chord lines run at these angles through the centre, two circles on either side.
constexpr int kLineAngles[] = {0, 45, 90, 135};

}  // namespace

QPixmap velmora_picture(int size) {
  QPixmap picture(size, size);
  picture.fill(kWindowColour);
  QPainter painter(&picture);
  // Window icons keep to a few flat colours; larger pictures are smoothed.
  painter.setRenderHint(QPainter::Antialiasing, size > 32);

  const QPointF centre(size / 2.0, size / 2.0);
  const qreal ring_spacing = size * 0.21;
  const qreal radius = size * 0.065;
  auto along = [&](int angle, qreal distance) {
    const qreal radians = qDegreesToRadians(static_cast<qreal>(angle));
    return centre + QPointF(qCos(radians), -qSin(radians)) * distance;
  };

  painter.setPen(QPen(kChordLine, qMax(1.0, size / 48.0)));
  for (int angle : kLineAngles) {
    painter.drawLine(along(angle, 2 * ring_spacing), along(angle + 180, 2 * ring_spacing));
  }

  // Outlines only where they do not swallow the colours of a small icon.
  if (size >= 32) {
    painter.setPen(QPen(kOutline, size / 96.0));
  } else {
    painter.setPen(Qt::NoPen);
  }
  for (int angle : kLineAngles) {
    for (int side : {0, 180}) {
      painter.setBrush(kInnerRingColour);
      painter.drawEllipse(along(angle + side, ring_spacing), radius, radius);
      painter.setBrush(kOuterRingColour);
      painter.drawEllipse(along(angle + side, 2 * ring_spacing), radius, radius);
    }
  }
  painter.setBrush(kCentreColour);
  painter.drawEllipse(centre, radius * 1.25, radius * 1.25);
  return picture;
}

}  // namespace velmora
