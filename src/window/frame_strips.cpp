#include "frame_strips.h"

#include <QPainter>

namespace morvane {

void fillFrame(QPainter& painter, const QRect& outer, QColor colour)
{
    painter.fillRect(QRect(outer.left(), outer.top(), outer.width(), 1), colour);
    painter.fillRect(QRect(outer.left(), outer.bottom(), outer.width(), 1), colour);
    painter.fillRect(QRect(outer.left(), outer.top(), 1, outer.height()), colour);
    painter.fillRect(QRect(outer.right(), outer.top(), 1, outer.height()), colour);
}

}  // namespace morvane
