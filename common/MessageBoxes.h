// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/Dialogs.h"

#include <QPoint>

// The real message and input boxes, modal over the active window.
class MessageBoxes final : public Dialogs {
public:
    Answer message(const QString& text, const QString& title, Icon icon, Buttons buttons) override;
    // An OK box standing over the game's board: its text and icon grown by `scale` like the
    // board's, the box centred on `centre` (screen pixels).
    Answer notice(const QString& text, const QString& title, Icon icon, double scale, QPoint centre);
    QString input(const QString& prompt, const QString& title, bool password) override;
    std::optional<QString> ask(const QString& prompt, const QString& title, bool password) override;
    QString openFile(const QString& title, const QString& filter) override;
    QString saveFile(const QString& title, const QString& filter, const QString& suggested) override;
};
