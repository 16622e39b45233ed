#include "panel.h"

namespace morvane {

TPanel::TPanel(QWidget* parent, const QString& name, QRect geometry, QColor colour)
    : QFrame(parent)
{
    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setAutoFillBackground(true);
    setGeometry(geometry);
    setColor(colour);
}

QColor TPanel::color() const { return palette().color(QPalette::Window); }

void TPanel::setColor(QColor colour)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colour);
    setPalette(colours);
}

}  // namespace morvane
