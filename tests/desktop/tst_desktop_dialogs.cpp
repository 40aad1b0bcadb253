// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs and boxes as a window manager shows them: their frame buttons, the ways out of the
// settings dialog, which window a box stays over, box titles, where the help window opens and how
// it closes.
#include "Desktop.h"
#include "GameSession.h"
#include "about/HelpViewers.h"
#include "common/MessageBoxes.h"
#include "i18n/Catalogue.h"
#include "settings/Password.h"
#include "vocabulary/WEdit.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>

namespace {
// What a box showed while it was open.
struct Seen {
    bool came = false;
    QStringList actions;
    QList<quint64> motif;
    quint64 owner = 0;
    QList<quint64> stack; // bottom to top
    QString title;
    QRect outer;
};

Seen look(QWidget* window, const QString& shot = {})
{
    if (!window)
        return {};
    if (!shot.isEmpty())
        desktop::screenshot(shot);
    return {true, desktop::allowedActions(window), desktop::motifHints(window), desktop::transientFor(window),
            desktop::stacking(), desktop::shownTitle(window), desktop::outerOnScreen(window)};
}

// Looks at the modal window of `className` that `open` brings up, then cancels it.
Seen lookAtModal(const char* className, const std::function<void()>& open, const QString& shot = {})
{
    Seen seen;
    QPointer<QWidget> shown;
    desktop::whenModal(className, [&](QWidget* box) {
        seen = look(box, shot);
        shown = box;
        if (box)
            static_cast<QDialog*>(box)->reject();
    });
    open();
    (void)QTest::qWaitFor([&] { return seen.came && (!shown || !shown->isVisible()); }, 25000);
    return seen;
}

// Only the close button: the window asks for no minimize or maximize button and function, and the
// window manager offers no maximize (openbox keeps minimize for every dialog; it minimizes the
// dialog together with the window it belongs to).
bool fixedFrame(const Seen& seen)
{
    enum : quint64 { Functions = 1, Decorations = 2, All = 1, MinimizeFunction = 8, MaximizeFunction = 16,
                     MinimizeButton = 32, MaximizeButton = 64 };
    const bool fixed = seen.motif.size() >= 3 && (seen.motif[0] & Functions) && (seen.motif[0] & Decorations) &&
                       !(seen.motif[1] & (All | MinimizeFunction | MaximizeFunction)) &&
                       !(seen.motif[2] & (All | MinimizeButton | MaximizeButton)) &&
                       seen.actions.contains(QStringLiteral("CLOSE")) && !seen.actions.contains(QStringLiteral("MAXIMIZE_HORZ"));
    if (!fixed)
        qWarning() << "frame:" << seen.came << seen.actions << "motif" << seen.motif;
    return fixed;
}

bool above(const QList<quint64>& stack, const QWidget* upper, const QWidget* lower)
{
    const qsizetype u = stack.indexOf(upper->winId()), l = stack.indexOf(lower->winId());
    return u >= 0 && l >= 0 && u > l;
}

// The real boxes, in place of the scripted ones, for as long as a test runs.
struct RealBoxes {
    MessageBoxes boxes;
    Dialogs* before = platform().dialogs;
    RealBoxes() { platform().dialogs = &boxes; }
    ~RealBoxes() { platform().dialogs = before; }
};
} // namespace

class DesktopDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setApplicationName(QStringLiteral("Wupple")); }

    void fixedDialogsOfferOnlyTheCloseButton()
    {
        GameSession s;
        RealBoxes real;
        Einst& d = s.open();
        QVERIFY(desktop::waitFramed(&d));
        QVERIFY(desktop::waitActive(&d));
        QVERIFY(fixedFrame(look(&d, QStringLiteral("settings-dialog"))));
        QVERIFY(fixedFrame(lookAtModal("WEdit", [&] { d.EditButt->click(); })));
        QVERIFY(QTest::qWaitFor([&] { return !d.openEditor(); }, 5000));
        QVERIFY(fixedFrame(lookAtModal("QInputDialog", [] { QVERIFY(platform().dialogs->input(LoadText(161), LoadText(163), true).isEmpty()); })));
        QVERIFY(fixedFrame(lookAtModal("QMessageBox", [] { platform().dialogs->message(LoadText(162), QStringLiteral("Wupple"), Icon::None, Buttons::OK); })));
        QTest::mouseClick(d.OK, Qt::LeftButton);
        s.finish();
        QVERIFY(fixedFrame(lookAtModal("frmInfo", [&] { s.window->menu().mnuUeber->trigger(); })));
    }

    void minimizingTheSettingsTakesTheMainWindowAlong()
    {
        GameSession s;
        Einst& d = s.open();
        QVERIFY(desktop::waitActive(&d));
        QCOMPARE(desktop::transientFor(&d), quint64(s.window->winId()));
        // Minimized through the window manager, the dialog goes down with the main window, so no
        // window is left on screen that cannot be used.
        QVERIFY(desktop::windowCommand(QStringLiteral("windowminimize"), &d));
        QVERIFY(QTest::qWaitFor([&] {
            return !desktop::outerOnScreen(&d).isValid() && !desktop::outerOnScreen(s.window.get()).isValid();
        }, 10000));
        // Brought back, the dialog stands over the main window again and has the focus.
        QVERIFY(desktop::windowCommand(QStringLiteral("windowactivate"), s.window.get()));
        QVERIFY(QTest::qWaitFor([&] { return desktop::outerOnScreen(&d).isValid() && desktop::outerOnScreen(s.window.get()).isValid(); }, 10000));
        QVERIFY(above(desktop::stacking(), &d, s.window.get()));
        QVERIFY(desktop::waitActive(&d));
        QTest::mouseClick(d.OK, Qt::LeftButton);
        s.finish();
    }

    void escapeAndTheCloseBoxCancel_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("Escape") << QStringLiteral("Escape");
        QTest::newRow("close box (Alt+F4 through the window manager)") << QStringLiteral("alt+F4");
    }

    // Real keys through the window manager: the running word, its turn and the settings stay, and
    // the next opening shows the settings in play.
    void escapeAndTheCloseBoxCancel()
    {
        QFETCH(QString, key);
        GameSession s({QStringLiteral("Apfel"), QStringLiteral("Birne")}, QStringLiteral("[Einstellungen]\nTipps= 2\n"));
        s.startGame();
        s.typeText(QStringLiteral("X"));
        const QString word = s.window->round().word();
        const int stage = s.visibleStage();
        const QByteArray file = s.env.ini();
        QPointer<Einst> d = &s.open();
        QVERIFY(desktop::waitActive(d));
        // Four players down to two, a name typed, the other repetition rule.
        clickSpinner(*d, 0, QPoint(15, 15));
        clickSpinner(*d, 0, QPoint(15, 15));
        QCOMPARE(g().AnzahlSpieler, 2);
        QTest::mouseClick(d->wiederh[0], Qt::LeftButton, {}, QPoint(7, d->wiederh[0]->height() / 2));
        d->Spieler_Name[0]->setFocus();
        QVERIFY(desktop::typeText(QStringLiteral("Tim")));
        QVERIFY(QTest::qWaitFor([&] { return d->Spieler_Name[0]->text().contains(QStringLiteral("Tim")); }, 5000));
        QVERIFY(desktop::typeKeys({key}));
        QVERIFY(QTest::qWaitFor([&] { return !d->isVisible(); }, 10000));
        s.finish();
        // Nothing written; the settings command has finished and the game goes on as it was.
        QVERIFY(!s.window->busy());
        QCOMPARE(s.env.ini(), file);
        QCOMPARE(g().AnzahlSpieler, 4);
        QVERIFY(s.window->board().nameRow(3)->isVisible());
        QCOMPARE(s.window->round().word(), word);
        QCOMPARE(s.visibleStage(), stage);
        QCOMPARE(s.activePlayer(), 1);
        // The next opening shows the settings in play, and the main window can be used.
        QVERIFY(desktop::waitActive(s.window.get()));
        Einst& again = s.open();
        QVERIFY(again.isVisible());
        QVERIFY(desktop::waitActive(&again));
        desktop::screenshot(QStringLiteral("settings-reopened"));
        QCOMPARE(again.Zahl[0]->text(), QStringLiteral(" 4"));
        QCOMPARE(again.Zahl[1]->text(), QStringLiteral(" 2"));
        QCOMPARE(again.Spieler_Name[0]->text(), QStringLiteral("Vivur"));
        QVERIFY(again.wiederh[1]->isChecked());
        QTest::mouseClick(again.OK, Qt::LeftButton);
        s.finish();
        QCOMPARE(s.window->round().word(), word);
    }

    // The dialog in each language on a real screen: every button shows its whole caption.
    void settingsInEveryLanguage()
    {
        GameSession s;
        const QString codes[] = {QStringLiteral("de"), QStringLiteral("en"), QStringLiteral("sv"), QStringLiteral("it")};
        for (int language = 0; language < 4; ++language) {
            s.window->menu().mnuLang[language]->trigger();
            settle(*s.window);
            Einst& d = s.open();
            QVERIFY(desktop::waitActive(&d));
            for (QPushButton* button : {d.OK, d.Abbruch, d.EditButt, d.Password}) {
                const QString caption = QString(button->text()).remove(u'&');
                QVERIFY2(!caption.isEmpty() && button->fontMetrics().horizontalAdvance(caption) + 8 <= button->width(),
                         qPrintable(caption));
            }
            const QString folder = qEnvironmentVariable("WUPPLE_SHOTS");
            if (!folder.isEmpty()) {
                QTest::qWait(300);
                QDir().mkpath(folder);
                d.grab().save(QDir(folder).filePath(QStringLiteral("settings-%1.png").arg(codes[language])));
            }
            QTest::mouseClick(d.Abbruch, Qt::LeftButton);
            s.finish();
            QVERIFY(!d.isVisible());
        }
    }

    void boxesStayOverTheDialogThatRaisedThem()
    {
        QString password = QStringLiteral("Geheim");
        Encrypt(password, PasswordKey);
        GameSession s({}, QStringLiteral("[Einstellungen]\npassw=") + password + u'\n');
        RealBoxes real;
        Einst& d = s.open();
        QVERIFY(desktop::waitActive(&d));
        Seen input, message;
        bool answered = false;
        desktop::whenModal("QInputDialog", [&](QWidget* box) {
            input = look(box);
            desktop::whenModal("QMessageBox", [&](QWidget* box) {
                message = look(box, QStringLiteral("wrong-password-box"));
                desktop::typeKeys({QStringLiteral("Return")});
                answered = true;
            });
            desktop::typeText(QStringLiteral("falsch"));
            desktop::typeKeys({QStringLiteral("Return")});
        });
        d.EditButt->click();
        QVERIFY(QTest::qWaitFor([&] { return answered && !QApplication::activeModalWidget()->inherits("QMessageBox"); }, 20000));
        QVERIFY(input.came && message.came);
        QCOMPARE(input.owner, quint64(d.winId()));
        QCOMPARE(message.owner, quint64(d.winId()));
        QVERIFY(above(message.stack, &d, s.window.get()));
        // Back in the dialog: still over the main window, and the one that has the focus.
        QVERIFY(desktop::waitActive(&d));
        QVERIFY(above(desktop::stacking(), &d, s.window.get()));
        QVERIFY(!d.openEditor());
        QTest::mouseClick(d.OK, Qt::LeftButton);
        s.finish();
    }

    void boxTitlesShowWhole()
    {
        GameSession s;
        RealBoxes real;
        g().SprachOffset = 1000;
        QVERIFY(desktop::waitActive(s.window.get()));
        const Seen winner = lookAtModal("QMessageBox", [] {
            platform().dialogs->message(QStringLiteral("Vivur\rwon!"), LoadText(141), Icon::Information, Buttons::OK);
        }, QStringLiteral("winner-box"));
        const Seen again = lookAtModal("QMessageBox", [] {
            platform().dialogs->message(LoadText(142), QString(), Icon::Question, Buttons::YesNo);
        }, QStringLiteral("once-again-box"));
        QCOMPARE(winner.title, QStringLiteral("Yippee!"));
        // Wide enough for the title in a bold title-bar font, the icon and the close button.
        QFont bold = QApplication::font();
        bold.setBold(true);
        QVERIFY2(winner.outer.width() >= QFontMetrics(bold).horizontalAdvance(winner.title) + 100,
                 qPrintable(QString::number(winner.outer.width())));
        QVERIFY(again.came);
        QVERIFY2(again.title.trimmed().isEmpty(), qPrintable(again.title));
    }

    void helpWindowOpensOnTheScreenAndEscapeClosesIt()
    {
        GameSession s;
        HelpWindow help;
        platform().help = &help;
        s.window->menu().mnuHilfe->trigger();
        QVERIFY2(s.env.dialogs.shown.isEmpty(), qPrintable(s.env.dialogs.texts().join(u'|')));
        QWidget* window = nullptr;
        QVERIFY(QTest::qWaitFor([&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == QLatin1String("help") && w->isVisible())
                    window = w;
            return window && desktop::waitFramed(window, 0);
        }, 10000));
        const QRect outer = desktop::outerOnScreen(window);
        desktop::screenshot(QStringLiteral("help-window"));
        const QRect screen = window->screen()->availableGeometry();
        QVERIFY2(screen.contains(outer), qPrintable(QStringLiteral("%1,%2 %3x%4").arg(outer.x()).arg(outer.y()).arg(outer.width()).arg(outer.height())));
        // A real Escape from the keyboard closes it.
        QPointer<QWidget> shown = window;
        QVERIFY(desktop::waitActive(window));
        QVERIFY(desktop::typeKeys({QStringLiteral("Escape")}));
        QVERIFY(QTest::qWaitFor([&] { return !shown || !shown->isVisible(); }, 10000));
        platform().help = nullptr;
        if (shown)
            shown->close();
    }
};

QTEST_MAIN(DesktopDialogsTest)
#include "tst_desktop_dialogs.moc"
