// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog as a window: captions at each activation, painting, spinners, lists,
// options, names and OK.
#include "settings/Einst.h"
#include "common/Allgemein.h"
#include "common/ErrorReport.h"
#include "common/NumberForm.h"
#include "common/Platform.h"
#include "common/Version.h"
#include "common/Dialogs.h"
#include "common/Twips.h"
#include "i18n/Catalogue.h"
#include "i18n/ExtraTexts.h"
#include "i18n/RecordTexts.h"
#include "settings/Frame3D.h"
#include "settings/IniStore.h"
#include "settings/SettingKeys.h"
#include "settings/Spinner.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {
constexpr int White = 15;
constexpr int DarkGrey = 8;
// A press with x + y below this (in twips) lies in the upper-left half of the 300-twip spinner.
constexpr double SpinnerDiagonal = 300;
} // namespace

void Einst::connectHandlers()
{
    // A label's access key moves to the next control in tab order that can take the focus: the
    // counts to their spinners, the names to the first box, the repetition to its first choice.
    Label[0]->setBuddy(plumin[0]);
    Label[1]->setBuddy(plumin[1]);
    Label[2]->setBuddy(Spieler_Name[0]);
    Label[3]->setBuddy(wiederh[0]);
    Label2->setBuddy(wortsch);
    Label3->setBuddy(Motiv);
    for (int i = 0; i < 2; ++i) {
        connect(plumin[i], &Spinner::pressed, this,
                [this, i](int button, int shift, double x, double y) { plumin_MouseDown(i, button, shift, x, y); });
        connect(plumin[i], &Spinner::released, this, [this, i] { plumin_MouseUp(i); });
        connect(plumin[i], &Spinner::stepped, this, [this, i](int steps) { plumin_Step(i, steps); });
    }
    connect(Timer1, &QTimer::timeout, this, &Einst::Timer1_Timer);
    connect(Motiv, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            Motiv_Click();
    });
    // A click on the entry already chosen counts as well.
    connect(Motiv, &QListWidget::itemClicked, this, &Einst::Motiv_Click);
    connect(Motiv, &QListWidget::itemDoubleClicked, this, &Einst::Motiv_DblClick);
    connect(wortsch, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            wortsch_Click();
    });
    connect(wortsch, &QListWidget::itemClicked, this, &Einst::wortsch_Click);
    connect(wortsch, &QListWidget::itemDoubleClicked, this, &Einst::wortsch_DblClick);
    for (int i = 0; i < 2; ++i)
        connect(wiederh[i], &QRadioButton::clicked, this, [this, i] { wiederh_Click(i); });
    for (int i = 0; i < 4; ++i) {
        // textEdited, not textChanged: only what the user types counts as a change.
        connect(Spieler_Name[i], &QLineEdit::textEdited, this, [this, i] { Spieler_Name_Change(i); });
        Spieler_Name[i]->installEventFilter(this);
    }
    connect(OK, &QPushButton::clicked, this, &Einst::OK_Click);
    connect(Abbruch, &QPushButton::clicked, this, &Einst::Abbruch_Click);
    connect(EditButt, &QPushButton::clicked, this, [this] { EditButt_Click(); });
    connect(Password, &QPushButton::clicked, this, &Einst::Password_Click);
}

void Einst::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Form_Activate();
}

