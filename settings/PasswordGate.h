// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Asks for the settings password when one is set, as the vocabulary editor does. True when no
// password is set or the right one was given; a wrong one is told.
bool passwordGranted();
