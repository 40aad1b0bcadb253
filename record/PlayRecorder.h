// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Follows one word from the moment it stands on the board to its end and hands it over as a
// whole. The game tells it what the round decided; it never looks at the board.
#include "record/WordRecord.h"

#include <QDateTime>
#include <functional>
#include <optional>

namespace record {

class PlayRecorder final {
public:
    using Sink = std::function<void(const WordRecord&)>;
    using Now = std::function<QDateTime()>;

    explicit PlayRecorder(Sink sink, Now now = &QDateTime::currentDateTime);

    // A new word stands. A word still open is left behind first.
    void begin(const QString& word, int language, const QString& listFile, const QStringList& players);
    void letterTried(QChar letter, bool hit, int player);
    void hintTaken();
    // The word ended as the round decided; nothing happens when no word is open, so an end
    // reported twice is kept once.
    void end(Outcome outcome, int misses, int solver = -1);
    // A new game or language starts while the word is open.
    void leaveBehind() { end(Outcome::LeftBehind, m_misses); }

    bool wordOpen() const { return m_word.has_value(); }

private:
    Sink m_sink;
    Now m_now;
    std::optional<WordRecord> m_word;
    QDateTime m_begun;
    int m_misses = 0;
};

} // namespace record
