// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: the menus and the game's procedures around the board (Board.h). The procedures
// are spread over several files by concern: start-up and closing (wupp.cpp), words (WuppWords.cpp),
// turns (WuppTurns.cpp), guessing (WuppGuess.cpp), layout (WuppLayout.cpp, WuppScale.cpp), language
// (WuppLanguage.cpp), sound menu (WuppSound.cpp), help menu (WuppHelp.cpp) and the settings
// command (WuppSettings.cpp). The rules themselves are the round's (Round.h), the window's
// placement is WindowPlacement's and the record of play RecordKeeper's.
#include "game/Board.h"
#include "game/Layout.h"
#include "game/RecordKeeper.h"
#include "game/Round.h"
#include "game/WindowPlacement.h"
#include "game/WordPool.h"
#include "settings/SettingsValue.h"
#include "sound/Narrator.h"

#include <QCoro/QCoroTask>
#include <QDialog>
#include <QMainWindow>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <vector>

class QAbstractButton;
class QAction;
class QMenu;
class QPushButton;

class wupp : public QMainWindow {
    Q_OBJECT
public:
    // Runs the start-up (Form_Load): settings, player rows, layout and the word pool.
    wupp();
    ~wupp() override;

    // The board: cards, tiles, pictures, players' rows, buttons.
    Board& board() const { return *m_board; }

    // Menus.
    QMenu* mnuSpiel = nullptr;
    QMenu* mnuOption = nullptr;
    QMenu* mnuSprache = nullptr;
    QMenu* mnuHilf = nullptr;
    QAction* mnuStart = nullptr;
    QAction* mnuTipp = nullptr;
    QAction* mnuWeiter = nullptr;
    QAction* mnuEnde = nullptr;
    QAction* mnuOpt = nullptr;
    std::array<QAction*, 4> mnuLang{};
    QAction* mnuPlaySounds = nullptr;
    QAction* mnuPlayMusic = nullptr;
    QAction* mnuAnpassen = nullptr;             // the board grows with the window
    QAction* mnuSprechen = nullptr;             // letters, words and names are spoken
    QAction* mnuSagen = nullptr;                // says the last word again
    QAction* mnuProgress = nullptr;
    QAction* mnuHilfe = nullptr;
    QAction* mnuHomepage = nullptr;
    QAction* mnuEMail = nullptr;
    QAction* mnuUeber = nullptr;

    // Words.
    void LiesWortschatz();
    QCoro::Task<> Such_Wort();
    // The word pool (List1) the game draws from.
    const WordPool& pool() const { return m_pool; }
    // The editor saved its list: the game plays it from the next draw on.
    void takeEditedList(const QStringList& words) { m_pool.replace(words); }

    // Game and turns.
    QCoro::Task<> mnuStart_Click();
    void zurueck();
    QCoro::Task<> aktiv(int player); // shows the turn passed to `player`
    QCoro::Task<> mnuWeiter_Click();
    void mnuEnde_Click();
    QCoro::Task<> PicBut_Click(int index);

    // Guessing.
    QCoro::Task<> alpha_Click(int index);
    QCoro::Task<> Form_KeyPress(QChar key);
    QCoro::Task<> mnuTipp_Click();
    QCoro::Task<> anzeigen(QString word);
    QCoro::Task<> Pause();

    // Layout and pictures.
    void Form_Resize();
    void positionieren();
    void Motiv_Wahl();
    void mnuAnpassen_Click();
    // The board's arrangement for the window as it is now, at the scale the window shows.
    layout::Board currentBoard() const;

    // Language, sound, help and settings.
    QCoro::Task<> mnuLang_Click(int index);
    void Sprache();
    void mnuPlaySounds_Click();
    void mnuPlayMusic_Click();
    void mnuHilfe_Click();
    void mnuHomepage_Click();
    void mnuEMail_Click();
    void mnuUeber_Click();
    QCoro::Task<> mnuOpt_Click();
    void mnuSprechen_Click();
    void mnuSagen_Click();
    Narrator& narrator() { return m_narrator; }
    void mnuProgress_Click() { m_records->showProgress(); }
    // The record of play: what the round decided, handed over as it is decided.
    RecordKeeper& records() const { return *m_records; }

