#include "XSession.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

#if defined(KALVADO_SANITIZE)
// These programs only drive the real game, whose own runs keep their leak
// check. LeakSanitizer's stop-the-world can crash in them at exit while Qt's
// threads still run, failing a test whose game was fine.
extern "C" int __lsan_is_turned_off()
{
    return 1;
}
#endif

namespace kalvado::e2e {

namespace {

pid_t spawn(const std::vector<std::string>& argv, posix_spawn_file_actions_t* actions = nullptr)
{
    std::vector<char*> args;
    for (const auto& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawnp(&pid, args[0], actions, nullptr, args.data(), environ) != 0)
        return -1;
    return pid;
}

} // namespace

bool XSession::waitFor(const std::function<bool()>& done, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (true) {
        if (done())
            return true;
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(15));
    }
}

XSession::XSession()
{
    // Xvfb picks a free display itself and writes its number to the pipe.
    int fds[2];
    if (pipe(fds) != 0)
        return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 3);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    m_server = spawn({"Xvfb", "-displayfd", "3", "-screen", "0", "1800x1200x24", "-nolisten", "tcp"}, &actions);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    std::string number;
    char c;
    while (m_server > 0 && read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(fds[0]);
    if (number.empty())
        return;
    m_name = ":" + number;
    setenv("DISPLAY", m_name.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        char runtime[] = "/tmp/kalvado-e2e-XXXXXX";
        if (mkdtemp(runtime))
            setenv("XDG_RUNTIME_DIR", runtime, 1);
    }
    startSessionBus();
    m_display = XOpenDisplay(m_name.c_str());
    // A window may go between finding it and asking about it (the program
    // ending, a box closing); that is no reason for the test to end.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
}

XSession::~XSession()
{
    for (pid_t pid : m_children)
        stop(pid);
    if (m_dbus > 0) {
        kill(m_dbus, SIGTERM);
        unsetenv("DBUS_SESSION_BUS_ADDRESS");
        unsetenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON");
    }
    if (m_display)
        XCloseDisplay(m_display);
    if (m_server > 0) {
        kill(m_server, SIGTERM);
        waitpid(m_server, nullptr, 0);
    }
}

pid_t XSession::start(const std::vector<std::string>& argv)
{
    const pid_t pid = spawn(argv);
    if (pid > 0)
        m_children.push_back(pid);
    return pid;
}

bool XSession::running(pid_t pid)
{
    return waitpid(pid, nullptr, WNOHANG) == 0;
}

bool XSession::waitExit(pid_t pid, int timeoutMs, int* exitCode)
{
    int status = 0;
    const bool ended = waitFor([&] { return waitpid(pid, &status, WNOHANG) == pid; }, timeoutMs);
    if (ended) {
        std::erase(m_children, pid);
        if (exitCode)
            *exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    return ended;
}

void XSession::stop(pid_t pid)
{
    if (waitpid(pid, nullptr, WNOHANG) != 0)
        return;
    kill(pid, SIGTERM);
    if (!waitFor([&] { return waitpid(pid, nullptr, WNOHANG) == pid; }, 2000)) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    std::erase(m_children, pid);
}

std::vector<std::pair<Window, std::string>> XSession::topLevelTitles(bool viewableOnly)
{
    std::vector<std::pair<Window, std::string>> found;
    Window root, parent, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(m_display, DefaultRootWindow(m_display), &root, &parent, &children, &count))
        return found;
    const Atom netName = XInternAtom(m_display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(m_display, "UTF8_STRING", False);
    for (unsigned i = 0; i < count; ++i) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(m_display, children[i], &attributes))
            continue;
        if (viewableOnly && attributes.map_state != IsViewable)
            continue;
        Atom type;
        int format;
        unsigned long items, after;
        unsigned char* data = nullptr;
        std::string title;
        if (XGetWindowProperty(m_display, children[i], netName, 0, 1024, False, utf8, &type, &format, &items, &after,
                               &data) == Success && data) {
            title.assign(reinterpret_cast<char*>(data), items);
            XFree(data);
        } else {
            char* name = nullptr;
            if (XFetchName(m_display, children[i], &name) && name) {
                title = name;
                XFree(name);
            }
        }
        if (!title.empty())
            found.emplace_back(children[i], title);
    }
    if (children)
        XFree(children);
    return found;
}

Window XSession::findWindow(const std::string& title, bool viewableOnly)
{
    for (const auto& [window, name] : topLevelTitles(viewableOnly))
        if (name == title)
            return window;
    return 0;
}

Window XSession::waitWindow(const std::string& title, int timeoutMs)
{
    Window found = 0;
    waitFor([&] { return (found = findWindow(title)) != 0; }, timeoutMs);
    return found;
}

bool XSession::waitGone(const std::string& title, int timeoutMs)
{
    return waitFor([&] { return findWindow(title) == 0; }, timeoutMs);
}

QPoint XSession::origin(Window window)
{
    int x = 0, y = 0;
    Window child;
    XTranslateCoordinates(m_display, window, DefaultRootWindow(m_display), 0, 0, &x, &y, &child);
    return {x, y};
}

