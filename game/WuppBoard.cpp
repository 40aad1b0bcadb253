// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Building the main window's menus and board controls in their design-time state.
#include "common/Allgemein.h"
#include "game/BoardAccess.h"
#include "game/BoardColours.h"
#include "game/BoardFocus.h"
#include "game/BoardJoy.h"
#include "game/Layout.h"
#include "game/Rules.h"
#include "game/wupp.h"
#include "i18n/Catalogue.h"
#include "i18n/ExtraTexts.h"
#include "i18n/RecordTexts.h"

#include <QActionGroup>
#include <QFrame>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

#include <cmath>

using layout::toPixels;

namespace {


} // namespace

// The board's colours and frames; borders and corners grow with the board.
QString boardStyleSheet(double scale, const colours::Scheme& c)
{
    const auto colour = [](colours::Rgb rgb) { return QColor::fromRgb(rgb).name(); };
    const auto px = [scale](double pixels) { return QString::number(std::max(1L, std::lround(pixels * scale))); };
    return QStringLiteral(R"(
QWidget#board { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff8e4, stop:1 #ffe7b0); }
QFrame#fraNamen { background: #fffdf6; border: %1px solid #f0a848; border-radius: %2px; }
QPushButton#PicBut_3 { background: %6; color: %7; font-weight: bold; border: %3px solid %8;
                       border-radius: %4px; }
QPushButton#PicBut_3:hover { background: %9; }
QToolButton { background: #fffdf6; border: %3px solid #f0a848; border-radius: %5px; }
QToolButton:hover { background: #fff0c8; }
QToolButton:pressed { background: #ffe2a0; }
)")
        .arg(px(3), px(14), px(2), px(10), px(8))
        .arg(colour(c.nextBack), colour(c.nextText), colour(c.nextBorder), colour(c.nextHover));
}

namespace {
void place(QWidget* w, int left, int top, int width, int height)
{
    w->setGeometry(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

QAction* item(QMenu* menu, int captionId, const QKeySequence& shortcut = {})
{
    // Design-time captions are German; the language is applied at the first activation.
    auto* action = menu->addAction(captionId ? catalogueText(captionId) : QString());
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}
} // namespace

void wupp::buildMenus()
{
    QMenuBar* bar = menuBar();
    mnuSpiel = bar->addMenu(catalogueText(130));
    mnuStart = item(mnuSpiel, 0, QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuStart->setText(QStringLiteral("&Start"));
    mnuTipp = item(mnuSpiel, 167, QKeySequence(Qt::CTRL | Qt::Key_T));
    mnuTipp->setEnabled(false);
    mnuWeiter = item(mnuSpiel, 132, QKeySequence(Qt::CTRL | Qt::Key_W));
    mnuWeiter->setEnabled(false);
    mnuSpiel->addSeparator();
    mnuEnde = item(mnuSpiel, 131, QKeySequence(Qt::CTRL | Qt::Key_E));

    mnuOption = bar->addMenu(catalogueText(118));
    mnuOpt = item(mnuOption, 133);
    mnuOption->addSeparator();
    mnuSprache = mnuOption->addMenu(catalogueText(139));
    const char* const languages[4] = {"&Deutsch", "&English", "&Svenska", "&Italiano"};
    for (int i = 0; i < 4; ++i) {
        mnuLang[i] = mnuSprache->addAction(QString::fromLatin1(languages[i]));
        mnuLang[i]->setCheckable(true);
    }
    mnuLang[0]->setChecked(true);
    mnuOption->addSeparator();
    mnuPlaySounds = item(mnuOption, 103);
    mnuPlaySounds->setCheckable(true);
    mnuPlaySounds->setChecked(true);
    mnuPlayMusic = item(mnuOption, 171);
    mnuPlayMusic->setCheckable(true);
    mnuPlayMusic->setChecked(true);
    mnuOption->addSeparator();
    mnuAnpassen = mnuOption->addAction(extraText(Extra::FitBoard));
    mnuAnpassen->setCheckable(true);
    mnuAnpassen->setChecked(true);
    mnuProgress = mnuOption->addAction(recordText(RecordText::Progress));

    mnuHilf = bar->addMenu(catalogueText(134));
    mnuHilfe = item(mnuHilf, 134, QKeySequence(Qt::Key_F1));
    mnuHilf->addSeparator();
    mnuHomepage = item(mnuHilf, 136);
    mnuEMail = item(mnuHilf, 135);
    mnuHilf->addSeparator();
    mnuUeber = item(mnuHilf, 137, QKeySequence(Qt::CTRL | Qt::Key_F1));

    connect(mnuStart, &QAction::triggered, this, [this] { launch(mnuStart_Click()); });
    connect(mnuTipp, &QAction::triggered, this, [this] { launch(mnuTipp_Click()); });
    connect(mnuWeiter, &QAction::triggered, this, [this] { launch(mnuWeiter_Click()); });
    connect(mnuEnde, &QAction::triggered, this, [this] { mnuEnde_Click(); });
    connect(mnuOpt, &QAction::triggered, this, [this] { launch(mnuOpt_Click()); });
    connect(mnuProgress, &QAction::triggered, this, [this] { mnuProgress_Click(); });
    for (int i = 0; i < 4; ++i) {
        // A click on a language item only moves the check mark through the handler.
        connect(mnuLang[i], &QAction::triggered, this, [this, i] {
            mnuLang[i]->setChecked(!mnuLang[i]->isChecked());
            launch(mnuLang_Click(i));
        });
    }
    connect(mnuPlaySounds, &QAction::triggered, this, [this] {
        mnuPlaySounds->setChecked(!mnuPlaySounds->isChecked());
        mnuPlaySounds_Click();
    });
    connect(mnuPlayMusic, &QAction::triggered, this, [this] {
        mnuPlayMusic->setChecked(!mnuPlayMusic->isChecked());
        mnuPlayMusic_Click();
    });
    connect(mnuAnpassen, &QAction::triggered, this, [this] {
        mnuAnpassen->setChecked(!mnuAnpassen->isChecked());
        mnuAnpassen_Click();
    });
    connect(mnuHilfe, &QAction::triggered, this, [this] { mnuHilfe_Click(); });
    connect(mnuHomepage, &QAction::triggered, this, [this] { mnuHomepage_Click(); });
    connect(mnuEMail, &QAction::triggered, this, [this] { mnuEMail_Click(); });
    connect(mnuUeber, &QAction::triggered, this, [this] { mnuUeber_Click(); });
}

void wupp::buildBoard()
{
    // Before the first control: an accessible object, once asked for, keeps its role.
    installBoardAccessibility();
    board = new QWidget(this);
    board->setObjectName(QStringLiteral("board"));
    board->setAttribute(Qt::WA_StyledBackground);
    board->setStyleSheet(boardStyleSheet(1, colours::classic()));
    setCentralWidget(board);
    m_joy = new BoardJoy(board);
    new FocusRing(board);
    setFocusPolicy(Qt::StrongFocus);

    for (int i = 0; i < 10; ++i) {
        B_Folge[i] = new PictureLabel(board);
        B_Folge[i]->setObjectName(QStringLiteral("B_Folge_%1").arg(i));
        B_Folge[i]->resize(toPixels(layout::PictureSize), toPixels(layout::PictureSize));
        B_Folge[i]->hide();
    }

    Picture1 = new PictureLabel(board);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->resize(toPixels(layout::StripWidth), toPixels(layout::StripHeight));
    Picture1->setPicture({PictureKind::Strip, 0});
    Picture1->hide();
    for (int i = 0; i < rules::LetterCount; ++i) {
        auto* button = new PictureButton(Picture1);
        button->setObjectName(QStringLiteral("alpha_%1").arg(i));
        button->tag = rules::letterOf(i);
        place(button, layout::letterPlaces[i].left, layout::letterPlaces[i].top, layout::LetterWidth,
              layout::LetterHeight);
        button->setPicture({PictureKind::Letter, i});
        button->setEnabled(false);
        button->setVisible(i < 26);
        connect(button, &PictureButton::clicked, this, [this, i] { launch(alpha_Click(i)); });
        alpha[i] = button;
    }

    auto* tile = new PictureLabel(board);
    tile->setObjectName(QStringLiteral("Feld_0"));
    tile->resize(toPixels(layout::LetterWidth), toPixels(layout::LetterHeight));
    tile->setPicture({PictureKind::Tile, 0});
    tile->hide();
    Feld.push_back(tile);

    for (int i = 0; i < 3; ++i) {
        auto* button = new QToolButton(board);
        button->setObjectName(QStringLiteral("PicBut_%1").arg(i));
        button->setIconSize(QSize(32, 32));
        button->resize(toPixels(layout::PicButSize), toPixels(layout::PicButSize));
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRaise(false);
        button->hide();
        PicBut[i] = button;
    }
    setButtonIcons();
    auto* next = new QPushButton(catalogueText(150), board);
    next->setObjectName(QStringLiteral("PicBut_3"));
    next->resize(toPixels(layout::NextWordWidth), toPixels(layout::NextWordHeight));
    next->setFocusPolicy(Qt::NoFocus);
    next->hide();
    PicBut[3] = next;
    for (int i = 0; i < 4; ++i)
        connect(PicBut[i], &QAbstractButton::clicked, this, [this, i] { launch(PicBut_Click(i)); });

    fraNamen = new QFrame(board);
    fraNamen->setObjectName(QStringLiteral("fraNamen"));
    fraNamen->resize(toPixels(layout::NamesWidth), toPixels(layout::NamesHeight));
    fraNamen->hide();
    for (int i = 0; i < 4; ++i) {
        Spieler[i] = new NameLabel(fraNamen);
        Spieler[i]->setObjectName(QStringLiteral("Spieler_%1").arg(i));
        Spieler[i]->resize(toPixels(2220), toPixels(layout::TokenWidth));
        QFont f = Spieler[i]->font();
        f.setPointSize(12);
        f.setBold(true);
        Spieler[i]->setFont(f);
    }
    for (int p = 0; p < 32; ++p) {
        Punkt[p] = new PictureLabel(fraNamen);
        Punkt[p]->setObjectName(QStringLiteral("Punkt_%1").arg(p));
        Punkt[p]->resize(toPixels(layout::TokenWidth), toPixels(layout::TokenHeight));
        Punkt[p]->hide();
    }
    for (int m = 0; m < 4; ++m)
        Symbol[m] = boardPixmap({PictureKind::Token, m}, designSize({PictureKind::Token, m}), 1);
    buildStatusLine();
}