    // The picture of the word (WuppWordPicture.cpp): the item that switches it; the card is the
    // board's (hidden while no picture shows).
    QAction* mnuBild = nullptr;
    void mnuBild_Click();
    // Small letters on the cards and tiles (the tiles the word as its list writes it).
    QAction* mnuKlein = nullptr;
    void mnuKlein_Click();
    // The word in play as its list writes it ("Elefant"); the round holds it in capitals.
    const QString& writtenWord() const { return m_written; }

    // The window's placement in twips, outer size (frame, title bar and menu included), as it is
    // stored.
    int windowState16() const { return m_placement->state(); } // 0 normal, 1 minimized, 2 maximized
    QRect outerTwips() const { return m_placement->outerTwips(); }
    WindowPlacement& placement() const { return *m_placement; }

    // True while some procedure of the game is running (waiting for the next word does not
    // count). Tests wait for it to end.
    bool busy() const { return m_busy > 0; }
    bool firstActivationDone() const { return m_activated; }
    const Round& round() const { return m_round; }

signals:
    // The next-word command was given (or the window is closing): the waiting guess goes on.
    void nextWordGiven();
    // The window has been closed and the program is ending.
    void unloaded();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend struct BusyScope;
    friend struct FlowGuard;

    // Start-up pieces.
    void buildMenus();
    // A check item of the Options menu, inserted after `after`; a click leaves the check mark to
    // `click`, which applies the setting.
    QAction* addOptionItem(const QString& objectName, const QString& text, QAction* after, void (wupp::*click)());
    void buildBoard();
    void buildPlayerRows();
    static WordPool::Reader listReader();
    void readGameSettings();
    void Form_Activate();
    void Form_Unload();

    // Helpers shared by the procedures.
    void endWaitForNextWord();
    // Ends a pending wait for the next word, or draws one when nothing waits; the game runs.
    QCoro::Task<> nextWordOfTheGame();
    void setLettersEnabled(bool on);
    void setHintCommand(bool on);
    void showTurn(int player);
    QCoro::Task<> showGuess(int index, GuessOutcome outcome);
    QCoro::Task<> showMiss(GuessOutcome outcome);
    QCoro::Task<> showSolved(GuessOutcome outcome);
    void launch(QCoro::Task<> flow);
    bool readPool(); // true when the user was told of a problem


    WindowPlacement* m_placement = nullptr;
    bool m_activated = false;
    bool m_closing = false;
    Round m_round;             // decides every guess; the board shows its outcomes
    WordPool m_pool{listReader()}; // List1: the words still to come
    Settings m_settings;       // the settings in play; the settings dialog edits a copy
    quint32 m_wordSerial = 0;  // counts the draws; an older flow stops when it changes
    int m_busy = 0;
    bool m_noWords = false;    // the last draw found nothing to play
    Board* m_board = nullptr;

    // The picture of the word (WuppWordPicture.cpp).
    void buildWordPicture();
    void applyWordPictureItem(); // the item's text and check mark
    // Shows the picture of a word that has ended, where the table has one and the option is on.
    void showWordPictureAfter(const QString& word);
    // The picture from the start of a word, as a clue, when the option is on.
    void showWordPictureClue(const QString& word);
    // The draw takes only words with a picture when the clue is on and enough of them have one.
    bool drawsPicturedOnly() const;
    // Small letters: the item, and the cards and tiles drawn in the case chosen.
    void buildSmallLetters();
    void applySmallLetters();
    QString m_written;
    // What a screen reader hears of the players' rows, and whose turn it is.
    Board::Players players() const;
    void announceTurn();

    // The voice (WuppSpeech.cpp).
    void buildSpeech();
    void applySpeech();       // the item's check mark and the loudspeaker, after any change
    Narrator m_narrator;
    RecordKeeper* m_records = nullptr;
};
