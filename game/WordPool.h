// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words a game draws from: the playable words of the list in play, in the list's order, less
// those the repetition rule took out, plus the lost words that came back.
#include <QStringList>
#include <QtGlobal>
#include <functional>
#include <optional>

class Random;

class WordPool final {
public:
    // Reads the list in play from its file; it tells the players itself what it could not read.
    using Reader = std::function<QStringList()>;

    // A word drawn, with the generation of the pool it came from.
    struct Drawn {
        QString word; // upper case; empty when there was nothing to draw
        quint32 generation = 0;
        QString written; // as the list writes it ("Elefant"); empty when not known
    };

    explicit WordPool(Reader read = {}) : m_read(std::move(read)) {}

    // A list read anew or handed over by the editor: a new generation of the pool begins.
    void replace(const QStringList& words);
    // Reads the list through the reader and puts it in place, as a new generation.
    void reload();
    // Draws at random, the generator seeded with `seed` first. Unless every word may come again,
    // the drawn entry leaves the pool, and a pool used up is read again at once: the list has
    // been played through, not replaced, so the generation stays.
    Drawn draw(Random& random, double seed, bool allWordsRepeated);
    // Draws as draw() does, but only among the words `allowed` accepts (as the list writes them);
    // when it accepts none, among all.
    Drawn draw(Random& random, double seed, bool allWordsRepeated, const std::function<bool(const QString&)>& allowed);
    // Draws the given word (upper case) when the pool holds it, as draw() would have drawn it:
    // unless every word may come again, its entry leaves the pool, and a pool used up is read
    // again. Nothing is drawn when the pool does not hold it.
    std::optional<Drawn> take(const QString& word, bool allWordsRepeated);
    // A lost word may come again: it goes to the end of the pool, unless the pool has been
    // replaced since the word was drawn (an edited list keeps only what the parent left in it).
    void takeBack(const Drawn& lost);

    const QStringList& words() const { return m_words; }
    bool isEmpty() const { return m_words.isEmpty(); }
    quint32 generation() const { return m_generation; }

private:
    Drawn drawAt(int index, bool allWordsRepeated);
    Reader m_read;
    QStringList m_words;
    quint32 m_generation = 0;
};
