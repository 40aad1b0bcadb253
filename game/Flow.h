// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bookkeeping for the game's paced procedures. After every co_await a procedure asks its guard
// whether it may go on: the game (and with it the window) must still exist, must not be closing,
// and (for procedures tied to one word) no newer word may have been drawn meanwhile.
#include "game/Game.h"

#include <QPointer>

struct BusyScope {
    explicit BusyScope(Game* g) : game(g) { ++g->m_busy; }
    ~BusyScope()
    {
        if (game)
            --game->m_busy;
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
    QPointer<Game> game;
};

struct FlowGuard {
    explicit FlowGuard(Game* g) : game(g), serial(g->m_wordSerial) {}
    // The game is still there and not closing.
    bool windowAlive() const { return game && !game->m_closing; }
    // ... and still on the same word.
    bool sameWord() const { return windowAlive() && game->m_wordSerial == serial; }
    QPointer<Game> game;
    quint32 serial;
};
