// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frame of a dialog of fixed size: a title and a close button, nothing else. Without
// Qt::CustomizeWindowHint an X11 window manager adds minimize and maximize buttons, and a
// minimized modal dialog leaves the window under it dead with no dialog in sight.
#include <QWidget>

inline constexpr Qt::WindowFlags FixedDialogFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                    Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

inline void useFixedDialogFrame(QWidget* dialog) { dialog->setWindowFlags(FixedDialogFlags); }
