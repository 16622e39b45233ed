// The program: the application object and its one window.

#include <cstdio>
#include <cstring>
#include <memory>

#include "application.h"
#include "bundled_fonts.h"
#include "display_failure.h"
#include "main_window.h"
#include "startup.h"

int main(int argc, char** argv)
{
    // Answered before any Qt object exists, so it needs no display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            const bool written = std::puts("morvane " MORVANE_VERSION) != EOF && std::fflush(stdout) == 0;
            return written ? 0 : 1;
        }
    }
    morvane::prepareProcess();
    morvane::beginDisplayFailureReport(argc, argv);
    morvane::Application application(argc, argv);
    morvane::endDisplayFailureReport();
    std::unique_ptr<morvane::MainWindow> window;
    return morvane::runApplication(application, [&] {
        morvane::loadBundledFonts();
        window = std::make_unique<morvane::MainWindow>();
        morvane::showCentred(*window);
        morvane::trimHeapAfterFirstFrame(*window);
    });
}
