// The fast counter fill: all numbers walk the trie together.
//
// At a node of depth pos the numbers that reach it form a sorted list of
// distinct values (their digits pos..8) with running totals of how many
// numbers share each value. One histogram of digit pos, read off the totals
// at ten group bounds found by binary search, gives the counters of all
// children at once. The digit children take their group of the list as it
// is; the wildcard child takes the whole list with digit pos dropped, the ten
// groups merged back into one sorted list, equal values added together.
// Merging equal suffixes keeps deep levels cheap: a list at depth pos never
// has more than 10^(9 - pos) entries.
//
// Cost: the sort, O(log) a node for the histogram, and O(list length) for
// every wildcard child (four branch-free merge rounds, or one pass through a
// table when the values left are few), all streamed through memory.
// Memory: 8 bytes a distinct number for the root list, as much again for the
// merge scratch, and per-depth copies for the wildcard children of digit
// children (a tenth of their parent's list on average).
// Tested against per-number `rec` sweeps in tests/queries_fill_test.cpp.
#include "fill.h"

#include <algorithm>
#include <array>
#include <bit>
#include <span>
#include <utility>

#include "trie.h"

namespace {

struct Entry {
  std::uint32_t value;  // digits pos..8 are the number's; the ones above are shared
  std::uint32_t total;  // numbers up to this entry, counted from the list's start
};

// A run of entries and the running total just before its first entry, so
// that any part of it tells its weight without the entries outside.
struct List {
  std::span<Entry> entries;
  std::uint32_t before = 0;

