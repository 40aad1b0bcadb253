// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board: the picture stages, the letter cards on their strip, the word's tiles, the players'
// rows with their tokens, the start, end, hint and next-word buttons, the loudspeaker, the word's
// picture and the status line a screen reader follows. It shows what it is told (a stage, a
// turn, an outcome, a word) and never reads the round; card and button clicks go out as signals.
// Split by concern: building (Board.cpp), scale and places (BoardScale.cpp), play (BoardPlay.cpp),
// names and news for a screen reader (BoardNames.cpp).
#include "game/BoardWidgets.h"
#include "game/Layout.h"
#include "game/Round.h"

#include <QWidget>
#include <array>
#include <functional>
#include <vector>

class BoardJoy;
class QAbstractButton;
class QFrame;
class StatusLine;
class WordPictureCard;

class Board : public QWidget {
    Q_OBJECT
public:
    static constexpr int StageCount = 10;
    static constexpr int TokensPerPlayer = 8;

    explicit Board(QWidget* parent);

    // The controls, for reading (and for a test's clicks).
    PictureButton* card(int index) const { return m_cards[index]; }
    int cardCount() const { return int(m_cards.size()); }
    PictureLabel* tile(int field) const { return m_tiles[field]; } // 0 is the hidden template
    int fieldCount() const { return int(m_tiles.size()) - 1; }
    PictureLabel* stage(int index) const { return m_stages[index]; }
    int shownStage() const { return m_shownStage; }
    PictureLabel* cardStrip() const { return m_strip; }
    QFrame* namesFrame() const { return m_names; }
    NameLabel* nameRow(int player) const { return m_rows[player]; }
    PictureLabel* token(int player, int nth) const { return m_tokens[player * TokensPerPlayer + nth]; }
    // 0 start, 1 end, 2 hint, 3 next word.
    QAbstractButton* button(int index) const { return m_buttons[index]; }
    QAbstractButton* speakButton() const { return m_speak; }
    WordPictureCard* wordPicture() const { return m_wordPicture; }
    QWidget* statusLine() const;
    BoardJoy* joy() const { return m_joy; }
    double scale() const { return m_scale; }
    int hintsShown() const { return m_hintsShown; }

    // Scale and places (BoardScale.cpp).
    void applyScale(double scale, bool clearSigns);
    // Every element at its place of `b`, the tiles for a word of `wordLength` letters.
    void arrange(const layout::Board& b, int wordLength, bool clearSigns);
    // Each card of the language at its place on the strip.
    void hangCards(int languageOffset);
    void setMotif(int motif);
    // The hint button carries the number of hints left (0: no number).
    void showHintCount(int count);
    void placeSpeakButton();
    void placeWordPicture();

    // Play (BoardPlay.cpp).
    void showLanguageCards(const QString& cards); // every card of the language, none of another
    void setLettersEnabled(bool on, const QString& cards);
    // The cards left over carry a stroke beside the grey (with clear signs), or none.
    void strikeCards(bool struck);
    void hideCard(int index);
    // The word as its list writes it: with small letters a capital there stays a capital.
    void setWrittenWord(const QString& written) { m_written = written; }
    void uncover(int field, int letterIndex, bool small);
    void markShownOnly(int field); // a letter nobody found, shown as the solution
    void showSmallLetters(bool small);
    void showStage(int stage);     // never back to an earlier one
    void beginStages();            // the first picture, about to grow into view
    void growFirstStage(int heightTwips);
    // Tiles: the word's empty ones, one at a time; removing the last one; all of them.
    void addTile(const layout::Board& b, int field, int count);
    bool removeLastTile();
    void removeTiles();
    void moveNextWordButton(const layout::Board& b);
    void showNextWordButton(bool on);
    void showHintButton(bool on);
    void hideTokens();
    void showToken(int player, int score); // the token of a new point
    // The tiles of a solved word hop, the new token pops in, and a won game brings confetti.
    void celebrate(int player, int score, bool won);
    // The rows of a new game: each player's name, shortened to fit; the rows past `players` hidden.
    void showPlayers(const std::array<QString, 4>& names, int players);
    void setPlayerNames(const std::array<QString, 4>& names); // the start-up's rows
    void showTurn(int player, bool clearSigns);
    void showWordPicture(const QString& picture, const QString& name, bool clue);
    void hideWordPicture();

    // Names and news for a screen reader (BoardNames.cpp), in the current language.
    struct Players {
        std::array<QString, 4> names;
        std::array<int, 4> points{};
        int current = 0; // whose turn it is
    };
    void nameAll(const Players& players);
    void nameTiles();
    void namePlayers(const Players& players);
    // The buttons' captions and tips.
    void setButtonTexts();
    void announce(std::function<QString()> text);
    void announceGuess(QChar letter, const GuessOutcome& outcome, const QString& turnOf, const QString& winner);
    void announceSolution(const QString& word);
    void setSpeaker(bool on, const QString& text);

signals:
    void cardClicked(int index);
    void buttonClicked(int index);
    void speakClicked();

private:
    void build();
    void placePlayerRows();
    void setButtonIcons();
    BoardPicture tilePicture(int field, int letterIndex, bool small) const;

    std::array<PictureLabel*, StageCount> m_stages{};
    PictureLabel* m_strip = nullptr;
    std::array<PictureButton*, 30> m_cards{};
    std::vector<PictureLabel*> m_tiles;
    QFrame* m_names = nullptr;
    std::array<NameLabel*, 4> m_rows{};
    std::array<PictureLabel*, 4 * TokensPerPlayer> m_tokens{};
    std::array<QAbstractButton*, 4> m_buttons{};
    QAbstractButton* m_speak = nullptr;
    WordPictureCard* m_wordPicture = nullptr;
    StatusLine* m_status = nullptr;
    BoardJoy* m_joy = nullptr;
    std::function<QString()> m_statusText; // the latest news, told again after a language switch
    QString m_written;
    double m_scale = 1;   // the scale the elements are sized for
    int m_language = 0;   // the language offset the cards hang for
    int m_shownStage = 0; // the picture of the sequence on show
    int m_hintsShown = 0;
    bool m_speakerOn = false;
};
