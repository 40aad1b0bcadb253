// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's life: building the window, the start-up, the first activation and closing.
#include "game/wupp.h"
#include "common/Allgemein.h"
#include "common/ErrorReport.h"
#include "common/NumberForm.h"
#include "common/Platform.h"
#include "common/ProgramFolder.h"
#include "common/Shutdown.h"
#include "game/BoardJoy.h"
#include "game/FrameExtents.h"
#include "game/Flow.h"
#include "game/Layout.h"
#include "game/Rules.h"
#include "i18n/Catalogue.h"
#include "record/PlayRecorder.h"
#include "settings/Einst.h"
#include "settings/IniStore.h"
#include "settings/SettingKeys.h"
#include "vocabulary/WEdit.h"
#include "sound/Playback.h"
#include "vocabulary/VocabularyFile.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScreen>
#include <malloc.h>

using layout::toPixels;

wupp::wupp()
{
    setObjectName(QStringLiteral("wupp"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    buildMenus();
    buildBoard();
    buildSpeech();
    buildWordPicture();
    buildSmallLetters();
    qApp->installEventFilter(this);
    // The settings dialog lives until the end; the editor it opens hands its list to this game.
    setUnloadWindows([] { Einst::unload(); });
    const QPointer<wupp> self(this);
    Einst::setEditorFactory([self](QWidget* parent) -> QDialog* {
        auto* editor = new WEdit(parent);
        if (self)
            connect(editor, &WEdit::listHandedOver, self, &wupp::takeEditedList);
        return editor;
    });
    Einst::setHandBack([self](const Settings& settings) {
        if (self)
            self->m_settings = settings;
    });
    m_frames = new FrameExtents(this);
    connect(m_frames, &FrameExtents::changed, this, [this](WId id) {
        if (m_wantedOuter && testAttribute(Qt::WA_WState_Created) && id == winId())
            applyOuterPlacement();
    });

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
    if (!step(tag, [&] { readPlacement(); }))
        return;
    if (!step(tag, [&] { readGameSettings(); }))
        return;
    if (!step(tag, [&] { buildPlayerRows(); }))
        return;
    if (!step(tag, [&] {
            Motiv_Wahl();
            m_board->stage(0)->show();
            zurueck();
            positionieren();
            LiesWortschatz();
        }))
        return;
}

wupp::~wupp()
{
    qApp->removeEventFilter(this);
    if (!m_closing) {
        m_closing = true;
        emit nextWordGiven();
    }
}

void wupp::readPlacement()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int screenWidth = layout::toTwips(screen.width());
    const int screenHeight = layout::toTwips(screen.height());
    const qint16 state = GetIniInt(keys::Window, keys::Status, keys::StatusDefault);
    // Read in every state: a window that opens maximized returns to the last normal placement
    // when the player restores it, not to the top left corner of the screen.
    const int x = (screenWidth - layout::DesignWidth) / 2;
    const int y = (screenHeight - layout::DesignHeight) / 2;
    QRect placed;
    placed.setLeft(GetIniInt(keys::Window, keys::Left, x));
    placed.setTop(GetIniInt(keys::Window, keys::Top, y));
    placed.setWidth(GetIniInt(keys::Window, keys::Width, keys::WidthDefault));
    placed.setHeight(GetIniInt(keys::Window, keys::Height, keys::HeightDefault));
    // A window stored off the screen comes back centred.
    int left = placed.left(), top = placed.top();
    if (left < 0 || left > screenWidth - placed.width())
        left = x;
    if (top < 0 || top > screenHeight - placed.height())
        top = y;
    // A stored size below the window's minimum (0 after an overflow, say) comes back as the minimum.
    setOuterTwips(left, top, std::max(placed.width(), layout::MinWidth), std::max(placed.height(), layout::MinHeight));
    if (state == 2)
        setWindowState(Qt::WindowMaximized);
    else if (state == 1)
        setWindowState(Qt::WindowMinimized);
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
    mnuPlaySounds->setChecked(g().SoundAn);
    mnuPlayMusic->setChecked(g().MusikAn);
    mnuAnpassen->setChecked(m_settings.fitBoard);
    einst->edit(m_settings);
}

void wupp::buildPlayerRows()
{
    // A stored name that counts as unset left the design's name in the settings.
    m_board->setPlayerNames(m_settings.names);
}

bool wupp::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && !m_activated)
        Form_Activate();
    // The window manager has framed the window or given it back its normal state: the frame's
    // size is known now, and the stored outer placement can be applied exactly.
    if (m_wantedOuter && (event->type() == QEvent::Move || event->type() == QEvent::Resize ||
                          event->type() == QEvent::WindowStateChange || event->type() == QEvent::Show))
        QMetaObject::invokeMethod(this, &wupp::applyOuterPlacement, Qt::QueuedConnection);
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
    if (m_closing) {
        event->accept();
        return;
    }
    Form_Unload();
    event->accept();
}

