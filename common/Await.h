// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Awaiting a signal of a window. Unlike a queued wait, this one also ends when the object is
// destroyed before the signal comes, so a flow waiting on a window that closes is never left
// hanging (and its frame never leaks); the flow resumes at once, inside the emission, and must
// check that its window still exists before it goes on.
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <coroutine>

template <typename T, typename Signal>
class SignalOrEnd {
public:
    SignalOrEnd(T* object, Signal signal) : m_object(object), m_signal(signal) {}
    // Moved only before it is awaited, while nothing is connected yet.
    SignalOrEnd(SignalOrEnd&&) noexcept = default;
    SignalOrEnd& operator=(SignalOrEnd&&) = delete;
    ~SignalOrEnd() { disconnect(); }

    bool await_ready() const noexcept { return m_object.isNull(); }
    void await_suspend(std::coroutine_handle<> waiting)
    {
        auto wake = [this, waiting](auto&&...) {
            disconnect();
            waiting.resume();
        };
        m_fired = QObject::connect(m_object.data(), m_signal, wake);
        m_ended = QObject::connect(m_object.data(), &QObject::destroyed, wake);
    }
    void await_resume() const noexcept {}

private:
    void disconnect()
    {
        QObject::disconnect(m_fired);
        QObject::disconnect(m_ended);
    }

    QPointer<T> m_object;
    Signal m_signal;
    QMetaObject::Connection m_fired;
    QMetaObject::Connection m_ended;
};

template <typename T, typename Signal>
SignalOrEnd<T, Signal> signalOrEnd(T* object, Signal signal)
{
    return SignalOrEnd<T, Signal>(object, signal);
}
