// The robot-row program: which robots survive a common walk.
// A row scan gives every robot its nearest obstacle on each side, the
// commands reduce to the smallest and largest displacement, and a robot
// survives when that range keeps it strictly between its two obstacles.
// Cost: O(length of the row word + length of the command word), whatever n
// and m claim: cells past the row word are empty and commands past the
// command word step right, so neither needs storing. Memory: three integers
// a robot.
// Tested by tests/korvane_test.cpp against a step-by-step simulation, and
// end to end.
#include "korvane.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace {

std::int64_t n = 0;  // cells in the row; index n is the boundary cell
std::int64_t m = 0;  // commands
std::vector<std::int64_t> robotsPositions, leftObstacle, rightObstacle;
std::vector<std::int64_t> ans;

bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

std::string_view nextWord(std::string_view text, std::size_t& at) {
  while (at < text.size() && isSpace(text[at])) ++at;
  const std::size_t begin = at;
  while (at < text.size() && !isSpace(text[at])) ++at;
  return text.substr(begin, at - begin);
}

std::string quoted(std::string_view word) {
  constexpr std::size_t shown = 24;
  std::string q = "'";
  for (char c : word.substr(0, shown)) q += c >= ' ' && c <= '~' ? c : '?';  // one printable line
  q += word.size() > shown ? "...'" : "'";
  return q;
}

// A whole word holding a decimal integer of the signed 32-bit range.
std::optional<std::int64_t> parseInt(std::string_view w) {
  std::size_t i = !w.empty() && (w[0] == '+' || w[0] == '-') ? 1 : 0;
  if (i == w.size()) return std::nullopt;
  std::int64_t magnitude = 0;
  for (; i < w.size(); ++i) {
    if (w[i] < '0' || w[i] > '9') return std::nullopt;
    magnitude = std::min<std::int64_t>(magnitude * 10 + (w[i] - '0'), INT64_C(1) << 32);
  }
  const std::int64_t value = w[0] == '-' ? -magnitude : magnitude;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return value;
}

// A count that is absent reads as 0, like every field after it.
std::optional<std::string> readCount(std::string_view word, const char* name, std::int64_t& value) {
  value = 0;
  if (word.empty()) return std::nullopt;
  const std::optional<std::int64_t> parsed = parseInt(word);
  if (!parsed) return std::string("the ") + name + " " + quoted(word) + " is not an integer of 32 bits";
  value = *parsed;
  return std::nullopt;
}

void scanRow(std::string_view row) {
  robotsPositions.clear();
  leftObstacle.clear();
  rightObstacle.clear();
  std::int64_t lastObstacle = -1;
  const std::int64_t cells = std::min<std::int64_t>(n, static_cast<std::int64_t>(row.size()));
  for (std::int64_t i = 0; i < cells; ++i) {
    if (row[i] == 'D') {
      robotsPositions.push_back(i);
      leftObstacle.push_back(lastObstacle);
    } else if (row[i] == '#') {
      rightObstacle.resize(leftObstacle.size(), i);
      lastObstacle = i;
    }
  }
  rightObstacle.resize(leftObstacle.size(), n);  // the boundary cell
}

}  // namespace

Outcome runKorvane(std::string_view input, std::string& output) {
  std::size_t at = 0;
  const std::string_view nWord = nextWord(input, at);
  const std::string_view mWord = nextWord(input, at);
  const std::string_view row = nextWord(input, at);
  const std::string_view commands = nextWord(input, at);
  output.clear();
  if (auto bad = readCount(nWord, "row length", n)) return {1, *bad};
  if (n < 0) return {1, "the row length " + quoted(nWord) + " is negative"};
  if (auto bad = readCount(mWord, "command count", m)) return {1, *bad};

  scanRow(row);

  std::int64_t shift = 0, minShift = 0, maxShift = 0;
  const std::int64_t given = std::clamp<std::int64_t>(m, 0, static_cast<std::int64_t>(commands.size()));
  for (std::int64_t j = 0; j < given; ++j) {
    shift += commands[j] == 'L' ? -1 : 1;
    minShift = std::min(minShift, shift);
    maxShift = std::max(maxShift, shift);
  }
  if (m > given) maxShift = std::max(maxShift, shift + (m - given));  // the rest step right

  ans.clear();
  for (std::size_t k = 0; k < robotsPositions.size(); ++k) {
    const std::int64_t p = robotsPositions[k];
    if (leftObstacle[k] < p + minShift && p + maxShift < rightObstacle[k]) ans.push_back(p + 1);
  }

  output = std::to_string(ans.size()) + "\n";
  for (std::size_t k = 0; k < ans.size(); ++k) {
    output += std::to_string(ans[k]);
    output += k + 1 < ans.size() ? ' ' : '\n';
  }
  return {};
}
