// Kept apart from the rest: Xlib's macros (None, Bool, Status...) clash with Qt and GoogleTest.
#include <QByteArray>

#ifdef DAUBRIX_E2E_X11
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#endif

// With no window manager nobody turns _NET_CLOSE_WINDOW into a close request, and
// xdotool's windowclose destroys the window outright; so the message a window manager
// sends for its close button goes to the window directly.
bool SendCloseRequest(const QByteArray& display, unsigned long window)
{
#ifdef DAUBRIX_E2E_X11
    Display* connection = XOpenDisplay(display.constData());
    if (!connection)
        return false;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(connection, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(connection, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const bool sent = XSendEvent(connection, window, False, NoEventMask, &event) != 0;
    XSync(connection, False);
    XCloseDisplay(connection);
    return sent;
#else
    (void)display;
    (void)window;
    return false;
#endif
}
