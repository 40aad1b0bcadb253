// What the settings dialog writes when it is confirmed, what the main window then does, and
// what its close box, its double clicks and a language switch do.
#include "GameSession.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

class EinstApplyTest : public QObject {
    Q_OBJECT
private slots:
    void okWritesEveryEntryInOrder();
    void whatCountsAsAChange_data();
    void whatCountsAsAChange();
    void motifAloneKeepsTheWord();
    void nameChangeResetsAndDrawsANewWord();
    void nameChangeBetweenWordsEndsTheWait();
    void closeBoxDiscardsTheDialog();
    void doubleClickConfirms_data();
    void doubleClickConfirms();
    void captionsAndFilesFollowTheLanguage();
    void nameBoxSelectsItsTextOnFocus();
};

namespace {
// Buttons with a text beside them are clicked on their indicator.
void clickIndicator(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(7, button->height() / 2)); }

void retype(QLineEdit* box, const QString& text)
{
    box->selectAll();
    QTest::keyClicks(box, text);
}

void solveWord(GameSession& s)
{
    QString done;
    for (QChar c : g().Ratewort) {
        if (done.contains(c))
            continue;
        done += c;
        QTest::keyClick(s.window.get(), c.toLower().toLatin1());
        settle(*s.window);
    }
}
} // namespace

void EinstApplyTest::okWritesEveryEntryInOrder()
{
    GameSession s;
    s.writeWords(QStringLiteral("tiere.dat"), {QStringLiteral("Hund"), QStringLiteral("Katze")});
    Einst& d = s.open();
    clickSpinner(d, 0, lowerRight);
    clickSpinner(d, 0, lowerRight);
    clickSpinner(d, 1, lowerRight);
    clickSpinner(d, 1, lowerRight);
    // Boxes of players not in the game are disabled, but their names are still written.
    QVERIFY(d.Spieler_Name[1]->isEnabled() && !d.Spieler_Name[2]->isEnabled());
    retype(d.Spieler_Name[1], QStringLiteral("Tim"));
    clickIndicator(d.wiederh[0]);
    clickIndicator(d.chkAnzeige);
    QVERIFY(d.wiederh[0]->isChecked() && !d.chkAnzeige->isChecked());
    clickRow(d.Motiv, 3);
    clickRow(d.wortsch, rowOf(d.wortsch, QStringLiteral("tiere.dat")));
    QTest::mouseClick(d.OK, Qt::LeftButton);
    QVERIFY(!d.isVisible());
    s.finish();

    QCOMPARE(s.env.ini(), QByteArray("[Optionen]\r\nSprache= 0\r\n"
                                     "[Einstellungen]\r\nAnzahl= 2\r\nAnzeige= 0\r\nWiederholung=-1\r\nTipps= 1\r\n"
                                     "Spieler1=Vivur\r\nSpieler2=Tim\r\nSpieler3=Viredaz\r\nSpieler4=Doreru\r\n"
                                     "Datei0=tiere.dat\r\nMotiv= 3\r\n"));
    // The game took it all in: the new list, a word from it, the two named rows.
    QCOMPARE(s.window->List1, QStringList({QStringLiteral("Hund"), QStringLiteral("Katze")}));
    QVERIFY(g().Ratewort == QStringLiteral("HUND") || g().Ratewort == QStringLiteral("KATZE"));
    QCOMPARE(s.window->Spieler[1]->text(), QStringLiteral("Tim"));
    QVERIFY(s.window->Spieler[2]->isHidden());
    QCOMPARE(g().AnzahlTipps, 1);
}

void EinstApplyTest::whatCountsAsAChange_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("changed");
    QTest::newRow("name typed") << "type name" << true;
    QTest::newRow("name set by the program") << "set name" << false;
    QTest::newRow("repetition clicked") << "click option" << true;
    QTest::newRow("vocabulary file clicked") << "click file" << true;
    QTest::newRow("number of players stepped") << "spin" << true;
    QTest::newRow("motif clicked") << "click motif" << false;
    QTest::newRow("show-solution box clicked") << "click check box" << false;
}

