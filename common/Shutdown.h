// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Unloads every open window, from the last opened to the first, and ends the program. From here
// on failures are ignored.
#include <functional>

void Shutdown();

// How the windows that outlive their use (the settings dialog) are unloaded at the end; set by
// the main window, which knows them.
void setUnloadWindows(std::function<void()> unload);
