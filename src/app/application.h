#pragma once
// The application object: owns the event loop, the title and the error box.
// Qt does not carry exceptions through its event delivery, so a failure is
// caught where the program's own code is entered (a button's handler, the
// window's creation, a chart's after-draw handler) and handed to
// handleException() or reportFailures(); the handler simply stops there.

#include <QApplication>
#include <QString>

#include <exception>
#include <functional>

#include "error_reporter.h"

namespace morvane {

class Exception;

class Application : public QApplication {
    Q_OBJECT

public:
    Application(int& argc, char** argv);

    // The running application object (null when the application object is
    // not of this class).
    static Application* instance();

    // The title derived from the executable's file name; the caption of every
    // error box.
    QString title() const { return title_; }

    // Replaces the error box; nullptr brings back the real one. The reporter
    // is not owned and must outlive its use.
    void setErrorReporter(ErrorReporter* reporter);

    // The application exception handler: shows the failure being handled.
    // A morvane::Exception gets the ordinary error box; anything else the
    // "Application Error" box. The program carries on in both cases.
    void handleException(std::exception_ptr failure);

    // Runs `action`; a failure escaping it is shown by handleException() and
    // the caller carries on. Without an application object of this class the
    // failure propagates.
    static void reportFailures(const std::function<void()>& action);

    // Shows the failure as handleException() does, once control is back in
    // the event loop: for failures caught while a widget paints, where no
    // box may open. Without an application object the failure is rethrown.
    static void reportLater(std::exception_ptr failure);

    // The box for a failure that ends the start-up.
    void showApplicationError(std::exception_ptr failure);

protected:
    bool event(QEvent* event) override;

private:
    void prepareForErrorBox();
    void showErrorBoxFor(const Exception& failure);
    ErrorReporter& reporter();

    QString title_;
    MessageBoxReporter messageBox_;
    ErrorReporter* substitute_ = nullptr;
};

}  // namespace morvane
