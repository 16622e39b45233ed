#include "back_wall.h"

#include "pen_painter.h"

namespace morvane {

namespace {

// The brush image with its 0 bits in `background` and its 1 bits in
// `foreground`, ready to be tiled.
QImage twoColourPattern(const QImage& image, const QColor& background, const QColor& foreground)
{
    QImage pattern = image.convertToFormat(QImage::Format_Mono);
    pattern.setColorCount(2);
    pattern.setColor(0, background.rgb());
    pattern.setColor(1, foreground.rgb());
    return pattern;
}

}  // namespace

BackWall::BackWall()
{
    pen_.onChange = [this] { changed(); };
    brush_.onChange = [this] { changed(); };
}

void BackWall::draw(QPainter& painter, const ChartRect& plot) const
{
    if (!visible_)
        return;
    if (!transparent_ && brush_.style() != Qt::NoBrush) {
        const QRect area(QPoint(plot.left, plot.top), QPoint(plot.right, plot.bottom));
        if (brush_.image().isNull()) {
            painter.fillRect(area, color_);
        } else {
            const QImage pattern = twoColourPattern(brush_.image(), color_,
                                                    brush_.color());
            painter.fillRect(area, QBrush(pattern));
        }
    }
    drawPenFrame(painter, pen_, QPoint(plot.left, plot.top), QPoint(plot.right, plot.bottom));
}

}  // namespace morvane
