#include "application.h"

#include <QEvent>
#include <QFileInfo>
#include <QStyleFactory>
#include <QWidget>

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "application_title.h"
#include "error_text.h"
#include "failures.h"
#include "floating_point_environment.h"
#include "module_info.h"
#include "number_format_settings.h"

using namespace Qt::StringLiterals;

namespace morvane {
namespace {

struct FailureDescription {
    QString className;
    QString message;
};

// The readable name of the type of the exception being handled.
QString currentExceptionTypeName()
{
    const std::type_info* type = abi::__cxa_current_exception_type();
    if (!type)
        return u"Exception"_s;
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> demangled(
        abi::__cxa_demangle(type->name(), nullptr, nullptr, &status), &std::free);
    return QString::fromLatin1(status == 0 ? demangled.get() : type->name());
}

FailureDescription describe(std::exception_ptr failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const Exception& e) {
        return {QString::fromLatin1(e.className()), QString::fromStdString(e.message())};
    } catch (const std::exception& e) {
        return {currentExceptionTypeName(), QString::fromLocal8Bit(e.what())};
    } catch (...) {
        return {currentExceptionTypeName(), QString()};
    }
}

}  // namespace

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv),
      title_(applicationTitleFromFileName(executableFilePath()))
{
    // One widget style on every desktop, so that every control looks and
    // measures the same everywhere.
    setStyle(QStyleFactory::create(u"Fusion"_s));
    setApplicationName(title_);
    // The id of the installed desktop entry: desktops that know a window by
    // it (Wayland) show the entry's name and icon for the window.
    setDesktopFileName(u"net.morvane.Morvane"_s);
}

Application* Application::instance()
{
    return qobject_cast<Application*>(QCoreApplication::instance());
}

void Application::setErrorReporter(ErrorReporter* reporter) { substitute_ = reporter; }

ErrorReporter& Application::reporter()
{
    return substitute_ ? *substitute_ : messageBox_;
}

void Application::reportFailures(const std::function<void()>& action)
{
    try {
        action();
    } catch (...) {
        Application* application = instance();
        if (!application)
            throw;
        application->handleException(std::current_exception());
    }
}

void Application::reportLater(std::exception_ptr failure)
{
    Application* application = instance();
    if (!application)
        std::rethrow_exception(failure);
    QMetaObject::invokeMethod(
        application, [application, failure] { application->handleException(failure); },
        Qt::QueuedConnection);
}

bool Application::event(QEvent* event)
{
    // The user changed the regional settings: the next parse and format use
    // the new decimal separator.
    if (event->type() == QEvent::LocaleChange)
        loadNumberFormatSettings();
    return QApplication::event(event);
}

void Application::prepareForErrorBox()
{
    // A press or drag in progress ends before the box takes the input.
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    // The failure may have left fault flags behind; the next calculation
    // starts clean.
    resetFloatingPointEnvironment();
}

void Application::handleException(std::exception_ptr failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const Exception& e) {
        showErrorBoxFor(e);
    } catch (...) {
        showApplicationError(failure);
    }
}

void Application::showErrorBoxFor(const Exception& failure)
{
    prepareForErrorBox();
    reporter().showErrorBox(title_, QString::fromStdString(withClosingPeriod(failure.message())));
}

void Application::showApplicationError(std::exception_ptr failure)
{
    prepareForErrorBox();
    const FailureDescription description = describe(failure);
    const QString moduleName = QFileInfo(executableFilePath()).fileName();
    const quintptr address = addressWithinModule(__builtin_return_address(0));
    reporter().showErrorBox(applicationErrorCaption(),
                            applicationErrorText(description.className, moduleName,
                                                 address, description.message));
}

}  // namespace morvane
