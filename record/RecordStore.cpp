// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/RecordStore.h"
#include "record/RecordDatabase.h"

#include <QSqlDatabase>
#include <QThread>
#include <QUuid>

namespace record {

// Lives on the writing thread and holds its connection.
class RecordWriter : public QObject {
    Q_OBJECT
public:
    explicit RecordWriter(QString path)
        : m_path(std::move(path))
        , m_name(QStringLiteral("record-writer-") + QUuid::createUuid().toString(QUuid::Id128))
    {
    }
    ~RecordWriter() override
    {
        if (m_open)
            closeDatabase(m_name);
    }

    void open()
    {
        const QString why = openForWriting(m_path, m_name);
        m_open = why.isEmpty();
        if (!m_open)
            stop(why);
    }
    void write(const WordRecord& word)
    {
        if (!m_open)
            return;
        QString why;
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            why = writeWord(db, word);
        }
        if (why.isEmpty())
            emit written();
        else
            stop(why);
    }
    void remove(const QString& name)
    {
        if (!m_open)
            return;
        QString why;
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            why = removeWords(db, name);
        }
        if (why.isEmpty())
            emit removed();
        else
            stop(why);
    }

signals:
    void failed(const QString& reason);
    void written();
    void removed();

private:
    void stop(const QString& why)
    {
        if (m_open)
            closeDatabase(m_name);
        m_open = false;
        emit failed(why);
    }

    QString m_path;
    QString m_name;
    bool m_open = false;
};

RecordStore::RecordStore(QString path, QObject* parent)
    : QObject(parent)
    , m_path(std::move(path))
{
}

RecordStore::~RecordStore()
{
    if (!m_thread)
        return;
    // After every word handed in, the writer goes and then its thread ends, both on that thread and
    // in that order. Ending the thread from here instead could drop what is still queued, the
    // writer included.
    QMetaObject::invokeMethod(m_writer, [w = m_writer, t = m_thread] {
        delete w;
        t->quit();
    }, Qt::QueuedConnection);
    m_thread->wait();
    delete m_thread;
}

void RecordStore::start()
{
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("record"));
    m_writer = new RecordWriter(m_path);
    m_writer->moveToThread(m_thread);
    connect(m_writer, &RecordWriter::failed, this, &RecordStore::fail);
    connect(m_writer, &RecordWriter::written, this, &RecordStore::written);
    connect(m_writer, &RecordWriter::removed, this, &RecordStore::removed);
    m_thread->start(QThread::LowPriority);
    QMetaObject::invokeMethod(m_writer, &RecordWriter::open, Qt::QueuedConnection);
}

void RecordStore::record(const WordRecord& word)
{
    if (m_off)
        return;
    if (!m_thread)
        start();
    QMetaObject::invokeMethod(m_writer, [w = m_writer, word] { w->write(word); }, Qt::QueuedConnection);
}

void RecordStore::remove(const QString& name)
{
    if (m_off)
        return;
    if (!m_thread)
        start();
    QMetaObject::invokeMethod(m_writer, [w = m_writer, name] { w->remove(name); }, Qt::QueuedConnection);
}

void RecordStore::flush()
{
    if (m_thread)
        QMetaObject::invokeMethod(m_writer, [] {}, Qt::BlockingQueuedConnection);
}

void RecordStore::fail(const QString& reason)
{
    if (m_off)
        return;
    m_off = true;
    emit recordingOff(m_path, reason);
}

} // namespace record

#include "RecordStore.moc"
