#pragma once

#include <QFont>

#include "ports/printer.h"

class QPainter;

namespace velmora {

// The face texts of the worksheet and its answer key print in, at `points`.
QFont worksheet_font(int points);

// Paints one page of marks on the painter's device, whose resolution is `dots_per_inch`: texts
// in the worksheet's face with their top-left corner at the mark, circles and lines in the
// device's thinnest pen. The worksheet and its answer key are painted by this alone, so a key
// page shows a star exactly where its sheet did.
void paint_page(QPainter& painter, const MarkedPage& marks, double dots_per_inch);

}  // namespace velmora
