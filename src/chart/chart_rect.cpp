#include "chart_rect.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace morvane {

bool rectsOverlap(const ChartRect& a, const ChartRect& b)
{
    return std::max(a.left, b.left) < std::min(a.right, b.right) &&
           std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

int mulDiv(int a, int x, int divisor)
{
    if (divisor == 0)
        return 0;
    const std::int64_t product = static_cast<std::int64_t>(a) * x;
    const std::int64_t magnitude = (std::llabs(product) * 2 + std::llabs(divisor)) /
                                   (2 * static_cast<std::int64_t>(std::llabs(divisor)));
    const bool negative = (product < 0) != (divisor < 0);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

ChartRect normalizePlotRect(ChartRect rect, int panelWidth, int panelHeight)
{
    rect.left = std::max(rect.left, 0);
    rect.top = std::max(rect.top, 0);
    if (rect.right < rect.left)
        rect.right = rect.left + 1;
    else if (rect.right == rect.left)
        rect.right = rect.left + panelWidth;
    if (rect.bottom < rect.top)
        rect.bottom = rect.top + 1;
    else if (rect.bottom == rect.top)
        rect.bottom = rect.top + panelHeight;
    return rect;
}

ChartRect plotRectFromMargins(int panelWidth, int panelHeight, int borderWidth,
                               const ChartMargins& margins)
{
    ChartRect rect;
    rect.left = borderWidth + mulDiv(margins.left, panelWidth, 100);
    rect.top = borderWidth + mulDiv(margins.top, panelHeight, 100);
    rect.right = panelWidth - borderWidth - mulDiv(margins.right, panelWidth, 100);
    rect.bottom = panelHeight - borderWidth - mulDiv(margins.bottom, panelHeight, 100);
    return normalizePlotRect(rect, panelWidth, panelHeight);
}

}  // namespace morvane
