#pragma once
#include <array>

namespace catalogue {

struct Entry {
    int baseId;
    std::array<const char16_t*, 4> text; // German, English, Swedish, Italian
};

extern const std::array<Entry, 60> entries;

} // namespace catalogue
