#pragma once
// Rectangular frames painted as filled strips. A drawn 1-pixel line on a
// pixel edge can round away entirely at fractional scales such as 1.25; a
// filled strip one logical pixel wide always covers at least one device
// pixel.

#include <QColor>
#include <QRect>

class QPainter;

namespace morvane {

// Fills a frame one logical pixel wide just inside outer: at scale 1 the
// same pixels as drawRect(outer.adjusted(0, 0, -1, -1)) with a 1-pixel pen.
void fillFrame(QPainter& painter, const QRect& outer, QColor colour);

}  // namespace morvane
