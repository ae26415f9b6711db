// The robot-row program in-process: the worked examples, a step-by-step
// simulation on random rows, words of the wrong length, and bad counts.
#include "korvane.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "korvane_oracle.h"

namespace {

std::string run(const std::string& input, int expectedStatus = 0) {
  std::string output;
  const Outcome outcome = runKorvane(input, output);
  EXPECT_EQ(outcome.status, expectedStatus) << input << ": " << outcome.message;
  return output;
}

TEST(Korvane, WorkedExamples) {
  const struct {
    const char* input;
    const char* output;
  } cases[] = {
      {"1 1 D R", "0\n"},
      {"1 1 D L", "0\n"},
      {"3 2 .D. LR", "1\n2\n"},
      {"3 2 #D# LR", "0\n"},
      {"2 1 DD R", "1\n1\n"},
      {"5 2 D.D.D RL", "2\n1 3\n"},
      {"6 2 #DD#.D RL", "1\n2\n"},
      {"10 5 .D..#.D... RRLLL", "2\n2 7\n"},
      {"4 3 D..D LLL", "1\n4\n"},
      {"4 0 D..D X", "2\n1 4\n"},
      {"3 1 .D. l", "1\n2\n"},
      {"3 2 .d. LR", "0\n"},     // only an upper-case D is a robot
      {"", "0\n"},               // nothing to read
      {"5 3", "0\n"},            // counts without words
      {"3 -4 .D. L", "1\n2\n"},  // no command is followed
      {"3\t1\n.D.\r\nR trailing words", "1\n2\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(run(c.input), c.output) << c.input;
}

TEST(Korvane, WordsOfTheWrongLengthFollowTheCounts) {
  const struct {
    const char* input;
    const char* output;
  } cases[] = {
      {"6 1 D R", "1\n1\n"},    // a short row ends in empty cells
      {"2 1 D.D R", "1\n1\n"},  // a long row is cut at n...
      {"2 1 .D# L", "1\n2\n"},  // ...and the boundary cell takes index n
      {"0 0 D R", "0\n"},
      {"5 4 ..D.. L", "1\n3\n"},       // missing commands step right: -1 to 2
      {"5 5 ..D.. L", "0\n"},          // -1 to 3 reaches the boundary
      {"5 2 ..D.. LRRRRR", "1\n3\n"},  // extra commands are ignored
      {"3 2 .D.", "0\n"},              // no command word: two right steps
  };
  for (const auto& c : cases) EXPECT_EQ(run(c.input), c.output) << c.input;
}

TEST(Korvane, MatchesSimulationOnSeededRandomRows) {
  std::mt19937 rng(20261211);
  const std::string cells = "D#.D.x", steps = "LRLlR";
  for (int round = 0; round < 400; ++round) {
    std::string row, commands;
    for (std::size_t i = rng() % 41; i > 0; --i) row += cells[rng() % cells.size()];
    for (std::size_t i = rng() % 41; i > 0; --i) commands += steps[rng() % steps.size()];
    // Mostly counts that fit the words; sometimes not.
    const long n = row.empty() || rng() % 4 ? static_cast<long>(row.size()) : static_cast<long>(rng() % 45);
    const long m = rng() % 4 ? static_cast<long>(commands.size()) : static_cast<long>(rng() % 45);
    if (row.empty()) row = ".";
    if (commands.empty()) commands = "R";
    std::string input = std::to_string(n) + " " + std::to_string(m);
    for (const std::string* part : {&row, &commands}) input.append("\n").append(*part);
    input += '\n';
    ASSERT_EQ(run(input), simulate(n, m, row, commands)) << input;
  }
}

TEST(Korvane, RejectsBadCounts) {
  const struct {
    const char* input;
    const char* message;
  } cases[] = {
      {"-1 1 D R", "the row length '-1' is negative"},
      {"x 1 D R", "the row length 'x' is not an integer of 32 bits"},
      {"3 1x .D. R", "the command count '1x' is not an integer of 32 bits"},
      {"2147483648 1 D R", "the row length '2147483648' is not an integer of 32 bits"},
      {"1 -99999999999 D R", "the command count '-99999999999' is not an integer of 32 bits"},
  };
  for (const auto& c : cases) {
    std::string output;
    const Outcome outcome = runKorvane(c.input, output);
    EXPECT_EQ(outcome.status, 1) << c.input;
    EXPECT_EQ(outcome.message, c.message) << c.input;
    EXPECT_EQ(output, "") << c.input;
  }
}

TEST(Korvane, CountsBeyondTheWordsNeedNoMemory) {
  // n and m at the top of the 32-bit range: positions and shifts must not wrap.
  EXPECT_EQ(run("2147483647 2147483647 D R"), "0\n");
  EXPECT_EQ(run("2147483647 2147483646 D R"), "1\n1\n");
  EXPECT_EQ(run("2147483647 0 D.D R"), "2\n1 3\n");
}

}  // namespace
