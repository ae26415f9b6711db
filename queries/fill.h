// Filling the counters of the whole trie from all numbers at once.
#pragma once

#include <cstdint>
#include <vector>

// Adds to `cnt` exactly what `rec(key, 0, 0, 1)` adds for every number in
// `numbers` (values 0 to 999 999 999), plus `extraZeros` numbers 0. Consumes
// `numbers` (they are sorted and merged in place). The total count must fit
// in 32 bits.
void fillCounters(std::vector<std::uint32_t>& numbers, std::uint32_t extraZeros);
