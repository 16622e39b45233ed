#pragma once
// The white panel of the soil inputs and results: the root zone, the daily
// crop water use and the days since the last irrigation; the soil water
// deficit, the storage of both soils with their warnings, and the depths of
// the light soil's two detectors. Each result label is named after its
// result (result_names.h), and the window fills it by that name.

#include "panel.h"

namespace morvane {

class LabeledEdit;
class TextLabel;

class SoilInputsPage : public Panel {
public:
    explicit SoilInputsPage(QWidget* parent);

    QString rootZoneText() const;
    QString cropWaterUseText() const;
    QString daysText() const;

    // The deep detector's caption and depth; the "mm" beside them stays.
    void showDeepDetector(bool shown);

    LabeledEdit* rootZoneEdit() const { return rootZone_; }
    LabeledEdit* cropWaterUseEdit() const { return cropWaterUse_; }
    LabeledEdit* daysEdit() const { return days_; }

private:
    LabeledEdit* rootZone_;
    LabeledEdit* cropWaterUse_;
    LabeledEdit* days_;
    TextLabel* deepCaption_;
    TextLabel* deepDepth_;
};

}  // namespace morvane
