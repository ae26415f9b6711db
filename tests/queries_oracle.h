// Brute-force answers for queries, sharing nothing with the program: for a
// pattern word and a number, how many instances of the pattern are not
// greater than the number. Used by the tests and the differential fuzzer.
#pragma once

#include <string>

inline std::string padded(const std::string& word) { return std::string(9 - word.size(), '0') + word; }

// Instances of the pattern not greater than s, by listing them (few wildcards).
inline long long enumerateCount(const std::string& pattern, long long s) {
  const std::string p = padded(pattern);
  long long count = 0;
  std::string x = p;
  const auto walk = [&](auto&& self, std::size_t i) -> void {
    if (i == p.size()) {
      count += std::stoll(x) <= s;
      return;
    }
    if (p[i] != '?') return self(self, i + 1);
    for (char d = '0'; d <= '9'; ++d) {
      x[i] = d;
      self(self, i + 1);
    }
  };
  walk(walk, 0);
  return count;
}

// The same by digits: x < s first differs at some position i, below s there,
// matching s before it and free after it; or x = s.
inline long long digitCount(const std::string& pattern, long long s) {
  const std::string p = padded(pattern);
  const std::string t = padded(std::to_string(s));
  long long count = 0;
  for (std::size_t i = 0; i < 9; ++i) {
    long long below = p[i] == '?' ? t[i] - '0' : p[i] < t[i];
    for (std::size_t j = i + 1; j < 9; ++j) below *= p[j] == '?' ? 10 : 1;
    count += below;
    if (p[i] != '?' && p[i] != t[i]) return count;
  }
  return count + 1;
}
