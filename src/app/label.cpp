#include "label.h"

#include "window_font.h"

namespace morvane {

TLabel::TLabel(QWidget* parent, const QString& name, const QString& caption, QPoint position,
               LabelStyle style)
    : QLabel(parent), autoSize_(true)
{
    applyStyle(name, style);
    move(position);
    setText(caption);
}

TLabel::TLabel(QWidget* parent, const QString& name, const QString& caption, QRect geometry,
               LabelStyle style)
    : QLabel(parent), autoSize_(false)
{
    applyStyle(name, style);
    setGeometry(geometry);
    setText(caption);
}

void TLabel::applyStyle(const QString& name, LabelStyle style)
{
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFont(windowFont(style.pixelSize, style.bold));
    setFontColour(style.colour);
}

void TLabel::setText(const QString& text)
{
    QLabel::setText(text);
    if (autoSize_)
        resize(sizeHint());
}

void TLabel::setFontColour(QColor colour)
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colour);
    setPalette(colours);
}

QColor TLabel::fontColour() const { return palette().color(QPalette::WindowText); }

void TLabel::setBackgroundColour(QColor colour)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colour);
    setPalette(colours);
    setAutoFillBackground(true);
}

}  // namespace morvane
