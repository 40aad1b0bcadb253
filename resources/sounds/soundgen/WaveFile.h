// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A complete RIFF "WAVE" image: "fmt " and "data" chunks only, PCM, one channel, 8 bits.
#include <cstdint>
#include <string>
#include <vector>

namespace soundgen {

std::vector<std::uint8_t> waveImage(int rate, const std::vector<std::uint8_t>& pcm8);

bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

} // namespace soundgen
