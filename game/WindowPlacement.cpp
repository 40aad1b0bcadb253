// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/WindowPlacement.h"
#include "common/NumberForm.h"
#include "game/FrameExtents.h"
#include "game/Layout.h"
#include "settings/IniStore.h"
#include "settings/SettingKeys.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

using layout::toPixels;
using layout::toTwips;

WindowPlacement::WindowPlacement(QWidget* window)
    : QObject(window), m_window(window), m_frames(new FrameExtents(this))
{
    connect(m_frames, &FrameExtents::changed, this, [this](WId id) {
        if (m_wanted && m_window->testAttribute(Qt::WA_WState_Created) && id == m_window->winId())
            apply();
    });
    m_window->installEventFilter(this);
}

WindowPlacement::State WindowPlacement::state() const
{
    if (m_window->isMinimized())
        return Minimized;
    if (m_window->isMaximized())
        return Maximized;
    return Normal;
}

QRect WindowPlacement::outerTwips() const
{
    const QRect f = m_window->geometry().marginsAdded(frameNow());
    return {toTwips(f.x()), toTwips(f.y()), toTwips(f.width()), toTwips(f.height())};
}

void WindowPlacement::setOuterTwips(const QRect& outer)
{
    m_wanted = outer;
    m_appliedFrame = QMargins(-1, -1, -1, -1); // a new placement is applied whatever the frame
    m_tries = 0;
    apply();
}

void WindowPlacement::restore()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize screenTwips(toTwips(screen.width()), toTwips(screen.height()));
    const QPoint centred = layout::centredOn(screenTwips);
    // Read in every state: a window that opens maximized returns to the last normal placement
    // when the player restores it, not to the top left corner of the screen.
    const QRect stored(GetIniInt(keys::Window, keys::Left, centred.x()), GetIniInt(keys::Window, keys::Top, centred.y()),
                       GetIniInt(keys::Window, keys::Width, keys::WidthDefault),
                       GetIniInt(keys::Window, keys::Height, keys::HeightDefault));
    setOuterTwips(layout::placedOnScreen(stored, screenTwips));
    const qint16 state = GetIniInt(keys::Window, keys::Status, keys::StatusDefault);
    if (state == Maximized)
        m_window->setWindowState(Qt::WindowMaximized);
    else if (state == Minimized)
        m_window->setWindowState(Qt::WindowMinimized);
}

void WindowPlacement::store() const
{
    const State now = state();
    QList<std::pair<QString, QString>> entries;
    if (now == Normal) {
        const QRect r = outerTwips();
        entries = {{keys::Left, numberForm(r.left())},
                   {keys::Top, numberForm(r.top())},
                   {keys::Width, numberForm(r.width())},
                   {keys::Height, numberForm(r.height())}};
    }
    if (now != Minimized)
        entries.append({keys::Status, numberForm(now)});
    if (!entries.isEmpty())
        saveIniEntries(keys::Window, entries);
}

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event)
{
    // The window manager has framed the window or given it back its normal state: the frame's
    // size is known now, and the wanted outer placement can be applied exactly.
    if (watched == m_window && m_wanted &&
        (event->type() == QEvent::Move || event->type() == QEvent::Resize ||
         event->type() == QEvent::WindowStateChange || event->type() == QEvent::Show))
        QMetaObject::invokeMethod(this, &WindowPlacement::apply, Qt::QueuedConnection);
    return false;
}

QMargins WindowPlacement::frameNow() const
{
    if (const auto extents = m_frames->of(m_window))
        return *extents;
    const QRect frame = m_window->frameGeometry();
    const QRect client = m_window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

void WindowPlacement::apply()
{
    if (!m_wanted)
        return;
    const bool shown = m_window->isVisible();
    // A maximized or minimized window keeps the placement for its return to the normal state.
    if (shown && state() != Normal)
        return;
    const QMargins margins = frameNow();
    const QRect want = *m_wanted;
    // Done once a framed window stands where it was wanted. A window manager that will not place
    // it exactly gets a few tries; after that the window stays where the window manager put it.
    if (shown && !margins.isNull() && (outerTwips() == want || m_tries >= 4)) {
        m_wanted.reset();
        m_tries = 0;
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
        m_window->move(outer.topLeft());
        m_window->resize(std::max(1, outer.width()), std::max(1, outer.height()));
    } else {
        // Frame known: the inner rectangle, exactly (Qt's own idea of the frame may lag behind).
        const QRect inner = outer.marginsRemoved(margins);
        m_window->setGeometry(inner.x(), inner.y(), std::max(1, inner.width()), std::max(1, inner.height()));
    }
    m_appliedFrame = margins;
    if (shown)
        ++m_tries;
}
