#include "startup.h"

#include <QGuiApplication>
#include <QScreen>

#include <memory>

#include "MainFormU.h"
#include "application.h"
#include "bundled_fonts.h"
#include "display_failure.h"
#include "floating_point_environment.h"
#include "number_format_settings.h"

namespace morvane {
namespace {

void showCentred(QWidget& window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->geometry().center() - window.rect().center());
    window.show();
}

}  // namespace

int runApplication(TApplication& application, const std::function<void()>& createMainWindow)
{
    try {
        createMainWindow();
    } catch (...) {
        application.showApplicationError(std::current_exception());
        return 1;
    }
    return application.exec();
}

int runMorvane(int& argc, char** argv)
{
    resetFloatingPointEnvironment();
    loadNumberFormatSettings();
    beginDisplayFailureReport(argc, argv);
    TApplication application(argc, argv);
    endDisplayFailureReport();
    std::unique_ptr<TForm1> Form1;
    return runApplication(application, [&] {
        loadBundledFonts();
        Form1 = std::make_unique<TForm1>();
        showCentred(*Form1);
    });
}

}  // namespace morvane
