#include "chart_font.h"

#include <algorithm>
#include <cstdlib>

namespace morvane {

TChartFont::TChartFont(TColor color, int pixelHeight) : height_(pixelHeight), color_(color) {}

void TChartFont::SetHeight(int pixels)
{
    // A negative height (the stored form of "character height") means the same.
    Assign(height_, std::max(std::abs(pixels), 1));
}

void TChartFont::SetSize(int points)
{
    // Points to pixels at 96 per inch, halves rounded up: 8 -> 11, 10 -> 13.
    SetHeight((std::abs(points) * 96 + 36) / 72);
}

QFont TChartFont::ToQFont() const
{
    QFont font(name_);
    font.setPixelSize(height_);
    font.setBold(bold_);
    font.setStyleStrategy(QFont::PreferDefault);
    return font;
}

}  // namespace morvane
