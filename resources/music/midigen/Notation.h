// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One written note, "c5+e5:q." or "kick+hat:e" or "r:h", turned into keys and a length.
#include <string>
#include <vector>

namespace midigen {

struct Written {
    std::vector<int> keys; // empty for a rest
    int ticks = 0;
};

// Throws std::runtime_error (without a line number) when the token is not valid notation.
Written parseWritten(const std::string& token, bool drums);

// General MIDI percussion velocity scale for a key, so hi-hats sit behind kick and snare.
double drumWeight(int key);

} // namespace midigen
