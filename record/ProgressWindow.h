// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The progress window: for each child the words played and solved, a chart of the last 30
// days, the trickiest words and the letters most often missed; the record can be saved as CSV
// and deleted from here. The figures come from ProgressReader; the window only shows them.
#include <QDate>
#include <QDialog>
#include <QPointer>

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace record {

class RecordStore;

class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    // `store` is the game's, for deleting; it may be gone before the window is.
    ProgressWindow(QString path, RecordStore* store, QWidget* parent = nullptr);

    // Reads the figures again and shows them.
    void reload();
    QString selectedChild() const;
    void selectChild(const QString& name);
    void setToday(QDate today) { m_today = today; }

    // The commands of the buttons, for the tests too.
    void exportCsv();
    void deleteChild();
    void deleteAll();

    // Where the chart library lies, when it is not beside the program.
    static void setChartFolder(const QString& folder);

private:
    void showChild();
    // Deleting goes through the game's store, which writes on its own thread.
    bool canDelete() const;
    void remove(const QString& name);

    QString m_path;
    QPointer<RecordStore> m_store;
    QDate m_today = QDate::currentDate();
    QTableWidget* m_children = nullptr;
    QLabel* m_note = nullptr;
    QWidget* m_chart = nullptr;
    QLabel* m_trickyTitle = nullptr;
    QListWidget* m_tricky = nullptr;
    QLabel* m_lettersTitle = nullptr;
    QListWidget* m_letters = nullptr;
    QPushButton* m_export = nullptr;
    QPushButton* m_deleteChild = nullptr;
    QPushButton* m_deleteAll = nullptr;
};

} // namespace record
