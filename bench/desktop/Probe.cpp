// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Probe.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <poll.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace probe {

namespace {

QByteArray readProcFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// utime + stime of one stat line; the name in parentheses may itself hold blanks.
long long statTicks(const QByteArray& stat, QString* name = nullptr)
{
    const qsizetype open = stat.indexOf('('), close = stat.lastIndexOf(')');
    if (open < 0 || close < 0)
        return 0;
    if (name)
        *name = QString::fromLocal8Bit(stat.mid(open + 1, close - open - 1));
    const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
    // After the name: state is field 3 of the line, utime field 14 and stime field 15.
    if (fields.size() < 13)
        return 0;
    return fields[11].toLongLong() + fields[12].toLongLong();
}

} // namespace

Ticks ticks(pid_t pid)
{
    Ticks t;
    const QString base = QStringLiteral("/proc/%1").arg(pid);
    t.process = statTicks(readProcFile(base + QStringLiteral("/stat")));
    long long most = -1;
    for (const QString& task : QDir(base + QStringLiteral("/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QString name;
        const long long n = statTicks(readProcFile(base + QStringLiteral("/task/") + task + QStringLiteral("/stat")), &name);
        t.threads += n;
        if (n > most) {
            most = n;
            t.busiest = name;
        }
    }
    return t;
}

Ticks difference(const Ticks& before, const Ticks& after)
{
    return {after.threads - before.threads, after.process - before.process, after.busiest};
}

bool hasThread(pid_t pid, const QByteArray& prefix)
{
    const QString base = QStringLiteral("/proc/%1/task").arg(pid);
    for (const QString& task : QDir(base).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (readProcFile(base + u'/' + task + QStringLiteral("/comm")).startsWith(prefix))
            return true;
    return false;
}

double residentMegabytes(pid_t pid)
{
    const QByteArray status = readProcFile(QStringLiteral("/proc/%1/status").arg(pid));
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("VmRSS:\\s+(\\d+) kB")).match(QString::fromLatin1(status));
    return m.hasMatch() ? m.captured(1).toDouble() / 1024.0 : 0.0;
}

MapWatcher::MapWatcher()
{
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return;
    }
    m_connection = c;
    m_root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, m_root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);
}

MapWatcher::~MapWatcher()
{
    if (m_connection)
        xcb_disconnect(m_connection);
}

unsigned MapWatcher::atom(const char* name)
{
    auto cookie = xcb_intern_atom(m_connection, 0, uint16_t(strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> reply(xcb_intern_atom_reply(m_connection, cookie, nullptr), free);
    return reply ? reply->atom : 0;
}

bool MapWatcher::isMainWindowOf(unsigned window, pid_t pid)
{
    auto property = [&](const char* name) -> uint32_t {
        auto cookie = xcb_get_property(m_connection, 0, window, atom(name), XCB_ATOM_ANY, 0, 1);
        std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> reply(
            xcb_get_property_reply(m_connection, cookie, nullptr), free);
        if (!reply || xcb_get_property_value_length(reply.get()) < 4)
            return 0;
        return *static_cast<uint32_t*>(xcb_get_property_value(reply.get()));
    };
    return property("_NET_WM_PID") == uint32_t(pid) &&
           property("_NET_WM_WINDOW_TYPE") == atom("_NET_WM_WINDOW_TYPE_NORMAL");
}

bool MapWatcher::waitForMainWindow(pid_t pid, int timeoutMs)
{
    if (!m_connection)
        return false;
    const int fd = xcb_get_file_descriptor(m_connection);
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < timeoutMs) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
            const int type = event->response_type & 0x7f;
            bool mapped = false;
            if (type == XCB_CREATE_NOTIFY) {
                // Each new top-level window tells us itself when it is mapped, even once the window
                // manager has put it into a frame.
                const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
                const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
                xcb_change_window_attributes(m_connection, created->window, XCB_CW_EVENT_MASK, &mask);
                xcb_flush(m_connection);
            } else if (type == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                mapped = isMainWindowOf(map->window, pid);
            }
            free(event);
            if (mapped)
                return true;
        }
        if (xcb_connection_has_error(m_connection))
            return false;
        pollfd p{fd, POLLIN, 0};
        poll(&p, 1, 50);
    }
    return false;
}

} // namespace probe
