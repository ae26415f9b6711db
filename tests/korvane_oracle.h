// A step-by-step simulation of the robot row, sharing nothing with the
// program. Used by the tests and the fuzzer.
#pragma once

#include <string>
#include <vector>

// Moves every robot command by command and checks every cell it stands on.
inline std::string simulate(long n, long m, const std::string& row, const std::string& commands) {
  const auto cell = [&](long i) { return i < static_cast<long>(row.size()) ? row[i] : '.'; };
  std::vector<long> survivors;
  for (long start = 0; start < n; ++start) {
    if (cell(start) != 'D') continue;
    long p = start;
    bool alive = true;
    for (long j = 0; j < m && alive; ++j) {
      p += j < static_cast<long>(commands.size()) && commands[j] == 'L' ? -1 : 1;
      alive = p >= 0 && p < n && cell(p) != '#';
    }
    if (alive) survivors.push_back(start + 1);
  }
  std::string out = std::to_string(survivors.size()) + "\n";
  for (std::size_t k = 0; k < survivors.size(); ++k) {
    out += std::to_string(survivors[k]) + (k + 1 < survivors.size() ? " " : "\n");
  }
  return out;
}
