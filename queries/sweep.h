// Filling the trie counters from the numbers, and answers from the counters.
#pragma once

#include <cstdint>
#include <string_view>

#include "trie.h"

// Sweeps one nine-digit number key through the trie from node v at depth
// pos, adding `weight` per counted pair. Requires 9 * weight to fit 32 bits.
void rec(std::string_view key, NodeId v, int pos, std::int32_t weight);

// The answer of an added pattern key, from the nine counters on its path.
std::int64_t evaluatePattern(std::string_view key, const Path& path);
