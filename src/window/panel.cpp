#include "panel.h"

namespace morvane {

Panel::Panel(QWidget* parent, const QString& name, QRect geometry, QColor colour)
    : QFrame(parent)
{
    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setAutoFillBackground(true);
    setGeometry(geometry);
    setColor(colour);
}


void Panel::setColor(QColor colour)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colour);
    setPalette(colours);
}

}  // namespace morvane
