// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The record of play: each word the round decided is handed to the record as it ends, tricky
// words come back in a one-player game, and the progress window opens behind the password.
#include "game/wupp.h"
#include "vocabulary/WordPictures.h"
#include "common/Allgemein.h"
#include "common/Dialogs.h"
#include "common/Platform.h"
#include "common/Version.h"
#include "game/Rules.h"
#include "i18n/RecordTexts.h"
#include "record/PlayRecorder.h"
#include "record/ProgressReader.h"
#include "record/ProgressWindow.h"
#include "record/RecordDatabase.h"
#include "record/RecordStore.h"
#include "settings/PasswordGate.h"
#include "vocabulary/VocabularyFile.h"

#include <QDir>
#include <QFileInfo>

namespace {
// Of every three draws in a one-player game, this one brings a tricky word back.
constexpr int PractiseEvery = 3;

// The entry of the list that is `word` (in capitals), as the list writes it.
QString entryOf(const QStringList& list, const QString& word)
{
    for (const QString& entry : list)
        if (rules::upper(entry) == word)
            return entry;
    return {};
}
} // namespace

record::PlayRecorder& wupp::recorder()
{
    if (!m_recorder)
        m_recorder = std::make_unique<record::PlayRecorder>([this](const record::WordRecord& w) { keep(w); });
    return *m_recorder;
}

record::RecordStore* wupp::recordStore()
{
    // Opened when the first word ends, never at start-up.
    if (!m_recordStore) {
        m_recordStore = new record::RecordStore(record::recordPath(), this);
        connect(m_recordStore, &record::RecordStore::recordingOff, this, [](const QString& path, const QString& reason) {
            platform().dialogs->message(recordText(RecordText::RecordingOff).arg(QDir::toNativeSeparators(path), reason),
                                        ApplicationTitle, Icon::Exclamation, Buttons::OK);
        });
    }
    return m_recordStore;
}

void wupp::keep(const record::WordRecord& word) { recordStore()->record(word); }

void wupp::recordBegin(const QString& word)
{
    QStringList players;
    for (int p = 0; p < m_round.players(); ++p)
        players << m_settings.names[p];
    recorder().begin(word, g().SprachOffset / 1000, vocabulary::currentFileName(), players);
}

void wupp::recordGuess(QChar letter, const GuessOutcome& outcome)
{
    record::PlayRecorder& r = recorder();
    r.letterTried(letter, !outcome.positions.isEmpty(), outcome.player);
    if (outcome.kind == Guess::Solved || outcome.kind == Guess::Won)
        r.end(record::Outcome::Solved, outcome.stage, outcome.player);
    else if (outcome.kind == Guess::Lost)
        r.end(record::Outcome::Lost, outcome.stage);
}

void wupp::recordHint() { recorder().hintTaken(); }

void wupp::recordLeftBehind()
{
    if (m_recorder)
        m_recorder->leaveBehind();
}

WordPool::Drawn wupp::drawNextWord()
{
    const bool allRepeated = m_settings.allWordsRepeated;
    const bool practise = m_settings.practiseTrickyWords && m_round.players() == 1
                          && !(m_recordStore && m_recordStore->isOff()) && ++m_practiseDraws % PractiseEvery == 0;
    if (practise) {
        const QString listFile = vocabulary::currentFileName();
        const QStringList due = record::ProgressReader(record::recordPath())
                                    .practiseWords(m_settings.names[0], g().SprachOffset / 1000, listFile,
                                                   QDateTime::currentDateTime());
        QStringList list; // the whole list, read only when a due word has left the pool
        for (const QString& word : due) {
            // The repetition rule holds for this draw as for any other.
            if (const std::optional<WordPool::Drawn> drawn = m_pool.take(word, allRepeated))
                return *drawn;
            if (list.isEmpty())
                list = vocabulary::read(vocabulary::pathOf(listFile)).words;
            if (std::any_of(list.begin(), list.end(), [&](const QString& entry) { return rules::upper(entry) == word; }))
                return {word, m_pool.generation(), entryOf(list, word)};
        }
    }
    if (drawsPicturedOnly())
        return m_pool.draw(*platform().random, platform().clock->secondsSinceMidnight(), allRepeated,
                           [](const QString& word) { return !pictures::ofCurrent(word).isEmpty(); });
    return m_pool.draw(*platform().random, platform().clock->secondsSinceMidnight(), allRepeated);
}

void wupp::mnuProgress_Click()
{
    if (m_progress) {
        m_progress->raise();
        m_progress->activateWindow();
        return;
    }
    if (!passwordGranted())
        return;
    auto* window = new record::ProgressWindow(record::recordPath(), recordStore(), this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::ApplicationModal);
    m_progress = window;
    // Modal without an event loop of its own: the game's flows keep their pace.
    window->open();
}
