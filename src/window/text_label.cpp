#include "text_label.h"

#include <QAccessible>

#include "window_font.h"

using namespace Qt::StringLiterals;

namespace morvane {

TextLabel::TextLabel(QWidget* parent, const QString& name, const QString& caption, QPoint position,
               LabelStyle style)
    : QLabel(parent), autoSize_(true)
{
    applyStyle(name, style);
    move(position);
    setText(caption);
}

TextLabel::TextLabel(QWidget* parent, const QString& name, const QString& caption, QRect geometry,
               LabelStyle style)
    : QLabel(parent), autoSize_(false)
{
    applyStyle(name, style);
    setGeometry(geometry);
    setText(caption);
}

void TextLabel::applyStyle(const QString& name, LabelStyle style)
{
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFont(windowFont(style.pixelSize, style.bold));
    setFontColour(style.colour);
}

void TextLabel::setText(const QString& text)
{
    QLabel::setText(text);
    if (autoSize_)
        resize(sizeHint());
    if (!spokenMeaning_.isEmpty())
        describeValue();
}

void TextLabel::setSpokenMeaning(const QString& meaning, const QString& unit)
{
    spokenMeaning_ = meaning;
    spokenUnit_ = unit;
}

void TextLabel::describeValue()
{
    QString value = text();
    if (value.endsWith(u'%'))
        value = value.chopped(1) + u" percent"_s;
    else if (!spokenUnit_.isEmpty())
        value += u' ' + spokenUnit_;
    const QString description = spokenMeaning_ + u", "_s + value;
    if (description == accessibleDescription())
        return;
    setAccessibleDescription(description);
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

void TextLabel::setFontColour(QColor colour)
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colour);
    setPalette(colours);
}

QColor TextLabel::fontColour() const { return palette().color(QPalette::WindowText); }

void TextLabel::setBackgroundColour(QColor colour)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colour);
    setPalette(colours);
    setAutoFillBackground(true);
}

}  // namespace morvane

namespace morvane {

void TextLabel::fitWidthToText() { resize(sizeHint().width(), height()); }

}  // namespace morvane
