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
    // Whole pixels where a logical pixel is a whole number of device pixels,
    // so a marker looks the same on those screens; elsewhere the aliased
    // outline rounds unevenly into notches and bumps, so it is smoothed.
    const qreal ratio = devicePixelRatioF();
    const bool smooth = ratio != qRound(ratio);
    painter.setRenderHint(QPainter::Antialiasing, smooth);
    painter.setPen(QPen(outline_, 1));
    painter.setBrush(fill_);
    const int diameter = qMin(width(), height());
    // A 1-pixel outline covers one pixel more than the rectangle's size;
    // smoothed, it is centred on the half pixel so it stays in the square.
    const qreal inset = smooth ? 0.5 : 0.0;
    painter.drawEllipse(QRectF(inset, inset, diameter - 1, diameter - 1));
}

}  // namespace morvane
