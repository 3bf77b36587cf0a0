#include "platform/qt/page_painter.h"

#include <QFontMetricsF>
#include <QPainter>

namespace velmora {
namespace {

constexpr double kTwipsPerInch = 1440.0;

}  // namespace

QFont worksheet_font(int points) {
  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(points);
  return font;
}

void paint_page(QPainter& painter, const MarkedPage& marks, double dots_per_inch) {
  // A cosmetic pen of width 0 is the device's thinnest line: one printer dot.
  painter.setPen(QPen(Qt::black, 0));
  painter.setBrush(Qt::NoBrush);
  const double scale = dots_per_inch / kTwipsPerInch;
  const auto on_device = [scale](TwipPoint at) { return QPointF(at.x * scale, at.y * scale); };
  for (const PageMark& mark : marks) {
    const QPointF at = on_device(mark.at);
    switch (mark.kind) {
      case PageMark::Kind::Circle:
        painter.drawEllipse(at, mark.size * scale, mark.size * scale);
        break;
      case PageMark::Kind::Line:
        painter.drawLine(at, on_device(mark.to));
        break;
      case PageMark::Kind::Text: {
        painter.setFont(worksheet_font(mark.size));
        // drawText places the baseline; the text's top-left corner belongs at the mark.
        const QFontMetricsF metrics(painter.font(), painter.device());
        painter.drawText(at + QPointF(0, metrics.ascent()), QString::fromStdString(mark.text));
        break;
      }
    }
  }
}

}  // namespace velmora
