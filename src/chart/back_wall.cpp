#include "back_wall.h"

#include "pen_painter.h"

namespace morvane {

namespace {

// The brush image with its 0 bits in `background` and its 1 bits in
// `foreground`, ready to be tiled.
QImage TwoColourPattern(const QImage& image, const QColor& background, const QColor& foreground)
{
    QImage pattern = image.convertToFormat(QImage::Format_Mono);
    pattern.setColorCount(2);
    pattern.setColor(0, background.rgb());
    pattern.setColor(1, foreground.rgb());
    return pattern;
}

}  // namespace

TChartBackWall::TChartBackWall()
{
    pen_.OnChange = [this] { Changed(); };
    brush_.OnChange = [this] { Changed(); };
}

void TChartBackWall::Draw(QPainter& painter, const TChartRect& plot) const
{
    if (!visible_)
        return;
    if (!transparent_ && brush_.Style() != bsClear) {
        const QRect area(QPoint(plot.Left, plot.Top), QPoint(plot.Right, plot.Bottom));
        if (brush_.Image().isNull()) {
            painter.fillRect(area, ToQColor(color_));
        } else {
            const QImage pattern = TwoColourPattern(brush_.Image(), ToQColor(color_),
                                                    ToQColor(brush_.Color()));
            painter.fillRect(area, QBrush(pattern));
        }
    }
    DrawPenFrame(painter, pen_, QPoint(plot.Left, plot.Top), QPoint(plot.Right, plot.Bottom));
}

}  // namespace morvane
