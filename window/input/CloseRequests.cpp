#include "input/CloseRequests.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>

#if KALVADO_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#endif

namespace kalvado {

namespace {

#if KALVADO_HAVE_XCB
xcb_intern_atom_cookie_t askAtom(xcb_connection_t* connection, const char* name)
{
    return xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(qstrlen(name)), name);
}

quint32 atomOf(xcb_connection_t* connection, xcb_intern_atom_cookie_t cookie)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}
#endif

} // namespace

CloseRequests::CloseRequests(QWidget* window)
    : m_window(window)
{
#if KALVADO_HAVE_XCB
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() == "xcb" && x11 && x11->connection()) {
        // Asked now, answered when first needed: no round trip at start-up.
        xcb_connection_t* connection = x11->connection();
        const xcb_intern_atom_cookie_t protocols = askAtom(connection, "WM_PROTOCOLS");
        const xcb_intern_atom_cookie_t deleteWindow = askAtom(connection, "WM_DELETE_WINDOW");
        m_atoms = [connection, protocols, deleteWindow, this] {
            m_protocols = atomOf(connection, protocols);
            m_deleteWindow = atomOf(connection, deleteWindow);
        };
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
#endif
}

CloseRequests::~CloseRequests()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool CloseRequests::isCloseRequest([[maybe_unused]] void* message)
{
#if KALVADO_HAVE_XCB
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
        return false;
    if (m_atoms) {
        m_atoms();
        m_atoms = nullptr;
    }
    const auto* client = static_cast<const xcb_client_message_event_t*>(message);
    return client->format == 32 && client->type == m_protocols && client->data.data32[0] == m_deleteWindow
           && m_window->windowHandle() && client->window == m_window->winId();
#else
    return false;
#endif
}

bool CloseRequests::nativeEventFilter(const QByteArray& eventType, void* message, qintptr* /*result*/)
{
    if (eventType != "xcb_generic_event_t" || !isCloseRequest(message))
        return false;
    if (!QApplication::activeModalWidget())
        return false; // Qt closes an unblocked window itself
    if (!m_closing) {
        m_closing = true;
        m_window->close();
        QCoreApplication::exit(0);
    }
    return true;
}

} // namespace kalvado
