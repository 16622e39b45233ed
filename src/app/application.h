#pragma once
// The application object: owns the event loop, the title and the error box.
// Every event is processed inside a failure scope, so a failure escaping a
// handler of the window (or a paint) is shown in an error box and never
// crosses the event loop; the handler simply stops there.

#include <QApplication>
#include <QString>

#include <exception>

#include "error_reporter.h"

namespace morvane {

class Exception;

class TApplication : public QApplication {
    Q_OBJECT

public:
    TApplication(int& argc, char** argv);

    // The running application object (null when the application object is
    // not a TApplication).
    static TApplication* instance();

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

    // The box for a failure that ends the start-up.
    void showApplicationError(std::exception_ptr failure);

    bool notify(QObject* receiver, QEvent* event) override;

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
