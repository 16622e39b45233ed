#include "labeled_edit.h"

#include "window_font.h"

namespace morvane {

namespace {
constexpr int kLabelSpacing = 3;
}

TLabeledEdit::TLabeledEdit(QWidget* parent, const QString& name, QRect geometry,
                           const QString& caption, LabelStyle captionStyle,
                           const QString& text)
    : QLineEdit(text, parent),
      editLabel_(new TLabel(parent, name + QStringLiteral("Label"), caption, QPoint(),
                            captionStyle))
{
    setObjectName(name);
    setAccessibleName(caption);
    setFont(windowFont());
    setStyleSheet(QStringLiteral(
        "QLineEdit { border: 1px solid black; background: white; color: black;"
        " padding: 0px 1px; }"));
    setGeometry(geometry);
    editLabel_->move(geometry.left(),
                     geometry.top() - kLabelSpacing - editLabel_->height());
    editLabel_->setBuddy(this);
}

}  // namespace morvane
