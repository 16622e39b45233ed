#pragma once
// The start-up of the program, from the first instruction to the end of the
// event loop.

#include <functional>

namespace morvane {

class TApplication;

// The whole program: resets the floating-point state, loads the number
// format settings, creates the application object, builds and shows the main
// window and runs the event loop. Returns the exit code: 0 when the window
// has been closed, 1 when the start-up itself failed.
int runMorvane(int& argc, char** argv);

// Runs createMainWindow and then the event loop. A failure escaping
// createMainWindow is shown in the "Application Error" box and ends the
// start-up with exit code 1; otherwise the result is the event loop's.
int runApplication(TApplication& application, const std::function<void()>& createMainWindow);

}  // namespace morvane
