// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings dialog. It edits a copy of the game's settings and hands the edited value back on
// OK. It is created hidden on first use and lives until the end. Cancel, Escape and the title-bar
// button all cancel: the game, its settings and Wupple.ini stay exactly as they were when the
// dialog opened, and the next opening shows those values again.
#include <QCoro/QCoroTask>
#include "settings/SettingsValue.h"
#include "settings/WrappingButton.h"

#include <QCheckBox>
#include <QDialog>
#include <QRadioButton>
#include <QPointer>
#include <array>
#include <functional>

class QPainter;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;
class Spinner;

class Einst : public QDialog {
    Q_OBJECT
public:
    // The one dialog, created (hidden, with its load procedure run) on first use.
    static Einst& instance();
    static bool exists();
    // Unloads the dialog at the end of the program.
    static void unload();

    std::array<QLabel*, 2> Zahl{};
    std::array<QLineEdit*, 4> Spieler_Name{};
    std::array<WrappingButton<QRadioButton>*, 2> wiederh{};
    WrappingButton<QCheckBox>* chkAnzeige = nullptr;
    WrappingButton<QCheckBox>* chkUeben = nullptr; // practise tricky words
    WrappingButton<QCheckBox>* chkBildhinweis = nullptr; // the word's picture shows as a clue
    QListWidget* Motiv = nullptr;
    QListWidget* wortsch = nullptr;

    // Setting a number label's caption runs Zahl_Change, whoever sets it.
    void setZahl(int index, const QString& caption);
    // Takes the game's settings to edit: every control shows the values in play (the counts and
    // the motif from the game's globals), and they are kept for a cancel.
    void edit(const Settings& settings);
    // The value as the dialog shows it now.
    Settings value() const;
    // Receives the value the dialog hands back on OK; a cancel hands nothing back.
    static void setHandBack(std::function<void(const Settings&)> take);

    // The settings password in plain text, empty for none.
    QString Passwort;

    // Spinners, lists, options and OK.
    void plumin_MouseDown(int index, int button, int shift, double x, double y);
    void plumin_MouseUp(int index);
    // A key on a spinner: the number counts by `steps` and stops at either end.
    void plumin_Step(int index, int steps);
    void Timer1_Timer();
    void Motiv_Click();
    void Motiv_DblClick();
    void wortsch_Click();
    void wortsch_DblClick();
    void wiederh_Click(int index);
    void Spieler_Name_Change(int index);
    void Spieler_Name_GotFocus(int index);
    void OK_Click();
    // Puts back everything the dialog changed since it opened and hides it, writing nothing.
    void Abbruch_Click();
    // Opens the vocabulary editor behind the password and returns when it has closed.
    QCoro::Task<> EditButt_Click();
    void Password_Click();
    // The vocabulary editor while it is open from this dialog.
    QDialog* openEditor() const;
    // Makes the vocabulary editor as a child of `parent`; set by the main window, which takes
    // the editor's list for its game.
    static void setEditorFactory(std::function<QDialog*(QWidget* parent)> make);
    QTimer* Timer1 = nullptr;
    std::array<Spinner*, 2> plumin{};
    QPushButton* EditButt = nullptr;
    QPushButton* Password = nullptr;
    QPushButton* OK = nullptr;
    QPushButton* Abbruch = nullptr;

signals:
    // The dialog was hidden by OK or by a cancel.
    void dismissed();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Escape cancels, as the close box does.
    void reject() override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Einst();
    void buildControls();
    void connectHandlers();
    void Form_Paint(QPainter& painter);
    void fitNumberLabels();
    void Form_Load();
    void Form_Activate();
    void Zahl_Change(int index);
    void fillVocabularyList();
    QString languageFolder() const;

    std::array<QLabel*, 4> Label{};
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    struct Press {
        int index = 0, button = 0, shift = 0;
        double x = 0, y = 0;
    } m_lastPress;
    void handBack(const Settings& settings);
    // Shows the counts in the number labels and enables the name boxes of the players in the game,
    // without counting as a change.
    void showCounts(int players, int hints);
    // Keeps the password in force and stores it scrambled; empty removes it.
    void storePassword(const QString& password);
    QPointer<QDialog> m_editor;
    Settings m_edited; // the settings the controls do not show
    // What was in play when the dialog opened, put back by a cancel.
    struct Live {
        qint16 players = 0, hints = 0, motif = 0;
        QString wordFile;
        Settings settings;
    } m_live;
    static QPointer<Einst> s_instance;
};
