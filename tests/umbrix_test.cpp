// The quotient program in-process: the listed cases, a 64-bit reference on
// random quadruples, and every rejected input.
#include "umbrix.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

namespace {

std::string run(const std::string& input) {
  std::string output;
  const Outcome outcome = runUmbrix(input, output);
  EXPECT_EQ(outcome.status, 0) << input << ": " << outcome.message;
  return output;
}

TEST(Umbrix, ListedCases) {
  const struct {
    const char* input;
    const char* output;
  } cases[] = {
      {"2 1 3 2", "4"},
      {"5 6 1 1", "1"},
      {"2\n1\n3\n2\n", "4"},
      {"  +2 1 3 +2", "4"},
      {"2 1 3 3", "3\n"},
      {"5 6 1 2", "0\n"},
      {"2 3 -7 10", "-9\n"},
      {"1 1 65536 65536", "0\n"},
      {"1 1 65536 32768", "-2147483648\n"},
      {"3 4 100 100 7", "825\n"},
      {"3 4 100 100 anything after", "825\n"},
      {"-1 1 2147483647 -2147483648", "-2147483648\n"},  // 2^62 - 2^31 wraps
      {"1 1 -2147483648 1", "-2147483648\n"},
      {"-1 -1 2147483647 2147483647", "1\n"},
      {"7 -7 -0 49", "0\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(run(c.input), c.output) << c.input;
}

// The exact product of the truncated quotients, wrapped into 32 bits by hand.
std::string reference(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d) {
  std::int64_t product = (c / a) * (d / b);
  std::int64_t wrapped = ((product % 4294967296) + 4294967296) % 4294967296;
  if (wrapped >= 2147483648) wrapped -= 4294967296;
  return std::to_string(wrapped) + "\n";
}

TEST(Umbrix, MatchesA64BitReference) {
  std::mt19937_64 rng(20261211);
  const std::int64_t special[] = {
      INT32_MIN, INT32_MIN + 1, INT32_MAX, INT32_MAX - 1, 46340, -46340, 46341, -46341, 65536, -65536, 1, -1, 2, -2, 0};
  const auto pick = [&]() -> std::int64_t {
    switch (rng() % 4) {
      case 0:
        return special[rng() % std::size(special)];
      case 1:
        return static_cast<std::int32_t>(rng());
      case 2:
        return static_cast<std::int64_t>(rng() % 200) - 100;
      default:
        return static_cast<std::int64_t>(rng() % 92682) - 46341;
    }
  };
  for (int i = 0; i < 5000; ++i) {
    std::int64_t v[4];
    for (auto& x : v) x = pick();
    if (v[0] == 0 || v[1] == 0) continue;
    if ((v[0] == -1 && v[2] == INT32_MIN) || (v[1] == -1 && v[3] == INT32_MIN)) continue;
    if ((v[0] == 2 && v[1] == 1 && v[2] == 3 && v[3] == 2) || (v[0] == 5 && v[1] == 6 && v[2] == 1 && v[3] == 1))
      continue;
    const std::string input =
        std::to_string(v[0]) + " " + std::to_string(v[1]) + " " + std::to_string(v[2]) + "\t" + std::to_string(v[3]);
    ASSERT_EQ(run(input), reference(v[0], v[1], v[2], v[3])) << input;
  }
}

TEST(Umbrix, RejectsInputOutsideTheFormat) {
  const struct {
    const char* input;
    const char* message;
  } cases[] = {
      {"", "the first value is missing"},
      {"1 2 3", "the fourth value is missing"},
      {"1 x 3 4", "the second value 'x' is not an integer"},
      {"1 2 3 4x", "the fourth value '4x' is not an integer"},
      {"1 2 + 4", "the third value '+' is not an integer"},
      {"2147483648 1 1 1", "the first value '2147483648' is outside the 32-bit range"},
      {"1 -2147483649 1 1", "the second value '-2147483649' is outside the 32-bit range"},
      {"1 1 1 99999999999999999999999999999",
       "the fourth value '999999999999999999999999...' is outside the 32-bit range"},
      {"0 1 1 1", "the first value is 0: division by zero"},
      {"1 0 1 1", "the second value is 0: division by zero"},
      {"-1 1 -2147483648 1", "the third value -2147483648 divided by -1 overflows 32 bits"},
      {"1 -1 1 -2147483648", "the fourth value -2147483648 divided by -1 overflows 32 bits"},
      {"1 1 1 \x7f", "the fourth value '?' is not an integer"},
  };
  for (const auto& c : cases) {
    std::string output = "stale";
    const Outcome outcome = runUmbrix(c.input, output);
    EXPECT_EQ(outcome.status, 1) << c.input;
    EXPECT_EQ(outcome.message, c.message) << c.input;
    EXPECT_EQ(output, "") << c.input;
  }
}

}  // namespace
