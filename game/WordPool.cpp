// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/WordPool.h"
#include "common/Platform.h"
#include "game/Rules.h"

#include <vector>

void WordPool::replace(const QStringList& words)
{
    m_words = words;
    ++m_generation;
}

void WordPool::reload() { replace(m_read ? m_read() : QStringList()); }

WordPool::Drawn WordPool::draw(Random& random, double seed, bool allWordsRepeated)
{
    if (m_words.isEmpty())
        return {QString(), m_generation, QString()};
    random.randomize(seed);
    return drawAt(rules::drawIndex(random.next(), m_words.size()), allWordsRepeated);
}

WordPool::Drawn WordPool::draw(Random& random, double seed, bool allWordsRepeated,
                               const std::function<bool(const QString&)>& allowed)
{
    std::vector<int> chosen;
    for (qsizetype i = 0; i < m_words.size(); ++i)
        if (allowed(m_words[i]))
            chosen.push_back(int(i));
    if (chosen.empty())
        return draw(random, seed, allWordsRepeated);
    random.randomize(seed);
    return drawAt(chosen[size_t(rules::drawIndex(random.next(), qsizetype(chosen.size())))], allWordsRepeated);
}

std::optional<WordPool::Drawn> WordPool::take(const QString& word, bool allWordsRepeated)
{
    for (qsizetype i = 0; i < m_words.size(); ++i)
        if (rules::upper(m_words[i]) == word)
            return drawAt(int(i), allWordsRepeated);
    return std::nullopt;
}

WordPool::Drawn WordPool::drawAt(int index, bool allWordsRepeated)
{
    const Drawn drawn{rules::upper(m_words[index]), m_generation, m_words[index]};
    if (!allWordsRepeated) {
        m_words.removeAt(index);
        if (m_words.isEmpty() && m_read)
            m_words = m_read();
    }
    return drawn;
}

void WordPool::takeBack(const Drawn& lost)
{
    if (!lost.word.isEmpty() && lost.generation == m_generation)
        m_words.append(lost.written.isEmpty() ? lost.word : lost.written);
}