  std::uint32_t totalAt(std::size_t k) const { return k == 0 ? before : entries[k - 1].total; }
};

constexpr std::array<std::uint32_t, 10> pow10 = {
    1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};

std::vector<Entry> root;                          // the sorted numbers
std::vector<Entry> scratch;                       // merge buffer
constexpr std::size_t radixFrom = 4096;  // lists this long are radix sorted
constexpr int radixBits = 11;            // at most this many bits a radix pass
std::vector<std::uint32_t> slots;                 // value table for dense merges, all 0
std::vector<std::uint64_t> used;                  // which slots are not 0
std::array<std::vector<Entry>, keyWidth> copies;  // wildcard lists of digit children

void sortNumbers(std::vector<std::uint32_t>& numbers) {
  if (numbers.size() < 4096) {
    std::sort(numbers.begin(), numbers.end());
    return;
  }
  // Three passes of ten bits cover every value below 2^30 > 10^9.
  std::vector<std::uint32_t> other(numbers.size());
  for (int shift = 0; shift < 30; shift += 10) {
    std::array<std::size_t, 1025> start{};
    for (std::uint32_t x : numbers) ++start[((x >> shift) & 1023) + 1];
    for (std::size_t b = 1; b < start.size(); ++b) start[b] += start[b - 1];
    for (std::uint32_t x : numbers) other[start[(x >> shift) & 1023]++] = x;
    numbers.swap(other);
  }
}

// One round of pairwise merges of the runs src[bounds[r], bounds[r + 1]),
// each with `offset[r]` taken off its values, into dst; equal values are
// added together. The new bounds go back to `bounds`. Returns how many runs
// are left. The loop is branch-free: which run is ahead is as good as random.
std::size_t mergeRound(List src, std::array<std::size_t, 11>& bounds, std::size_t runs,
                       const std::array<std::uint32_t, 10>& offset, Entry* dst) {
  Entry* out = dst;
  std::uint32_t total = 0;
  for (std::size_t r = 0; r < runs; r += 2) {
    const std::size_t bEnd = r + 1 < runs ? bounds[r + 2] : bounds[r + 1];
    const Entry* a = &src.entries[0] + bounds[r];
    const Entry* const aStop = &src.entries[0] + bounds[r + 1];
    const Entry* b = aStop;
    const Entry* const bStop = &src.entries[0] + bEnd;
    std::uint32_t aPrev = src.totalAt(bounds[r]);
    std::uint32_t bPrev = src.totalAt(bounds[r + 1]);
    const std::uint32_t aOff = offset[r];
    const std::uint32_t bOff = r + 1 < runs ? offset[r + 1] : 0;
    while (a != aStop && b != bStop) {
      const std::uint32_t x = a->value - aOff;
      const std::uint32_t y = b->value - bOff;
      const bool takeA = x <= y;
      const bool takeB = y <= x;
      total += (takeA ? a->total - aPrev : 0) + (takeB ? b->total - bPrev : 0);
      *out++ = {takeA ? x : y, total};
      aPrev = takeA ? a->total : aPrev;
      bPrev = takeB ? b->total : bPrev;
      a += takeA;
      b += takeB;
    }
    for (; a != aStop; aPrev = a->total, ++a) *out++ = {a->value - aOff, total += a->total - aPrev};
    for (; b != bStop; bPrev = b->total, ++b) *out++ = {b->value - bOff, total += b->total - bPrev};
    bounds[r / 2 + 1] = static_cast<std::size_t>(out - dst);
  }
  return (runs + 1) / 2;
}

// The wildcard child's list is the node's list with digit pos (and the
// shared digits above it) dropped and equal values added together: group d
// of `list` starts at start[d] and has `offset[d]` to take off. Each of the
// three ways below writes it to `target`, which may be the list itself, and
// returns its length.

// Long lists: a least-significant-digit radix sort on the values left, then
// one pass that adds equal neighbours together.
std::size_t dropByRadix(const List& list, const std::array<std::size_t, 11>& start,
                        const std::array<std::uint32_t, 10>& offset, std::uint32_t unit, Entry* target) {
  const std::size_t size = list.entries.size();
  const int bits = std::bit_width(unit - 1);
  const int passes = (bits + radixBits - 1) / radixBits;
  const int width = (bits + passes - 1) / passes;
  const std::uint32_t mask = (std::uint32_t{1} << width) - 1;
  if (scratch.size() < size) scratch.resize(size);
  std::vector<std::size_t> count(static_cast<std::size_t>(passes) << width);
  const auto bucket = [&](std::uint32_t x, int p) { return (static_cast<std::size_t>(p) << width) + ((x >> (p * width)) & mask); };

  // Weights instead of running totals while sorting.
  Entry* src = scratch.data();
  for (std::size_t d = 0, at = 0; d < 10; ++d) {
    for (std::size_t i = start[d]; i < start[d + 1]; ++i, ++at) {
      src[at] = {list.entries[i].value - offset[d], list.entries[i].total - list.totalAt(i)};
      for (int p = 0; p < passes; ++p) ++count[bucket(src[at].value, p)];
    }
  }
  for (int p = 0; p < passes; ++p) {
    std::size_t sum = 0;
    for (std::size_t b = 0; b <= mask; ++b) sum += std::exchange(count[(static_cast<std::size_t>(p) << width) + b], sum);
  }
  // Ping-pong between the scratch buffer and `target`: the list itself is
  // no longer read once it is in the scratch buffer.
  Entry* dst = target;
  for (int p = 0; p < passes; ++p) {
    for (std::size_t i = 0; i < size; ++i) dst[count[bucket(src[i].value, p)]++] = src[i];
    std::swap(src, dst);
  }
  std::size_t length = 0;
  std::uint32_t total = 0;
  for (std::size_t i = 0; i < size; ++i) {
    total += src[i].total;
    if (length > 0 && target[length - 1].value == src[i].value) {
      target[length - 1].total = total;
    } else {
      target[length++] = {src[i].value, total};
    }
  }
  return length;
}

// Few possible values: add the weights up in a table, and read the used
// slots back in order through a bitmap of them.
std::size_t dropByTable(const List& list, const std::array<std::size_t, 11>& start,
                        const std::array<std::uint32_t, 10>& offset, std::uint32_t unit, Entry* target) {
  if (slots.size() < unit) {
    slots.resize(unit);
    used.resize(unit / 64 + 1);
  }
  for (std::size_t d = 0; d < 10; ++d) {
    for (std::size_t i = start[d]; i < start[d + 1]; ++i) {
      const std::uint32_t x = list.entries[i].value - offset[d];
      slots[x] += list.entries[i].total - list.totalAt(i);
      used[x / 64] |= std::uint64_t{1} << (x % 64);
    }
  }
  std::size_t length = 0;
  std::uint32_t total = 0;
  for (std::size_t word = 0; word <= (unit - 1) / 64; ++word) {
    for (std::uint64_t bits = std::exchange(used[word], 0); bits != 0; bits &= bits - 1) {
      const auto x = static_cast<std::uint32_t>(word * 64 + static_cast<std::size_t>(std::countr_zero(bits)));
      total += std::exchange(slots[x], 0);
      target[length++] = {x, total};
    }
  }
  return length;
}

// Short lists of sparse values: four rounds of pairwise merges (10, 5, 3, 2,
// 1 runs), through the scratch buffer first so that the last round lands in
// `target`.
std::size_t dropByMerging(const List& list, std::array<std::size_t, 11> start,
                          const std::array<std::uint32_t, 10>& offset, Entry* target) {
  const std::size_t size = list.entries.size();
  if (scratch.size() < size) scratch.resize(size);
  std::size_t runs = mergeRound(list, start, 10, offset, scratch.data());
  const std::array<std::uint32_t, 10> none{};
  Entry* src = scratch.data();
  Entry* dst = target;
  while (runs > 1) {
    runs = mergeRound({{src, size}, 0}, start, runs, none, dst);
    std::swap(src, dst);
  }
  if (src != target) std::copy(src, src + start[1], target);
  return start[1];
}

std::size_t dropDigit(const List& list, const std::array<std::size_t, 11>& start,
                      const std::array<std::uint32_t, 10>& offset, std::uint32_t unit, Entry* target) {
  const std::size_t size = list.entries.size();
  if (size >= radixFrom) return dropByRadix(list, start, offset, unit, target);
  if (unit / 64 <= size) return dropByTable(list, start, offset, unit, target);
  return dropByMerging(list, start, offset, target);
}

// Fills the counters of the children of v (depth pos < 9) and below, from
// the list of numbers that reach v. An `owned` list may be reused in place.
void fillNode(NodeId v, int pos, const List& list, bool owned) {
  const std::span<Entry> entries = list.entries;
  if (entries.empty()) return;
  const std::uint32_t unit = pow10[keyWidth - 1 - pos];
  const std::uint32_t base = entries[0].value - entries[0].value % (unit * 10);

  // Group d holds the numbers with digit d at position pos.
  std::array<std::size_t, 11> start{};
  std::array<std::uint32_t, 10> offset;
  std::array<std::uint64_t, 10> weight;
  for (std::size_t d = 0; d < 10; ++d) {
    offset[d] = base + static_cast<std::uint32_t>(d) * unit;
    start[d + 1] = d == 9 ? entries.size()
                          : static_cast<std::size_t>(
                                std::partition_point(entries.begin() + static_cast<std::ptrdiff_t>(start[d]),
                                                     entries.end(),
                                                     [limit = offset[d] + unit](const Entry& e) { return e.value < limit; }) -
                                entries.begin());
    weight[d] = list.totalAt(start[d + 1]) - list.totalAt(start[d]);
  }
  const std::uint64_t total = list.totalAt(entries.size()) - list.before;

  const bool last = pos == keyWidth - 1;
  const Row& row = nxt[v];
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
    if (last) below += total;
    cnt[w] += static_cast<std::int64_t>(below);
  }
  if (last) return;

  for (std::size_t d = 0; d < 10; ++d) {
    if (row[d] == absent) continue;
    fillNode(row[d], pos + 1, {entries.subspan(start[d], start[d + 1] - start[d]), list.totalAt(start[d])}, false);
  }
  if (w == absent) return;

  Entry* target = entries.data();
  if (!owned) {
    std::vector<Entry>& copy = copies[pos + 1];
    if (copy.size() < entries.size()) copy.resize(entries.size());
    target = copy.data();
  }
  fillNode(w, pos + 1, {{target, dropDigit(list, start, offset, unit, target)}, 0}, true);
}

}  // namespace

void fillCounters(std::vector<std::uint32_t>& numbers, std::uint32_t extraZeros) {
  sortNumbers(numbers);
  root.clear();
  std::uint32_t total = extraZeros;
  if (extraZeros > 0) root.push_back({0, total});
  for (std::uint32_t x : numbers) {
    ++total;
    if (!root.empty() && root.back().value == x) {
      root.back().total = total;
    } else {
      root.push_back({x, total});
    }
  }
  numbers.clear();
  fillNode(0, 0, {root, 0}, true);
}
