// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WaveFile.h"

#include <fstream>

namespace soundgen {

namespace {

void put(std::vector<std::uint8_t>& out, const char* tag)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(std::uint8_t(tag[i]));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(std::uint8_t(v >> (8 * i)));
}

void put16(std::vector<std::uint8_t>& out, std::uint16_t v)
{
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}

} // namespace

std::vector<std::uint8_t> waveImage(int rate, const std::vector<std::uint8_t>& pcm8)
{
    const auto dataSize = std::uint32_t(pcm8.size());
    // A chunk of odd size is followed by one pad byte, which counts in the RIFF size but not in
    // the chunk's own size.
    const std::uint32_t pad = dataSize & 1u;
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataSize + pad);
    put(out, "RIFF");
    put32(out, 4 + (8 + 16) + (8 + dataSize + pad));
    put(out, "WAVE");
    put(out, "fmt ");
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, std::uint32_t(rate));
    put32(out, std::uint32_t(rate)); // bytes per second
    put16(out, 1); // block align
    put16(out, 8); // bits per sample
    put(out, "data");
    put32(out, dataSize);
    out.insert(out.end(), pcm8.begin(), pcm8.end());
    if (pad)
        out.push_back(128);
    return out;
}

bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(out);
}

} // namespace soundgen
