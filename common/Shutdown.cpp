// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Shutdown.h"
#include "common/Platform.h"

#include <QApplication>
#include <QWidget>

namespace {
std::function<void()>& unloadWindows()
{
    static std::function<void()> unload;
    return unload;
}
} // namespace

void setUnloadWindows(std::function<void()> unload) { unloadWindows() = std::move(unload); }

void Shutdown()
{
    try {
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
            QWidget* w = *it;
            // Open dialogs are closed so that whatever waits on them can finish.
            if (w->isVisible() && w->isModal())
                w->close();
        }
        if (unloadWindows())
            unloadWindows()();
    } catch (...) {
    }
    if (platform().quit)
        platform().quit();
}
