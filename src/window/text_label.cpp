#include "text_label.h"

#include <QEvent>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <QStyle>

#include <algorithm>

#include "window_font.h"

using namespace Qt::StringLiterals;

namespace morvane {
namespace {

// From the top-left corner, tabs expanded: as Qt's own labels lay out and
// draw plain text, so that the window's pixels are those of a Qt label.
constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs;

class AccessibleTextLabel : public QAccessibleWidget {
public:
    explicit AccessibleTextLabel(TextLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty())
            text = static_cast<const TextLabel*>(widget())->text();
        return text;
    }
};

QAccessibleInterface* accessibleTextLabel(const QString& className, QObject* object)
{
    if (className != QLatin1StringView(TextLabel::staticMetaObject.className()))
        return nullptr;
    auto* label = qobject_cast<TextLabel*>(object);
    return label != nullptr ? new AccessibleTextLabel(label) : nullptr;
}

}  // namespace

TextLabel::TextLabel(QWidget* parent, const QString& name, LabelStyle style,
                     std::optional<QSize> box)
    : QWidget(parent), box_(box)
{
    static const bool accessible = (QAccessible::installFactory(accessibleTextLabel), true);
    Q_UNUSED(accessible)
    setObjectName(name);
    setFont(windowFont(style.pixelSize, style.bold));
    setFontColour(style.colour);
}

TextLabel::TextLabel(QWidget* parent, const QString& name, const QString& text, QPoint position,
                     LabelStyle style)
    : TextLabel(parent, name, style, std::nullopt)
{
    move(position);
    text_ = text;
    fitToText();
}

TextLabel::TextLabel(QWidget* parent, const QString& name, const QString& text, QRect box,
                     LabelStyle style)
    : TextLabel(parent, name, style, box.size())
{
    move(box.topLeft());
    text_ = text;
    fitToText();
}

void TextLabel::setText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    fitToText();
    update();
    speakValue();
    emit textChanged();
}

QSize TextLabel::sizeHint() const
{
    return fontMetrics().boundingRect(QRect(0, 0, 2000, 2000), kTextFlags, text_).size();
}

void TextLabel::fitToText()
{
    const QSize text = sizeHint();
    resize(box_ ? QSize(std::max(box_->width(), text.width()), box_->height()) : text);
}

void TextLabel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        fitToText();
    QWidget::changeEvent(event);
}

void TextLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    style()->drawItemText(&painter, rect(), kTextFlags | Qt::TextForceLeftToRight, palette(),
                          isEnabled(), text_, foregroundRole());
}

void TextLabel::setSpokenMeaning(const QString& meaning, const QString& unit)
{
    spokenMeaning_ = meaning;
    spokenUnit_ = unit;
    speakValue();
}

void TextLabel::speakValue()
{
    if (spokenMeaning_.isEmpty())
        return;
    QString value = text_;
    if (value.endsWith(u'%'))
        value = value.chopped(1) + u" percent"_s;
    else if (!spokenUnit_.isEmpty())
        value += u' ' + spokenUnit_;
    // Qt tells screen readers of the new name.
    setAccessibleName(spokenMeaning_ + u": "_s + value);
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
