#pragma once

#include <QAbstractNativeEventFilter>

#include <functional>

class QWidget;

namespace kalvado {

// Qt drops a close request from the window system to a window that a modal
// box blocks. The game's close box ends the program at once, box or no box,
// so requests for the game window that arrive while a box is open are taken
// here and handed to `onBlockedClose`.
class CloseRequests : public QAbstractNativeEventFilter {
public:
    CloseRequests(QWidget* window, std::function<void()> onBlockedClose);
    ~CloseRequests() override;
    CloseRequests(const CloseRequests&) = delete;
    CloseRequests& operator=(const CloseRequests&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    bool isCloseRequest(void* message);

    QWidget* m_window;
    std::function<void()> m_onBlockedClose;
    std::function<void()> m_atoms; // fetches the two atoms below, once
    quint32 m_protocols = 0;
    quint32 m_deleteWindow = 0;
};

} // namespace kalvado
