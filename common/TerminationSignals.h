// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (a desktop session ending, Ctrl+C in a terminal, a closed
// terminal) into a request that the event loop delivers, so the game can end as its close box
// would: placement saved, music closed. A second signal of the same kind ends the program at once,
// in case the first one finds it stuck.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void requested();

private:
    QSocketNotifier* m_notifier = nullptr;
};
