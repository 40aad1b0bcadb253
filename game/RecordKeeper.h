// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's side of the record of play: each word the round decided is handed to the record as
// it ends, a tricky word comes back in a one-player game, and the progress window opens behind
// the password.
#include "game/Round.h"
#include "game/WordPool.h"

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <memory>

class QWidget;
struct Settings;
namespace record {
class PlayRecorder;
class RecordStore;
}

class RecordKeeper : public QObject {
    Q_OBJECT
public:
    // `window` owns the keeper and is the parent of its messages and of the progress window.
    explicit RecordKeeper(QWidget* window);
    ~RecordKeeper() override;

    // The record, opened when the first word ends, never at start-up.
    record::RecordStore* store();

    // What the round decided, handed over as it is decided. `players` are the names in play.
    void begin(const QString& word, const QStringList& players);
    void guess(QChar letter, const GuessOutcome& outcome);
    void hint();
    // A new game or language starts while a word is open.
    void leftBehind();

    // The next word: a tricky one when it is due, else the draw from the pool. `picturedOnly`:
    // the draw takes only words with a picture.
    WordPool::Drawn draw(WordPool& pool, const Settings& settings, int players, bool picturedOnly);

    // The progress window, behind the password; raised when it is open already.
    void showProgress();
    QDialog* progressWindow() const { return m_progress; }

private:
    record::PlayRecorder& recorder();

    QWidget* m_window;
    std::unique_ptr<record::PlayRecorder> m_recorder;
    record::RecordStore* m_store = nullptr;
    QPointer<QDialog> m_progress;
    int m_practiseDraws = 0; // draws of this run that could bring a tricky word
};
