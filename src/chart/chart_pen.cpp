#include "chart_pen.h"

#include <algorithm>

namespace morvane {

TChartPen::TChartPen(TColor color, int width, TPenStyle style, bool visible)
    : color_(color), width_(std::max(width, 0)), style_(style), visible_(visible)
{
}

void TChartPen::SetWidth(int width) { Assign(width_, std::max(width, 0)); }

}  // namespace morvane
