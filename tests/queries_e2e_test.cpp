// The queries binary in a scratch folder: exact bytes, exit status and
// standard error for good input, input cut short, bad input and bad output.
#include <filesystem>
#include <string>

#include "e2e.h"

namespace {

ProgramRun queries(const std::optional<std::string>& input, const Prepare& prepare = {}) {
  return runIn(QUERIES_BIN, "queries.in", "queries.out", input, prepare);
}

TEST(QueriesBinary, BundledExample) {
  const std::string dir = std::string(EXAMPLES_DIR) + "/queries/";
  expectClean(queries(readFile(dir + "queries.in")), readFile(dir + "queries.out"));
}

TEST(QueriesBinary, SettledCases) {
  const struct {
    std::optional<std::string> input;
    std::string output;
  } cases[] = {
      {std::nullopt, ""},  // no input file: empty output
      {"", ""},
      {" \n\t\r\n", ""},
      {"2 2\n5 12\n1? ?", "3\n16\n"},  // the last word runs into the end
      {"2 2\n5 12\n1?", "3\n2\n"},     // cut short: the pattern 000000000
      {"2 2 5 12 1? ? 3", "3\n16\n"},  // a lone trailing count
  };
  for (const auto& c : cases) expectClean(queries(c.input), c.output);
}

TEST(QueriesBinary, UnreadableInputReadsAsEmpty) {
  expectClean(queries(std::nullopt, [](const auto& dir) { std::filesystem::create_directory(dir / "queries.in"); }),
              "");
}

TEST(QueriesBinary, ManyTinyTestCases) {
  std::string input, output;
  for (int i = 0; i < 20000; ++i) {
    input += "1 1\n" + std::to_string(i % 1000) + "\n?\n";
    output += std::to_string(std::min(i % 1000, 9) + 1) + "\n";
  }
  expectClean(queries(input), output);
}

TEST(QueriesBinary, TwoHundredThousandDistinctPatterns) {
  // 200 000 distinct patterns need 1.8 million nodes in one test case.
  std::string input = "1 200000\n999999999\n", output;
  for (int i = 0; i < 200000; ++i) {
    std::string p = std::to_string(i * 4999 % 1000000000);
    p.insert(0, 9 - p.size(), '0');
    p[i % 9] = '?';
    input += p + "\n";
    // Every instance is at most 999999999.
    output += "10\n";
  }
  expectClean(queries(input), output);
}

TEST(QueriesBinary, BadInputKeepsEarlierAnswers) {
  const struct {
    std::string input, output, message;
  } cases[] = {
      {"1 1 5 5 -3 1", "1\n", "queries: queries.in: test case 2: the number count '-3' is negative\n"},
      {"1 1 5 5 1 1 x 5", "1\n", "queries: queries.in: test case 2, number 1: 'x' is not a number of 1 to 9 digits\n"},
      {"1 1 5 1234567890", "",
       "queries: queries.in: test case 1, pattern 1: '1234567890' is not a pattern of 1 to 9 digits and '?'\n"},
  };
  for (const auto& c : cases) {
    const ProgramRun run = queries(c.input);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.output, c.output);
    EXPECT_EQ(run.errors, c.message);
  }
}

TEST(QueriesBinary, HugeCountsInAShortFile) {
  // Two billion numbers claimed, one present: the rest are zeros, not stored.
  expectClean(queries("2147483647 3 5 "), "2147483647\n2147483647\n2147483647\n");
}

TEST(QueriesBinary, WriteFailures) {
  for (const Prepare& prepare : unwritableOutputs("queries.out")) {
    const ProgramRun run = queries("1 1 5 5", prepare);
    EXPECT_EQ(run.status, 2);
    expectOneLine(run, "queries: queries.out: ");
  }
}

}  // namespace
