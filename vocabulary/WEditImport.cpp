// The editor's import and "new list" commands.
#include "common/Allgemein.h"
#include "common/Dialogs.h"
#include "common/ErrorReport.h"
#include "common/Platform.h"
#include "common/ProgramFolder.h"
#include "i18n/Catalogue.h"
#include "i18n/ImportTexts.h"
#include "vocabulary/Import.h"
#include "vocabulary/WEdit.h"
#include "vocabulary/WEditMessages.h"

#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

using wedit::tell;
using wedit::writeList;

void WEdit::Importieren_Click()
{
    const QPointer<WEdit> self(this);
    step(QStringLiteral("Importieren_Click"), [&] {
        const QString title = importText(ImportText::ImportTitle);
        const QString path = platform().dialogs->openFile(title, importText(ImportText::FileFilter));
        if (!self || path.isEmpty())
            return;
        const QString name = QFileInfo(path).fileName();
        const auto entries = vocabulary::import::readEntries(path, vocabulary::import::localeOf(g().SprachOffset));
        if (entries.refusal != vocabulary::import::Refusal::None) {
            tell(vocabulary::import::refusalText(name, entries), title);
            return;
        }
        const auto outcome =
            vocabulary::import::judge(entries.entries, words(), vocabulary::import::cardLetters(g().SprachOffset));
        if (!outcome.added.isEmpty()) {
            // The new words stand selected, so Delete takes the import back at once.
            const QSignalBlocker blocker(List1);
            List1->clearSelection();
            for (const QString& word : outcome.added) {
                List1->addItem(word);
                List1->item(List1->count() - 1)->setSelected(true);
            }
            m_imported += outcome.added;
            List1->scrollToItem(List1->item(List1->count() - int(outcome.added.size())), QAbstractItemView::PositionAtTop);
            Loesch->setEnabled(true);
            g().ListeGeaendert = True;
        }
        tell(vocabulary::import::report(name, outcome), title, Icon::Information);
    });
}

void WEdit::NeueListe_Click()
{
    const QPointer<WEdit> self(this);
    step(QStringLiteral("NeueListe_Click"), [&] {
        const QString title = importText(ImportText::NewListTitle);
        const QString typed = platform().dialogs->input(importText(ImportText::NewListPrompt), title);
        if (!self || typed.trimmed().isEmpty())
            return;
        const QString name = vocabulary::import::newListName(typed);
        if (name.isEmpty()) {
            tell(importText(ImportText::NewListBadName).arg(typed), title);
            return;
        }
        const QString path = QDir(programFolder()).filePath(LoadText(166) + QLatin1Char('/') + name);
        if (QFileInfo::exists(path) &&
            platform().dialogs->message(importText(ImportText::NewListExists).arg(name), title, Icon::Question,
                                        Buttons::YesNo) != Answer::Yes)
            return;
        if (!self)
            return;
        // The list being edited under its own name is an ordinary save.
        if (name == g().WortDatei) {
            if (Speichern_Click())
                tell(importText(ImportText::NewListSaved).arg(name), title, Icon::Information);
            return;
        }
        QStringList list = words();
        QStringList imported;
        for (const QString& word : std::as_const(m_imported))
            if (list.contains(word))
                imported.push_back(word);
        if (!imported.isEmpty() && imported.size() < list.size() &&
            platform().dialogs->message(importText(ImportText::ImportedOnly).arg(imported.size()).arg(list.size()),
                                        title, Icon::Question, Buttons::YesNo) == Answer::Yes)
            list = imported;
        if (self && writeList(path, list))
            tell(importText(ImportText::NewListSaved).arg(name), title, Icon::Information);
    });
}
