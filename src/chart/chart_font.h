#pragma once
// The font of chart texts. Sizes are kept in pixels (character height) so
// that the layout does not depend on the screen's dots per inch: 8 points is
// 11 pixels at 96 dots per inch.

#include "colours.h"
#include "chart_object.h"

#include <QFont>
#include <QString>

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
    void setBold(bool bold) { assign(bold_, bold); }
    QColor color() const { return color_; }
    void setColor(QColor color) { assign(color_, color); }

    QFont toQFont() const;

private:
    QString name_;
    int height_;
    bool bold_ = false;
    QColor color_;
};

}  // namespace morvane
