// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog as the holder of settings: creation, design-time state, load procedure
// and the number labels' change handler.
#include "settings/Einst.h"
#include "common/Allgemein.h"
#include "common/ErrorReport.h"
#include "common/FixedDialog.h"
#include "common/NumberForm.h"
#include "common/ProgramFolder.h"
#include "common/Twips.h"
#include "i18n/Catalogue.h"
#include "i18n/ListTitles.h"
#include "settings/IniStore.h"
#include "settings/Password.h"
#include "settings/SettingKeys.h"
#include "settings/Spinner.h"

#include <QCheckBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>

QPointer<Einst> Einst::s_instance;

namespace {
// The word lists are shown nine at a time, so the dialog is taller than its design by this
// much (twips); the controls below the lists move down with it.
constexpr int WordListsTaller = 1530;

// Positions and sizes are given in twips, as the dialog was designed.
void place(QWidget* w, int left, int top, int width, int height)
{
    using layout::toPixels;
    w->setGeometry(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

std::function<void(const Settings&)>& handBackTarget()
{
    static std::function<void(const Settings&)> take;
    return take;
}
} // namespace

void Einst::setHandBack(std::function<void(const Settings&)> take) { handBackTarget() = std::move(take); }

void Einst::handBack(const Settings& settings)
{
    if (handBackTarget())
        handBackTarget()(settings);
}

Einst& Einst::instance()
{
    if (!s_instance) {
        s_instance = new Einst;
        s_instance->Form_Load();
    }
    return *s_instance;
}

bool Einst::exists() { return !s_instance.isNull(); }

void Einst::unload()
{
    if (s_instance) {
        s_instance->hide();
        emit s_instance->dismissed();
        delete s_instance.data();
    }
}

Einst::Einst()
{
    setObjectName(QStringLiteral("Einst"));
    useFixedDialogFrame(this);
    setFixedSize(layout::toPixels(5460), layout::toPixels(5445 + WordListsTaller));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    setPalette(pal);
    QFont f = font();
    f.setPointSizeF(8.25);
    f.setBold(true);
    setFont(f);
    buildControls();
    connectHandlers();
}

void Einst::buildControls()
{
    auto label = [this](int left, int top, int width, int height) {
        auto* l = new QLabel(this);
        place(l, left, top, width, height);
        return l;
    };
    Label[0] = label(240, 240, 1095, 255);
    Label[1] = label(2640, 240, 735, 255);
    Label[2] = label(360, 720, 1890, 255);
    Label[3] = label(2760, 720, 1695, 255);
    Label2 = label(240, 3120, 2055, 255);
    Label3 = label(2760, 3120, 2175, 255);

    const int zahlLeft[2] = {1440, 3480}, zahlTop[2] = {215, 210};
    const int spinLeft[2] = {1800, 3840}, spinTop[2] = {200, 195};
    for (int i = 0; i < 2; ++i) {
        Zahl[i] = label(zahlLeft[i], zahlTop[i], 375, 270);
        Zahl[i]->setObjectName(QStringLiteral("Zahl_%1").arg(i));
        Zahl[i]->setAutoFillBackground(true);
        Zahl[i]->setAlignment(Qt::AlignCenter);
        QPalette pal = Zahl[i]->palette();
        pal.setColor(QPalette::Window, Qt::white);
        Zahl[i]->setPalette(pal);
        QFont f = Zahl[i]->font();
        f.setPointSizeF(9.75);
        f.setBold(true);
        Zahl[i]->setFont(f);
        Zahl[i]->setText(QStringLiteral("4"));
        plumin[i] = new Spinner(this);
        plumin[i]->setObjectName(QStringLiteral("plumin_%1").arg(i));
        place(plumin[i], spinLeft[i], spinTop[i], 300, 300);
    }
    for (int i = 0; i < 4; ++i) {
        Spieler_Name[i] = new QLineEdit(Settings::designNames()[i], this);
        Spieler_Name[i]->setObjectName(QStringLiteral("Spieler_Name_%1").arg(i));
        // A name is kept to this length; anything pasted beyond it would be lost at the next start.
        Spieler_Name[i]->setMaxLength(MaxNameLength);
        place(Spieler_Name[i], 390, 1080 + 480 * i, 1695, 285);
    }
    wiederh[0] = new WrappingButton<QRadioButton>(this);
    place(wiederh[0], 2865, 1080, 2070, 270);
    wiederh[1] = new WrappingButton<QRadioButton>(this);
    place(wiederh[1], 2865, 1440, 2265, 405);
    wiederh[0]->setChecked(true);
    chkAnzeige = new WrappingButton<QCheckBox>(this);
    place(chkAnzeige, 2880, 2040, 2175, 615);
    chkAnzeige->setChecked(true);
    chkUeben = new WrappingButton<QCheckBox>(this);
    chkUeben->setObjectName(QStringLiteral("chkUeben"));
    place(chkUeben, 2880, 2700, 2175, 375);
    // Under the motifs, the other choice about pictures.
    chkBildhinweis = new WrappingButton<QCheckBox>(this);
    chkBildhinweis->setObjectName(QStringLiteral("chkBildhinweis"));
    place(chkBildhinweis, 2880, 4400, 2175, 375);
    // Tall enough for the nine lists each language comes with, and as wide as the column
    // allows; a longer title wraps rather than being cut.
    wortsch = new QListWidget(this);
    wortsch->setObjectName(QStringLiteral("wortsch"));
    place(wortsch, 360, 3400, 2280, 870 + WordListsTaller);
    wortsch->setWordWrap(true);
    wortsch->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Motiv = new QListWidget(this);
    Motiv->setObjectName(QStringLiteral("Motiv"));
    place(Motiv, 2880, 3400, 2175, 840);
    // Wide enough for the longest caption of the four languages ("Parola di Riconoscimento").
    EditButt = new QPushButton(this);
    place(EditButt, 360, 4440 + WordListsTaller, 3255, 375);
    Password = new QPushButton(this);
    place(Password, 360, 4920 + WordListsTaller, 3255, 375);
    OK = new QPushButton(QStringLiteral("&OK"), this);
    place(OK, 3840, 4440 + WordListsTaller, 1215, 375);
    OK->setDefault(true);
    // Beside the password button, as OK stands beside the editor's.
    Abbruch = new QPushButton(this);
    Abbruch->setObjectName(QStringLiteral("Abbruch"));
    place(Abbruch, 3840, 4920 + WordListsTaller, 1215, 375);
    Timer1 = new QTimer(this);
    Timer1->setInterval(200);

    // Tab goes in reading order: the two counts, then down the names and down the repetition
    // choices beside them, then the two lists and the choice under the motifs, then the buttons,
    // OK and Cancel last. The dialog still opens on the first name, as it always has.
    QWidget* order[] = {plumin[0],  plumin[1],      Spieler_Name[0], Spieler_Name[1], Spieler_Name[2],
                        Spieler_Name[3], wiederh[0], wiederh[1],     chkAnzeige,      chkUeben,
                        wortsch,    Motiv,          chkBildhinweis,  EditButt,        Password,
                        OK,         Abbruch};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    Spieler_Name[0]->setFocus();
}

void Einst::Form_Load()
{
    const QString tag = QStringLiteral("Form_Load");
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move((s.width() - width()) / 2, (s.height() - height()) / 2);
    }
    if (!step(tag, [&] {
            // A stored number of players beyond 1..4 would reach a name box that does not exist.
            const int players = playersWithin(g().AnzahlSpieler);
            for (int i = 0; i < players; ++i)
                Spieler_Name[i]->setEnabled(true);
        }))
        return;
    if (!step(tag, [&] {
            Passwort = loadPassword();
        }))
        return;
    if (!step(tag, [&] {
            for (int id = 201; id <= 204; ++id)
                Motiv->addItem(LoadText(id));
            Motiv->setCurrentRow(std::clamp<int>(g().MotivNr, 0, 3));
        }))
        return;
    if (!step(tag, [&] { g().WortDatei = loadWordFile(g().SprachOffset); }))
        return;
    step(tag, [&] { fillVocabularyList(); });
}

QString Einst::languageFolder() const { return QDir(programFolder()).filePath(LoadText(166)); }

void Einst::fillVocabularyList()
{
    // Filling in code is not the user's choice, not even the row a focused list makes current
    // as its first entry arrives.
    const QSignalBlocker blocker(wortsch);
    wortsch->clear();
    // A missing or empty language folder leaves the list empty; the word list reader tells the
    // players about the missing file, once.
    const QDir folder(languageFolder());
    // Filtered here rather than by a name pattern, which would bring in the regular expression
    // engine (about half a megabyte of memory) for one suffix.
    QStringList files = folder.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    files.removeIf([](const QString& name) { return !name.endsWith(QStringLiteral(".dat"), Qt::CaseInsensitive); });
    // By title, the language's own list first; the file name is the entry's data and its tip.
    QList<std::pair<QString, QString>> entries;
    for (const QString& file : std::as_const(files))
        entries.push_back({wordListTitle(file), file});
    const QString basic = LoadText(146);
    std::stable_sort(entries.begin(), entries.end(), [&basic](const auto& a, const auto& b) {
        const bool aBasic = a.second == basic, bBasic = b.second == basic;
        if (aBasic != bBasic)
            return aBasic;
        return a.first.compare(b.first, Qt::CaseInsensitive) < 0;
    });
    for (const auto& [title, file] : std::as_const(entries)) {
        auto* item = new QListWidgetItem(title, wortsch);
        item->setData(Qt::UserRole, file);
        item->setToolTip(file);
    }
    if (entries.isEmpty())
        return; // nothing to select in an empty folder
    // No file chosen means the language's default file; show that one as chosen.
    const QString chosen = g().WortDatei.isEmpty() ? basic : g().WortDatei;
    int match = -1;
    for (int i = 0; i < int(entries.size()); ++i)
        if (entries[i].second == chosen)
            match = i;
    wortsch->setCurrentRow(match >= 0 ? match : 0);
    wortsch->scrollToItem(wortsch->currentItem());
}

void Einst::setZahl(int index, const QString& caption)
{
    if (Zahl[index]->text() == caption)
        return;
    Zahl[index]->setText(caption);
    Zahl_Change(index);
}

void Einst::Zahl_Change(int index)
{
    step(QStringLiteral("Zahl_Change"), [&] {
        const qint16 value = toInt16(Zahl[index]->text().trimmed().toLongLong());
        if (index == 1) {
            g().AnzahlTipps = value;
        } else {
            g().AnzahlSpieler = value;
            for (int i = 0; i < 4; ++i)
                Spieler_Name[i]->setEnabled(i < value);
        }
        g().EinstGeaendert = True;
    });
}

void Einst::showCounts(int players, int hints)
{
    Zahl[0]->setText(numberForm(players));
    Zahl[1]->setText(numberForm(hints));
    for (int i = 0; i < 4; ++i)
        Spieler_Name[i]->setEnabled(i < players);
}

void Einst::edit(const Settings& settings)
{
    m_edited = settings;
    m_live = {g().AnzahlSpieler, g().AnzahlTipps, g().MotivNr, g().WortDatei, settings};
    showCounts(playersWithin(g().AnzahlSpieler), std::clamp<int>(g().AnzahlTipps, 0, 3));
    for (int i = 0; i < 4; ++i)
        Spieler_Name[i]->setText(settings.names[i]);
    wiederh[settings.allWordsRepeated ? 0 : 1]->setChecked(true);
    chkAnzeige->setChecked(settings.showSolution);
    const QSignalBlocker blocker(Motiv);
    if (Motiv->count() > 0)
        Motiv->setCurrentRow(std::clamp<int>(g().MotivNr, 0, Motiv->count() - 1));
    chkUeben->setChecked(settings.practiseTrickyWords);
    chkBildhinweis->setChecked(settings.pictureClue);
}

Settings Einst::value() const
{
    // The counts, motif and word file are the global record's, changed there as the user changes
    // them; the names, the rule and the flag are what the controls show.
    Settings s = m_edited;
    for (int i = 0; i < 4; ++i)
        s.names[i] = Spieler_Name[i]->text();
    s.allWordsRepeated = wiederh[0]->isChecked();
    s.showSolution = chkAnzeige->isChecked();
    s.practiseTrickyWords = chkUeben->isChecked();
    s.pictureClue = chkBildhinweis->isChecked();
    return s;
}
