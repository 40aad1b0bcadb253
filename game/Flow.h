// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bookkeeping for the game's paced procedures. After every co_await a procedure asks its guard
// whether it may go on: the window must still exist, must not be closing, and (for procedures
// tied to one word) no newer word may have been drawn meanwhile.
#include "game/wupp.h"

struct BusyScope {
    explicit BusyScope(wupp* w) : window(w) { ++w->m_busy; }
    ~BusyScope()
    {
        if (window)
            --window->m_busy;
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
    QPointer<wupp> window;
};

struct FlowGuard {
    explicit FlowGuard(wupp* w) : window(w), serial(w->m_wordSerial) {}
    // The window is still there and not closing.
    bool windowAlive() const { return window && !window->m_closing; }
    // ... and still on the same word.
    bool sameWord() const { return windowAlive() && window->m_wordSerial == serial; }
    QPointer<wupp> window;
    quint32 serial;
};
