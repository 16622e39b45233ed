#include "circle_marker.h"

#include <QPainter>

namespace morvane {

CircleMarker::CircleMarker(QWidget* parent, const QString& name, QRect geometry, QColor outline,
               QColor fill)
    : QWidget(parent), outline_(outline), fill_(fill)
{
    setObjectName(name);
    setGeometry(geometry);
}

void CircleMarker::setFillColour(QColor colour)
{
    if (fill_ == colour)
        return;
    fill_ = colour;
    update();
}

void CircleMarker::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Whole pixels only, so a marker looks the same on every screen.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(outline_, 1));
    painter.setBrush(fill_);
    const int diameter = qMin(width(), height());
    // A 1-pixel outline covers one pixel more than the rectangle's size.
    painter.drawEllipse(QRect(0, 0, diameter - 1, diameter - 1));
}

}  // namespace morvane