void Einst::Form_Activate()
{
    const QString tag = QStringLiteral("Form_Activate");
    if (!step(tag, [&] {
            setWindowTitle(LoadText(101));
            Label[0]->setText(LoadText(111));
            Label[1]->setText(LoadText(110));
            Label[2]->setText(LoadText(109));
            Label[3]->setText(LoadText(108));
            chkAnzeige->setCaption(LoadText(102));
            chkUeben->setCaption(recordText(RecordText::PractiseTricky));
            chkBildhinweis->setCaption(extraText(Extra::PictureClue));
            Label2->setText(LoadText(107));
            Label3->setText(LoadText(106));
            wiederh[0]->setCaption(LoadText(105));
            wiederh[1]->setCaption(LoadText(104));
            EditButt->setText(LoadText(113));
            Password->setText(LoadText(157));
            Abbruch->setText(extraText(Extra::Cancel));
            // What a screen reader calls the controls that carry no text of their own.
            const auto plain = [](QString caption) { return caption.remove(QLatin1Char('&')).remove(QLatin1Char(':')); };
            plumin[0]->setAccessibleName(plain(LoadText(111)));
            plumin[1]->setAccessibleName(plain(LoadText(110)));
            wortsch->setAccessibleName(plain(LoadText(107)));
            Motiv->setAccessibleName(plain(LoadText(106)));
            for (int i = 0; i < 4; ++i)
                Spieler_Name[i]->setAccessibleName(extraText(Extra::PlayerNameBox).arg(i + 1));
        }))
        return;
    if (!step(tag, [&] {
            const QSignalBlocker blocker(Motiv);
            Motiv->clear();
            for (int id = 201; id <= 204; ++id)
                Motiv->addItem(LoadText(id));
            Motiv->setCurrentRow(std::clamp<int>(g().MotivNr, 0, 3));
        }))
        return;
    step(tag, [&] { fillVocabularyList(); });
}

void Einst::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    Form_Paint(painter);
}

void Einst::Form_Paint(QPainter& painter)
{
    const QString tag = QStringLiteral("Form_Paint");
    // The player names.
    links_oben(200, 2100, 650, 2300, painter, White, 1);
    rechts_unten(200, 2100, 650, 2300, painter, DarkGrey, 1);
    // A held spinner keeps its pressed picture; Qt repaints the dialog behind it while it changes.
    if (!Timer1->isActive())
        step(tag, [&] {
            for (Spinner* spinner : plumin)
                spinner->showPicture(0);
        });
    step(tag, [&] { fitNumberLabels(); });
    // The repetition choice.
    links_oben(2600, 2600, 650, 1300, painter, White, 1);
    rechts_unten(2600, 2600, 650, 1300, painter, DarkGrey, 1);
    // No waiting for other events here: Qt forbids re-entering the event loop while painting.
}

// Each number is nine tenths as high as its spinner, and its font never taller than 85 % of
// that height. Only a real change is applied, so repainting does not resize anything again.
void Einst::fitNumberLabels()
{
    for (int i = 0; i < 2; ++i) {
        const int height = layout::toPixels(0.9 * layout::toTwips(plumin[i]->height()));
        if (Zahl[i]->height() != height)
            Zahl[i]->resize(Zahl[i]->width(), height);
        const double heightInPoints = layout::toTwips(Zahl[i]->height()) / 20.0;
        QFont font = Zahl[i]->font();
        if (0.85 * heightInPoints < font.pointSizeF()) {
            font.setPointSizeF(0.85 * heightInPoints);
            Zahl[i]->setFont(font);
        }
    }
}

void Einst::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    g().EinstGeaendert = False;
}

void Einst::closeEvent(QCloseEvent* event)
{
    // The title-bar button cancels; the dialog stays, hidden, for the next opening.
    event->accept();
    Abbruch_Click();
}

void Einst::reject()
{
    // Escape cancels as well.
    Abbruch_Click();
}

void Einst::Abbruch_Click()
{
    step(QStringLiteral("Abbruch_Click"), [&] {
        Timer1->stop();
        // The counts, the motif and the word list were changed in the game's globals as the user
        // chose them; they go back, and the controls show the values in play again.
        const Live live = m_live;
        g().AnzahlSpieler = live.players;
        g().AnzahlTipps = live.hints;
        g().MotivNr = live.motif;
        g().WortDatei = live.wordFile;
        edit(live.settings);
        fillVocabularyList();
        g().EinstGeaendert = False;
        // The next opening starts where the first one did, not on Cancel, where Enter would
        // cancel again.
        Spieler_Name[0]->setFocus();
    });
    // However the putting back went, the dialog goes and the settings command finishes.
    hide();
    emit dismissed();
}

bool Einst::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn)
        for (int i = 0; i < 4; ++i)
            if (watched == Spieler_Name[i])
                Spieler_Name_GotFocus(i);
    return QDialog::eventFilter(watched, event);
}

