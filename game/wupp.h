// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: the menus (MainMenu.h) and the board (Board.h), and the commands that act on
// them. Start-up and closing are in wupp.cpp, the connections of menu items and board buttons to
// the commands in WuppCommands.cpp, layout in WuppLayout.cpp, language in WuppLanguage.cpp, the
// switches of the options menu in WuppOptions.cpp, the help menu in WuppHelp.cpp and the
// settings command in WuppSettings.cpp. The game's procedures are the game's (Game.h), the rules
// the round's (Round.h), the window's placement is WindowPlacement's and the record of play
// RecordKeeper's.
#include "game/Board.h"
#include "game/Game.h"
#include "game/Layout.h"
#include "game/MainMenu.h"
#include "game/RecordKeeper.h"
#include "game/WindowPlacement.h"
#include "settings/SettingsValue.h"
#include "sound/Narrator.h"

#include <QCoro/QCoroTask>
#include <QMainWindow>

class wupp : public QMainWindow {
    Q_OBJECT
public:
    // Runs the start-up (Form_Load): settings, player rows, layout and the word pool.
    wupp();
    ~wupp() override;

    Board& board() const { return *m_board; }
    MainMenu& menu() const { return *m_menu; }
    Game& game() const { return *m_game; }
    const Round& round() const { return m_game->round(); }
    const WordPool& pool() const { return m_game->pool(); }
    // True while some procedure of the game is running (waiting for the next word does not
    // count). Tests wait for it to end.
    bool busy() const { return m_game->busy(); }
    bool firstActivationDone() const { return m_activated; }
    Narrator& narrator() { return m_narrator; }
    // The record of play: what the round decided, handed over as it is decided.
    RecordKeeper& records() const { return *m_records; }
    WindowPlacement& placement() const { return *m_placement; }

    // The commands of the cards, buttons, keys and menus.
    QCoro::Task<> alpha_Click(int index) { return m_game->guess(index); }
    QCoro::Task<> PicBut_Click(int index);
    QCoro::Task<> Form_KeyPress(QChar key);
    QCoro::Task<> mnuStart_Click() { return m_game->start(); }
    QCoro::Task<> mnuTipp_Click() { return m_game->hint(); }
    QCoro::Task<> mnuWeiter_Click() { return m_game->nextWord(); }
    void mnuEnde_Click();
    QCoro::Task<> mnuOpt_Click();
    QCoro::Task<> mnuLang_Click(int index);
    void Sprache();
    void mnuPlaySounds_Click();
    void mnuPlayMusic_Click();
    void mnuSprechen_Click();
    void mnuSagen_Click() { m_narrator.repeat(); }
    void mnuAnpassen_Click();
    void mnuBild_Click();
    void mnuKlein_Click();
    void mnuProgress_Click() { m_records->showProgress(); }
    void mnuHilfe_Click();
    void mnuHomepage_Click();
    void mnuEMail_Click();
    void mnuUeber_Click();

    // Layout and pictures.
    void Form_Resize();
    void positionieren();
    void Motiv_Wahl();
    // The board's arrangement for the window as it is now, at the scale the window shows.
    layout::Board currentBoard() const;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildBoard();
    void connectCommands();
    void readGameSettings();
    void Form_Activate();
    void Form_Unload();
    void launch(QCoro::Task<> flow);
    // The options' check marks and what they switch, after any change.
    void applySpeech();
    void applySmallLetters();

    MainMenu* m_menu = nullptr;
    Board* m_board = nullptr;
    Settings m_settings; // the settings in play; the settings dialog edits a copy
    Narrator m_narrator;
    RecordKeeper* m_records = nullptr;
    Game* m_game = nullptr;
    WindowPlacement* m_placement = nullptr;
    bool m_activated = false;
};
