// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/FrameExtents.h"

#include <QGuiApplication>
#include <xcb/xcb.h>

FrameExtents::FrameExtents(QObject* parent) : QObject(parent)
{
    const auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return;
    auto* connection = x11->connection();
    static const char name[] = "_NET_FRAME_EXTENTS";
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, sizeof name - 1, name), nullptr);
    if (!reply)
        return;
    m_atom = reply->atom;
    free(reply);
    if (m_atom == XCB_ATOM_NONE)
        return;
    m_connection = connection;
    QCoreApplication::instance()->installNativeEventFilter(this);
}

FrameExtents::~FrameExtents()
{
    if (m_connection && QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

std::optional<QMargins> FrameExtents::of(const QWidget* window) const
{
    if (!m_connection || !window->testAttribute(Qt::WA_WState_Created))
        return std::nullopt;
    auto* connection = static_cast<xcb_connection_t*>(m_connection);
    const auto cookie = xcb_get_property(connection, 0, xcb_window_t(window->winId()), m_atom, XCB_ATOM_CARDINAL, 0, 4);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr);
    if (!reply)
        return std::nullopt;
    std::optional<QMargins> margins;
    if (reply->format == 32 && xcb_get_property_value_length(reply) == 16) {
        // left, right, top, bottom
        const auto* v = static_cast<const quint32*>(xcb_get_property_value(reply));
        margins = QMargins(int(v[0]), int(v[2]), int(v[1]), int(v[3]));
    }
    free(reply);
    return margins;
}

bool FrameExtents::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY) {
        const auto* property = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        if (property->atom == m_atom)
            emit changed(WId(property->window));
    }
    return false; // Qt handles the event as well
}
