#include "ui/frame/WindowFocus.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>

namespace WindowFocus {

namespace {

xcb_atom_t Atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(qstrlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

// A window manager that follows the desktop's conventions names its window
// on the root window.
bool WindowManagerRuns(xcb_connection_t* c, xcb_window_t root)
{
    const xcb_atom_t check = Atom(c, "_NET_SUPPORTING_WM_CHECK");
    if (check == XCB_ATOM_NONE)
        return false;
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(c, xcb_get_property(c, 0, root, check, XCB_ATOM_WINDOW, 0, 1), nullptr);
    const bool runs = reply && xcb_get_property_value_length(reply) >= int(sizeof(xcb_window_t));
    std::free(reply);
    return runs;
}

// The window is mapped: with a window manager it is asked for the focus (for
// the user's action at userTime, or on the user's behalf when that is not
// known); without one the focus is set, as of now.
void FocusOnX11(QWindow* window, quint32 userTime)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return;
    xcb_connection_t* c = x11->connection();
    const auto id = xcb_window_t(window->winId());
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    if (!screen)
        return;
    if (WindowManagerRuns(c, screen->root)) {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = id;
        message.type = Atom(c, "_NET_ACTIVE_WINDOW");
        message.data.data32[0] = userTime ? 1 : 2; // an application's own request, or a pager's
        message.data.data32[1] = userTime ? userTime : XCB_CURRENT_TIME;
        xcb_send_event(c, 0, screen->root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&message));
    } else {
        xcb_set_input_focus(c, XCB_INPUT_FOCUS_PARENT, id, XCB_CURRENT_TIME);
    }
    xcb_flush(c);
}

// Runs FocusOnX11 once the window is on the screen: a window shown just now
// from the tray is not mapped yet, and the server refuses the focus to an
// unmapped window.
class WhenExposed : public QObject
{
public:
    WhenExposed(QWindow* window, quint32 userTime) : QObject(window), m_window(window), m_userTime(userTime)
    {
        window->installEventFilter(this);
        QTimer::singleShot(2000, this, [this] { deleteLater(); }); // never shown: nothing to do
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::Expose && m_window->isExposed()) {
            m_window->removeEventFilter(this);
            QTimer::singleShot(0, m_window,
                               [window = m_window, time = m_userTime] { FocusOnX11(window, time); });
            deleteLater();
        }
        return false;
    }

private:
    QPointer<QWindow> m_window;
    quint32 m_userTime;
};

} // namespace

quint32 StartupTime(const QString& startupId)
{
    static const QRegularExpression time(QStringLiteral("_TIME([0-9]{1,10})$"));
    const QRegularExpressionMatch match = time.match(startupId);
    if (!match.hasMatch())
        return 0;
    bool ok = false;
    const qulonglong value = match.captured(1).toULongLong(&ok);
    return ok && value <= 0xFFFFFFFFull ? quint32(value) : 0;
}

void Take(QWidget* window, const QString& token)
{
    const QString platform = QGuiApplication::platformName();
    if (platform.startsWith(QLatin1String("wayland"))) {
        // Qt reads the token from the environment when it asks for the
        // focus; used once, it is never passed on to programs started later.
        if (!token.isEmpty())
            qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
        window->activateWindow();
        qunsetenv("XDG_ACTIVATION_TOKEN");
        return;
    }
    window->activateWindow();
    if (platform != QLatin1String("xcb") || !window->windowHandle())
        return;
    QWindow* handle = window->windowHandle();
    if (handle->isExposed())
        FocusOnX11(handle, StartupTime(token));
    else
        new WhenExposed(handle, StartupTime(token));
}

} // namespace WindowFocus
