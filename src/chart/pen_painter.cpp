#include "pen_painter.h"

#include <QPen>

#include <algorithm>
#include <cmath>
#include <vector>

namespace morvane {

namespace {

// On/off run lengths of each dash style for a 1-pixel pen.
std::vector<int> DashPattern(Qt::PenStyle style)
{
    switch (style) {
    case Qt::DashLine:
        return {6, 2};
    case Qt::DotLine:
        return {1, 1};
    case Qt::DashDotLine:
        return {6, 2, 1, 2};
    case Qt::DashDotDotLine:
        return {6, 2, 1, 2, 1, 2};
    default:
        return {};
    }
}

QColor penColor(const ChartPen& pen, QColor defaultColor)
{
    return pen.color() == QColor() ? defaultColor : pen.color();
}

// A run of pixels along the line: [first, first + length) in the line's
// running coordinate, as a rectangle in the painter's coordinates.
QRect RunRect(bool horizontal, int first, int length, int acrossFirst, int thickness)
{
    return horizontal ? QRect(first, acrossFirst, length, thickness)
                      : QRect(acrossFirst, first, thickness, length);
}

// Fills the covered pixels [lo, hi) of a straight axis-aligned line, walking
// the dash pattern from the start point `start` in direction `step`. The
// runs of a dashed line are filled in one call: a dotted grid line across
// a soil chart has forty of them.
void fillDashedRuns(QPainter& painter, const QColor& color, bool horizontal, int lo, int hi,
                    bool forward, int acrossFirst, int thickness, const std::vector<int>& pattern,
                    int scale)
{
    if (pattern.empty()) {
        painter.fillRect(RunRect(horizontal, lo, hi - lo, acrossFirst, thickness), color);
        return;
    }
    std::vector<QRect> runs;
    int offset = 0;  // distance from the start point
    const int length = hi - lo;
    for (std::size_t i = 0; offset < length; i = (i + 1) % pattern.size()) {
        const int run = std::min(pattern[i] * scale, length - offset);
        if (i % 2 == 0) {
            const int first = forward ? lo + offset : hi - offset - run;
            runs.push_back(RunRect(horizontal, first, run, acrossFirst, thickness));
        }
        offset += run;
    }
    const QPen pen = painter.pen();
    const QBrush brush = painter.brush();
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawRects(runs.data(), static_cast<int>(runs.size()));
    painter.setPen(pen);
    painter.setBrush(brush);
}

// Fills the pixels whose centres lie inside the circle inscribed in `box`
// (a square), row by row, so round line ends are the same on every paint
// engine.
void fillDisc(QPainter& painter, const QColor& color, const QRect& box)
{
    const double radius = box.width() / 2.0;
    const double centreX = box.left() + radius;
    const double centreY = box.top() + radius;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        const double dy = y + 0.5 - centreY;
        const double halfChord = std::sqrt(std::max(0.0, radius * radius - dy * dy));
        const int first = static_cast<int>(std::ceil(centreX - halfChord - 0.5));
        const int last = static_cast<int>(std::floor(centreX + halfChord - 0.5));
        if (last >= first)
            painter.fillRect(QRect(first, y, last - first + 1, 1), color);
    }
}

void drawAxisAlignedLine(QPainter& painter, const ChartPen& pen, const QColor& color,
                         bool horizontal, int across, int a, int b)
{
    const bool forward = a <= b;
    int lo = forward ? a : b + 1;
    int hi = forward ? b : a + 1;
    const std::vector<int> pattern =
        pen.smallDots() && pen.width() < 2 ? std::vector<int>{1, 1} : DashPattern(pen.style());
    if (pen.width() < 2) {
        fillDashedRuns(painter, color, horizontal, lo, hi, forward, across, 1, pattern, 1);
        return;
    }
    const int width = pen.width();
    const int half = width / 2;
    const int acrossFirst = across - half;
    if (pen.endStyle() == Qt::SquareCap) {
        lo -= half;
        hi += half;
    }
    fillDashedRuns(painter, color, horizontal, lo, hi, forward, acrossFirst, width, pattern,
                   width);
    if (pen.endStyle() == Qt::RoundCap) {
        for (int end : {a, b}) {
            const QRect box = horizontal ? QRect(end - half, acrossFirst, width, width)
                                         : QRect(acrossFirst, end - half, width, width);
            fillDisc(painter, color, box);
        }
    }
}

void drawSlantedLine(QPainter& painter, const ChartPen& pen, const QColor& color, QPoint from,
                     QPoint to)
{
    QPen qpen(color);
    qpen.setStyle(pen.style());
    qpen.setWidth(pen.width() < 2 ? 0 : pen.width());
    // Each end style has its join: round ends round joins, square ends
    // bevelled joins, flat ends mitred joins.
    qpen.setCapStyle(pen.endStyle());
    qpen.setJoinStyle(pen.endStyle() == Qt::RoundCap    ? Qt::RoundJoin
                      : pen.endStyle() == Qt::SquareCap ? Qt::BevelJoin
                                                        : Qt::MiterJoin);
    painter.save();
    painter.setPen(qpen);
    painter.drawLine(from, to);
    painter.restore();
}

}  // namespace

void drawPenLine(QPainter& painter, const ChartPen& pen, QPoint from, QPoint to,
                 QColor defaultColor)
{
    if (!pen.draws())
        return;
    const QColor color = penColor(pen, defaultColor);
    if (from.y() == to.y())
        drawAxisAlignedLine(painter, pen, color, true, from.y(), from.x(), to.x());
    else if (from.x() == to.x())
        drawAxisAlignedLine(painter, pen, color, false, from.x(), from.y(), to.y());
    else
        drawSlantedLine(painter, pen, color, from, to);
}

void drawPenFrame(QPainter& painter, const ChartPen& pen, QPoint topLeft, QPoint bottomRight,
                  QColor defaultColor)
{
    const QPoint topRight(bottomRight.x(), topLeft.y());
    const QPoint bottomLeft(topLeft.x(), bottomRight.y());
    drawPenPolygonOutline(painter, pen, QPolygon({topLeft, topRight, bottomRight, bottomLeft}),
                          defaultColor);
}

void drawPenPolygonOutline(QPainter& painter, const ChartPen& pen, const QPolygon& polygon,
                           QColor defaultColor)
{
    for (int i = 0; i < polygon.size(); ++i)
        drawPenLine(painter, pen, polygon[i], polygon[(i + 1) % polygon.size()], defaultColor);
}

}  // namespace morvane
