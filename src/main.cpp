// The program: the application object and its one window.

#include <memory>

#include "application.h"
#include "bundled_fonts.h"
#include "main_window.h"
#include "startup.h"

int main(int argc, char** argv)
{
    morvane::prepareProcess();
    morvane::Application application(argc, argv);
    std::unique_ptr<morvane::MainWindow> window;
    return morvane::runApplication(application, [&] {
        morvane::loadBundledFonts();
        window = std::make_unique<morvane::MainWindow>();
        morvane::showCentred(*window);
    });
}
