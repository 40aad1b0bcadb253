#include "common/MessageBoxes.h"
#include "common/Allgemein.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>

namespace {
QMessageBox::Icon toQt(Icon icon)
{
    switch (icon) {
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonSet {
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton escape; // what closing the box answers
};

ButtonSet toQt(Buttons buttons)
{
    switch (buttons) {
    case Buttons::OK:
        return {QMessageBox::Ok, QMessageBox::Ok};
    case Buttons::OKCancel:
        return {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel};
    case Buttons::AbortRetryIgnore:
        return {QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore, QMessageBox::Abort};
    case Buttons::YesNoCancel:
        return {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel};
    case Buttons::YesNo:
        return {QMessageBox::Yes | QMessageBox::No, QMessageBox::No};
    case Buttons::RetryCancel:
        return {QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Cancel};
    }
    return {QMessageBox::Ok, QMessageBox::Ok};
}

int validLanguage()
{
    const int offset = g().SprachOffset;
    return (offset >= 0 && offset <= 3000 && offset % 1000 == 0) ? offset / 1000 : 0;
}

// The buttons speak the player's language, like every other text of the game.
QString buttonText(QMessageBox::StandardButton button)
{
    struct Row {
        QMessageBox::StandardButton button;
        const char16_t* text[4]; // German, English, Swedish, Italian
    };
    static const Row rows[] = {
        {QMessageBox::Ok, {u"OK", u"OK", u"OK", u"OK"}},
        {QMessageBox::Cancel, {u"Abbrechen", u"Cancel", u"Avbryt", u"Annulla"}},
        {QMessageBox::Yes, {u"&Ja", u"&Yes", u"&Ja", u"&Sì"}},
        {QMessageBox::No, {u"&Nein", u"&No", u"&Nej", u"&No"}},
        {QMessageBox::Abort, {u"&Abbrechen", u"&Abort", u"&Avbryt", u"&Interrompi"}},
        {QMessageBox::Retry, {u"&Wiederholen", u"&Retry", u"&Försök igen", u"&Riprova"}},
        {QMessageBox::Ignore, {u"&Ignorieren", u"&Ignore", u"&Ignorera", u"&Ignora"}},
    };
    const int language = validLanguage();
    for (const Row& row : rows)
        if (row.button == button)
            return QString::fromUtf16(row.text[language]);
    return {};
}

// Boxes stand over the active window, or over the main window when none is active. A modal
// window comes first: right after another box closes no window is active yet, and a box owned
// by the main window would hide the modal one behind it.
QWidget* owner()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->inherits("QMainWindow"))
            return w;
    return nullptr;
}

Answer toAnswer(int button)
{
    switch (button) {
    case QMessageBox::Ok:
        return Answer::OK;
    case QMessageBox::Abort:
        return Answer::Abort;
    case QMessageBox::Retry:
        return Answer::Retry;
    case QMessageBox::Ignore:
        return Answer::Ignore;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}
} // namespace

Answer MessageBoxes::message(const QString& text, const QString& title, Icon icon, Buttons buttons)
{
    const ButtonSet set = toQt(buttons);
    QPointer<QMessageBox> box = new QMessageBox(toQt(icon), title, text, set.buttons, owner());
    box->setAttribute(Qt::WA_DeleteOnClose, false);
    // Names and text from files are shown as they are, never taken as markup.
    box->setTextFormat(Qt::PlainText);
    box->setEscapeButton(set.escape);
    for (QAbstractButton* b : box->buttons())
        b->setText(buttonText(box->standardButton(b)));
    const int result = box->exec();
    // The box may have been closed because the program is ending.
    const int clicked = box ? box->standardButton(box->clickedButton()) : int(set.escape);
    delete box;
    return toAnswer(result == QDialog::Rejected && clicked == QMessageBox::NoButton ? int(set.escape) : clicked);
}

QString MessageBoxes::input(const QString& prompt, const QString& title, bool password)
{
    QPointer<QInputDialog> box = new QInputDialog(owner());
    box->setWindowTitle(title);
    box->setLabelText(prompt);
    box->setTextEchoMode(password ? QLineEdit::Password : QLineEdit::Normal);
    box->setOkButtonText(buttonText(QMessageBox::Ok));
    box->setCancelButtonText(buttonText(QMessageBox::Cancel));
    const bool accepted = box->exec() == QDialog::Accepted && box;
    const QString text = accepted ? box->textValue() : QString();
    delete box;
    return text;
}

QString MessageBoxes::openFile(const QString& title, const QString& filter)
{
    QPointer<QFileDialog> box = new QFileDialog(owner(), title, QDir::homePath(), filter);
    box->setFileMode(QFileDialog::ExistingFile);
    box->setAcceptMode(QFileDialog::AcceptOpen);
    // Qt's own dialog, so that its labels can speak the player's language like the other boxes.
    box->setOption(QFileDialog::DontUseNativeDialog);
    struct Label {
        QFileDialog::DialogLabel label;
        const char16_t* text[4]; // German, English, Swedish, Italian
    };
    static const Label labels[] = {
        {QFileDialog::LookIn, {u"Suchen in:", u"Look in:", u"Leta i:", u"Cerca in:"}},
        {QFileDialog::FileName, {u"Datei&name:", u"File &name:", u"Fil&namn:", u"&Nome del file:"}},
        {QFileDialog::FileType, {u"Datei&typ:", u"Files of &type:", u"Fil&typ:", u"&Tipo di file:"}},
        {QFileDialog::Accept, {u"Ö&ffnen", u"&Open", u"&Öppna", u"&Apri"}},
    };
    const int language = validLanguage();
    for (const Label& l : labels)
        box->setLabelText(l.label, QString::fromUtf16(l.text[language]));
    box->setLabelText(QFileDialog::Reject, buttonText(QMessageBox::Cancel));
    const bool accepted = box->exec() == QDialog::Accepted && box;
    const QStringList chosen = accepted ? box->selectedFiles() : QStringList();
    delete box;
    return chosen.isEmpty() ? QString() : chosen.first();
}
