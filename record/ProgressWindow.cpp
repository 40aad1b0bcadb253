// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/ProgressWindow.h"
#include "common/Dialogs.h"
#include "common/Platform.h"
#include "common/Version.h"
#include "i18n/RecordTexts.h"
#include "record/ProgressReader.h"
#include "record/RecordStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLibrary>
#include <QListWidget>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QVBoxLayout>

namespace record {
namespace {
using MakeChart = QWidget* (*)(QWidget*);
using ShowChart = void (*)(QWidget*, const QList<int>*, const QStringList*, const QString*);

QString& chartFolder()
{
    static QString folder;
    return folder;
}

// The chart library, loaded at the first opening of the window and kept for the run.
struct ChartLibrary {
    MakeChart make = nullptr;
    ShowChart show = nullptr;
    ChartLibrary()
    {
        const QString app = QCoreApplication::applicationDirPath();
        for (const QString& folder : {chartFolder(), app, app + QStringLiteral("/../lib/wupple")}) {
            if (folder.isEmpty())
                continue;
            QLibrary library(QDir(folder).filePath(QStringLiteral("wupple-daychart")));
            make = reinterpret_cast<MakeChart>(library.resolve("wuppleDayChart"));
            show = reinterpret_cast<ShowChart>(library.resolve("wuppleDayChartShow"));
            if (make && show)
                return;
        }
        qWarning("Wupple: the chart library was not found; the progress window shows no chart");
        make = nullptr;
        show = nullptr;
    }
};

ChartLibrary& chartLibrary()
{
    static ChartLibrary library;
    return library;
}

void tell(const QString& text)
{
    if (platform().dialogs)
        platform().dialogs->message(text, ApplicationTitle, Icon::Exclamation, Buttons::OK);
}

QLabel* heading(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}
} // namespace

void ProgressWindow::setChartFolder(const QString& folder) { chartFolder() = folder; }

ProgressWindow::ProgressWindow(QString path, RecordStore* store, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_path(std::move(path))
    , m_store(store)
{
    setObjectName(QStringLiteral("Progress"));
    setWindowTitle(recordText(RecordText::Progress));
    auto* layout = new QVBoxLayout(this);

    m_children = new QTableWidget(0, 5, this);
    m_children->setHorizontalHeaderLabels({recordText(RecordText::Child), recordText(RecordText::WeekPlayed),
                                           recordText(RecordText::WeekSolved), recordText(RecordText::Played),
                                           recordText(RecordText::Solved)});
    m_children->verticalHeader()->hide();
    m_children->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_children->setSelectionMode(QAbstractItemView::SingleSelection);
    m_children->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The arrow keys choose a child; Tab goes on to the chart, the lists and the buttons instead
    // of walking through every cell of the table first.
    m_children->setTabKeyNavigation(false);
    m_children->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_children->setMaximumHeight(150);
    layout->addWidget(m_children);
    m_note = new QLabel(this);
    m_note->setWordWrap(true);
    layout->addWidget(m_note);

    auto* details = new QHBoxLayout;
    const ChartLibrary& charts = chartLibrary();
    m_chart = charts.make ? charts.make(this) : new QWidget(this);
    m_chart->setObjectName(QStringLiteral("chart"));
    details->addWidget(m_chart, 3);
    auto* lists = new QVBoxLayout;
    m_trickyTitle = heading(recordText(RecordText::TrickyWords), this);
    m_tricky = new QListWidget(this);
    m_lettersTitle = heading(recordText(RecordText::MissedLetters), this);
    m_letters = new QListWidget(this);
    for (QWidget* w : {static_cast<QWidget*>(m_trickyTitle), static_cast<QWidget*>(m_tricky),
                       static_cast<QWidget*>(m_lettersTitle), static_cast<QWidget*>(m_letters)})
        lists->addWidget(w);
    details->addLayout(lists, 2);
    layout->addLayout(details, 1);

    auto* buttons = new QHBoxLayout;
    m_export = new QPushButton(recordText(RecordText::ExportCsv), this);
    m_deleteChild = new QPushButton(this);
    m_deleteAll = new QPushButton(recordText(RecordText::DeleteAll), this);
    auto* close = new QPushButton(recordText(RecordText::Close), this);
    buttons->addWidget(m_export);
    buttons->addWidget(m_deleteChild);
    buttons->addWidget(m_deleteAll);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    resize(860, 560);

    connect(m_children, &QTableWidget::itemSelectionChanged, this, &ProgressWindow::showChild);
    connect(m_export, &QPushButton::clicked, this, &ProgressWindow::exportCsv);
    connect(m_deleteChild, &QPushButton::clicked, this, &ProgressWindow::deleteChild);
    connect(m_deleteAll, &QPushButton::clicked, this, &ProgressWindow::deleteAll);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    if (m_store)
        connect(m_store, &RecordStore::removed, this, &ProgressWindow::reload);
    reload();
}

void ProgressWindow::reload()
{
    const QString keep = selectedChild();
    const ProgressReader reader(m_path);
    if (!reader.error().isEmpty())
        tell(recordText(RecordText::RecordUnreadable).arg(QDir::toNativeSeparators(m_path), reader.error()));
    const QList<ChildFigures> children = reader.children(m_today);
    const QSignalBlocker quiet(m_children);
    m_children->setRowCount(int(children.size()));
    for (int row = 0; row < children.size(); ++row) {
        const ChildFigures& c = children[row];
        const int values[] = {c.weekPlayed, c.weekSolved, c.played, c.solved};
        m_children->setItem(row, 0, new QTableWidgetItem(c.name));
        for (int i = 0; i < 4; ++i) {
            auto* item = new QTableWidgetItem(QString::number(values[i]));
            item->setTextAlignment(Qt::AlignCenter);
            m_children->setItem(row, i + 1, item);
        }
    }
    m_note->setText(children.isEmpty() ? recordText(RecordText::NoRecord) : QString());
    m_note->setVisible(children.isEmpty());
    m_export->setEnabled(reader.hasRecord());
    m_deleteAll->setEnabled(!children.isEmpty() && canDelete());
    selectChild(keep);
    if (m_children->currentRow() < 0 && !children.isEmpty())
        m_children->selectRow(0);
    showChild();
}

QString ProgressWindow::selectedChild() const
{
    const int row = m_children->currentRow();
    const QTableWidgetItem* item = row >= 0 ? m_children->item(row, 0) : nullptr;
    return item ? item->text() : QString();
}

void ProgressWindow::selectChild(const QString& name)
{
    for (int row = 0; row < m_children->rowCount(); ++row)
        if (m_children->item(row, 0)->text() == name)
            m_children->selectRow(row);
}

void ProgressWindow::showChild()
{
    const QString name = selectedChild();
    m_deleteChild->setText(recordText(RecordText::DeleteChild).arg(name));
    m_deleteChild->setEnabled(!name.isEmpty() && canDelete());
    m_tricky->clear();
    m_letters->clear();
    const ProgressReader reader(m_path);
    for (const TrickyWord& w : reader.trickiestWords(name))
        m_tricky->addItem(recordText(RecordText::TrickyLine).arg(w.word, QString::number(w.averageMisses, 'f', 1)));
    for (const MissedLetter& l : reader.missedLetters(name))
        m_letters->addItem(recordText(RecordText::LetterLine).arg(l.letter).arg(l.count));
    const ChartLibrary& charts = chartLibrary();
    if (!charts.show)
        return;
    const QList<int> counts = reader.solvedPerDay(name, m_today);
    QStringList labels;
    for (int i = int(counts.size()) - 1; i >= 0; --i)
        labels << QString::number(m_today.addDays(-i).day());
    const QString title = name.isEmpty() ? recordText(RecordText::Chart) : name + QStringLiteral(": ") + recordText(RecordText::Chart);
    charts.show(m_chart, &counts, &labels, &title);
}

void ProgressWindow::exportCsv()
{
    const QString target = platform().dialogs->saveFile(recordText(RecordText::ExportCsv).remove(QStringLiteral(" \u2026")),
                                                        QStringLiteral("CSV (*.csv)"), QStringLiteral("Wupple.csv"));
    if (target.isEmpty())
        return;
    QSaveFile file(target);
    QString why;
    if (!file.open(QIODevice::WriteOnly))
        why = file.errorString();
    else if (why = ProgressReader(m_path).exportCsv(file); why.isEmpty() && !file.commit())
        why = file.errorString();
    if (!why.isEmpty()) {
        file.cancelWriting();
        tell(recordText(RecordText::CsvNotSaved).arg(QDir::toNativeSeparators(target), why));
    }
}

bool ProgressWindow::canDelete() const { return m_store && !m_store->isOff(); }

void ProgressWindow::deleteChild()
{
    const QString name = selectedChild();
    if (!name.isEmpty())
        remove(name);
}

void ProgressWindow::deleteAll() { remove(QString()); }

void ProgressWindow::remove(const QString& name)
{
    if (!canDelete())
        return;
    const QString question = name.isEmpty() ? recordText(RecordText::AskDeleteAll)
                                            : recordText(RecordText::AskDeleteChild).arg(name);
    if (platform().dialogs->message(question, ApplicationTitle, Icon::Question, Buttons::YesNo) != Answer::Yes)
        return;
    // Written on the store's thread; the figures are read again once it is done.
    m_store->remove(name);
}

} // namespace record
