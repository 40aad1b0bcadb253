// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two playback procedures every caller uses. Callers check SoundAn / MusikAn themselves.
#include <QString>

// Starts wave resource `id` (":/sounds/<id>.wav") and returns at once; the player shares the
// bytes while they play. A missing resource goes to the error report.
void PlayWAV(int id);

// Opens "wupple.mid" from the program's folder and plays it once from its beginning.
void MakeMusic();

// "close midi": stops and closes the music.
void CloseMusic();

QString musicPath();
