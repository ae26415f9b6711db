// The korvane binary in a scratch folder: exact bytes, exit status and
// standard error.
#include <filesystem>
#include <string>

#include "e2e.h"

namespace {

ProgramRun korvane(const std::optional<std::string>& input, const Prepare& prepare = {}) {
  return runIn(KORVANE_BIN, "korvane.in", "korvane.out", input, prepare);
}

TEST(KorvaneBinary, BundledExample) {
  const std::string dir = std::string(EXAMPLES_DIR) + "/korvane/";
  expectClean(korvane(readFile(dir + "korvane.in")), readFile(dir + "korvane.out"));
}

TEST(KorvaneBinary, NothingToReadGivesZero) {
  expectClean(korvane(std::nullopt), "0\n");
  expectClean(korvane(""), "0\n");
  expectClean(korvane("7 7\n"), "0\n");
  expectClean(korvane(std::nullopt, [](const auto& dir) { std::filesystem::create_directory(dir / "korvane.in"); }),
              "0\n");
}

// Every other cell a robot, an obstacle every tenth cell; the commands
// alternate L and R, so the shifts run from -1 to 0 and a robot survives
// exactly when the cell to its left is inside the row and free.
void bigRow(std::size_t cells, std::size_t steps) {
  std::string row(cells, '.');
  for (std::size_t i = 0; i < cells; i += 2) row[i] = 'D';
  for (std::size_t i = 5; i < cells; i += 10) row[i] = '#';
  std::string commands(steps, 'R');
  for (std::size_t j = 0; j < steps; j += 2) commands[j] = 'L';
  std::string survivors;
  std::size_t count = 0;
  for (std::size_t p = 2; p < cells; p += 2) {
    if (row[p - 1] != '#') survivors += (count++ ? " " : "") + std::to_string(p + 1);
  }
  const std::string input = std::to_string(cells) + " " + std::to_string(steps) + "\n" + row + "\n" + commands + "\n";
  expectClean(korvane(input), std::to_string(count) + "\n" + (count ? survivors + "\n" : ""));
}

TEST(KorvaneBinary, LargeRowsAndCommandStrings) {
  bigRow(100000, 100000);
  bigRow(300000, 7);
  bigRow(11, 250001);
}

TEST(KorvaneBinary, RejectsANegativeRowLength) {
  const ProgramRun run = korvane("-5 1 D R");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.output, "");
  EXPECT_EQ(run.errors, "korvane: korvane.in: the row length '-5' is negative\n");
}

TEST(KorvaneBinary, WrongLengthWordsFollowTheCounts) {
  expectClean(korvane("6 1\nD\nR\n"), "1\n1\n");
  expectClean(korvane("2 1\nD.D\nRRRR\n"), "1\n1\n");
  expectClean(korvane("2 1\n.D\nL\n" + std::string(1 << 20, '#')), "1\n2\n");  // nothing after is read
}

TEST(KorvaneBinary, WriteFailures) {
  for (const Prepare& prepare : unwritableOutputs("korvane.out")) {
    const ProgramRun run = korvane("1 0 D R", prepare);
    EXPECT_EQ(run.status, 2);
    expectOneLine(run, "korvane: korvane.out: ");
  }
}

}  // namespace
