// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/MessageBoxes.h"
#include "common/Allgemein.h"
#include "common/FixedDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QStyle>

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

// What a screen reader calls the box's icon, which says what kind of box it is.
QString iconName(QMessageBox::Icon icon)
{
    struct Row {
        QMessageBox::Icon icon;
        const char16_t* text[4]; // German, English, Swedish, Italian
    };
    static const Row rows[] = {
        {QMessageBox::Question, {u"Frage", u"Question", u"Fråga", u"Domanda"}},
        {QMessageBox::Information, {u"Hinweis", u"Information", u"Information", u"Informazione"}},
        {QMessageBox::Warning, {u"Warnung", u"Warning", u"Varning", u"Avviso"}},
        {QMessageBox::Critical, {u"Fehler", u"Error", u"Fel", u"Errore"}},
    };
    const int language = validLanguage();
    for (const Row& row : rows)
        if (row.icon == icon)
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

// Qt gives a window without a title the program's name; a box that is meant to have no title
// gets a blank one instead.
QString shownTitle(const QString& title) { return title.isEmpty() ? QStringLiteral(" ") : title; }

// A box is as wide as its text; a short text under a longer title would have the window manager
// cut the title down to its last letters. Room for the title, the icon and the close button.
void makeRoomForTitle(QMessageBox* box, const QString& title)
{
    QFont font = box->font();
    font.setBold(true);
    const int needed = QFontMetrics(font).horizontalAdvance(title) + 4 * QFontMetrics(font).height() + 40;
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout()))
        grid->addItem(new QSpacerItem(needed, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
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

namespace {
QMessageBox* makeBox(const QString& text, const QString& title, Icon icon, const ButtonSet& set)
{
    auto* box = new QMessageBox(toQt(icon), shownTitle(title), text, set.buttons, owner());
    box->setAttribute(Qt::WA_DeleteOnClose, false);
    box->setWindowFlags(FixedDialogFlags);
    makeRoomForTitle(box, title);
    // Names and text from files are shown as they are, never taken as markup.
    box->setTextFormat(Qt::PlainText);
    box->setEscapeButton(set.escape);
    for (QAbstractButton* b : box->buttons())
        b->setText(buttonText(box->standardButton(b)));
    if (auto* picture = box->findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label")))
        picture->setAccessibleName(iconName(box->icon()));
    return box;
}

// Shows the box until it is answered; the answer as the game knows it.
Answer answerOf(QPointer<QMessageBox> box, const ButtonSet& set)
{
    const int result = box->exec();
    // The box may have been closed because the program is ending.
    const int clicked = box ? box->standardButton(box->clickedButton()) : int(set.escape);
    delete box;
    return toAnswer(result == QDialog::Rejected && clicked == QMessageBox::NoButton ? int(set.escape) : clicked);
}
} // namespace

Answer MessageBoxes::notice(const QString& text, const QString& title, Icon icon, double scale, QPoint centre)
{
    const ButtonSet set = toQt(Buttons::OK);
    QPointer<QMessageBox> box = makeBox(text, title, icon, set);
    if (scale > 1) {
        QFont font = box->font();
        font.setPointSizeF(font.pointSizeF() * scale);
        box->setFont(font);
        const int iconSize = box->style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, box);
        const QIcon standard = box->style()->standardIcon(
            icon == Icon::Information ? QStyle::SP_MessageBoxInformation : QStyle::SP_MessageBoxWarning, nullptr, box);
        if (icon != Icon::None)
            box->setIconPixmap(standard.pixmap(QSize(iconSize, iconSize) * scale, box->devicePixelRatioF()));
        // The room around and between the parts grows as well, so the whole box keeps its shape.
        if (auto* grid = qobject_cast<QGridLayout*>(box->layout())) {
            const QMargins m = grid->contentsMargins();
            grid->setContentsMargins(QMargins(int(m.left() * scale), int(m.top() * scale), int(m.right() * scale),
                                              int(m.bottom() * scale)));
            grid->setHorizontalSpacing(int(std::max(6, grid->horizontalSpacing()) * scale));
            grid->setVerticalSpacing(int(std::max(6, grid->verticalSpacing()) * scale));
        }
    }
    box->adjustSize();
    QRect placed(QPoint(), box->size());
    placed.moveCenter(centre);
    box->move(placed.topLeft());
    return answerOf(box, set);
}

Answer MessageBoxes::message(const QString& text, const QString& title, Icon icon, Buttons buttons)
{
    const ButtonSet set = toQt(buttons);
    return answerOf(makeBox(text, title, icon, set), set);
}

QString MessageBoxes::input(const QString& prompt, const QString& title, bool password)
{
    return ask(prompt, title, password).value_or(QString());
}

std::optional<QString> MessageBoxes::ask(const QString& prompt, const QString& title, bool password)
{
    QPointer<QInputDialog> box = new QInputDialog(owner(), FixedDialogFlags);
    box->setWindowTitle(shownTitle(title));
    box->setLabelText(prompt);
    box->setTextEchoMode(password ? QLineEdit::Password : QLineEdit::Normal);
    box->setOkButtonText(buttonText(QMessageBox::Ok));
    box->setCancelButtonText(buttonText(QMessageBox::Cancel));
    // A fixed box, like every other dialog of the game (asking its size builds its layout).
    (void)box->sizeHint();
    if (QLayout* layout = box->layout())
        layout->setSizeConstraint(QLayout::SetFixedSize);
    const bool accepted = box->exec() == QDialog::Accepted && box;
    std::optional<QString> text;
    if (accepted)
        text = box->textValue();
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
    // Qt's dialog leaves the file-type label without a field to hand the focus to, so its "&"
    // would show; give it the list of types.
    auto* typeLabel = box->findChild<QLabel*>(QStringLiteral("fileTypeLabel"));
    auto* typeList = box->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    if (typeLabel && typeList)
        typeLabel->setBuddy(typeList);
    const bool accepted = box->exec() == QDialog::Accepted && box;
    const QStringList chosen = accepted ? box->selectedFiles() : QStringList();
    delete box;
    return chosen.isEmpty() ? QString() : chosen.first();
}

QString MessageBoxes::saveFile(const QString& title, const QString& filter, const QString& suggested)
{
    QPointer<QFileDialog> box = new QFileDialog(owner(), title, QDir::home().filePath(suggested), filter);
    box->setFileMode(QFileDialog::AnyFile);
    box->setAcceptMode(QFileDialog::AcceptSave);
    box->setOption(QFileDialog::DontUseNativeDialog);
    static const char16_t* const fileName[4] = {u"Datei&name:", u"File &name:", u"Fil&namn:", u"&Nome del file:"};
    static const char16_t* const save[4] = {u"&Speichern", u"&Save", u"&Spara", u"&Salva"};
    const int language = validLanguage();
    box->setLabelText(QFileDialog::FileName, QString::fromUtf16(fileName[language]));
    box->setLabelText(QFileDialog::Accept, QString::fromUtf16(save[language]));
    box->setLabelText(QFileDialog::Reject, buttonText(QMessageBox::Cancel));
    const bool accepted = box->exec() == QDialog::Accepted && box;
    const QStringList chosen = accepted ? box->selectedFiles() : QStringList();
    delete box;
    return chosen.isEmpty() ? QString() : chosen.first();
}
