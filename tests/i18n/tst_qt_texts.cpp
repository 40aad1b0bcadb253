// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own texts (standard buttons, key names, the file dialog) speak the game's language and
// follow every switch.
#include "GameSession.h"
#include "common/MessageBoxes.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QTreeView>

namespace {
QString cancelButtonText()
{
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    return box.button(QDialogButtonBox::Cancel)->text();
}

QString shortcutText() { return QKeySequence(Qt::CTRL | Qt::Key_W).toString(QKeySequence::NativeText); }

// What the game's file dialog shows with a folder selected, read while it stands open.
struct FileDialogLook {
    QString acceptButton;
    QStringList headers;
    QStringList labelsShowingAmpersand;
    QString folderType; // the type column of the selected folder
};

FileDialogLook lookAtFileDialog(const QString& folder, const QString& shot)
{
    FileDialogLook look;
    QElapsedTimer waited;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            if (!dialog || !dialog->isVisible())
                continue;
            if (!waited.isValid()) {
                waited.start();
                dialog->setDirectory(folder);
            }
            // The dialog's model reads the folder on a thread of its own; the selected row
            // and its type appear a moment later, so look again until they are there.
            auto* view = dialog->findChild<QTreeView*>();
            const bool selected = view && !view->selectionModel()->selectedRows().isEmpty()
                && !view->selectionModel()->selectedRows().first().siblingAtColumn(2).data().toString().isEmpty();
            if (!selected && waited.elapsed() < 10000) {
                // selectFile() leaves a focused name field alone, so type the name as a child would;
                // typed before the folder is read, it selects nothing and is typed again.
                if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
                    name->clear();
                    name->setText(QStringLiteral("Bilder"));
                }
                return;
            }
            poll.stop();
            if (auto* buttons = dialog->findChild<QDialogButtonBox*>())
                look.acceptButton = buttons->buttons().value(0)->text();
            if (auto* tree = dialog->findChild<QTreeView*>())
                for (int column = 0; column < tree->model()->columnCount(); ++column)
                    look.headers << tree->model()->headerData(column, Qt::Horizontal).toString();
            if (auto* tree = dialog->findChild<QTreeView*>()) {
                const QModelIndexList rows = tree->selectionModel()->selectedRows();
                if (!rows.isEmpty())
                    look.folderType = rows.first().siblingAtColumn(2).data().toString();
            }
            // A label shows its "&" unless it hands the focus to a field.
            for (QLabel* label : dialog->findChildren<QLabel*>())
                if (label->isVisible() && label->text().contains(u'&') && !label->buddy())
                    look.labelsShowingAmpersand << label->text();
            // WUPPLE_SHOTS=folder keeps a picture of the dialog.
            if (const QString shots = qEnvironmentVariable("WUPPLE_SHOTS"); !shots.isEmpty())
                dialog->grab().save(QDir(shots).filePath(shot + QStringLiteral(".png")));
            dialog->reject();
            return;
        }
    });
    poll.start(20);
    MessageBoxes boxes;
    (void)boxes.openFile(QStringLiteral("Wörter importieren"), QStringLiteral("*.txt"));
    return look;
}
} // namespace

class QtTextsTest : public QObject {
    Q_OBJECT
private slots:
    void followTheGamesLanguage()
    {
        GameSession s;
        QCOMPARE(cancelButtonText(), QStringLiteral("Abbrechen"));
        QCOMPARE(shortcutText(), QStringLiteral("Strg+W"));
        s.window->menu().mnuLang[2]->trigger();
        settle(*s.window);
        QCOMPARE(cancelButtonText(), QStringLiteral("Avbryt"));
        s.window->menu().mnuLang[3]->trigger();
        settle(*s.window);
        QCOMPARE(cancelButtonText(), QStringLiteral("Annulla"));
        s.window->menu().mnuLang[1]->trigger();
        settle(*s.window);
        QCOMPARE(cancelButtonText(), QStringLiteral("Cancel"));
        QCOMPARE(shortcutText(), QStringLiteral("Ctrl+W"));
    }

    void fileDialogSpeaksTheGamesLanguage()
    {
        GameSession s;
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Bilder")));
        const FileDialogLook german = lookAtFileDialog(folder.path(), QStringLiteral("file-dialog-de"));
        QVERIFY2(german.labelsShowingAmpersand.isEmpty(), qPrintable(german.labelsShowingAmpersand.join(u'|')));
        // With a folder selected, Qt names the button itself.
        QCOMPARE(german.acceptButton, QStringLiteral("&Öffnen"));
        QCOMPARE(german.headers.value(1), QStringLiteral("Größe"));
        QCOMPARE(german.headers.value(3), QStringLiteral("Änderungsdatum"));
        s.window->menu().mnuLang[2]->trigger();
        settle(*s.window);
        const FileDialogLook swedish = lookAtFileDialog(folder.path(), QStringLiteral("file-dialog-sv"));
        QVERIFY2(swedish.labelsShowingAmpersand.isEmpty(), qPrintable(swedish.labelsShowingAmpersand.join(u'|')));
        QCOMPARE(swedish.acceptButton, QStringLiteral("&Öppna"));
        QCOMPARE(swedish.headers.value(1), QStringLiteral("Storlek"));
        QCOMPARE(swedish.folderType, QStringLiteral("Mapp"));
    }
};

QTEST_MAIN(QtTextsTest)
#include "tst_qt_texts.moc"
