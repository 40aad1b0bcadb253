// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The vocabulary editor: a modal window in which words are added to and deleted from the
// current language's vocabulary file, the file is saved, and the list is handed to the game.
// It is created for each opening and goes when it closes.
#include <QDialog>
#include <QStringList>

class QLineEdit;
class QListWidget;
class QPushButton;

class WEdit : public QDialog {
    Q_OBJECT
public:
    explicit WEdit(QWidget* parent = nullptr);

    QLineEdit* Text1 = nullptr;
    QListWidget* List1 = nullptr;
    QPushButton* Hinzuf = nullptr;
    QPushButton* Loesch = nullptr;
    QPushButton* Speichern = nullptr;
    QPushButton* OK = nullptr;
    QPushButton* Abbruch = nullptr;
    // Brings words in from a text, CSV or KVTML file.
    QPushButton* Importieren = nullptr;
    // Starts a further list of the language folder: empty, or with the words of the file
    // imported last.
    QPushButton* NeueListe = nullptr;

    // Only what the letter buttons can show may be typed: A-Z, Ä, Ö, Ü in either case, and the
    // other letters of the current language's cards (the Swedish Å). Control characters
    // (Backspace, Enter, Escape, Delete) are no typed text and pass.
    static bool keyAllowed(QChar key);
    // Sets `key` to 0 when it is refused.
    void Text1_KeyPress(QChar& key);

    void List1_Click();
    void List1_DblClick();
    void Hinzuf_Click();
    void Loesch_Click();
    // Writes the list all or nothing; false (and the user told) when the file could not be written.
    // A list saved under another name than the one in play becomes the one in play.
    bool Speichern_Click();
    void OK_Click();
    void Abbruch_Click();
    // Adds the playable words of a chosen file and tells what was added and what was skipped;
    // a file that cannot be read as a word list changes nothing.
    void Importieren_Click();
    // Asks for a name and starts a list of that name. After an import it takes every playable
    // word of the imported file (those the open list has already included), is saved at once
    // and chosen for play; otherwise it starts empty and is chosen for play when it is saved.
    // Asks before another list is replaced and before hand-made changes are dropped.
    void NeueListe_Click();

    QStringList words() const;
    // The file this editor edits, in the current language's folder.
    QString fileName() const { return m_fileName; }

signals:
    // OK or a successful save hands the list to whoever plays with it.
    void listHandedOver(const QStringList& words);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void Form_Load();
    void Form_Activate();
    void LiesWortschatz();
    void Text1_GotFocus();
    void pasteLetters();
    // Adds words at the end of the list, selected and scrolled into view.
    void appendSelected(const QStringList& added);
    // The list shown becomes `list`, under the name `name`.
    void switchTo(const QString& name, const QStringList& list);
    // Hand-made changes are saved or dropped as the user says; false when the user cancels.
    bool settleHandEdits();

    QString m_fileName;
    // Entries of the file that the game cannot play: not shown, but written back at Save.
    QStringList m_unplayable;
    // Why the file may not be replaced (it was refused unread); empty when it may.
    QString m_refusal;
    // Words added or deleted by hand since the list was read or saved.
    bool m_handEdited = false;
    // Every playable word of the file imported last, and its name; the words of a new list.
    QStringList m_importWords;
    QString m_importName;
};