void Einst::plumin_MouseDown(int index, int button, int shift, double x, double y)
{
    step(QStringLiteral("plumin_MouseDown"), [&] {
        m_lastPress = {index, button, shift, x, y};
        if (!Timer1->isActive())
            Timer1->start();
        qint16 n = toInt16(Zahl[index]->text().trimmed().toLongLong());
        if (x + y < SpinnerDiagonal) {
            plumin[index]->showPicture(1);
            n = toInt16(n + 1);
        } else {
            plumin[index]->showPicture(2);
            n = toInt16(n - 1);
        }
        const int low = index == 0 ? 1 : 0;
        const int high = index == 0 ? 4 : 3;
        if (n >= low && n <= high)
            setZahl(index, QString::number(n));
    });
}

void Einst::plumin_Step(int index, int steps)
{
    step(QStringLiteral("plumin_Step"), [&] {
        const int low = index == 0 ? 1 : 0;
        const int high = index == 0 ? 4 : 3;
        const int now = Zahl[index]->text().trimmed().toInt();
        const int n = std::clamp(now + steps, low, high);
        if (n != now)
            setZahl(index, QString::number(n));
    });
}

void Einst::Timer1_Timer()
{
    step(QStringLiteral("Timer1_Timer"), [&] {
        // A hidden dialog gets no release any more.
        if (!isVisible()) {
            Timer1->stop();
            return;
        }
        const Press p = m_lastPress;
        plumin_MouseDown(p.index, p.button, p.shift, p.x, p.y);
    });
}

void Einst::plumin_MouseUp(int index)
{
    step(QStringLiteral("plumin_MouseUp"), [&] {
        Timer1->stop();
        plumin[index]->showPicture(0);
    });
}

void Einst::Motiv_Click()
{
    // The motif is applied by the settings command after the dialog closes; it needs no new word.
    step(QStringLiteral("Motiv_Click"), [&] { g().MotivNr = toInt16(Motiv->currentRow()); });
}

void Einst::Motiv_DblClick()
{
    if (step(QStringLiteral("Motiv_DblClick"), [&] { Motiv_Click(); }))
        OK_Click();
}

void Einst::wortsch_Click()
{
    step(QStringLiteral("WortSch_Click"), [&] {
        g().EinstGeaendert = True;
        if (const QListWidgetItem* item = wortsch->currentItem())
            g().WortDatei = item->data(Qt::UserRole).toString();
    });
}

void Einst::wortsch_DblClick()
{
    if (step(QStringLiteral("wortsch_DblClick"), [&] { wortsch_Click(); }))
        OK_Click();
}

void Einst::wiederh_Click(int)
{
    step(QStringLiteral("wiederh_Click"), [] { g().EinstGeaendert = True; });
}

void Einst::Spieler_Name_Change(int)
{
    step(QStringLiteral("Spieler_Name_Change"), [] { g().EinstGeaendert = True; });
}

void Einst::Spieler_Name_GotFocus(int index)
{
    step(QStringLiteral("Spieler_Name_GotFocus"), [&] {
        // After the focus change has been handled, so a click into the box does not undo it.
        QLineEdit* box = Spieler_Name[index];
        QMetaObject::invokeMethod(box, [box] { box->setSelection(0, int(box->text().size())); }, Qt::QueuedConnection);
    });
}

void Einst::OK_Click()
{
    const QString tag = QStringLiteral("OK_Click");
    const Settings edited = value();
    // A name the settings file cannot hold would come back with question marks: it is not taken,
    // and the dialog stays open on it.
    for (int i = 0; i < 4; ++i) {
        const QString lost = unstorableCharacters(edited.names[i]);
        if (lost.isEmpty())
            continue;
        platform().dialogs->message(extraText(Extra::NameNotStorable).arg(edited.names[i], lost), ApplicationTitle,
                                    Icon::Exclamation, Buttons::OK);
        if (Spieler_Name[i]->isEnabled())
            Spieler_Name[i]->setFocus();
        return;
    }
    if (!step(tag, [&] { saveDialogSettings(edited); }))
        return;
    handBack(edited);
    step(tag, [&] {
        Timer1->stop();
        hide();
        emit dismissed();
    });
}
