#pragma once
// A circle control: a disc filled with its brush colour inside a 1-pixel
// outline, filling the control's square. The detector markers are shapes
// laid over the soil profile charts.

#include <QColor>
#include <QWidget>

namespace morvane {

class CircleMarker : public QWidget {
public:
    CircleMarker(QWidget* parent, const QString& name, QRect geometry, QColor outline, QColor fill);

    QColor fillColour() const { return fill_; }
    void setFillColour(QColor colour);
    QColor outlineColour() const { return outline_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor outline_;
    QColor fill_;
};

}  // namespace morvane
