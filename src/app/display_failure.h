#pragma once
// A desktop without a display to open: the program says which display it
// could not open, in one line on standard error, and ends with exit code 1,
// instead of the window system's long advice and an abort.

namespace morvane {

// Call just before the application object is created, and
// endDisplayFailureReport() just after. In between, when the program is to
// run on the X11 platform (no other platform chosen, no -display option),
// the window system's own start-up messages are held back and its failure
// to start prints
//   morvane: cannot open display ":99"
// or, without a DISPLAY variable,
//   morvane: cannot open a display: DISPLAY is not set
// and ends the process with exit code 1.
void beginDisplayFailureReport(int argc, char** argv);
void endDisplayFailureReport();

}  // namespace morvane
