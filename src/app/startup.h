#pragma once
// The frame around the program's one window: the process set-up before the
// application object exists, and the run of the event loop.

#include <functional>

class QPoint;
class QRect;
class QSize;
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

// The top-left corner for a window frame of frameSize centred in the
// available area of a screen (the screen less its panels). A frame larger
// than the area keeps its top-left corner in the area, so the title bar
// stays on the screen: an 841 x 628 frame in 1024 x 600 goes to (91, 0),
// the same frame in 1280 x 1024 to (219, 198).
QPoint centredFramePosition(const QRect& available, const QSize& frameSize);

// Shows the window centred in the primary screen's available area.
void showCentred(QWidget& window);

// Once the shown `window` has drawn its first frame, gives the heap memory
// that start-up used and freed (layout, decoding, parsing) back to the
// system, so that it is not counted against the program while it waits.
void trimHeapAfterFirstFrame(QWidget& window);

}  // namespace morvane
