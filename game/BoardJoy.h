// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small celebrations on the board: the tiles of a solved word hop, a new token pops in, and
// confetti falls when a game is won. They run beside the game, never holding up or reordering
// its steps, and cost nothing while none runs (Qt's animation timer stops with the last one).
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <vector>

class QVariantAnimation;

class BoardJoy : public QObject {
    Q_OBJECT
public:
    explicit BoardJoy(QWidget* board);
    ~BoardJoy() override;

    void hop(const std::vector<QWidget*>& tiles);
    void pop(QWidget* token);
    void confetti();
    // Ends every celebration at once and puts each element back in its place.
    void stop();
    // The board was laid out anew: hops and pops end, the confetti covers the new board.
    void boardLaidOut();
    bool running() const;
    QWidget* confettiLayer() const { return m_layer; }

private:
    struct Home {
        QPointer<QWidget> widget;
        QRect geometry;
    };
    void finish(QPointer<QVariantAnimation>& animation, std::vector<Home>& homes);

    QWidget* m_board;
    QPointer<QVariantAnimation> m_hop;
    QPointer<QVariantAnimation> m_pop;
    QPointer<QVariantAnimation> m_fall;
    std::vector<Home> m_hopping;
    std::vector<Home> m_popping;
    QPointer<QWidget> m_layer;
};
