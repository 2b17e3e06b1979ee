// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "x11endings.h"

#include <QApplication>
#include <QWidget>
#include <cstdlib>
#include <xcb/xcb.h>

namespace platform {

X11Endings::X11Endings(QWidget* window) : window(window)
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return;
    xcb_connection_t* connection = x11->connection();
    static constexpr char name[] = "WM_DELETE_WINDOW";
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, sizeof name - 1, name), nullptr);
    if (!reply)
        return;
    deleteWindow = reply->atom;
    std::free(reply);
    qApp->installNativeEventFilter(this);
}

X11Endings::~X11Endings()
{
    if (qApp)
        qApp->removeNativeEventFilter(this);
}

bool X11Endings::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t" || !window->internalWinId())
        return false;
    const auto id = xcb_window_t(window->internalWinId());
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & 0x7f) {
    case XCB_CLIENT_MESSAGE: {
        const auto* client = static_cast<const xcb_client_message_event_t*>(message);
        // Without a modal box Qt delivers the close itself.
        if (client->window == id && client->format == 32 && client->data.data32[0] == deleteWindow &&
            QApplication::activeModalWidget()) {
            emit closeRequested();
            return true;
        }
        break;
    }
    case XCB_DESTROY_NOTIFY:
        if (static_cast<const xcb_destroy_notify_event_t*>(message)->window == id)
            emit windowLost();
        break;
    }
    return false;
}

} // namespace platform
