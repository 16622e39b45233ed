#pragma once
// A single-line edit with its caption label above it: the label's left edge
// is the edit's left edge and its bottom lies 3 pixels above the edit's top.
// The edit has a flat one-pixel border.

#include <QLineEdit>

#include "label.h"

namespace morvane {

class TLabeledEdit : public QLineEdit {
public:
    // The label is a sibling of the edit named `name` + "Label".
    TLabeledEdit(QWidget* parent, const QString& name, QRect geometry, const QString& caption,
                 LabelStyle captionStyle, const QString& text);

    TLabel* EditLabel() const { return editLabel_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TLabel* editLabel_;
};

}  // namespace morvane
