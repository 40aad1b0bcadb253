// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The help page reads only ordinary files of a sane size inside the game's folder: a FIFO or a
// device named by a picture on the page must neither hang the game nor fill its memory.
#include "TestEnvironment.h"
#include "about/HelpFile.h"
#include "about/HelpViewers.h"
#include "common/ProgramFolder.h"

#include <QApplication>
#include <QBuffer>
#include <QTemporaryDir>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTest>
#include <QTextBrowser>

#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {
QByteArray picture()
{
    QImage image(7, 5, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Watches a FIFO for a reader for `seconds`: a reader stuck in open() is let go (the FIFO then
// reads as empty) and counted, so a test of a faulty viewer fails rather than hangs.
class FifoWatch {
public:
    explicit FifoWatch(const QString& path, double seconds)
        : m_thread([this, name = QFile::encodeName(path), seconds] {
              QElapsedTimer timer;
              timer.start();
              while (!m_stop && timer.elapsed() < seconds * 1000) {
                  const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK);
                  if (fd >= 0) { // someone is reading
                      m_opened = true;
                      ::close(fd);
                  }
                  std::this_thread::sleep_for(std::chrono::milliseconds(20));
              }
          })
    {
    }
    ~FifoWatch()
    {
        m_stop = true;
        m_thread.join();
    }
    bool opened() const { return m_opened; }

private:
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_opened{false};
    std::thread m_thread;
};

QTextBrowser* helpPage()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QStringLiteral("help") && w->isVisible())
            return qobject_cast<QTextBrowser*>(w);
    return nullptr;
}
} // namespace

class HelpPageTest : public QObject {
    Q_OBJECT
private slots:
    void onlyOrdinaryFilesInsideTheFolderAreRead_data()
    {
        QTest::addColumn<QString>("name"); // as the page names it; the game's folder is "game"
        QTest::addColumn<bool>("read");
        QTest::newRow("picture beside the page") << "pic.png" << true;
        QTest::newRow("picture in a folder of its own") << "bilder/pic.png" << true;
        QTest::newRow("exactly at the size limit") << "limit.png" << true;
        QTest::newRow("one byte over the limit") << "over.png" << false;
        QTest::newRow("FIFO") << "pipe" << false;
        QTest::newRow("folder") << "bilder" << false;
        QTest::newRow("device") << "/dev/zero" << false;
        QTest::newRow("link to a device") << "zero.png" << false;
        QTest::newRow("file outside the folder") << "../outside.png" << false;
        QTest::newRow("link to a file outside") << "outside-link.png" << false;
        QTest::newRow("sibling folder starting with the folder's name") << "../game-old/pic.png" << false;
        QTest::newRow("missing") << "gone.png" << false;
        QTest::newRow("web address") << "https://example.org/pic.png" << false;
    }
    void onlyOrdinaryFilesInsideTheFolderAreRead()
    {
        QFETCH(QString, name);
        QFETCH(bool, read);
        TestEnvironment env(TestEnvironment::Words::None);
        const QString game = env.path(QStringLiteral("game"));
        setProgramFolder(game);
        for (const char* file : {"game/pic.png", "game/bilder/pic.png", "outside.png", "game-old/pic.png"})
            env.writeFile(QString::fromLatin1(file), picture());
        for (const auto& [file, size] : {std::pair{"game/limit.png", MaxHelpBytes}, std::pair{"game/over.png", MaxHelpBytes + 1}}) {
            QFile sparse(env.path(QString::fromLatin1(file)));
            QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(size));
        }
        QCOMPARE(::mkfifo(QFile::encodeName(game + QStringLiteral("/pipe")).constData(), 0600), 0);
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), game + QStringLiteral("/zero.png")));
        QVERIFY(QFile::link(env.path(QStringLiteral("outside.png")), game + QStringLiteral("/outside-link.png")));

        const QUrl page = QUrl::fromLocalFile(game + QStringLiteral("/wuppel32.html"));
        QElapsedTimer timer;
        timer.start();
        const auto bytes = helpResource(page.resolved(QUrl(name)));
        QVERIFY(timer.elapsed() < 2000);
        QCOMPARE(bytes.has_value(), read);
        if (read)
            QCOMPARE(bytes->size(), QFileInfo(page.resolved(QUrl(name)).toLocalFile()).size());
    }

    // The page as the game shows it: its own pictures appear, and a picture that names a FIFO
    // neither hangs the window nor is opened at all.
    void pageShowsItsPicturesAndNeverOpensAFifo()
    {
        TestEnvironment env(TestEnvironment::Words::None);
        env.writeFile(QStringLiteral("bilder/pic.png"), picture());
        const QString pipe = env.path(QStringLiteral("pipe.png"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        env.writeFile(QStringLiteral("wuppel32.html"),
                      "<html><head><title>Hilfe</title></head><body><p>Bilder:</p>"
                      "<img src=\"bilder/pic.png\"><img src=\"pipe.png\"><img src=\"/dev/zero\"></body></html>");
        HelpWindow help;
        QElapsedTimer timer;
        {
            FifoWatch watch(pipe, 3);
            timer.start();
            help.showHelp(env.path(QStringLiteral("wuppel32.html")));
            QTextBrowser* page = helpPage();
            QVERIFY(page);
            page->grab(); // lays out and paints the page, pictures and all
            QVERIFY2(!watch.opened(), "the FIFO was opened");
        }
        QVERIFY(timer.elapsed() < 2000);
        QCOMPARE(env.dialogs.texts(), QStringList());
        QTextBrowser* page = helpPage();
        QCOMPARE(page->windowTitle(), QStringLiteral("Hilfe"));
        const QVariant own = page->document()->resource(QTextDocument::ImageResource,
                                                         QUrl::fromLocalFile(env.path(QStringLiteral("bilder/pic.png"))));
        QCOMPARE(qvariant_cast<QImage>(own).size(), QSize(7, 5));
    }

    // A help file that is a link to a page elsewhere is as good as missing.
    void helpLinkedFromOutsideIsReported()
    {
        TestEnvironment env(TestEnvironment::Words::None);
        QTemporaryDir elsewhere;
        const QString outside = elsewhere.filePath(QStringLiteral("page.html"));
        QFile file(outside);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("<html><body>fremd</body></html>") > 0);
        file.close();
        const QString path = env.path(QStringLiteral("wuppel32.html"));
        QVERIFY(QFile::link(outside, path));
        HelpWindow help;
        help.showHelp(path);
        QCOMPARE(env.dialogs.texts(),
                 QStringList{QStringLiteral("Die Hilfedatei wurde nicht gefunden:\n") + QDir::toNativeSeparators(path)});
        QVERIFY(!helpPage());
    }
};

QTEST_MAIN(HelpPageTest)
#include "tst_help_page.moc"
