// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/PlayRecorder.h"

#include <QUuid>

namespace record {

PlayRecorder::PlayRecorder(Sink sink, Now now)
    : m_sink(std::move(sink))
    , m_now(std::move(now))
{
}

void PlayRecorder::begin(const QString& word, int language, const QString& listFile, const QStringList& players)
{
    if (m_word)
        leaveBehind();
    WordRecord w;
    w.key = QUuid::createUuid().toString(QUuid::WithoutBraces);
    w.word = word;
    w.language = language;
    w.listFile = listFile;
    w.players = players;
    m_word = std::move(w);
    m_begun = m_now();
    m_misses = 0;
}

void PlayRecorder::letterTried(QChar letter, bool hit, int player)
{
    if (!m_word)
        return;
    const QString name = player >= 0 && player < m_word->players.size() ? m_word->players[player] : QString();
    m_word->letters.push_back({letter, hit, name});
    if (!hit)
        ++m_misses;
}

void PlayRecorder::hintTaken()
{
    if (m_word)
        ++m_word->hints;
}

void PlayRecorder::end(Outcome outcome, int misses, int solver)
{
    if (!m_word)
        return;
    WordRecord w = std::move(*m_word);
    m_word.reset();
    w.outcome = outcome;
    w.misses = misses;
    if (outcome == Outcome::Solved && solver >= 0 && solver < w.players.size())
        w.solver = w.players[solver];
    w.endedAt = m_now();
    w.seconds = int(std::max<qint64>(0, m_begun.secsTo(w.endedAt)));
    if (m_sink)
        m_sink(w);
}

} // namespace record
