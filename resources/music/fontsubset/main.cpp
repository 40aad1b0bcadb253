// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// wupple-fontsubset <General MIDI soundfont> <tune.mid> <output.sf2>: writes a soundfont that holds
// only what the tune plays. The synthesizer then loads a few hundred kilobytes instead of the whole
// General MIDI set, and plays the tune exactly as before.
#include "SoundFont.h"
#include "TuneNotes.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

fontsubset::Bytes readAll(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error(std::string(path) + ": cannot read");
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <soundfont> <tune.mid> <output.sf2>\n", argv[0]);
        return 2;
    }
    try {
        const fontsubset::SoundFont full = fontsubset::readSoundFont(readAll(argv[1]));
        const fontsubset::SoundFont sub = fontsubset::subsetFor(full, fontsubset::tuneNotes(fontsubset::readChannelEvents(readAll(argv[2]))));
        const fontsubset::Bytes bytes = fontsubset::writeSoundFont(sub);
        const std::string part = std::string(argv[3]) + ".part";
        {
            std::ofstream out(part, std::ios::binary | std::ios::trunc);
            out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
            if (!out.flush())
                throw std::runtime_error(std::string(argv[3]) + ": cannot write");
        }
        std::filesystem::rename(part, argv[3]);
        std::printf("%s: %zu presets, %zu instruments, %zu samples (%zu kB of sample data)\n", argv[3],
                    sub.presets.size() - 1, sub.instruments.size() - 1, sub.samples.size() - 1, sub.smpl.size() / 1024);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "wupple-fontsubset: %s\n", e.what());
        return 1;
    }
    return 0;
}
