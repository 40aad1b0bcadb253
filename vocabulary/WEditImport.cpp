// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's import and "new list" commands.
#include "common/Allgemein.h"
#include "common/Dialogs.h"
#include "common/ErrorReport.h"
#include "common/Platform.h"
#include "common/ProgramFolder.h"
#include "i18n/Catalogue.h"
#include "i18n/ImportTexts.h"
#include "vocabulary/Import.h"
#include "vocabulary/VocabularyFile.h"
#include "vocabulary/WEdit.h"
#include "vocabulary/WEditMessages.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

using wedit::tell;
using wedit::writeList;

void WEdit::Importieren_Click()
{
    const QPointer<WEdit> self(this);
    step(QStringLiteral("Importieren_Click"), [&] {
        namespace import = vocabulary::import;
        const QString title = importText(ImportText::ImportTitle);
        const QString path = platform().dialogs->openFile(title, importText(ImportText::FileFilter));
        if (!self || path.isEmpty())
            return;
        const QString name = QFileInfo(path).fileName();
        const auto entries = import::readEntries(path, import::localeOf(g().SprachOffset));
        if (entries.refusal != import::Refusal::None) {
            tell(import::refusalText(name, entries), title);
            return;
        }
        const QString cards = import::cardLetters(g().SprachOffset);
        const auto outcome = import::judge(entries.entries, words(), cards);
        // A new list takes the file's words whether or not this list has them already.
        m_importWords = import::judge(entries.entries, {}, cards).added;
        m_importName = name;
        if (!outcome.added.isEmpty()) {
            // The new words stand selected, so Delete takes the import back at once.
            appendSelected(outcome.added);
            g().ListeGeaendert = True;
        }
        tell(import::report(name, outcome), title, Icon::Information);
    });
}

bool WEdit::settleHandEdits()
{
    if (!m_handEdited)
        return true;
    const QPointer<WEdit> self(this);
    const Answer answer = platform().dialogs->message(LoadText(152), m_fileName, Icon::Question, Buttons::YesNoCancel);
    if (!self || answer == Answer::Cancel)
        return false;
    return answer == Answer::No || Speichern_Click();
}

void WEdit::switchTo(const QString& name, const QStringList& list)
{
    m_fileName = name;
    setWindowTitle(name);
    {
        const QSignalBlocker blocker(List1);
        List1->clear();
        List1->addItems(list);
    }
    Loesch->setEnabled(false);
    m_unplayable.clear();
    m_refusal.clear();
    m_handEdited = false;
    m_importWords.clear();
    m_importName.clear();
}

void WEdit::NeueListe_Click()
{
    const QPointer<WEdit> self(this);
    step(QStringLiteral("NeueListe_Click"), [&] {
        namespace import = vocabulary::import;
        const QString title = importText(ImportText::NewListTitle);
        const bool fromImport = !m_importWords.isEmpty();
        const QString prompt = fromImport ? importText(ImportText::NewListFromImport)
                                                .arg(QString::number(m_importWords.size()), import::forMessage(m_importName))
                                          : importText(ImportText::NewListEmpty);
        const QString typed = platform().dialogs->input(prompt, title);
        if (!self || typed.trimmed().isEmpty())
            return;
        const QString name = import::newListName(typed);
        if (name.isEmpty()) {
            tell(importText(ImportText::NewListBadName).arg(import::forMessage(typed)), title);
            return;
        }
        if (QFileInfo::exists(vocabulary::pathOf(name)) &&
            platform().dialogs->message(importText(ImportText::NewListExists).arg(name), title, Icon::Question,
                                        Buttons::YesNo) != Answer::Yes)
            return;
        if (!self || !settleHandEdits())
            return;
        if (!fromImport) {
            // Written when it is saved, so an empty list never stands in the folder.
            switchTo(name, {});
            g().ListeGeaendert = True;
            Text1->setFocus();
            return;
        }
        const QStringList list = m_importWords;
        if (!writeList(vocabulary::pathOf(name), list))
            return;
        switchTo(name, list);
        g().WortDatei = name;
        g().EinstGeaendert = True;
        emit listHandedOver(list);
        g().ListeGeaendert = False;
        tell(importText(ImportText::NewListSaved).arg(name, QString::number(list.size())), title, Icon::Information);
    });
}
