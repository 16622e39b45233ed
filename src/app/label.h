#pragma once
// A label: text drawn from its top-left corner, in the window's face.
// An auto-sized label fits itself to its text whenever the text changes;
// a fixed label keeps the size it was given.

#include <QColor>
#include <QLabel>

namespace morvane {

struct LabelStyle {
    int pixelSize = 11;
    bool bold = false;
    QColor colour = QColor(0, 0, 0);
};

class TLabel : public QLabel {
public:
    // An auto-sized label at `position`.
    TLabel(QWidget* parent, const QString& name, const QString& caption, QPoint position,
           LabelStyle style);
    // A label of fixed size.
    TLabel(QWidget* parent, const QString& name, const QString& caption, QRect geometry,
           LabelStyle style);

    // Hides QLabel::setText so that an auto-sized label follows its text.
    void setText(const QString& text);

    void setFontColour(QColor colour);
    QColor fontColour() const;

    // Paints the label's rectangle in `colour` behind the text.
    void setBackgroundColour(QColor colour);

private:
    void applyStyle(const QString& name, LabelStyle style);

    bool autoSize_;
};

}  // namespace morvane
