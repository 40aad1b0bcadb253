// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the X server and the window manager say about our windows, asked with the X tools the
// way a user's desktop sees them, not through Qt's own idea of them.
#include <QRect>
#include <QStringList>
#include <QWidget>
#include <functional>

namespace desktop {

// Runs an xdotool command on the window ("windowminimize", "windowactivate", "windowmove").
bool windowCommand(const QString& command, const QWidget* window, const QStringList& arguments = {});

// The window's outer rectangle on screen in pixels, frame and title bar included, as the window
// manager has framed it; null when it is not framed (yet).
QRect outerOnScreen(const QWidget* window);

// The actions the window manager offers for the window (_NET_WM_ALLOWED_ACTIONS), short names such
// as "CLOSE", "MINIMIZE", "MAXIMIZE_HORZ".
QStringList allowedActions(const QWidget* window);

// What the window asks of the window manager for its frame (_MOTIF_WM_HINTS): flags, functions,
// decorations; empty when it asks nothing.
QList<quint64> motifHints(const QWidget* window);

// The title the window manager shows (_NET_WM_NAME).
QString shownTitle(const QWidget* window);

// The window the window manager reports as active, 0 when none.
quint64 activeWindow();

// The window this one is transient for (the one it stays over), 0 when none.
quint64 transientFor(const QWidget* window);

// The window manager has iconified the window (WM_STATE Iconic and _NET_WM_STATE_HIDDEN).
bool iconified(const QWidget* window);

// Waits until the window is mapped and framed by the window manager.
bool waitFramed(const QWidget* window, int milliseconds = 10000);

// Sends real key presses through the X server to the focused window ("Delete", "Escape", "a").
bool typeKeys(const QStringList& keys);
// Types text through the X server, character by character, as a keyboard would.
bool typeText(const QString& text);

// The managed windows from the bottom of the stack to its top (_NET_CLIENT_LIST_STACKING).
QList<quint64> stacking();

// Waits until the window manager has made the window the active one.
bool waitActive(const QWidget* window, int milliseconds = 10000);

// Runs `act` as soon as a modal window of class `className` is open, framed and active; with
// nullptr when none came. For boxes that block the caller until they are answered: call this
// first, then whatever opens the box.
void whenModal(const char* className, const std::function<void(QWidget*)>& act);

// Saves a picture of the whole screen when WUPPLE_SHOTS names a folder, for looking at by hand.
void screenshot(const QString& name);

} // namespace desktop
