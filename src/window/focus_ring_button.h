#pragma once
// A push button that shows the keyboard focus plainly: a black ring one
// pixel wide on the button's face, three pixels inside its edge. The style's
// own focus outline changes colour too little to be seen on a teal panel.
// Without the focus the button is exactly the style's button.

#include <QPushButton>

namespace morvane {

class FocusRingButton : public QPushButton {
public:
    FocusRingButton(const QString& text, QWidget* parent);

    // How far inside the button's edge the ring lies, in logical pixels.
    static constexpr int kRingInset = 3;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace morvane
