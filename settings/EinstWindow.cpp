// The settings dialog as a window: captions at each activation, painting, spinners, lists,
// options and OK.
#include "settings/Einst.h"
#include "common/Allgemein.h"
#include "common/ErrorReport.h"
#include "i18n/Catalogue.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

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
            chkAnzeige->setText(LoadText(102));
            Label2->setText(LoadText(107));
            Label3->setText(LoadText(106));
            wiederh[0]->setText(LoadText(105));
            wiederh[1]->setText(LoadText(104));
            EditButt->setText(LoadText(113));
            Password->setText(LoadText(157));
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

void Einst::paintEvent(QPaintEvent* event) { QDialog::paintEvent(event); }

void Einst::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    g().EinstGeaendert = False;
}

void Einst::closeEvent(QCloseEvent* event)
{
    // The title-bar button unloads the dialog without writing anything; the next use creates
    // it anew in its design-time state.
    event->accept();
    hide();
    emit dismissed();
    deleteLater();
    s_instance = nullptr;
}
