// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "vocabulary/WEdit.h"
#include "vocabulary/WordPictureDelegate.h"
#include "i18n/Letters.h"
#include "common/Allgemein.h"
#include "common/Dialogs.h"
#include "common/ErrorReport.h"
#include "common/FixedDialog.h"
#include "common/Platform.h"
#include "common/Twips.h"
#include "i18n/Catalogue.h"
#include "i18n/ExtraTexts.h"
#include "i18n/ImportTexts.h"
#include "vocabulary/VocabularyFile.h"
#include "vocabulary/WEditMessages.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

namespace {
void place(QWidget* w, int left, int top, int width, int height)
{
    using layout::toPixels;
    w->setGeometry(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}
} // namespace

namespace wedit {
void tell(const QString& text, const QString& title, Icon icon)
{
    if (platform().dialogs)
        platform().dialogs->message(text, title, icon, Buttons::OK);
}

bool writeList(const QString& path, const QStringList& list)
{
    // An entry no line could read back as it is would come back changed: refuse, never alter.
    if (const auto entry = vocabulary::unstorableEntry(list)) {
        tell(extraText(Extra::WordNotStorable).arg(*entry), LoadText(128));
        return false;
    }
    try {
        vocabulary::write(path, list);
    } catch (const RuntimeError& error) {
        tell(extraText(Extra::VocabularyNotSaved).arg(QDir::toNativeSeparators(path), error.description()),
             LoadText(128));
        return false;
    }
    return true;
}
} // namespace wedit

using wedit::tell;
using wedit::writeList;

WEdit::WEdit(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("WEdit"));
    useFixedDialogFrame(this);
    // Taller than the classic editor by the row of the import buttons under the list.
    setFixedSize(layout::toPixels(4860), layout::toPixels(4440));
    buildControls();
    Form_Load();
}

void WEdit::buildControls()
{
    Text1 = new QLineEdit(this);
    place(Text1, 240, 120, 2655, 285);
    // The longest word the vocabulary file accepts.
    Text1->setMaxLength(20);
    // Every character must come through the key filter: no input method, no drops, no menu.
    Text1->setAttribute(Qt::WA_InputMethodEnabled, false);
    Text1->setAcceptDrops(false);
    Text1->setContextMenuPolicy(Qt::NoContextMenu);
    Text1->installEventFilter(this);

    // The list keeps the file's order, which is the order Save writes; several entries can be
    // selected and deleted at once.
    List1 = new QListWidget(this);
    place(List1, 240, 600, 2655, 2985);
    List1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Rows of one height are laid out by arithmetic, not measured one by one.
    List1->setUniformItemSizes(true);
    // A word the table of pictures knows shows its picture at the end of its row.
    List1->setItemDelegate(new WordPictureDelegate(List1));

    auto button = [this](int top) {
        auto* b = new QPushButton(this);
        place(b, 3120, top, 1500, 455);
        return b;
    };
    Hinzuf = button(240);
    Hinzuf->setDefault(true);
    Loesch = button(960);
    Loesch->setEnabled(false);
    Speichern = button(1680);
    OK = button(2400);
    OK->setText(QStringLiteral("&OK"));
    Abbruch = button(3120);

    Importieren = new QPushButton(this);
    place(Importieren, 240, 3750, 1500, 455);
    NeueListe = new QPushButton(this);
    place(NeueListe, 1860, 3750, 2760, 455);

    QWidget* order[] = {Text1, List1, Hinzuf, Loesch, Speichern, OK, Abbruch, Importieren, NeueListe};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(List1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            List1_Click();
    });
    connect(List1, &QListWidget::itemClicked, this, &WEdit::List1_Click);
    connect(List1, &QListWidget::itemDoubleClicked, this, &WEdit::List1_DblClick);
    connect(Hinzuf, &QPushButton::clicked, this, &WEdit::Hinzuf_Click);
    connect(Loesch, &QPushButton::clicked, this, &WEdit::Loesch_Click);
    connect(Speichern, &QPushButton::clicked, this, [this] { Speichern_Click(); });
    connect(OK, &QPushButton::clicked, this, &WEdit::OK_Click);
    connect(Abbruch, &QPushButton::clicked, this, &WEdit::Abbruch_Click);
    connect(Importieren, &QPushButton::clicked, this, &WEdit::Importieren_Click);
    connect(NeueListe, &QPushButton::clicked, this, &WEdit::NeueListe_Click);
}

