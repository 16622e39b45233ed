// Starts a program on the current X display and measures its start-up as a
// user sees it: the time from starting the process until it maps its window
// (found by its title), and the resident memory of the process once the
// window has settled. Then it closes the window the way a window manager
// does (WM_DELETE_WINDOW) and waits for the program to end.
//
// Usage: launch_timer TITLE SETTLE_MS PROGRAM [ARGUMENTS...]
// Prints one line "map_ms=12.345 rss_kb=45678" and exits 0; exits 1 when the
// program ends early, maps no such window within 30 s or does not end within
// 10 s of the close request (it is killed then).
//
// The timer listens for MapNotify on the root window, selected before the
// program is started, so no map is missed and the time is that of the X
// server's event, not of a polling loop.

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include "x11_close_request.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// The window's title: _NET_WM_NAME (UTF-8) if set, else WM_NAME.
std::string windowTitle(Display* display, Window window)
{
    for (const char* property : {"_NET_WM_NAME", "WM_NAME"}) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long remaining = 0;
        unsigned char* data = nullptr;
        const Atom atom = XInternAtom(display, property, False);
        if (XGetWindowProperty(display, window, atom, 0, 1024, False, AnyPropertyType, &type,
                               &format, &count, &remaining, &data) == Success &&
            data) {
            std::string title(reinterpret_cast<char*>(data), count);
            XFree(data);
            if (format == 8 && !title.empty())
                return title;
        }
    }
    return {};
}

// Resident memory of a process in kB, from /proc; -1 when it cannot be read.
long residentKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

bool childEnded(pid_t pid, int* status)
{
    return waitpid(pid, status, WNOHANG) == pid;
}

// Waits for the next X event for up to `timeoutMs`; false on time-out.
bool nextEvent(Display* display, XEvent* event, int timeoutMs)
{
    if (!XPending(display)) {
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        if (poll(&fd, 1, timeoutMs) <= 0)
            return false;
    }
    XNextEvent(display, event);
    return true;
}

// Waits up to `timeoutMs` for the process to end; kills it if it does not.
bool awaitEnd(pid_t pid, int timeoutMs)
{
    int status = 0;
    for (int waited = 0; waited < timeoutMs; waited += 10) {
        if (childEnded(pid, &status))
            return true;
        usleep(10000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s TITLE SETTLE_MS PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    const std::string title = argv[1];
    const int settleMs = std::atoi(argv[2]);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open the display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double start = nowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[3], argv + 3);
        std::perror(argv[3]);
        _exit(127);
    }

    Window mapped = None;
    double mappedAt = 0;
    while (mapped == None && nowMs() - start < 30000) {
        int status = 0;
        if (childEnded(pid, &status)) {
            std::fprintf(stderr, "%s ended before its window was mapped\n", argv[3]);
            return 1;
        }
        XEvent event;
        if (!nextEvent(display, &event, 50) || event.type != MapNotify)
            continue;
        const double eventAt = nowMs();
        if (windowTitle(display, event.xmap.window) == title) {
            mappedAt = eventAt;
            mapped = event.xmap.window;
        }
    }
    if (mapped == None) {
        std::fprintf(stderr, "no window titled \"%s\" was mapped\n", title.c_str());
        awaitEnd(pid, 0);
        return 1;
    }

    usleep(static_cast<useconds_t>(settleMs) * 1000);
    const long rss = residentKb(pid);
    sendCloseRequest(display, mapped);
    const bool ended = awaitEnd(pid, 10000);
    XCloseDisplay(display);
    if (!ended) {
        std::fprintf(stderr, "%s did not end after the close request\n", argv[3]);
        return 1;
    }
    std::printf("map_ms=%.3f rss_kb=%ld\n", mappedAt - start, rss);
    return 0;
}
