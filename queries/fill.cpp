// The fast counter fill: all numbers walk the trie together.
//
// The numbers that reach a node of depth pos are kept as a few sorted runs
// of distinct values, each entry with the running total of how many numbers
// share the values up to it. Within a run, the numbers with digit d at
// position pos form one stretch, found by binary search, and the totals at
// its ends tell how many they are. That histogram of digit pos gives the
// counters of all children at once, and the stretches are the children's
// runs: digit child d takes stretch d of every run, the wildcard child takes
// every stretch. Nothing is copied on the way down until the runs get short;
// then they are merged into one list, equal values added together, which
// keeps deep levels small: a list at depth pos never has more than
// 10^(9 - pos) entries.
//
// Cost: the sort of the numbers, O(runs * 10 * log) a node for the
// histogram, and O(entries) for each merge, in a table or by radix sort.
// Memory: 8 bytes a distinct number for the sorted list, as much again for
// the merge scratch; per depth, one merged list and the runs of one node.
// Tested against per-number `rec` sweeps in tests/queries_fill_test.cpp.
#include "fill.h"

#include <algorithm>
#include <array>
#include <bit>
#include <span>
#include <utility>

#include "sweep.h"
#include "trie.h"

namespace {

struct Entry {
  std::uint32_t value;  // the number's digits from some position on
  std::uint32_t total;  // numbers in the list up to this entry
};

// Entries [begin, end) of a list. At a node of depth pos the run's values,
// less `offset`, are the numbers' digits pos..8.
struct Run {
  const Entry* begin;
  const Entry* end;
  std::uint32_t before;  // the list's total before `begin`
  std::uint32_t offset;

