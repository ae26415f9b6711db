// The fast fill against the reference: per-number `rec` sweeps must leave
// exactly the same counter in every node.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "fill.h"
#include "sweep.h"
#include "trie.h"

namespace {

std::string key(std::uint32_t value) {
  std::string k = std::to_string(value);
  return std::string(keyWidth - k.size(), '0') + k;
}

// Fills the trie both ways and compares every counter; `zeros` extra
// numbers 0 go to rec as one weighted sweep.
void expectSameCounters(const std::vector<std::string>& patternKeys, std::vector<std::uint32_t> numbers,
                        std::uint32_t zeros, const std::string& label) {
  resetTrie();
  for (const std::string& p : patternKeys) add(p);
  for (std::uint32_t x : numbers) rec(key(x), 0, 0, 1);
  if (zeros > 0) rec(key(0), 0, 0, static_cast<std::int32_t>(zeros));
  const auto used = cnt.begin() + sz;
  const std::vector<std::int64_t> expected(cnt.begin(), used);
  std::fill(cnt.begin(), used, 0);
  fillCounters(numbers, zeros);
  ASSERT_EQ(std::vector<std::int64_t>(cnt.begin(), used), expected) << label;
}

// Keys over a few digits and the wildcard, so that paths share prefixes and
// branch at every depth.
std::vector<std::string> randomKeys(std::mt19937& rng, int count, const std::string& alphabet) {
  std::vector<std::string> keys;
  for (int i = 0; i < count; ++i) {
    std::string k(keyWidth, '0');
    const int length = std::uniform_int_distribution<int>(1, keyWidth)(rng);
    for (int p = keyWidth - length; p < keyWidth; ++p) {
      k[p] = alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(rng)];
    }
    keys.push_back(k);
  }
  return keys;
}

std::vector<std::uint32_t> randomNumbers(std::mt19937& rng, int count, std::uint32_t digitsUpTo) {
  std::vector<std::uint32_t> numbers;
  for (int i = 0; i < count; ++i) {
    std::uint32_t x = 0;
    for (int p = 0; p < keyWidth; ++p) x = x * 10 + std::uniform_int_distribution<std::uint32_t>(0, digitsUpTo)(rng);
    if (rng() % 3 == 0) x %= 1000;  // short numbers: long runs of leading zeros
    numbers.push_back(x);
    if (rng() % 4 == 0) numbers.push_back(x);  // duplicates
  }
  return numbers;
}

// Every way of filling: the default, always by rec, never by rec with
// merging as soon as there are two runs, and never merging.
const FillThresholds settings[] = {{}, {1u << 30, 128}, {0, 1u << 30}, {0, 0}, {4, 2}};

// Runs `check` under every setting of the thresholds.
template <typename Check>
void forEverySetting(Check check) {
  const FillThresholds saved = fillThresholds;
  for (const FillThresholds& s : settings) {
    fillThresholds = s;
    check("sweepBelow " + std::to_string(s.sweepBelow) + ", shortRun " + std::to_string(s.shortRun));
  }
  fillThresholds = saved;
}

TEST(Fill, EmptyCases) {
  expectSameCounters({}, {}, 0, "nothing");
  expectSameCounters({"0000000:5"}, {}, 0, "no numbers");
  expectSameCounters({}, {5, 7}, 0, "no patterns");
  expectSameCounters({":::::::::"}, {}, 3, "only missing numbers");
}

TEST(Fill, Extremes) {
  expectSameCounters({":::::::::", "999999999", "000000000", "99999999:", ":00000000"},
                     {0, 999999999, 999999999, 0, 500000000}, 2, "extremes");
}

TEST(Fill, SeededRandomTries) {
  forEverySetting([](const std::string& setting) {
    std::mt19937 rng(20261211);
    const std::string alphabets[] = {"0123456789:", "01:", "0:", "9:", "5"};
    for (int round = 0; round < 300; ++round) {
      const std::string& alphabet = alphabets[round % std::size(alphabets)];
      const auto keys = randomKeys(rng, std::uniform_int_distribution<int>(0, 60)(rng), alphabet);
      const auto numbers = randomNumbers(rng, std::uniform_int_distribution<int>(0, 80)(rng), round % 2 ? 9 : 2);
      const std::uint32_t zeros = round % 5 == 0 ? static_cast<std::uint32_t>(rng() % 1000) : 0;
      expectSameCounters(keys, numbers, zeros, setting + ", round " + std::to_string(round));
    }
  });
}

// Long lists take the radix sorts (numbers and sparse merges) and the
// value table (dense merges).
TEST(Fill, LongLists) {
  forEverySetting([](const std::string& setting) {
    std::mt19937 rng(7);
    const auto keys = randomKeys(rng, 2000, "0123:");
    expectSameCounters(keys, randomNumbers(rng, 20000, 4), 5, setting + ", dense");
    expectSameCounters(randomKeys(rng, 300, "0123456789::::"), randomNumbers(rng, 3000, 9), 0, setting + ", sparse");
  });
}

}  // namespace
