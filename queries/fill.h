// Filling the counters of the whole trie from all numbers at once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// When the fill changes method; tests set them to take every path.
struct FillThresholds {
  std::size_t sweepBelow = 16;  // lists of at most this many entries go through `rec`
  std::size_t shortRun = 128;   // runs shorter than this on average are merged
};
extern FillThresholds fillThresholds;

// Adds to `cnt` exactly what `rec(key, 0, 0, 1)` adds for every number in
// `numbers` (values 0 to 999 999 999), plus `extraZeros` numbers 0. Consumes
// `numbers` (they are sorted and merged in place). The total count must fit
// in 32 bits.
void fillCounters(std::vector<std::uint32_t>& numbers, std::uint32_t extraZeros);
