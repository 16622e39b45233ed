#include "focus_ring_button.h"

#include <QPainter>

#include "frame_strips.h"

namespace morvane {

FocusRingButton::FocusRingButton(const QString& text, QWidget* parent) : QPushButton(text, parent)
{
}

void FocusRingButton::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    fillFrame(painter, rect().marginsRemoved(QMargins(kRingInset, kRingInset, kRingInset, kRingInset)),
              Qt::black);
}

}  // namespace morvane
