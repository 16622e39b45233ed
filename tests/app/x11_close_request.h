#pragma once
// Asks an X11 window to close the way a window manager does when the user
// clicks its close button: a WM_DELETE_WINDOW client message. Shared by the
// end-to-end tests and the start-up timer.

#include <X11/Xlib.h>

inline void sendCloseRequest(Display* display, Window window)
{
    XEvent message{};
    message.xclient.type = ClientMessage;
    message.xclient.window = window;
    message.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    message.xclient.format = 32;
    message.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    message.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &message);
    XFlush(display);
}
