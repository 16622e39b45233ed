#pragma once
// The frame around the program's one window: the process set-up before the
// application object exists, and the run of the event loop.

#include <functional>

class QWidget;

namespace morvane {

class Application;

// Resets the floating-point state and loads the number format settings from
// the locale; both come before the application object.
void prepareProcess();

// Runs createMainWindow and then the event loop. A failure escaping
// createMainWindow is shown in the "Application Error" box and ends the
// start-up with exit code 1; otherwise the result is the event loop's (0
// once the window has been closed).
int runApplication(Application& application, const std::function<void()>& createMainWindow);

// Shows the window centred on the primary screen.
void showCentred(QWidget& window);

}  // namespace morvane
