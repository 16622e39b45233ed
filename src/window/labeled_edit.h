#pragma once
// A single-line edit with its caption label above it: the label's left edge
// is the edit's left edge and its bottom lies 3 pixels above the edit's top.
// The edit has a flat one-pixel black border, two pixels wide while the
// edit has the keyboard focus.

#include <QLineEdit>

#include "text_label.h"

namespace morvane {

class LabeledEdit : public QLineEdit {
public:
    // The label is a sibling of the edit named `name` + "Label".
    LabeledEdit(QWidget* parent, const QString& name, QRect geometry, const QString& caption,
                 LabelStyle captionStyle, const QString& text);

    TextLabel* label() const { return editLabel_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TextLabel* editLabel_;
};

}  // namespace morvane
