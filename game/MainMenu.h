// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's menu bar: the game, options and help menus with their items, shortcuts and
// captions. The window connects the items to its commands; the menus only hold them.
#include <QObject>
#include <array>

class QAction;
class QMainWindow;
class QMenu;
class QString;

class MainMenu : public QObject {
public:
    // Fills the window's menu bar, captions in German until the language is applied.
    explicit MainMenu(QMainWindow* window);

    // The captions in the language in play.
    void retranslate();

    // Game.
    QMenu* mnuSpiel = nullptr;
    QAction* mnuStart = nullptr;
    QAction* mnuTipp = nullptr;
    QAction* mnuSagen = nullptr; // says the last word again
    QAction* mnuWeiter = nullptr;
    QAction* mnuEnde = nullptr;
    // Options.
    QMenu* mnuOption = nullptr;
    QAction* mnuOpt = nullptr;
    QMenu* mnuSprache = nullptr;
    std::array<QAction*, 4> mnuLang{};
    QAction* mnuPlaySounds = nullptr;
    QAction* mnuPlayMusic = nullptr;
    QAction* mnuSprechen = nullptr; // letters, words and names are spoken
    QAction* mnuAnpassen = nullptr; // the board grows with the window
    QAction* mnuBild = nullptr;     // the word's picture after the word
    QAction* mnuKlein = nullptr;    // small letters on the cards and tiles
    QAction* mnuProgress = nullptr;
    // Help.
    QMenu* mnuHilf = nullptr;
    QAction* mnuHilfe = nullptr;
    QAction* mnuHomepage = nullptr;
    QAction* mnuEMail = nullptr;
    QAction* mnuUeber = nullptr;

private:
    QAction* checkItem(QMenu* menu, const QString& objectName);
};
