// The per-number sweep `rec` and the evaluation of a pattern.
// Cost: one sweep enters at most 1 023 nodes (two children a level) and makes
// at most ten counter additions a node; evaluation reads nine counters.
// `rec` is the reference the fast fill is checked against
// (tests/queries_fill_test.cpp); the answers are checked against a brute
// force in tests/queries_driver_test.cpp.
#include "sweep.h"

void rec(std::string_view key, NodeId v, int pos, std::int32_t weight) {
  while (v != absent) {
    if (pos == keyWidth) {
      cnt[v] += weight;
      return;
    }
    const int c = key[pos] - '0';
    const Row& row = nxt[v];
    // Every instance digit below c makes the instance smaller, whatever follows.
    for (int d = 0; d < c; ++d) {
      if (row[d] != absent) cnt[row[d]] += weight;
    }
    rec(key, row[c], pos + 1, weight);
    const NodeId w = row[wildcardSlot];
    if (w == absent) return;
    cnt[w] += static_cast<std::int64_t>(c * weight);  // formed in 32 bits, as the contract allows
    v = w;
    ++pos;
  }
}

std::int64_t evaluatePattern(std::string_view key, const Path& path) {
  std::int64_t sum = 0;
  std::int32_t multiplier = 1;
  for (int k = keyWidth - 1; k >= 0; --k) {
    sum += cnt[path[k]] * multiplier;
    if (key[k] == ':') multiplier *= 10;
  }
  return sum;
}