void XSession::sendClose(Window window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(m_display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(m_display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(m_display, window, False, NoEventMask, &event);
    XFlush(m_display);
}

bool XSession::answersPing(Window window, int timeoutMs)
{
    const Window root = DefaultRootWindow(m_display);
    // The answer comes back to the root window.
    XSelectInput(m_display, root, StructureNotifyMask);
    XEvent stale;
    while (XPending(m_display))
        XNextEvent(m_display, &stale); // the root's other news is of no interest
    static long stamp = 1000;
    const long sent = ++stamp;
    const Atom protocols = XInternAtom(m_display, "WM_PROTOCOLS", False);
    const Atom ping = XInternAtom(m_display, "_NET_WM_PING", False);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(ping);
    event.xclient.data.l[1] = sent;
    event.xclient.data.l[2] = static_cast<long>(window);
    XSendEvent(m_display, window, False, NoEventMask, &event);
    XFlush(m_display);
    return waitFor(
        [&] {
            XEvent reply;
            while (XCheckTypedEvent(m_display, ClientMessage, &reply))
                if (reply.xclient.message_type == protocols && static_cast<Atom>(reply.xclient.data.l[0]) == ping
                    && reply.xclient.data.l[1] == sent)
                    return true;
            return false;
        },
        timeoutMs);
}

void XSession::xdotool(const std::string& arguments)
{
    const std::string command = "xdotool " + arguments + " >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0)
        std::fprintf(stderr, "xdotool %s failed\n", arguments.c_str());
}

void XSession::key(Window window, const std::string& keys)
{
    xdotool("windowfocus --sync " + std::to_string(window) + " key --clearmodifiers " + keys);
}

// xdotool's synchronous move waits for the pointer to move, so a move to
// where the pointer already is would wait out its time limit instead.
std::string XSession::moveArguments(QPoint screen)
{
    Window root = 0, child = 0;
    int x = 0, y = 0, wx = 0, wy = 0;
    unsigned int mask = 0;
    if (XQueryPointer(m_display, DefaultRootWindow(m_display), &root, &child, &x, &y, &wx, &wy, &mask)
        && QPoint(x, y) == screen)
        return {};
    return "mousemove --sync " + std::to_string(screen.x()) + " " + std::to_string(screen.y()) + " ";
}

void XSession::click(QPoint screen, int button)
{
    xdotool(moveArguments(screen) + "click " + std::to_string(button));
}

void XSession::moveTo(QPoint screen)
{
    const std::string move = moveArguments(screen);
    if (!move.empty())
        xdotool(move);
}

// Every program here runs with a session bus, as on a desktop: without one
// Qt's platform services go down a path no player's session takes (and
// leak on the way, on Qt 6.8).
bool XSession::startSessionBus()
{
    FILE* daemon = popen("dbus-daemon --session --fork --print-address=1 --print-pid=1 2>/dev/null", "r");
    if (!daemon)
        return false;
    char address[512] = {}, pid[32] = {};
    const bool read = std::fgets(address, sizeof address, daemon) && std::fgets(pid, sizeof pid, daemon);
    pclose(daemon);
    if (!read)
        return false;
    address[std::strcspn(address, "\n")] = 0;
    m_dbus = static_cast<pid_t>(std::atoi(pid));
    setenv("DBUS_SESSION_BUS_ADDRESS", address, 1);
    return true;
}

bool XSession::startAccessibility()
{
    if (m_dbus <= 0 && !startSessionBus())
        return false;
    setenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1", 1);
    return std::system("dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress"
                       " >/dev/null 2>&1")
           == 0;
}

std::string XSession::accessibilityClient(const std::string& script, pid_t pid)
{
    const std::string command =
        "/usr/bin/python3 " KALVADO_SOURCE_DIR "/tests/e2e/" + script + " " + std::to_string(pid) + " 2>&1";
    std::string out;
    if (FILE* tree = popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, tree)) > 0)
            out.append(buffer, n);
        pclose(tree);
    }
    return out;
}

QImage XSession::grab()
{
    const int width = DisplayWidth(m_display, DefaultScreen(m_display));
    const int height = DisplayHeight(m_display, DefaultScreen(m_display));
    XImage* image = XGetImage(m_display, DefaultRootWindow(m_display), 0, 0, width, height, AllPlanes, ZPixmap);
    QImage out(width, height, QImage::Format_RGB32);
    if (!image)
        return {};
    if (image->bits_per_pixel == 32 && image->red_mask == 0xff0000 && image->blue_mask == 0xff) {
        for (int y = 0; y < height; ++y) {
            const auto* from = reinterpret_cast<const quint32*>(image->data + y * image->bytes_per_line);
            auto* to = reinterpret_cast<QRgb*>(out.scanLine(y));
            for (int x = 0; x < width; ++x)
                to[x] = 0xff000000u | from[x];
        }
        XDestroyImage(image);
        return out;
    }
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const unsigned long p = XGetPixel(image, x, y);
            out.setPixel(x, y, qRgb(static_cast<int>((p >> 16) & 0xff), static_cast<int>((p >> 8) & 0xff),
                                    static_cast<int>(p & 0xff)));
        }
    XDestroyImage(image);
    return out;
}

} // namespace kalvado::e2e
