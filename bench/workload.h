// The seeded benchmark workloads for queries, made as input text.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

struct Workload {
  const char* name;
  int testCases;
  int numbers;
  int patterns;
  char topDigit;        // number and pattern digits run from '0' to this
  double wildcardRate;  // chance that a pattern character is '?'
};

inline const std::vector<Workload>& workloads() {
  static const std::vector<Workload> all = {
      {"large", 1, 1000000, 100000, '9', 0.3},
      {"many", 3000, 10, 10, '9', 0.3},
      {"dense", 1, 1000000, 100000, '3', 0.5},
  };
  return all;
}

// Nine-character words: numbers of random digits, patterns with wildcards.
inline std::string makeInput(const Workload& w, std::uint32_t seed = 20261211) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> digit('0', w.topDigit);
  std::bernoulli_distribution wildcard(w.wildcardRate);
  std::string text;
  const auto word = [&](bool pattern) {
    for (int k = 0; k < 9; ++k) text += pattern && wildcard(rng) ? '?' : static_cast<char>(digit(rng));
    text += '\n';
  };
  for (int t = 0; t < w.testCases; ++t) {
    text += std::to_string(w.numbers) + " " + std::to_string(w.patterns) + "\n";
    for (int i = 0; i < w.numbers; ++i) word(false);
    for (int j = 0; j < w.patterns; ++j) word(true);
  }
  return text;
}
