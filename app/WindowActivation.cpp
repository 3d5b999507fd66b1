#include "app/WindowActivation.h"

#include <QGuiApplication>
#include <QWidget>

#include <X11/Xlib.h>

#include <algorithm>
#include <cstring>

namespace kolvira {

namespace {

// The time of the user's action that launched the request, which an X11
// startup id carries as "..._TIME<milliseconds>"; 0 when it has none.
unsigned long LaunchTime(const QByteArray& startupId) {
    const qsizetype at = startupId.lastIndexOf("_TIME");
    bool ok = false;
    const unsigned long time = at >= 0 ? startupId.mid(at + 5).toULong(&ok) : 0;
    return ok ? time : 0;
}

XEvent NetMessage(Display* display, Window window, const char* type, int format) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.display = display;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, type, False);
    event.xclient.format = format;
    return event;
}

// Tells the launcher the request is served: a "remove" startup-notification
// message, sent to the root window in pieces of 20 bytes.
void EndLaunchFeedback(Display* display, Window window, const QByteArray& startupId) {
    QByteArray quoted = startupId;
    quoted.replace('\\', "\\\\").replace('"', "\\\"");
    const QByteArray message = "remove: ID=\"" + quoted + '"' + '\0';
    for (qsizetype offset = 0; offset < message.size(); offset += 20) {
        XEvent event = NetMessage(display, window,
                                  offset == 0 ? "_NET_STARTUP_INFO_BEGIN" : "_NET_STARTUP_INFO", 8);
        std::memcpy(event.xclient.data.b, message.constData() + offset,
                    std::size_t(std::min<qsizetype>(20, message.size() - offset)));
        XSendEvent(display, DefaultRootWindow(display), False, PropertyChangeMask, &event);
    }
}

// Qt asks the window manager for the focus with the time of the program's
// own last event, which a manager that prevents focus stealing refuses when
// the user has since worked elsewhere; the launch's time is the user's click.
void ActivateOnX11(QWidget* window, const QByteArray& startupId) {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 != nullptr ? x11->display() : nullptr;
    if (display == nullptr)
        return;
    const auto id = Window(window->winId());
    XChangeProperty(display, id, XInternAtom(display, "_NET_STARTUP_ID", False),
                    XInternAtom(display, "UTF8_STRING", False), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(startupId.constData()),
                    int(startupId.size()));
    if (const unsigned long time = LaunchTime(startupId)) {
        XEvent event = NetMessage(display, id, "_NET_ACTIVE_WINDOW", 32);
        event.xclient.data.l[0] = 1; // the request comes from an application
        event.xclient.data.l[1] = long(time);
        XSendEvent(display, DefaultRootWindow(display), False,
                   SubstructureRedirectMask | SubstructureNotifyMask, &event);
    }
    EndLaunchFeedback(display, id, startupId);
    XFlush(display);
}

} // namespace

void BringToFront(QWidget* window, const QString& token) {
    if (window == nullptr)
        return;
    // Cleared of minimized only, so that a maximized window comes back maximized.
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->raise();
    const bool wayland = QGuiApplication::platformName() == QLatin1String("wayland");
    if (wayland && !token.isEmpty()) {
        // Qt's Wayland client hands this token to the compositor with the
        // next activation, then forgets it.
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
    }
    window->activateWindow();
    if (QGuiApplication::platformName() == QLatin1String("xcb") && !token.isEmpty())
        ActivateOnX11(window, token.toUtf8());
}

} // namespace kolvira
