#include "comicstrip/comicstriprules.h"
#include "core/random.h"

namespace comicstrip {

std::array<int, Panels> randomBoard(Random& random, int entries) {
    std::array<int, Panels> picks{};
    for (int& pick : picks)
        pick = entries > 0 ? random.below(entries) : -1;
    return picks;
}

} // namespace comicstrip
