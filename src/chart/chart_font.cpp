#include "chart_font.h"

#include <algorithm>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace morvane {

ChartFont::ChartFont(QColor color, int pixelHeight)
    : name_(u"Arial"_s), height_(pixelHeight), color_(color)
{
}

void ChartFont::setHeight(int pixels)
{
    // A negative height (the stored form of "character height") means the same.
    assign(height_, std::max(std::abs(pixels), 1));
}

void ChartFont::setSize(int points)
{
    // Points to pixels at 96 per inch, halves rounded up: 8 -> 11, 10 -> 13.
    setHeight((std::abs(points) * 96 + 36) / 72);
}

QFont ChartFont::toQFont() const
{
    QFont font(name_);
    font.setPixelSize(height_);
    font.setBold(bold_);
    font.setStyleStrategy(QFont::PreferDefault);
    return font;
}

}  // namespace morvane
