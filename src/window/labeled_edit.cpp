#include "labeled_edit.h"

#include <QPainter>

#include "frame_strips.h"
#include "window_font.h"

using namespace Qt::StringLiterals;

namespace morvane {

namespace {
constexpr int kLabelSpacing = 3;
// Inside the border: one pixel of white above and below the text, two to
// its left and right.
constexpr QMargins kTextMargins(2, 1, 2, 1);
}

LabeledEdit::LabeledEdit(QWidget* parent, const QString& name, QRect geometry,
                           const QString& caption, LabelStyle captionStyle,
                           const QString& text)
    : QLineEdit(text, parent),
      editLabel_(new TextLabel(parent, name + u"Label"_s, caption, QPoint(),
                            captionStyle))
{
    setObjectName(name);
    setAccessibleName(caption);
    setFont(windowFont());
    // Drawn by hand rather than with a style sheet: the style sheet machinery
    // costs start-up a millisecond for two colours and a border.
    setFrame(false);
    setTextMargins(kTextMargins);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    setPalette(colours);
    setGeometry(geometry);
    editLabel_->move(geometry.left(),
                     geometry.top() - kLabelSpacing - editLabel_->height());
}

void LabeledEdit::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    fillFrame(painter, rect(), Qt::black);
    // Focus thickens the frame inwards, black on the white box.
    if (hasFocus())
        fillFrame(painter, rect().adjusted(1, 1, -1, -1), Qt::black);
}

}  // namespace morvane
