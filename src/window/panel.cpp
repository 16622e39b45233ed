#include "panel.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace morvane {
namespace {

QAccessibleInterface* accessiblePanel(const QString& className, QObject* object)
{
    if (className != QLatin1StringView(Panel::staticMetaObject.className()))
        return nullptr;
    auto* panel = qobject_cast<Panel*>(object);
    return panel != nullptr ? new QAccessibleWidget(panel, QAccessible::Pane) : nullptr;
}

}  // namespace

Panel::Panel(QWidget* parent, const QString& name, QRect geometry, QColor colour)
    : QFrame(parent)
{
    static const bool accessible = (QAccessible::installFactory(accessiblePanel), true);
    Q_UNUSED(accessible)
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
