#pragma once
// Turns chart pens into pixels, without antialiasing, so that rows and
// columns are exact. Coordinates are logical pixels; pixel (x, y) is the
// unit square whose top-left corner is (x, y).
//
// Coverage of a horizontal line from (a, p) to (b, p); vertical lines are the
// same with rows and columns swapped:
// - pen width below 2: a 1-pixel line in the pen's style. It covers the start
//   pixel and stops before the end pixel (a..b-1 when a <= b, b+1..a when
//   a > b), so joined lines never paint a pixel twice. Dotted lines
//   alternate pixels, starting with a painted pixel at the start point; so
//   does any 1-pixel pen with smallDots set.
// - pen width w of 2 or more: rows p - w/2 .. p - w/2 + w - 1 (w/2 is integer
//   division): width 14 at row 33 covers rows 26..39, width 3 at row 328
//   covers 327..329. Along the line, Qt::FlatCap covers the same columns as a
//   1-pixel line, Qt::SquareCap adds w/2 columns at each end, Qt::RoundCap adds at
//   each end point a disc: the pixels whose centres lie in the circle
//   inscribed in the w x w square on rows p - w/2 .. and columns
//   end - w/2 .. (for w of 2 or 3 that is the whole square). Dashed styles
//   repeat their pattern scaled by w.
// Slanted lines are handed to QPainter with the matching cap and join.

#include "chart_pen.h"

#include <QPainter>
#include <QPoint>
#include <QPolygon>

namespace morvane {

// draws one line with the pen; nothing when the pen does not draw.
// An invalid pen colour draws defaultColor.
void drawPenLine(QPainter& painter, const ChartPen& pen, QPoint from, QPoint to,
                 QColor defaultColor = colours::black);

// draws the outline of the rectangle whose corner pixels are topLeft and
// bottomRight (both included).
void drawPenFrame(QPainter& painter, const ChartPen& pen, QPoint topLeft, QPoint bottomRight,
                  QColor defaultColor = colours::black);

// draws the closed outline of a polygon, one line per edge.
void drawPenPolygonOutline(QPainter& painter, const ChartPen& pen, const QPolygon& polygon,
                           QColor defaultColor = colours::black);

}  // namespace morvane
