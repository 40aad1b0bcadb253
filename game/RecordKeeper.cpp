// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/RecordKeeper.h"
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
#include "settings/SettingsValue.h"
#include "vocabulary/VocabularyFile.h"
#include "vocabulary/WordPictures.h"

#include <QDir>
#include <QWidget>

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

RecordKeeper::RecordKeeper(QWidget* window) : QObject(window), m_window(window) {}

RecordKeeper::~RecordKeeper() = default;

record::PlayRecorder& RecordKeeper::recorder()
{
    if (!m_recorder)
        m_recorder = std::make_unique<record::PlayRecorder>(
            [this](const record::WordRecord& word) { store()->record(word); });
    return *m_recorder;
}

record::RecordStore* RecordKeeper::store()
{
    if (!m_store) {
        m_store = new record::RecordStore(record::recordPath(), this);
        connect(m_store, &record::RecordStore::recordingOff, this, [](const QString& path, const QString& reason) {
            platform().dialogs->message(recordText(RecordText::RecordingOff).arg(QDir::toNativeSeparators(path), reason),
                                        ApplicationTitle, Icon::Exclamation, Buttons::OK);
        });
    }
    return m_store;
}

void RecordKeeper::begin(const QString& word, const QStringList& players)
{
    recorder().begin(word, g().SprachOffset / 1000, vocabulary::currentFileName(), players);
}

void RecordKeeper::guess(QChar letter, const GuessOutcome& outcome)
{
    record::PlayRecorder& r = recorder();
    r.letterTried(letter, !outcome.positions.isEmpty(), outcome.player);
    if (outcome.kind == Guess::Solved || outcome.kind == Guess::Won)
        r.end(record::Outcome::Solved, outcome.stage, outcome.player);
    else if (outcome.kind == Guess::Lost)
        r.end(record::Outcome::Lost, outcome.stage);
}

void RecordKeeper::hint() { recorder().hintTaken(); }

void RecordKeeper::leftBehind()
{
    if (m_recorder)
        m_recorder->leaveBehind();
}

WordPool::Drawn RecordKeeper::draw(WordPool& pool, const Settings& settings, int players, bool picturedOnly)
{
    const bool allRepeated = settings.allWordsRepeated;
    const bool practise = settings.practiseTrickyWords && players == 1 && !(m_store && m_store->isOff())
                          && ++m_practiseDraws % PractiseEvery == 0;
    if (practise) {
        const QString listFile = vocabulary::currentFileName();
        const QStringList due = record::ProgressReader(record::recordPath())
                                    .practiseWords(settings.names[0], g().SprachOffset / 1000, listFile,
                                                   QDateTime::currentDateTime());
        QStringList list; // the whole list, read only when a due word has left the pool
        for (const QString& word : due) {
            // The repetition rule holds for this draw as for any other.
            if (const std::optional<WordPool::Drawn> drawn = pool.take(word, allRepeated))
                return *drawn;
            if (list.isEmpty())
                list = vocabulary::read(vocabulary::pathOf(listFile)).words;
            if (std::any_of(list.begin(), list.end(), [&](const QString& entry) { return rules::upper(entry) == word; }))
                return {word, pool.generation(), entryOf(list, word)};
        }
    }
    if (picturedOnly)
        return pool.draw(*platform().random, platform().clock->secondsSinceMidnight(), allRepeated,
                         [](const QString& word) { return !pictures::ofCurrent(word).isEmpty(); });
    return pool.draw(*platform().random, platform().clock->secondsSinceMidnight(), allRepeated);
}

void RecordKeeper::showProgress()
{
    if (m_progress) {
        m_progress->raise();
        m_progress->activateWindow();
        return;
    }
    if (!passwordGranted())
        return;
    auto* window = new record::ProgressWindow(record::recordPath(), store(), m_window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::ApplicationModal);
    m_progress = window;
    // Modal without an event loop of its own: the game's flows keep their pace.
    window->open();
}