void EinstApplyTest::whatCountsAsAChange()
{
    QFETCH(QString, action);
    QFETCH(bool, changed);
    GameSession s;
    s.writeWords(QStringLiteral("tiere.dat"), {QStringLiteral("Hund")});
    Einst& d = s.open();
    QCOMPARE(g().EinstGeaendert, False);
    if (action == QStringLiteral("type name"))
        QTest::keyClicks(d.Spieler_Name[0], QStringLiteral("x"));
    else if (action == QStringLiteral("set name"))
        d.Spieler_Name[0]->setText(QStringLiteral("Tim"));
    else if (action == QStringLiteral("click option"))
        clickIndicator(d.wiederh[0]);
    else if (action == QStringLiteral("click file"))
        clickRow(d.wortsch, rowOf(d.wortsch, QStringLiteral("tiere.dat")));
    else if (action == QStringLiteral("spin"))
        clickSpinner(d, 0, lowerRight);
    else if (action == QStringLiteral("click motif"))
        clickRow(d.Motiv, 0);
    else if (action == QStringLiteral("click check box"))
        clickIndicator(d.chkAnzeige);
    QCOMPARE(g().EinstGeaendert, flag(changed));
}

void EinstApplyTest::motifAloneKeepsTheWord()
{
    GameSession s({QStringLiteral("Apfel"), QStringLiteral("Birne"), QStringLiteral("Kirsche")});
    s.startGame();
    const QString word = g().Ratewort;
    QVERIFY(!word.isEmpty());
    const qsizetype draws = s.env.random.seeds.size();
    Einst& d = s.open();
    clickRow(d.Motiv, 3);
    QCOMPARE(g().MotivNr, 3);
    QTest::mouseClick(d.OK, Qt::LeftButton);
    s.finish();
    QCOMPARE(g().Ratewort, word);
    QCOMPARE(s.env.random.seeds.size(), draws);
    QVERIFY(s.window->Punkt[0]->picture() == (BoardPicture{PictureKind::Token, 3}));
    QVERIFY(s.env.ini().endsWith("Motiv= 3\r\n"));
}

void EinstApplyTest::nameChangeResetsAndDrawsANewWord()
{
    GameSession s({QStringLiteral("Apfel"), QStringLiteral("Birne"), QStringLiteral("Kirsche")});
    s.env.random.numbers.append({0.0, 0.99});
    s.startGame();
    QCOMPARE(g().Ratewort, QStringLiteral("APFEL"));
    g().Punkte[0] = 3;
    Einst& d = s.open();
    retype(d.Spieler_Name[0], QStringLiteral("Tim"));
    QTest::mouseClick(d.OK, Qt::LeftButton);
    s.finish();
    // The list is read again (all three words), and the second number picks the last of them.
    QCOMPARE(g().Ratewort, QStringLiteral("KIRSCHE"));
    QCOMPARE(g().Punkte[0], 0);
    QCOMPARE(s.window->Spieler[0]->text(), QStringLiteral("Tim"));
    QCOMPARE(g().SpielLaeuft, True);
}

void EinstApplyTest::nameChangeBetweenWordsEndsTheWait()
{
    GameSession s({QStringLiteral("Apfel"), QStringLiteral("Birne")});
    // The first word, the cheer when it is solved, the next word.
    s.env.random.numbers.append({0.0, 0.5, 0.99});
    s.startGame();
    solveWord(s);
    QVERIFY(s.window->mnuWeiter->isEnabled());
    QVERIFY(!s.window->PicBut[3]->isHidden());
    QCOMPARE(g().Punkte[0], 1);
    Einst& d = s.open();
    retype(d.Spieler_Name[0], QStringLiteral("Tim"));
    QTest::mouseClick(d.OK, Qt::LeftButton);
    s.finish();
    QVERIFY(!s.window->mnuWeiter->isEnabled());
    QVERIFY(s.window->PicBut[3]->isHidden());
    QCOMPARE(g().Punkte[0], 0);
    // The waiting word goes on to the next one, drawn once from the list read again: a second
    // draw would find no number left and take the first word.
    QVERIFY(s.env.random.numbers.isEmpty());
    QCOMPARE(g().Ratewort, QStringLiteral("BIRNE"));
}

