// Asks an X11 window to close as a window manager would (see x11_close_request.h).
// Usage: send_close_request WINDOW_ID   (decimal or 0x-prefixed hexadecimal)

#include "x11_close_request.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s WINDOW_ID\n", argv[0]);
        return 2;
    }
    const Window window = std::strtoul(argv[1], nullptr, 0);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open the display\n");
        return 2;
    }
    sendCloseRequest(display, window);
    XSync(display, False);
    XCloseDisplay(display);
    return 0;
}
