// The whole run in-process: the worked examples, a brute force on random and
// exhaustive inputs, input cut short, and input outside the format.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "driver.h"
#include "queries_oracle.h"

namespace {

struct Result {
  int status;
  std::string output;
  std::string message;
};

Result run(const std::string& input) {
  std::string output;
  const Outcome outcome = runQueries(input, output);
  return {outcome.status, output, outcome.message};
}

struct TestCase {
  std::vector<std::string> numbers, patterns;
};

std::string expected(const std::vector<TestCase>& cases) {
  std::string out;
  for (const TestCase& c : cases) {
    for (const std::string& p : c.patterns) {
      long long answer = 0;
      for (const std::string& n : c.numbers) answer += digitCount(p, std::stoll(n));
      out += std::to_string(answer) + "\n";
    }
  }
  return out;
}

TEST(Oracle, DigitCountAgreesWithEnumeration) {
  std::mt19937 rng(1);
  for (int i = 0; i < 2000; ++i) {
    std::string p;
    const int length = 1 + static_cast<int>(rng() % 9);
    for (int k = 0; k < length; ++k)
      p += rng() % 4 == 0 && std::count(p.begin(), p.end(), '?') < 4 ? '?' : char('0' + rng() % 10);
    const long long s = rng() % 1000000000;
    ASSERT_EQ(digitCount(p, s), enumerateCount(p, s)) << p << " " << s;
  }
}

// ---- worked examples ----

TEST(Queries, WorkedExamples) {
  const struct {
    const char* input;
    const char* output;
  } cases[] = {
      {"2 2\n5 12\n1? ?\n", "3\n16\n"},
      {"2 2\n5 12\n1? ?\n1 1\n7\n7\n", "3\n16\n1\n"},
      {"3 2 5 15 25 ?5 1?", "6\n16\n"},
      {"", ""},
      {" \t\r\n\v\f ", ""},
      {"0 0 1 1 7 7", "1\n"},
      {"0 3 1 ? ?????????", "0\n0\n0\n"},
      {"2 0 5 6 1 1 7 7", "1\n"},  // M = 0: its numbers are still read
      {"1 2 100 100 101", "1\n0\n"},
      {"1 1 100 1?0", "1\n"},
      {"1 1 0 ?????????", "1\n"},
      {"1 1 999999999 ?????????", "1000000000\n"},
      {"2 1 0 999999999 ?????????", "1000000001\n"},
      {"2 2 7 7 7 7", "2\n2\n"},
      {"2 4 007 7 007 7 0? ?", "2\n2\n16\n16\n"},
      {"1 1 12 ?", "10\n"},
      {"2\t2\n\n5\r\n12\v1?\f?", "3\n16\n"},
      {"2 1 5", "2\n"},                  // cut short: the number 0, the pattern 000000000
      {"1 1 7 7 3", "1\n"},              // a lone count after the last test case
      {"1 1 7 7 3 x", "1\n"},            // a count that is no integer ends the run
      {"1 1 7 7 99999999999 1", "1\n"},  // so does one outside 32 bits
      {"+1 0001 7 7", "1\n"},
  };
  for (const auto& c : cases) {
    const Result r = run(c.input);
    EXPECT_EQ(r.status, 0) << c.input;
    EXPECT_EQ(r.output, c.output) << c.input;
  }
}

TEST(Queries, InputCutShortCompletesWithoutStoringTheMissingWords) {
  // Two billion missing numbers are zeros; the missing patterns are 000000000.
  EXPECT_EQ(run("2147483647 0").output, "");
  EXPECT_EQ(run("2147483647 1").output, "2147483647\n");
  EXPECT_EQ(run("3 1 5").output, "3\n");  // 5 and two zeros, each with the instance 0
  const Result many = run("1 100000 3 ?");
  std::string lines = "4\n";
  for (int i = 1; i < 100000; ++i) lines += "1\n";
  EXPECT_EQ(many.output, lines);
}

// ---- brute force comparisons ----

std::string randomWord(std::mt19937& rng, const std::string& alphabet) {
  const std::size_t length = rng() % 3 == 0 ? 9 : 1 + rng() % 9;
  std::string w;
  for (std::size_t i = 0; i < length; ++i) w += alphabet[rng() % alphabet.size()];
  return w;
}

std::string render(const std::vector<TestCase>& cases, std::mt19937& rng) {
  static const char* separators[] = {" ", "\n", "\t", "\r\n", "\v", "\f", "  \n\t"};
  std::string text;
  const auto item = [&](const std::string& w) {
    text += w;
    text += separators[rng() % std::size(separators)];
  };
  for (const TestCase& c : cases) {
    item(std::to_string(c.numbers.size()));
    item(std::to_string(c.patterns.size()));
    for (const auto& w : c.numbers) item(w);
    for (const auto& w : c.patterns) item(w);
  }
  return text;
}

TEST(Queries, MatchesBruteForceOnSeededRandomInput) {
  std::mt19937 rng(20261211);
  const std::string digitSets[] = {"0123456789", "019", "0"};
  for (int round = 0; round < 300; ++round) {
    std::vector<TestCase> cases(1 + rng() % 3);
    const std::string& digits = digitSets[round % 3];
    for (TestCase& c : cases) {
      for (std::size_t i = rng() % 25; i > 0; --i) c.numbers.push_back(randomWord(rng, digits));
      for (std::size_t i = rng() % 25; i > 0; --i) {
        std::string p = rng() % 10 == 0 ? "?????????" : randomWord(rng, digits + "??");
        c.patterns.push_back(p);
        if (rng() % 5 == 0) c.patterns.push_back(p);  // duplicate patterns
      }
    }
    const std::string input = render(cases, rng);
    const Result r = run(input);
    ASSERT_EQ(r.status, 0) << input;
    ASSERT_EQ(r.output, expected(cases)) << input;
  }
}

TEST(Queries, AllShortPatternsOverZeroOneWildcard) {
  TestCase c{{"0", "1", "5", "9", "10", "11", "99", "100", "101", "110", "111", "999", "1000", "999999999"}, {}};
  const auto grow = [&](auto&& self, const std::string& p) -> void {
    if (!p.empty()) c.patterns.push_back(p);
    if (p.size() == 3) return;
    for (const char* ch : {"0", "1", "?"}) self(self, p + ch);
  };
  grow(grow, "");
  ASSERT_EQ(c.patterns.size(), 39u);
  std::string want;
  for (const std::string& p : c.patterns) {
    long long answer = 0;
    for (const std::string& n : c.numbers) answer += enumerateCount(p, std::stoll(n));
    want += std::to_string(answer) + "\n";
  }
  std::mt19937 rng(3);
  EXPECT_EQ(run(render({c}, rng)).output, want);
}

// ---- input outside the format ----

TEST(Queries, RejectsWordsOutsideTheFormat) {
  const struct {
    const char* input;
    const char* output;  // the complete test cases before the fault
    const char* message;
  } cases[] = {
      {"1 1 5 5 -1 0", "1\n", "test case 2: the number count '-1' is negative"},
      {"0 -2147483648", "", "test case 1: the pattern count '-2147483648' is negative"},
      {"1x 1 5 5", "", "test case 1: the number count '1x' is not an integer"},
      {"1 1 5 5 1 1 5a 5", "1\n", "test case 2, number 1: '5a' is not a number of 1 to 9 digits"},
      {"2 1 1 1234567890 5", "", "test case 1, number 2: '1234567890' is not a number of 1 to 9 digits"},
      {"1 2 5 5 ?x", "", "test case 1, pattern 2: '?x' is not a pattern of 1 to 9 digits and '?'"},
      {"1 1 5 ??????????", "",
       "test case 1, pattern 1: '"
       "??????????"
       "' is not a pattern of 1 to 9 digits and '?'"},
      {"1 1 -5 5", "", "test case 1, number 1: '-5' is not a number of 1 to 9 digits"},
      {"1 1 5 :", "", "test case 1, pattern 1: ':' is not a pattern of 1 to 9 digits and '?'"},
      {"1 1 \x01\xff 5", "", "test case 1, number 1: '\\x01\\xff' is not a number of 1 to 9 digits"},
      {"1 1 1234567890123456789012345678901 5", "",
       "test case 1, number 1: '123456789012345678901234...' is not a number of 1 to 9 digits"},
  };
  for (const auto& c : cases) {
    const Result r = run(c.input);
    EXPECT_EQ(r.status, 1) << c.input;
    EXPECT_EQ(r.output, c.output) << c.input;
    EXPECT_EQ(r.message, c.message) << c.input;
  }
}

TEST(Queries, WriteFailureStopsTheRun) {
  int calls = 0;
  const Outcome outcome = runQueries("1 1 5 5", [&calls](std::string_view) {
    ++calls;
    return false;
  });
  EXPECT_EQ(outcome.status, 2);
  EXPECT_EQ(calls, 1);
}

TEST(Queries, KeyHelpers) {
  const auto text = [](const Key& k) { return std::string(k.begin(), k.end()); };
  EXPECT_EQ(text(padKey("")), "000000000");
  EXPECT_EQ(text(padKey("1?")), "00000001?");
  EXPECT_EQ(text(padKey("123456789")), "123456789");
  Key key = padKey("?5?");
  markWildcards(key);
  EXPECT_EQ(text(key), "000000:5:");
}

}  // namespace
