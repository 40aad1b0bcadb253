// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader is told about the board: the letter cards are buttons it can press, and
// one status line names what has just happened (a hit, a miss, a word solved or lost, whose turn
// it is, the winner). The status line draws nothing; its name is what changes.
#include <QWidget>

class StatusLine : public QWidget {
    Q_OBJECT
public:
    explicit StatusLine(QWidget* parent = nullptr);
    // Names the news; a reader hears it as the status line's name changes.
    void tell(const QString& text);
};

// Makes the board's own controls known to the accessibility bridge with their roles; once per run.
void installBoardAccessibility();
