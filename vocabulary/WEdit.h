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
    // Writes the list as a further file of the language folder.
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
    bool Speichern_Click();
    void OK_Click();
    void Abbruch_Click();
    // Adds the playable words of a chosen file and tells what was added and what was skipped;
    // a file that cannot be read as a word list changes nothing.
    void Importieren_Click();
    // Saves the list (or, after an import, only the imported words if the user wants) under a
    // name the user types, asking before another list is replaced.
    void NeueListe_Click();

    QStringList words() const;

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
    // The words imported since the editor opened, for a new list of only these.
    QStringList m_imported;
};