void WEdit::Form_Load()
{
    step(QStringLiteral("Form_Load"), [&] {
        setWindowTitle(g().WortDatei.isEmpty() ? LoadText(151) : g().WortDatei);
        Hinzuf->setText(LoadText(153));
        Loesch->setText(LoadText(154));
        Speichern->setText(LoadText(155));
        Abbruch->setText(LoadText(156));
        Text1->setAccessibleName(extraText(Extra::NewWordBox));
        List1->setAccessibleName(extraText(Extra::WordListBox));
        Importieren->setText(importText(ImportText::ImportButton));
        NeueListe->setText(importText(ImportText::NewListButton));
    });
}

// Only at opening: a message box closing over the editor must not read the file again and
// throw away the edits.
void WEdit::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Activate();
}

void WEdit::Form_Activate()
{
    step(QStringLiteral("Form_Activate"), [&] { LiesWortschatz(); });
}

// The same reader and the same messages as the game's.
void WEdit::LiesWortschatz()
{
    List1->clear();
    const auto result = vocabulary::read(vocabulary::currentPath());
    m_fileName = g().WortDatei;
    List1->addItems(result.words);
    m_unplayable = result.unplayable;
    m_refusal = vocabulary::refusalText(result);
    m_handEdited = false;
    for (const QString& problem : vocabulary::readProblems(result))
        tell(problem, LoadText(128));
}

bool WEdit::keyAllowed(QChar key)
{
    if (key.category() == QChar::Other_Control)
        return true;
    // The letters a word file holds in any language (A-Z, Ä, Ö, Ü), and those of the cards in play
    // (the Swedish Å). Compared in both cases rather than upper-cased: Unicode maps a few other
    // letters (the dotless i, the long s) onto A-Z, and the file could not hold them.
    const QString cards = letters::ofLanguage(Lang::German) + letters::current();
    return cards.contains(key) || cards.toLower().contains(key);
}

void WEdit::Text1_KeyPress(QChar& key)
{
    step(QStringLiteral("Text1_KeyPress"), [&] {
        if (!keyAllowed(key))
            key = QChar(0);
    });
}

void WEdit::Text1_GotFocus()
{
    step(QStringLiteral("Text1_GotFocus"), [&] {
        // From the caret to the end: with the caret at the start, the whole word.
        QLineEdit* box = Text1;
        QMetaObject::invokeMethod(
            box, [box] { box->setSelection(box->cursorPosition(), int(box->text().size())); }, Qt::QueuedConnection);
    });
}

void WEdit::pasteLetters()
{
    QString letters;
    for (QChar c : QApplication::clipboard()->text())
        if (c.unicode() >= 32 && keyAllowed(c))
            letters += c;
    Text1->insert(letters);
}

