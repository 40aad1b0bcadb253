// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// wupple-soundgen <output folder>: writes the game's effects as <id>.wav.
#include "Effects.h"
#include "WaveFile.h"

#include <cstdio>
#include <map>
#include <string>

namespace soundgen {

const std::vector<Effect>& effects()
{
    static const std::vector<Effect> all = {
        {100, 22050, 12626, wordJingle},
        {101, 11025, 418, tick},
        {102, 11025, 20366, lostSlide},
        {103, 7500, 1341, missBonk},
        {104, 22050, 4442, tilePop},
        {105, 11025, 19848, winnerFanfare},
        {106, 11025, 418, tick, 101},
        {107, 22050, 4624, cheerWhistle},
        {108, 22050, 4477, cheerBellRun},
        {109, 22050, 7372, cheerTaDa},
        {110, 22050, 13296, cheerGiggle},
        {111, 22050, 10258, cheerDrumRoll},
        {112, 22050, 6390, cheerArpeggio},
        {113, 22050, 5340, cheerClaps},
    };
    return all;
}

} // namespace soundgen

int main(int argc, char** argv)
{
    using namespace soundgen;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    std::map<int, std::vector<std::uint8_t>> images;
    for (const Effect& e : effects()) {
        std::vector<std::uint8_t> image;
        if (e.sameAs != 0) {
            image = images.at(e.sameAs);
        } else {
            Samples s = e.make(e.rate, e.bytes);
            // The tick is short and starts at once: its fade-in must not swallow it.
            finish(s, e.rate, effectRmsDb, effectCeilingDb, e.bytes < 1000 ? 0.0005 : 0.002, 0.01);
            image = waveImage(e.rate, toPcm8(s));
        }
        images[e.id] = image;
        const std::string path = std::string(argv[1]) + "/" + std::to_string(e.id) + ".wav";
        if (!writeFile(path, image)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
