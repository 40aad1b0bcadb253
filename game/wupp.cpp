// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's life: building the window, the start-up, the first activation and closing.
#include "game/wupp.h"
#include "common/Allgemein.h"
#include "common/ErrorReport.h"
#include "common/NumberForm.h"
#include "common/ProgramFolder.h"
#include "common/Shutdown.h"
#include "game/BoardFocus.h"
#include "game/BoardJoy.h"
#include "game/Rules.h"
#include "i18n/Catalogue.h"
#include "settings/Einst.h"
#include "settings/IniStore.h"
#include "sound/Playback.h"
#include "vocabulary/VocabularyFile.h"
#include "vocabulary/WEdit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QListWidget>
#include <malloc.h>

wupp::wupp()
{
    setObjectName(QStringLiteral("wupp"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    m_menu = new MainMenu(this);
    buildBoard();
    setFocus(); // the board as a whole, until Tab moves on to one of its controls
    qApp->installEventFilter(this);
    // The settings dialog lives until the end; the editor it opens hands its list to this game.
    setUnloadWindows([] { Einst::unload(); });
    const QPointer<wupp> self(this);
    Einst::setEditorFactory([self](QWidget* parent) -> QDialog* {
        auto* editor = new WEdit(parent);
        if (self)
            connect(editor, &WEdit::listHandedOver, self->m_game, &Game::takeEditedList);
        return editor;
    });
    Einst::setHandBack([self](const Settings& settings) {
        if (self)
            self->m_settings = settings;
    });
    m_placement = new WindowPlacement(this);
    m_records = new RecordKeeper(this);
    m_game = new Game({*m_board, m_settings, m_narrator, *m_records, [this] { return currentBoard(); }}, this);
    connectCommands();
    applySpeech();
    applySmallLetters();

    const QString tag = QStringLiteral("Form_Load");
    // After Abort the remaining steps are skipped and the window opens as far as it got.
    if (!step(tag, [] {
            QDir::setCurrent(programFolder());
            // Saves cut short by a crash or a kill leave their temporary files behind.
            removeIniLeftovers();
            vocabulary::removeWordListLeftoversEverywhere();
        }))
        return;
    if (!step(tag, [&] {
            m_board->stage(0)->resize(m_board->stage(1)->size());
        }))
        return;
    if (!step(tag, [&] { m_placement->restore(); }))
        return;
    if (!step(tag, [&] { readGameSettings(); }))
        return;
    // A stored name that counts as unset left the design's name in the settings.
    if (!step(tag, [&] { m_board->setPlayerNames(m_settings.names); }))
        return;
    if (!step(tag, [&] {
            Motiv_Wahl();
            m_board->stage(0)->show();
            m_game->zurueck();
            positionieren();
            m_game->LiesWortschatz();
        }))
        return;
}

wupp::~wupp()
{
    qApp->removeEventFilter(this);
    m_game->end();
}

void wupp::readGameSettings()
{
    m_settings = loadSettings();
    m_board->hangCards(g().SprachOffset);
    // The dialog is made now, with the counts already known: its name boxes follow the player count.
    Einst* einst = &Einst::instance();
    einst->setZahl(0, numberForm(g().AnzahlSpieler));
    einst->setZahl(1, numberForm(g().AnzahlTipps));
    {
        const QSignalBlocker blocker(einst->Motiv);
        einst->Motiv->setCurrentRow(g().MotivNr);
    }
    m_menu->mnuPlaySounds->setChecked(g().SoundAn);
    m_menu->mnuPlayMusic->setChecked(g().MusikAn);
    m_menu->mnuAnpassen->setChecked(m_settings.fitBoard);
    m_menu->mnuBild->setChecked(m_settings.pictureAfterWord);
    einst->edit(m_settings);
}

bool wupp::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && !m_activated)
        Form_Activate();
    return QMainWindow::event(event);
}

void wupp::Form_Activate()
{
    if (m_activated)
        return;
    m_activated = true;
    launch(mnuLang_Click(validLanguageOffset(g().SprachOffset) / 1000));
    step(QStringLiteral("Form_Activate"), [] {
        if (g().MusikAn)
            MakeMusic();
    });
    // Start-up read fonts, settings, pictures and word lists through many short-lived buffers;
    // their pages go back to the system rather than stay with the game for its whole life.
    malloc_trim(0);
}

void wupp::closeEvent(QCloseEvent* event)
{
    if (m_game->closing()) {
        event->accept();
        return;
    }
    Form_Unload();
    event->accept();
}

void wupp::Form_Unload()
{
    step(QStringLiteral("Form_Unload"), [&] {
        m_placement->store();
        if (g().MusikAn)
            CloseMusic();
    });
    m_game->end();
    m_board->joy()->stop();
    Shutdown();
}

bool wupp::eventFilter(QObject* watched, QEvent* event)
{
    // Typed letters belong to the board, whichever of its controls has the focus.
    if (event->type() == QEvent::KeyPress && watched != this) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this) {
            keyPressEvent(static_cast<QKeyEvent*>(event));
            if (event->isAccepted())
                return true;
            // Not the window's: the control gets the key untouched (Tab moves the focus one step).
            event->accept();
            return false;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void wupp::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!m_game->waitsForNextWord() && pressFocusedControl(this, event))
            return event->accept();
        launch(Form_KeyPress(QChar(13)));
        event->accept();
        return;
    }
    const QString text = event->text();
    if (text.size() == 1 && text[0].isLetter() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        launch(Form_KeyPress(text[0]));
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

QCoro::Task<> wupp::Form_KeyPress(QChar key)
{
    const int i = rules::indexOf(key.toUpper());
    if (i >= 0 && letters::current().contains(key.toUpper()) && !m_board->card(i)->isHidden() &&
        m_board->card(i)->isEnabled()) {
        co_await m_game->guess(i);
        co_return;
    }
    if (key == QChar(13))
        co_await m_game->nextWord();
}

namespace {
QCoro::Task<> reportEscaped(QCoro::Task<> flow)
{
    try {
        co_await std::move(flow);
    } catch (const RuntimeError& error) {
        reportError(QStringLiteral("wupp"), error);
    } catch (const std::exception& error) {
        qWarning("Wupple: %s", error.what());
    }
}
} // namespace

void wupp::launch(QCoro::Task<> flow)
{
    // Fire and forget: the flow runs on, paced by its own waits, and frees itself at its end.
    reportEscaped(std::move(flow));
}
