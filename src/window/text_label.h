#pragma once
// A label: plain text drawn from its top-left corner, in the window's face.
// It never cuts its text: an auto-sized label is as large as its text; a
// label in a box keeps the box's place and height and is as wide as the box
// or as its text, whichever is wider.
//
// A TextLabel is no QLabel: setText below is the only way to change its
// text, so no call through a base class can skip the sizing or the spoken
// name. Screen readers see a static text named after the label's accessible
// name, or after its text when it has none.

#include <QColor>
#include <QWidget>

#include <optional>

namespace morvane {

struct LabelStyle {
    int pixelSize = 11;
    bool bold = false;
    QColor colour = QColor(0, 0, 0);
};

class TextLabel : public QWidget {
    Q_OBJECT

public:
    // An auto-sized label at `position`.
    TextLabel(QWidget* parent, const QString& name, const QString& text, QPoint position,
              LabelStyle style);
    // A label in `box`.
    TextLabel(QWidget* parent, const QString& name, const QString& text, QRect box,
              LabelStyle style);

    QString text() const { return text_; }
    // Shows `text`, sizes the label to it and, for a result label, speaks it.
    void setText(const QString& text);

    // Makes this a result label, read as its meaning and its value: with
    // ("Applied depth", "mm") the text "25" is named "Applied depth: 25 mm",
    // with ("Light soil storage", "") the text "29%" is named "Light soil
    // storage: 29 percent". Each new value is announced to screen readers.
    void setSpokenMeaning(const QString& meaning, const QString& unit);

    void setFontColour(QColor colour);
    QColor fontColour() const;

    // Paints the label's rectangle in `colour` behind the text.
    void setBackgroundColour(QColor colour);

    // The size of the text.
    QSize sizeHint() const override;

signals:
    // After every change of the text, once the label has its new size.
    void textChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    // A new font refits the label to its text, so a smaller or larger face
    // never cuts it.
    void changeEvent(QEvent* event) override;

private:
    TextLabel(QWidget* parent, const QString& name, LabelStyle style, std::optional<QSize> box);
    void fitToText();
    void speakValue();

    QString text_;
    std::optional<QSize> box_;  // none for an auto-sized label
    QString spokenMeaning_;
    QString spokenUnit_;
};

}  // namespace morvane
