#pragma once
// Shows an error box. The application owns one; tests put their own in its
// place to see what would have been shown.

#include <QString>

namespace morvane {

class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    // Shows a box with the stop icon and one OK button, modal over the whole
    // application, and returns when it is closed.
    virtual void showErrorBox(const QString& caption, const QString& text) = 0;
};

// The real box: a QMessageBox.
class MessageBoxReporter : public ErrorReporter {
public:
    void showErrorBox(const QString& caption, const QString& text) override;
};

}  // namespace morvane
