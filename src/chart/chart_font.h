#pragma once
// The font of chart texts. Sizes are kept in pixels (character height) so
// that the layout does not depend on the screen's dots per inch: 8 points is
// 11 pixels at 96 dots per inch.
//
// A chart measures the same few texts in the same fonts at every full
// redraw, so the font keeps its QFont, its metrics and the widths it has
// measured until one of its properties changes.

#include "colours.h"
#include "chart_object.h"

#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QPainter>
#include <QString>

#include <optional>

namespace morvane {

class ChartFont : public ChartObject {
public:
    explicit ChartFont(QColor color = colours::black, int pixelHeight = 11);

    QString name() const { return name_; }
    // Character height in pixels.
    int height() const { return height_; }
    void setHeight(int pixels);
    // Size in points at 96 dots per inch: setSize(8) gives height() 11.
    void setSize(int points);
    bool bold() const { return bold_; }
    void setBold(bool bold);
    QColor color() const { return color_; }
    void setColor(QColor color) { assign(color_, color); }

    const QFont& toQFont() const;
    // The height of a text cell ("the height of W"), the ascent, and the
    // advance of a text, as text_metrics.h measures them.
    int textHeight() const { return metrics().height(); }
    int textAscent() const { return metrics().ascent(); }
    int textWidth(const QString& text) const;
    // Draws `text` with its baseline starting at `origin`, in the painter's
    // pen; the same glyphs at the same places as QPainter::drawText, shaped
    // once per text.
    void drawText(QPainter& painter, QPoint origin, const QString& text) const;

private:
    const QFontMetrics& metrics() const;
    void forgetMeasurements();

    QString name_;
    int height_;
    bool bold_ = false;
    QColor color_;
    mutable std::optional<QFont> font_;
    mutable std::optional<QFontMetrics> metrics_;
    mutable QHash<QString, int> widths_;
    mutable QHash<QString, QList<QGlyphRun>> glyphs_;
};

}  // namespace morvane
