#include "chart_font.h"

#include <algorithm>
#include <cstdlib>

#include <QTextLayout>

using namespace Qt::StringLiterals;

namespace morvane {

ChartFont::ChartFont(QColor color, int pixelHeight)
    : name_(u"Arial"_s), height_(pixelHeight), color_(color)
{
}

void ChartFont::setHeight(int pixels)
{
    // A negative height (the stored form of "character height") means the same.
    const int height = std::max(std::abs(pixels), 1);
    if (height != height_)
        forgetMeasurements();
    assign(height_, height);
}

void ChartFont::setBold(bool bold)
{
    if (bold != bold_)
        forgetMeasurements();
    assign(bold_, bold);
}

void ChartFont::setSize(int points)
{
    // Points to pixels at 96 per inch, halves rounded up: 8 -> 11, 10 -> 13.
    setHeight((std::abs(points) * 96 + 36) / 72);
}

const QFont& ChartFont::toQFont() const
{
    if (!font_) {
        QFont font(name_);
        font.setPixelSize(height_);
        font.setBold(bold_);
        font.setStyleStrategy(QFont::PreferDefault);
        font_ = font;
    }
    return *font_;
}

const QFontMetrics& ChartFont::metrics() const
{
    if (!metrics_)
        metrics_.emplace(toQFont());
    return *metrics_;
}

int ChartFont::textWidth(const QString& text) const
{
    const auto known = widths_.constFind(text);
    if (known != widths_.constEnd())
        return *known;
    const int width = metrics().horizontalAdvance(text);
    widths_.insert(text, width);
    return width;
}

void ChartFont::drawText(QPainter& painter, QPoint origin, const QString& text) const
{
    auto known = glyphs_.constFind(text);
    if (known == glyphs_.constEnd()) {
        QTextLayout layout(text, toQFont());
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        // Glyph positions relative to the start of the baseline.
        QList<QGlyphRun> runs = layout.glyphRuns();
        for (QGlyphRun& run : runs) {
            QList<QPointF> positions = run.positions();
            for (QPointF& position : positions)
                position.ry() -= line.ascent();
            run.setPositions(positions);
        }
        known = glyphs_.insert(text, runs);
    }
    for (const QGlyphRun& run : *known)
        painter.drawGlyphRun(origin, run);
}

void ChartFont::forgetMeasurements()
{
    glyphs_.clear();
    font_.reset();
    metrics_.reset();
    widths_.clear();
}

}  // namespace morvane