  std::uint32_t weight() const { return begin == end ? 0 : (end - 1)->total - before; }
};

constexpr std::array<std::uint32_t, 10> pow10 = {1,      10,      100,      1000,      10000,
                                                 100000, 1000000, 10000000, 100000000, 1000000000};

std::vector<Entry> sorted;                            // the numbers, sorted
std::array<std::vector<Entry>, keyWidth + 1> merged;  // merged list of the node at each depth
std::array<std::vector<Run>, keyWidth + 1> runsAt;    // runs of the node at each depth
std::array<std::vector<Run>, keyWidth + 1> parts;     // its runs cut by digit: [run * 10 + digit]
std::vector<Entry> scratch;                           // (value, weight) pairs while merging
std::vector<Entry> other;                             // the radix sort's second buffer
constexpr std::uint32_t maxTable = 1 << 22;           // the most values the table holds
std::vector<std::uint32_t> slots;                     // weight per value while merging, all 0
std::vector<std::uint64_t> used;                      // which slots are not 0

// Sorts x by the bits [0, bits) of `key(x)`, least significant digit first,
// in passes of at most 11 bits, using `spare` as the second buffer.
template <typename T, typename KeyOf>
void radixSort(std::vector<T>& items, std::vector<T>& spare, int bits, KeyOf key) {
  const int passes = std::max(1, (bits + 10) / 11);
  const int width = (bits + passes - 1) / passes;
  const std::uint32_t mask = (std::uint32_t{1} << width) - 1;
  spare.resize(items.size());
  std::vector<std::size_t> start(std::size_t{1} << width);
  for (int shift = 0; shift < passes * width; shift += width) {
    std::fill(start.begin(), start.end(), 0);
    for (const T& x : items) ++start[(key(x) >> shift) & mask];
    std::size_t sum = 0;
    for (std::size_t& s : start) sum += std::exchange(s, sum);
    for (const T& x : items) spare[start[(key(x) >> shift) & mask]++] = x;
    items.swap(spare);
  }
}

// Merges the runs (`size` entries, values below `limit` after their
// offsets) into one sorted list in `out`, adding up equal values; returns it
// as one run. `out` only grows, so that it is written without checks.
Run mergeRuns(std::span<const Run> runs, std::size_t size, std::uint32_t limit, std::vector<Entry>& out) {
  if (out.size() < std::min<std::size_t>(size, limit)) out.resize(std::min<std::size_t>(size, limit));
  Entry* const first = out.data();
  Entry* last = first;
  std::uint32_t total = 0;
  if (limit / 64 <= size && limit <= maxTable) {
    // Values dense enough: add the weights up in a table and read the used
    // slots back in order through a bitmap of them.
    if (slots.size() < limit) {
      slots.resize(limit);
      used.resize(limit / 64 + 1);
    }
    for (const Run& r : runs) {
      std::uint32_t before = r.before;
      for (const Entry* e = r.begin; e != r.end; before = e->total, ++e) {
        const std::uint32_t x = e->value - r.offset;
        slots[x] += e->total - before;
        used[x / 64] |= std::uint64_t{1} << (x % 64);
      }
    }
    for (std::size_t word = 0; word <= (limit - 1) / 64; ++word) {
      for (std::uint64_t bits = std::exchange(used[word], 0); bits != 0; bits &= bits - 1) {
        const auto x = static_cast<std::uint32_t>(word * 64 + static_cast<std::size_t>(std::countr_zero(bits)));
        total += std::exchange(slots[x], 0);
        *last++ = {x, total};
      }
    }
  } else {
    // Sparse values: sort (value, weight) pairs, then add up equal neighbours.
    scratch.resize(size);
    Entry* pair = scratch.data();
    for (const Run& r : runs) {
      std::uint32_t before = r.before;
      for (const Entry* e = r.begin; e != r.end; before = e->total, ++e)
        *pair++ = {e->value - r.offset, e->total - before};
    }
    if (size < 256) {
      std::sort(scratch.begin(), scratch.end(), [](const Entry& a, const Entry& b) { return a.value < b.value; });
    } else {
      radixSort(scratch, other, std::bit_width(limit - 1), [](const Entry& x) { return x.value; });
    }
    for (const Entry& x : scratch) {
      total += x.total;
      if (last != first && (last - 1)->value == x.value) {
        (last - 1)->total = total;
      } else {
        *last++ = {x.value, total};
      }
    }
  }
  return {first, last, 0, 0};
}

// The first entry of [from, to) whose value is at least `limit` (the values
// rise). Branch-free: which half the search goes on in is as good as random.
const Entry* firstNotBelow(const Entry* from, const Entry* to, std::uint32_t limit) {
  std::size_t length = static_cast<std::size_t>(to - from);
  if (length == 0) return from;
  while (length > 1) {
    const std::size_t half = length / 2;
    from = from[half - 1].value < limit ? from + half : from;
    length -= half;
  }
  return from + (from->value < limit);
}

// Sweeps every entry of the runs through the trie from node v at depth pos
// with `rec`, weighted by how many numbers it stands for: cheaper than
// splitting runs of a few entries ten ways. False, and nothing done, when a
// weight is too large for `rec`.
bool sweepEach(std::span<const Run> runs, NodeId v, int pos) {
  std::uint64_t weight = 0;
  for (const Run& r : runs) weight += r.weight();
  if (weight > INT32_MAX / 10) return false;
  std::array<char, keyWidth> key{};
  for (const Run& r : runs) {
    std::uint32_t before = r.before;
    for (const Entry* e = r.begin; e != r.end; before = e->total, ++e) {
      std::uint32_t x = e->value - r.offset;
      for (int k = keyWidth - 1; k >= pos; --k, x /= 10)
        key[static_cast<std::size_t>(k)] = static_cast<char>('0' + x % 10);
      rec({key.data(), key.size()}, v, pos, static_cast<std::int32_t>(e->total - before));
    }
  }
  return true;
}

// Fills the counters of the children of v (depth pos < 9) and below, from
// the runs of the numbers that reach v (kept in runsAt[pos]).
void fillNode(NodeId v, int pos) {
  const std::uint32_t unit = pow10[keyWidth - 1 - pos];
  const std::vector<Run>& runs = runsAt[pos];
  std::vector<Run>& part = parts[pos];
  // The children's rows and counters are far apart in memory: ask for them
  // now, so that they arrive while the runs are being cut.
  const Row& row = nxt[v];
  for (NodeId child : row) {
    if (child == absent) continue;
    __builtin_prefetch(&nxt[child]);
    __builtin_prefetch(&cnt[child]);
  }
  part.clear();
  std::array<std::uint64_t, 10> weight{};
  for (const Run& r : runs) {
    const Entry* from = r.begin;
    std::uint32_t before = r.before;
    for (std::uint32_t d = 0; d < 10; ++d) {
      const std::uint32_t limit = r.offset + (d + 1) * unit;
      const Entry* to = d == 9 ? r.end : firstNotBelow(from, r.end, limit);
      part.push_back({from, to, before, r.offset + d * unit});
      weight[d] += part.back().weight();
      if (to != from) before = (to - 1)->total;
      from = to;
    }
  }

  const bool last = pos == keyWidth - 1;
  // A digit child d counts the numbers whose digit is greater (or equal at
  // the last position: the whole key then matches).
  std::uint64_t above = 0;
  for (int d = 9; d >= 0; --d) {
    if (last) above += weight[d];
    if (row[d] != absent) cnt[row[d]] += static_cast<std::int64_t>(above);
    if (!last) above += weight[d];
  }
  const NodeId w = row[wildcardSlot];
  if (w != absent) {
    std::uint64_t below = 0;  // instance digits below each number's digit
    for (int d = 1; d < 10; ++d) below += d * weight[d];
    if (last) below += above;  // `above` is now every number: the digit itself
    cnt[w] += static_cast<std::int64_t>(below);
  }
  if (last) return;

  // The child's runs: the non-empty parts of digit d (or of every digit),
  // merged into one list once they are short.
  const auto descend = [&](NodeId child, int digit) {
    std::vector<Run>& next = runsAt[pos + 1];
    next.clear();
    std::size_t size = 0;
    const std::size_t first = digit < 0 ? 0 : static_cast<std::size_t>(digit);
    const std::size_t step = digit < 0 ? 1 : 10;
    for (std::size_t k = first; k < part.size(); k += step) {
      if (part[k].begin == part[k].end) continue;
      next.push_back(part[k]);
      size += static_cast<std::size_t>(part[k].end - part[k].begin);
    }
    if (next.empty()) return;
    if (size <= fillThresholds.sweepBelow && sweepEach(next, child, pos + 1)) return;
    if (next.size() > 1 && size < fillThresholds.shortRun * next.size()) {
      const Run one = mergeRuns(next, size, unit, merged[pos + 1]);
      next.assign(1, one);
    }
    fillNode(child, pos + 1);
  };
  for (int d = 0; d < 10; ++d) {
    if (row[d] != absent && weight[d] > 0) descend(row[d], d);
  }
  if (w != absent) descend(w, -1);
}

}  // namespace