void EinstApplyTest::closeBoxDiscardsTheDialog()
{
    GameSession s;
    const QByteArray before = s.env.ini();
    Einst& d = s.open();
    const QPointer<Einst> old(&d);
    retype(d.Spieler_Name[0], QStringLiteral("Tim"));
    clickIndicator(d.chkAnzeige);
    clickIndicator(d.wiederh[0]);
    clickSpinner(d, 0, lowerRight);
    d.close();
    s.finish();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(old.isNull());

    // Nothing was written; the globals keep what the spinner did; the next use sees the design.
    QCOMPARE(s.env.ini(), before);
    QCOMPARE(g().AnzahlSpieler, 3);
    const Einst& fresh = Einst::instance();
    const QStringList design{"Vivur", "Vaduza", "Viredaz", "Doreru"};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(fresh.Spieler_Name[i]->text(), design[i]);
    QVERIFY(fresh.wiederh[0]->isChecked());
    QVERIFY(fresh.chkAnzeige->isChecked());
    QCOMPARE(fresh.Zahl[0]->text(), QStringLiteral("4"));
    // The typed name was a change, so the game reset its rows from the new dialog.
    QCOMPARE(s.window->Spieler[0]->text(), QStringLiteral("Vivur"));
}

void EinstApplyTest::doubleClickConfirms_data()
{
    QTest::addColumn<bool>("onFile");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("motif") << false << QByteArray("Motiv= 2\r\n");
    QTest::newRow("vocabulary file") << true << QByteArray("Datei0=tiere.dat\r\n");
}

void EinstApplyTest::doubleClickConfirms()
{
    QFETCH(bool, onFile);
    QFETCH(QByteArray, written);
    GameSession s;
    s.writeWords(QStringLiteral("tiere.dat"), {QStringLiteral("Hund"), QStringLiteral("Katze")});
    Einst& d = s.open();
    if (onFile)
        doubleClickRow(d.wortsch, rowOf(d.wortsch, QStringLiteral("tiere.dat")));
    else
        doubleClickRow(d.Motiv, 2);
    QVERIFY(!d.isVisible());
    s.finish();
    QVERIFY2(s.env.ini().contains(written), s.env.ini().constData());
    QVERIFY(s.env.ini().contains("Anzahl= 4\r\n"));
}

void EinstApplyTest::captionsAndFilesFollowTheLanguage()
{
    GameSession s;
    s.writeWords(QStringLiteral("tiere.dat"), {QStringLiteral("Hund")});
    s.window->mnuLang[1]->trigger();
    settle(*s.window);
    Einst* d = &s.open();
    QCOMPARE(d->windowTitle(), QStringLiteral("Options"));
    QCOMPARE(rows(d->Motiv), QStringList({"Apple tree", "Wupple", "Ship", "Bird"}));
    QCOMPARE(d->Motiv->currentRow(), 1);
    // The English folder's lists, themes included; nothing of the German folder.
    QVERIFY(rows(d->wortsch).contains(QStringLiteral("animals.dat")));
    QVERIFY(!rows(d->wortsch).contains(QStringLiteral("tiere.dat")));
    QCOMPARE(d->wortsch->currentRow(), rowOf(d->wortsch, QStringLiteral("wupple.dat")));
    QCOMPARE(d->EditButt->text(), QStringLiteral("&Edit vocabulary"));
    QCOMPARE(d->wiederh[0]->caption(), QStringLiteral("&all words"));
    QTest::mouseClick(d->OK, Qt::LeftButton);
    s.finish();
    // Each language keeps its own file.
    QVERIFY(s.env.ini().contains("Datei1000=wupple.dat\r\n"));
    QVERIFY(!s.env.ini().contains("Datei0="));

    s.window->mnuLang[0]->trigger();
    settle(*s.window);
    d = &s.open();
    QCOMPARE(d->windowTitle(), QStringLiteral("Einstellungen"));
    QCOMPARE(d->Motiv->item(0)->text(), QStringLiteral("Apfelbaum"));
    QVERIFY(rows(d->wortsch).contains(QStringLiteral("tiere.dat")));
    QVERIFY(!rows(d->wortsch).contains(QStringLiteral("animals.dat")));
    QCOMPARE(d->wortsch->currentItem()->text(), QStringLiteral("wupp.dat"));
}

void EinstApplyTest::nameBoxSelectsItsTextOnFocus()
{
    GameSession s;
    Einst& d = s.open();
    d.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QLineEdit* box = d.Spieler_Name[2];
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
    QCoreApplication::processEvents();
    QVERIFY(box->hasFocus());
    QCOMPARE(box->selectedText(), QStringLiteral("Viredaz"));
}

QTEST_MAIN(EinstApplyTest)
#include "tst_einst_apply.moc"
