#pragma once
// The legend card beside the soil profile charts: what the chart symbols
// mean, painted once into a picture the size of its image control.

#include <QImage>
#include <QSize>

class QPainter;

namespace morvane {

// Paints the legend in logical pixels onto a cream surface of any size:
// symbols at x 5..14, texts from x 20, rows 25, 45, 65, 85, 105 and 125,
// and a dotted frame from (0, 0) to (right, 180). The frame keeps the same
// margin right of the longest text as left of the symbols, 5 pixels: in the
// window's 11-pixel face " Position of wetting front at 24 hr after
// irrigation" ends at column 243, so the frame's right edge is column 248.
void paintLegend(QPainter& painter, QSize size);

// The legend's texts, top to bottom, as a screen reader reads them:
// "Irrigation Amount; Sentrel float DOWN; ...; Limit of active root zone".
QString legendInWords();

// The legend as a picture of `size` logical pixels at the screen's
// device pixel ratio.
QImage legendPicture(QSize size, qreal devicePixelRatio);

}  // namespace morvane
