#include "tab_set.h"

namespace morvane {

TTabSet::TTabSet(QWidget* parent, const QString& name, QRect geometry, QColor selectedTabColour)
    : QTabBar(parent), selectedTabColour_(selectedTabColour)
{
    setObjectName(name);
    setGeometry(geometry);
}

void TTabSet::showEvent(QShowEvent* event)
{
    if (styleSheet().isEmpty())
        setStyleSheet(QStringLiteral("QTabBar::tab:selected { background: %1; }")
                          .arg(selectedTabColour_.name()));
    QTabBar::showEvent(event);
}

}  // namespace morvane
