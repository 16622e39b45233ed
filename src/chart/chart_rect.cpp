#include "chart_rect.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace morvane {

bool RectsOverlap(const TChartRect& a, const TChartRect& b)
{
    return std::max(a.Left, b.Left) < std::min(a.Right, b.Right) &&
           std::max(a.Top, b.Top) < std::min(a.Bottom, b.Bottom);
}

int MulDiv(int a, int x, int divisor)
{
    if (divisor == 0)
        return 0;
    const std::int64_t product = static_cast<std::int64_t>(a) * x;
    const std::int64_t magnitude = (std::llabs(product) * 2 + std::llabs(divisor)) /
                                   (2 * static_cast<std::int64_t>(std::llabs(divisor)));
    const bool negative = (product < 0) != (divisor < 0);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

TChartRect NormalizePlotRect(TChartRect rect, int panelWidth, int panelHeight)
{
    rect.Left = std::max(rect.Left, 0);
    rect.Top = std::max(rect.Top, 0);
    if (rect.Right < rect.Left)
        rect.Right = rect.Left + 1;
    else if (rect.Right == rect.Left)
        rect.Right = rect.Left + panelWidth;
    if (rect.Bottom < rect.Top)
        rect.Bottom = rect.Top + 1;
    else if (rect.Bottom == rect.Top)
        rect.Bottom = rect.Top + panelHeight;
    return rect;
}

TChartRect PlotRectFromMargins(int panelWidth, int panelHeight, int borderWidth,
                               const TChartMargins& margins)
{
    TChartRect rect;
    rect.Left = borderWidth + MulDiv(margins.Left, panelWidth, 100);
    rect.Top = borderWidth + MulDiv(margins.Top, panelHeight, 100);
    rect.Right = panelWidth - borderWidth - MulDiv(margins.Right, panelWidth, 100);
    rect.Bottom = panelHeight - borderWidth - MulDiv(margins.Bottom, panelHeight, 100);
    return NormalizePlotRect(rect, panelWidth, panelHeight);
}

}  // namespace morvane
