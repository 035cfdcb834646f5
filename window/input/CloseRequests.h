#pragma once

#include <QAbstractNativeEventFilter>

#include <functional>

class QWidget;

namespace kalvado {

// Qt drops a close request from the window system to a window that a modal
// box blocks. The game's close box ends the program at once, box or no box,
// so requests for the game window that arrive while a box is open are taken
// here: the box goes, and so do the window and the program, without asking.
// The action that opened the box then runs out without showing anything
// more (closing()).
class CloseRequests : public QAbstractNativeEventFilter {
public:
    explicit CloseRequests(QWidget* window);
    ~CloseRequests() override;
    CloseRequests(const CloseRequests&) = delete;
    CloseRequests& operator=(const CloseRequests&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    bool closing() const { return m_closing; }

private:
    bool isCloseRequest(void* message);

    QWidget* m_window;
    bool m_closing = false;
    std::function<void()> m_atoms; // fetches the two atoms below, once
    quint32 m_protocols = 0;
    quint32 m_deleteWindow = 0;
};

} // namespace kalvado
