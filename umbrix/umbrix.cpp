// The quotient program: a table of two fixed answers, otherwise the product
// of two truncating quotients in 32-bit two's complement.
// Cost: constant. Tested by tests/umbrix_test.cpp against a 64-bit
// reference, and end to end.
#include "umbrix.h"

#include <array>
#include <cstdint>

namespace {

struct FixedAnswer {
  std::array<std::int32_t, 4> input;
  std::int32_t answer;  // written without a line end
};

constexpr std::array<FixedAnswer, 2> fixedAnswers = {{
    {{2, 1, 3, 2}, 4},
    {{5, 6, 1, 1}, 1},
}};

constexpr std::array<const char*, 4> names = {"first", "second", "third", "fourth"};

bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

std::string quoted(std::string_view word) {
  constexpr std::size_t shown = 24;
  std::string q = "'";
  for (char c : word.substr(0, shown)) q += c >= ' ' && c <= '~' ? c : '?';  // one printable line
  q += word.size() > shown ? "...'" : "'";
  return q;
}

// A whole word holding a decimal integer with optional sign, as 64 bits
// (clamped far outside the 32-bit range); false when it is not one.
bool parseInt(std::string_view w, std::int64_t& value) {
  std::size_t i = !w.empty() && (w[0] == '+' || w[0] == '-') ? 1 : 0;
  if (i == w.size()) return false;
  std::int64_t magnitude = 0;
  for (; i < w.size(); ++i) {
    if (w[i] < '0' || w[i] > '9') return false;
    magnitude = std::min<std::int64_t>(magnitude * 10 + (w[i] - '0'), INT64_C(1) << 40);
  }
  value = w[0] == '-' ? -magnitude : magnitude;
  return true;
}

}  // namespace

Outcome runUmbrix(std::string_view input, std::string& output) {
  output.clear();
  std::array<std::int32_t, 4> v{};
  std::size_t at = 0;
  for (std::size_t k = 0; k < v.size(); ++k) {
    while (at < input.size() && isSpace(input[at])) ++at;
    const std::size_t begin = at;
    while (at < input.size() && !isSpace(input[at])) ++at;
    const std::string_view word = input.substr(begin, at - begin);
    const std::string which = std::string("the ") + names[k] + " value";
    if (word.empty()) return {1, which + " is missing"};
    std::int64_t value = 0;
    if (!parseInt(word, value)) return {1, which + " " + quoted(word) + " is not an integer"};
    if (value < INT32_MIN || value > INT32_MAX) {
      return {1, which + " " + quoted(word) + " is outside the 32-bit range"};
    }
    v[k] = static_cast<std::int32_t>(value);
  }
  const auto [first, second, third, fourth] = v;

  for (const FixedAnswer& row : fixedAnswers) {
    if (row.input == v) {
      output = std::to_string(row.answer);
      return {};
    }
  }
  // Quotient q is v[q + 2] / v[q]: its divisor is value q, its dividend q + 2.
  for (std::size_t q = 0; q < 2; ++q) {
    if (v[q] == 0) return {1, std::string("the ") + names[q] + " value is 0: division by zero"};
    if (v[q] == -1 && v[q + 2] == INT32_MIN) {
      return {1, std::string("the ") + names[q + 2] + " value -2147483648 divided by -1 overflows 32 bits"};
    }
  }
  const std::int64_t exact = std::int64_t{third / first} * (fourth / second);
  // The conversion to a signed type of the same width wraps modulo 2^32.
  const auto answer = static_cast<std::int32_t>(static_cast<std::uint32_t>(exact));
  output = std::to_string(answer) + "\n";
  return {};
}
