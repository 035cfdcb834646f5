// Starts a program and reports how long it took until its top-level window
// with the given title was mapped, and its resident memory once it settled.
//
//   time_to_window <title> <settle ms> <program> [args...]
//
// Prints: "<milliseconds to map> <resident KiB>".

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

// The title as the window manager shows it: _NET_WM_NAME, in UTF-8 (a title
// outside ASCII reaches WM_NAME in the locale's form).
bool hasTitle(Display* display, Window window, const char* title)
{
    Atom type;
    int format;
    unsigned long items, after;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False), 0, 1024, False,
                           XInternAtom(display, "UTF8_STRING", False), &type, &format, &items, &after, &data)
            != Success
        || !data)
        return false;
    const bool match = std::string(reinterpret_cast<char*>(data), items) == title;
    XFree(data);
    return match;
}

long residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: time_to_window <title> <settle ms> <program> [args...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execv(argv[3], argv + 3);
        _exit(127);
    }
    double mappedMs = -1;
    const auto deadline = start + std::chrono::seconds(20);
    while (mappedMs < 0 && std::chrono::steady_clock::now() < deadline) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && hasTitle(display, event.xmap.window, argv[1]))
                mappedMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        }
        if (mappedMs < 0)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    long rss = -1;
    if (mappedMs >= 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(std::stoi(argv[2])));
        rss = residentKiB(child);
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (mappedMs < 0) {
        std::fprintf(stderr, "no window titled %s\n", argv[1]);
        return 1;
    }
    std::printf("%.1f %ld\n", mappedMs, rss);
    return 0;
}