FillThresholds fillThresholds;

void fillCounters(std::vector<std::uint32_t>& numbers, std::uint32_t extraZeros) {
  if (numbers.size() < 256) {
    std::sort(numbers.begin(), numbers.end());
  } else {
    std::vector<std::uint32_t> spare;
    radixSort(numbers, spare, 30, [](std::uint32_t x) { return x; });
  }
  sorted.clear();
  sorted.reserve(numbers.size() + 1);
  std::uint32_t total = extraZeros;
  if (extraZeros > 0) sorted.push_back({0, total});
  for (std::uint32_t x : numbers) {
    ++total;
    if (!sorted.empty() && sorted.back().value == x) {
      sorted.back().total = total;
    } else {
      sorted.push_back({x, total});
    }
  }
  // A long list's memory serves the fill better; a short one is kept for
  // the next test case.
  if (numbers.capacity() > (1 << 16)) {
    std::vector<std::uint32_t>().swap(numbers);
  } else {
    numbers.clear();
  }
  if (sorted.empty()) return;
  runsAt[0].assign(1, {sorted.data(), sorted.data() + sorted.size(), 0, 0});
  if (sorted.size() <= fillThresholds.sweepBelow && sweepEach(runsAt[0], 0, 0)) return;
  fillNode(0, 0);
}
