#pragma once
// The legend card beside the soil profile charts: what the chart symbols
// mean, painted once into a picture the size of its image control.

#include <QImage>
#include <QSize>

class QPainter;

namespace morvane {

// Paints the legend in logical pixels onto a cream surface of any size:
// symbols at x 5..14, texts from x 20, rows 25, 45, 65, 85, 105 and 125,
// and a dotted frame through (0, 0) and (240, 180).
void paintLegend(QPainter& painter, QSize size);

// The legend as a picture of `size` logical pixels at the screen's
// device pixel ratio.
QImage legendPicture(QSize size, qreal devicePixelRatio);

}  // namespace morvane
