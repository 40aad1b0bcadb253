// The options and help menus: sound switches, About, help.
#include "GameSession.h"
#include "about/frmInfo.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

class MenusTest : public QObject {
    Q_OBJECT
private slots:
    void soundSwitchIsSavedAtOnce()
    {
        GameSession s;
        auto& w = s.window;
        auto& env = s.env;
        w->mnuPlaySounds->trigger();
        QVERIFY(!w->mnuPlaySounds->isChecked());
        QVERIFY(env.ini().contains("[Einstellungen]\r\nSound= 0\r\n"));
        s.startGame();
        QVERIFY(env.sound.played.isEmpty());
        w->mnuPlaySounds->trigger();
        QCOMPARE(g().SoundAn, True);
        QVERIFY(env.ini().contains("Sound=-1\r\n"));
    }

    void musicSwitchRestartsFromTheBeginning()
    {
        GameSession s;
        auto& w = s.window;
        auto& env = s.env;
        QCOMPARE(env.sound.musicStarts, 1);
        w->mnuPlayMusic->trigger();
        QCOMPARE(env.sound.musicCloses, 1);
        QVERIFY(env.ini().contains("Music= 0\r\n"));
        w->mnuPlayMusic->trigger();
        QCOMPARE(env.sound.musicStarts, 2);
        QVERIFY(env.sound.lastMusicPath.endsWith(QStringLiteral("/wupple.mid")));
        QVERIFY(env.ini().contains("Music=-1\r\n"));
        // Closing the window stops the music.
        w->close();
        QCOMPARE(env.sound.musicCloses, 2);
    }

    void aboutShowsTitleAndVersionAndClosesWithEscape()
    {
        GameSession s({}, QStringLiteral("[Optionen]\nSprache= 3000\n"));
        auto& w = s.window;
        w->mnuUeber->trigger();
        QCoreApplication::processEvents();
        frmInfo* about = w->findChild<frmInfo*>();
        QVERIFY(about && about->isVisible());
        QVERIFY(!about->ok->isHidden());
        QCOMPARE(about->Label[0]->text(), QStringLiteral("Wuppolo  %1.%2.%3").arg(WUPPLE_VERSION_MAJOR).arg(WUPPLE_VERSION_MINOR).arg(WUPPLE_VERSION_PATCH));
        QPointer<frmInfo> watch(about);
        QTest::keyClick(about, Qt::Key_Escape);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(watch.isNull());
        QVERIFY(!w->busy());
    }
};

QTEST_MAIN(MenusTest)
#include "tst_menus.moc"
