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

class TextLabel : public QLabel {
    Q_OBJECT

public:
    // An auto-sized label at `position`.
    TextLabel(QWidget* parent, const QString& name, const QString& caption, QPoint position,
           LabelStyle style);
    // A label of fixed size.
    TextLabel(QWidget* parent, const QString& name, const QString& caption, QRect geometry,
           LabelStyle style);

    // Hides QLabel::setText so that an auto-sized label follows its text.
    void setText(const QString& text);

    // A result label read as its meaning and value, "Soil water deficit,
    // 25 mm" or "Light soil storage, 29 percent", in its accessible
    // description; each new text is announced to screen readers.
    void setSpokenMeaning(const QString& meaning, const QString& unit);

    void setFontColour(QColor colour);
    QColor fontColour() const;

    // Paints the label's rectangle in `colour` behind the text.
    void setBackgroundColour(QColor colour);

    // A label of fixed size keeps its height and takes the width its text
    // needs, so that none of the text is cut.
    void fitWidthToText();

private:
    void applyStyle(const QString& name, LabelStyle style);

    void describeValue();

    bool autoSize_;
    QString spokenMeaning_;
    QString spokenUnit_;
};

}  // namespace morvane
