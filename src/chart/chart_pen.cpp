#include "chart_pen.h"

#include <algorithm>

namespace morvane {

ChartPen::ChartPen(QColor color, int width, Qt::PenStyle style, bool visible)
    : color_(color), width_(std::max(width, 0)), style_(style), visible_(visible)
{
}

void ChartPen::setWidth(int width) { assign(width_, std::max(width, 0)); }

}  // namespace morvane
