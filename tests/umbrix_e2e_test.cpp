// The umbrix binary in a scratch folder: exact bytes, exit status and
// standard error.
#include <filesystem>
#include <string>

#include "e2e.h"

namespace {

ProgramRun umbrix(const std::optional<std::string>& input, const Prepare& prepare = {}) {
  return runIn(UMBRIX_BIN, "umbrix.in", "umbrix.out", input, prepare);
}

TEST(UmbrixBinary, BundledExample) {
  const std::string dir = std::string(EXAMPLES_DIR) + "/umbrix/";
  expectClean(umbrix(readFile(dir + "umbrix.in")), readFile(dir + "umbrix.out"));
}

TEST(UmbrixBinary, ExactBytes) {
  const struct {
    std::string input, output;
  } cases[] = {
      // Fixed answers: one digit, no line end.
      {"2 1 3 2\n", "4"},
      {"5\n6\n1\n1\n", "1"},
      // Computed answers, and what follows the fourth value is never needed.
      {"2 1 3 3\n", "3\n"},
      {"2 3 -7 10", "-9\n"},
      {"3 4 100 100\n" + std::string(1 << 20, 'x'), "825\n"},
  };
  for (const auto& c : cases) expectClean(umbrix(c.input), c.output);
}

TEST(UmbrixBinary, RejectedInputLeavesAnEmptyOutput) {
  const struct {
    std::string input, message;
  } cases[] = {
      {"0 1 1 1", "umbrix: umbrix.in: the first value is 0: division by zero\n"},
      {"-1 1 -2147483648 1", "umbrix: umbrix.in: the third value -2147483648 divided by -1 overflows 32 bits\n"},
      {"1 2 3", "umbrix: umbrix.in: the fourth value is missing\n"},
      {"1 two 3 4", "umbrix: umbrix.in: the second value 'two' is not an integer\n"},
      {"1 1 1 4294967296", "umbrix: umbrix.in: the fourth value '4294967296' is outside the 32-bit range\n"},
  };
  for (const auto& c : cases) {
    const ProgramRun run = umbrix(c.input);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(run.errors, c.message);
  }
}

TEST(UmbrixBinary, MissingOrUnreadableInputIsAnError) {
  for (const Prepare& prepare : {Prepare{}, Prepare([](const std::filesystem::path& dir) {
                                   std::filesystem::create_directory(dir / "umbrix.in");
                                 })}) {
    const ProgramRun run = umbrix(std::nullopt, prepare);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.output, "");  // created all the same
    expectOneLine(run, "umbrix: umbrix.in: ");
  }
}

TEST(UmbrixBinary, WriteFailures) {
  for (const Prepare& prepare : unwritableOutputs("umbrix.out")) {
    const ProgramRun run = umbrix("1 1 1 1", prepare);
    EXPECT_EQ(run.status, 2);
    expectOneLine(run, "umbrix: umbrix.out: ");
  }
}

}  // namespace
