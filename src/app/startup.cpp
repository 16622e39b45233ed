#include "startup.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "application.h"
#include "floating_point_environment.h"
#include "number_format_settings.h"

namespace morvane {

void prepareProcess()
{
    resetFloatingPointEnvironment();
    loadNumberFormatSettings();
}

int runApplication(Application& application, const std::function<void()>& createMainWindow)
{
    try {
        createMainWindow();
    } catch (...) {
        application.showApplicationError(std::current_exception());
        return 1;
    }
    return application.exec();
}

void showCentred(QWidget& window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->geometry().center() - window.rect().center());
    window.show();
}

}  // namespace morvane
