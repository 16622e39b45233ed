#pragma once
// A panel: a rectangle in its own colour with a one-pixel raised bevel.

#include <QColor>
#include <QFrame>

namespace morvane {

class Panel : public QFrame {
public:
    Panel(QWidget* parent, const QString& name, QRect geometry, QColor colour);

    void setColor(QColor colour);
};

}  // namespace morvane
