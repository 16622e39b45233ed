#pragma once
// The font of chart texts. Sizes are kept in pixels (character height) so
// that the layout does not depend on the screen's dots per inch: 8 points is
// 11 pixels at 96 dots per inch.

#include "chart_colors.h"
#include "chart_object.h"

#include <QFont>
#include <QString>

namespace morvane {

class TChartFont : public TChartObject {
public:
    explicit TChartFont(TColor color = clBlack, int pixelHeight = 11);

    QString Name() const { return name_; }
    void SetName(const QString& name) { Assign(name_, name); }
    // Character height in pixels.
    int Height() const { return height_; }
    void SetHeight(int pixels);
    // Size in points at 96 dots per inch: SetSize(8) gives Height() 11.
    void SetSize(int points);
    bool Bold() const { return bold_; }
    void SetBold(bool bold) { Assign(bold_, bold); }
    TColor Color() const { return color_; }
    void SetColor(TColor color) { Assign(color_, color); }

    QFont ToQFont() const;

private:
    QString name_ = QStringLiteral("Arial");
    int height_;
    bool bold_ = false;
    TColor color_;
};

}  // namespace morvane
