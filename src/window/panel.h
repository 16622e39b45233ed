#pragma once
// A panel: a rectangle in its own colour with a one-pixel raised bevel.
// Screen readers see a pane that groups what it holds (Qt would call a
// frame a border, which the desktop's screen readers take for a window of
// its own, and follow no focus into it).

#include <QColor>
#include <QFrame>

namespace morvane {

class Panel : public QFrame {
    Q_OBJECT

public:
    Panel(QWidget* parent, const QString& name, QRect geometry, QColor colour);

    void setColor(QColor colour);
};

}  // namespace morvane
