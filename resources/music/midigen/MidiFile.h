// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A Standard MIDI File, format 1: a conductor track with the tempo and meter, then one track per part.
#include "Score.h"

#include <cstdint>
#include <vector>

namespace midigen {

std::vector<std::uint8_t> midiFile(const Score& score);

} // namespace midigen