bool WEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Text1) {
        if (event->type() == QEvent::FocusIn) {
            Text1_GotFocus();
        } else if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->matches(QKeySequence::Paste)) {
                pasteLetters();
                return true;
            }
            for (QChar c : key->text()) {
                Text1_KeyPress(c);
                if (c.isNull())
                    return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void WEdit::keyPressEvent(QKeyEvent* event)
{
    // Escape is the Cancel button, not the close box: it forgets the unsaved changes.
    if (event->matches(QKeySequence::Cancel)) {
        Abbruch_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

QStringList WEdit::words() const
{
    QStringList all;
    for (int i = 0; i < List1->count(); ++i)
        all.push_back(List1->item(i)->text());
    return all;
}

void WEdit::List1_Click()
{
    step(QStringLiteral("List1_Click"), [&] {
        if (const QListWidgetItem* item = List1->currentItem())
            Text1->setText(item->text());
        Loesch->setEnabled(true);
    });
}

void WEdit::List1_DblClick()
{
    step(QStringLiteral("List1_DblClick"), [&] {
        if (const QListWidgetItem* item = List1->currentItem())
            Text1->setText(item->text());
    });
}

void WEdit::Hinzuf_Click()
{
    step(QStringLiteral("Hinzuf_Click"), [&] {
        if (!Text1->text().isEmpty() && !vocabulary::passesWordRule(Text1->text())) {
            // The game would skip such a word when it reads the file: say so instead of adding it.
            tell(extraText(Extra::WordLength), windowTitle(), Icon::Information);
            Text1->setFocus();
            return;
        }
        if (!Text1->text().isEmpty()) {
            if (List1->count() >= vocabulary::MaxWords) {
                tell(extraText(Extra::ListFull).arg(vocabulary::MaxWords), windowTitle());
                Text1->setFocus();
                return;
            }
            // Shown where it went, so a long list does not hide it below the visible rows.
            appendSelected({Text1->text()});
            Text1->clear();
            m_handEdited = true;
        }
        g().ListeGeaendert = True;
        Text1->setFocus();
    });
}

void WEdit::appendSelected(const QStringList& added)
{
    if (added.isEmpty())
        return;
    const int first = List1->count();
    // One insertion and one selection for all of them: selecting row by row would lay the whole
    // list out again for every row, which takes minutes for a large import.
    const QSignalBlocker blocker(List1);
    List1->clearSelection();
    List1->addItems(added);
    const QModelIndex top = List1->model()->index(first, 0);
    List1->selectionModel()->select(QItemSelection(top, List1->model()->index(List1->count() - 1, 0)),
                                    QItemSelectionModel::Select);
    List1->selectionModel()->setCurrentIndex(top, QItemSelectionModel::NoUpdate);
    List1->scrollToItem(List1->item(first), added.size() > 1 ? QAbstractItemView::PositionAtTop
                                                             : QAbstractItemView::EnsureVisible);
    // What stands selected can be deleted again at once.
    Loesch->setEnabled(true);
}

void WEdit::Loesch_Click()
{
    step(QStringLiteral("Loesch_Click"), [&] {
        {
            // Removing rows moves the current entry; that is no click of the user's.
            const QSignalBlocker blocker(List1);
            for (int i = List1->count() - 1; i >= 0; --i)
                if (List1->item(i)->isSelected()) {
                    delete List1->takeItem(i);
                    m_handEdited = true;
                }
        }
        Loesch->setEnabled(false);
        g().ListeGeaendert = True;
        List1->setFocus();
    });
}

bool WEdit::Speichern_Click()
{
    bool saved = false;
    step(QStringLiteral("Speichern_Click"), [&] {
        const QString path = vocabulary::pathOf(m_fileName);
        // Nobody has seen the words of a file the reader refused; an editor that started empty
        // must not put a few new ones in their place.
        if (!m_refusal.isEmpty()) {
            tell(extraText(Extra::VocabularyNotSaved).arg(QDir::toNativeSeparators(path), m_refusal), LoadText(128));
            return;
        }
        const QStringList list = words();
        // After a refused or failed save the changes stay marked as unsaved.
        if (!writeList(path, list + m_unplayable))
            return;
        // A new list is the one to play once it is saved.
        if (m_fileName != g().WortDatei) {
            g().WortDatei = m_fileName;
            g().EinstGeaendert = True;
        }
        emit listHandedOver(list);
        // The file now holds the list, so leaving asks no more questions.
        g().ListeGeaendert = False;
        m_handEdited = false;
        saved = true;
    });
    return saved;
}

void WEdit::OK_Click()
{
    const QPointer<WEdit> self(this);
    step(QStringLiteral("OK_Click"), [&] {
        emit listHandedOver(words());
        if (g().ListeGeaendert) {
            const Answer answer =
                platform().dialogs->message(LoadText(152), m_fileName, Icon::Question, Buttons::YesNo);
            // The program may have ended while the question was open.
            if (!self)
                return;
            // After a failed save the editor stays open, so the edits are not lost.
            if (answer == Answer::Yes && !Speichern_Click())
                return;
        }
        accept();
    });
}

void WEdit::Abbruch_Click()
{
    step(QStringLiteral("Abbruch_Click"), [&] {
        g().ListeGeaendert = False;
        reject();
    });
}