void wupp::Form_Unload()
{
    step(QStringLiteral("Form_Unload"), [&] {
        // A minimized window stores nothing: the next start comes back as the window was before.
        // The placement is one write, so it is never stored half.
        const int state = windowState16();
        QList<std::pair<QString, QString>> entries;
        if (state == 0) {
            const QRect r = outerTwips();
            entries = {{keys::Left, numberForm(r.left())},
                       {keys::Top, numberForm(r.top())},
                       {keys::Width, numberForm(r.width())},
                       {keys::Height, numberForm(r.height())}};
        }
        if (state != 1)
            entries.append({keys::Status, numberForm(state)});
        if (!entries.isEmpty())
            saveIniEntries(keys::Window, entries);
        if (g().MusikAn)
            CloseMusic();
    });
    // Whatever still waits (for the next word, on a timer) sees the window closing and stops.
    m_closing = true;
    m_board->joy()->stop();
    emit nextWordGiven();
    emit unloaded();
    Shutdown();
}

int wupp::windowState16() const
{
    if (isMinimized())
        return 1;
    if (isMaximized())
        return 2;
    return 0;
}

QMargins wupp::frameNow() const
{
    if (const auto extents = m_frames->of(this))
        return *extents;
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

QRect wupp::outerTwips() const
{
    const QRect f = geometry().marginsAdded(frameNow());
    return {layout::toTwips(f.x()), layout::toTwips(f.y()), layout::toTwips(f.width()), layout::toTwips(f.height())};
}

void wupp::setOuterTwips(int left, int top, int width, int height)
{
    m_wantedOuter = QRect(left, top, width, height);
    m_appliedFrame = QMargins(-1, -1, -1, -1); // a new placement is applied whatever the frame
    m_placementTries = 0;
    applyOuterPlacement();
}

void wupp::applyOuterPlacement()
{
    if (!m_wantedOuter)
        return;
    const bool shown = isVisible();
    // A maximized or minimized window keeps the placement for its return to the normal state.
    if (shown && windowState16() != 0)
        return;
    const QMargins margins = frameNow();
    const QRect want = *m_wantedOuter;
    // Done once a framed window stands where it was wanted. A window manager that will not place
    // it exactly gets a few tries; after that the window stays where the window manager put it.
    if (shown && !margins.isNull() && (outerTwips() == want || m_placementTries >= 4)) {
        m_wantedOuter.reset();
        m_placementTries = 0;
        return;
    }
    // Applied already with this frame: wait for the window manager (without one the frame stays
    // empty, and the first application is the right one). The frame of a window coming back from
    // maximized may still be the maximized one at first, so a new frame means a new try.
    if (shown && margins == m_appliedFrame)
        return;
    const QRect outer(toPixels(want.left()), toPixels(want.top()), toPixels(want.width()), toPixels(want.height()));
    if (margins.isNull()) {
        // Frame unknown: move() asks the window manager to put the frame's corner there.
        move(outer.topLeft());
        resize(std::max(1, outer.width()), std::max(1, outer.height()));
    } else {
        // Frame known: the inner rectangle, exactly (Qt's own idea of the frame may lag behind).
        const QRect inner = outer.marginsRemoved(margins);
        setGeometry(inner.x(), inner.y(), std::max(1, inner.width()), std::max(1, inner.height()));
    }
    m_appliedFrame = margins;
    if (shown)
        ++m_placementTries;
}

bool wupp::eventFilter(QObject* watched, QEvent* event)
{
    // Typed letters belong to the board, whichever of its controls has the focus.
    if (event->type() == QEvent::KeyPress && watched != this) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this) {
            keyPressEvent(static_cast<QKeyEvent*>(event));
            return event->isAccepted();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void wupp::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
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
