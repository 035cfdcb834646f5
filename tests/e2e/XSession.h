#pragma once

#include <QImage>
#include <QPoint>
#include <QString>

#include <X11/Xlib.h>

#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace kalvado::e2e {

// A private X server with the few things a test needs of it: starting
// programs on it, finding their windows by title, real input through
// xdotool, and the screen's pixels.
class XSession {
public:
    XSession();
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    bool ok() const { return m_display != nullptr; }
    const std::string& name() const { return m_name; }

    pid_t start(const std::vector<std::string>& argv);
    bool running(pid_t pid);
    // Waits up to the timeout for the program to end; true when it did.
    // The status it ended with is then in exitCode: its exit code, or 128
    // plus the signal that ended it.
    bool waitExit(pid_t pid, int timeoutMs, int* exitCode = nullptr);
    void stop(pid_t pid);

    struct Found {
        Window window = 0;
        bool viewable = false;
    };
    std::vector<std::pair<Window, std::string>> topLevelTitles(bool viewableOnly = true);
    Window findWindow(const std::string& title, bool viewableOnly = true);
    Window waitWindow(const std::string& title, int timeoutMs = 5000);
    bool waitGone(const std::string& title, int timeoutMs = 5000);
    QPoint origin(Window window);
    // Asks the window to close, as a window manager's close box does.
    void sendClose(Window window);
    // Pings the window as a window manager does (_NET_WM_PING); true when
    // it answers within the time.
    bool answersPing(Window window, int timeoutMs);

    void xdotool(const std::string& arguments);
    void key(Window window, const std::string& keys);
    void click(QPoint screen, int button = 1);
    void moveTo(QPoint screen);

    QImage grab();

    // A private D-Bus session with the accessibility (AT-SPI) bus running,
    // as a desktop session has it before any program starts; programs started
    // after this expose their accessibility tree there.
    bool startAccessibility();
    // The tree of a program's accessible objects, "role|name|children" a line.
    std::string accessibilityTree(pid_t pid) { return accessibilityClient("atspi_tree.py", pid); }
    // What one of the AT-SPI client scripts beside this file prints about a
    // program.
    std::string accessibilityClient(const std::string& script, pid_t pid);

    static bool waitFor(const std::function<bool()>& done, int timeoutMs);

private:
    bool startSessionBus();
    std::string moveArguments(QPoint screen);

    pid_t m_server = -1;
    std::string m_name;
    Display* m_display = nullptr;
    std::vector<pid_t> m_children;
    pid_t m_dbus = -1;
};

} // namespace kalvado::e2e
