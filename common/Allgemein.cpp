#include "common/Allgemein.h"

namespace {
Allgemein& storage()
{
    static Allgemein record;
    return record;
}
} // namespace

Allgemein& g() { return storage(); }

void resetAllgemein() { storage() = Allgemein{}; }
