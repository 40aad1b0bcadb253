// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The record of play as the game sees it: words handed in on the board's thread are written on a
// thread of their own, in order, so the board never waits for the disk. The file is opened when
// the first word is handed in. When it cannot be opened or written, recording stops for the run
// and `recordingOff` says why, once.
#include "record/WordRecord.h"

#include <QObject>
#include <QString>

class QThread;

namespace record {

class RecordWriter;

class RecordStore : public QObject {
    Q_OBJECT
public:
    explicit RecordStore(QString path, QObject* parent = nullptr);
    ~RecordStore() override; // writes what is waiting, then ends the thread

    const QString& path() const { return m_path; }
    bool isOff() const { return m_off; }
    bool isOpen() const { return m_thread != nullptr; }

    void record(const WordRecord& word);
    // Removes one child's words (or all words, for an empty name); `removed` follows.
    void remove(const QString& name);
    // Blocks until everything handed in so far is written (tests and the closing program).
    void flush();

signals:
    void recordingOff(const QString& path, const QString& reason);
    void written();
    void removed();

private:
    void start();
    void fail(const QString& reason);

    QString m_path;
    QThread* m_thread = nullptr;
    RecordWriter* m_writer = nullptr;
    bool m_off = false;
};

} // namespace record
