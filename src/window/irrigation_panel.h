#pragma once
// The teal panel across the top of the window: the sprinkler's application
// rate and the irrigation's duration, the depth of water they apply, and the
// "Recalculate" button. The soil inputs page sits on its left. The applied
// depth's label is named after its result (result_names.h), and the window
// fills it by that name.

#include "panel.h"

class QPushButton;

namespace morvane {

class LabeledEdit;
class TextLabel;

class IrrigationPanel : public Panel {
public:
    explicit IrrigationPanel(QWidget* parent);

    QString rateText() const;
    QString durationText() const;

    QPushButton* recalculateButton() const { return recalculate_; }
    LabeledEdit* rateEdit() const { return rate_; }
    LabeledEdit* durationEdit() const { return duration_; }

private:
    LabeledEdit* rate_;
    LabeledEdit* duration_;
    QPushButton* recalculate_;
};

}  // namespace morvane
