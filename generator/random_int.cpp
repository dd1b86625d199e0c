#include "random_int.h"

int RandomInt::operator()(int n)
{
    if (n <= 0) {
        return 0;
    }
    // Rejects the few draws of the incomplete last block, so that no value is
    // favoured.
    const std::uint64_t range = static_cast<std::uint64_t>(n) + 1;
    const std::uint64_t limit = UINT64_MAX - UINT64_MAX % range;
    std::uint64_t draw = engine_();
    while (draw >= limit) {
        draw = engine_();
    }
    return static_cast<int>(draw % range);
}

int takeAtRandom(std::vector<int>& items, const RandomSource& randomInt)
{
    const int k = randomInt(static_cast<int>(items.size()) - 1);
    const int item = items[k];
    items[k] = items.back();
    items.pop_back();
    return item;
}
