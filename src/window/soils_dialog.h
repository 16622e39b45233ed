#pragma once
// The Soils dialog: both slots side by side (SoilSlotEditor), a button that
// brings back the built-in soils, OK and Cancel. OK is enabled only while
// both slots make valid soils.

#include <QDialog>

#include "own_soil.h"

class QPushButton;

namespace morvane {

class SoilSlotEditor;

class SoilsDialog : public QDialog {
    Q_OBJECT

public:
    // Opens on the soils in use.
    SoilsDialog(QWidget* parent, const WindowSoils& current);

    // The soils the fields give; only while OK is enabled.
    WindowSoils soils() const;

    SoilSlotEditor* editor(SoilSlot slot) const { return slot == SoilSlot::light ? light_ : heavy_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* builtInButton() const { return builtIn_; }

private:
    SoilSlotEditor* light_;
    SoilSlotEditor* heavy_;
    QPushButton* ok_;
    QPushButton* builtIn_;
};

}  // namespace morvane
