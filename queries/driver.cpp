// The loop over test cases: reading words, making keys, filling the trie and
// writing one answer line per pattern.
// Cost: linear in the input, plus the fill (fill.cpp); memory grows with the
// words present, never with the counts the input claims: a test case cut
// short completes its missing numbers and patterns without storing them.
// Tested by tests/queries_driver_test.cpp (in-process, against a brute force)
// and tests/queries_e2e_test.cpp (the binary).
#include "driver.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <vector>

#include "fill.h"
#include "sweep.h"
#include "trie.h"

Key padKey(std::string_view word) {
  Key key;
  key.fill('0');
  word = word.substr(0, key.size());
  std::copy(word.begin(), word.end(), key.end() - static_cast<std::ptrdiff_t>(word.size()));
  return key;
}

void markWildcards(Key& key) {
  for (char& c : key) {
    if (c == '?') c = ':';
  }
}

namespace {

constexpr std::size_t flushSize = 1 << 16;

bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Words of the input, split as formatted stream reading splits them.
struct Words {
  std::string_view text;
  std::size_t at = 0;

  std::string_view next() {
    while (at < text.size() && isSpace(text[at])) ++at;
    const std::size_t begin = at;
    while (at < text.size() && !isSpace(text[at])) ++at;
    return text.substr(begin, at - begin);
  }
  std::size_t left() const { return text.size() - at; }
};

// A word for a message: cut short when long, bytes outside printable ASCII
// escaped, so the message stays one readable line.
std::string quoted(std::string_view word) {
  constexpr std::size_t shown = 24;
  std::string q = "'";
  for (char c : word.substr(0, shown)) {
    if (c >= ' ' && c <= '~') {
      q += c;
    } else {
      constexpr char hex[] = "0123456789abcdef";
      const auto b = static_cast<unsigned char>(c);
      q += {'\\', 'x', hex[b >> 4], hex[b & 15]};
    }
  }
  if (word.size() > shown) q += "...";
  return q + "'";
}

enum class Count { read, ended, bad };

// A count as formatted reading of a 32-bit integer takes it: a word that does
// not start with an integer in range ends the run; one that does but goes on
// with other characters is outside the format.
Count readCount(std::string_view word, std::int32_t& value) {
  std::size_t i = !word.empty() && (word[0] == '+' || word[0] == '-') ? 1 : 0;
  const bool negative = i == 1 && word[0] == '-';
  if (i == word.size() || !isDigit(word[i])) return Count::ended;
  std::int64_t magnitude = 0;
  for (; i < word.size() && isDigit(word[i]); ++i) {
    magnitude = magnitude * 10 + (word[i] - '0');
    if (magnitude > std::int64_t{1} << 31) return Count::ended;
  }
  const std::int64_t signedValue = negative ? -magnitude : magnitude;
  if (signedValue > INT32_MAX) return Count::ended;
  value = static_cast<std::int32_t>(signedValue);
  return i == word.size() ? Count::read : Count::bad;
}

// The value of a number word of 1 to 9 digits; false for any other word.
bool numberValue(std::string_view w, std::uint32_t& x) {
  if (w.empty() || w.size() > keyWidth) return false;
  x = 0;
  for (char c : w) {
    if (!isDigit(c)) return false;
    x = x * 10 + static_cast<std::uint32_t>(c - '0');
  }
  return true;
}

// The key of a pattern word of 1 to 9 digits and '?'; false for any other.
bool patternKey(std::string_view w, Key& key) {
  if (w.empty() || w.size() > keyWidth) return false;
  for (char c : w) {
    if (!isDigit(c) && c != '?') return false;
  }
  key = padKey(w);
  markWildcards(key);
  return true;
}

std::string_view view(const Key& k) { return {k.data(), k.size()}; }

// Output lines gathered and handed to the writer in large pieces.
struct Out {
  const Writer& write;
  std::string buffer;
  bool failed = false;

  void line(std::int64_t answer) {
    char text[24];
    char* end = std::to_chars(text, text + sizeof text - 1, answer).ptr;
    *end++ = '\n';
    buffer.append(text, end);
    if (buffer.size() >= flushSize) flush();
  }

  // The same line `times` times: whole blocks of copies go out as they are.
  void lines(std::int64_t answer, std::uint64_t times) {
    std::array<char, 24> text;
    char* end = std::to_chars(text.data(), text.data() + text.size() - 1, answer).ptr;
    *end++ = '\n';
    const std::string_view one(text.data(), static_cast<std::size_t>(end - text.data()));
    const std::uint64_t perBlock = flushSize / one.size();
    if (times >= 2 * perBlock) {
      flush();
      std::string block;
      for (std::uint64_t i = 0; i < perBlock; ++i) block += one;
      for (; times >= perBlock && !failed; times -= perBlock) failed = !write(block);
    }
    for (; times > 0 && !failed; --times) {
      buffer += one;
      if (buffer.size() >= flushSize) flush();
    }
  }
  void flush() {
    if (!failed && !buffer.empty() && !write(buffer)) failed = true;
    buffer.clear();
  }
};

std::vector<std::uint32_t> numbers;
std::vector<Key> patterns;

std::string testCaseName(int testCase) { return "test case " + std::to_string(testCase); }

// Reads the two counts of a test case. False when there are none (the run
// ends) or when they are outside the format (`outcome` says why).
bool readCounts(Words& words, int testCase, std::int32_t& n, std::int32_t& m, Outcome& outcome) {
  for (std::int32_t* count : {&n, &m}) {
    const std::string_view word = words.next();
    const Count got = readCount(word, *count);
    if (got == Count::ended) return false;
    const char* name = count == &n ? ": the number count " : ": the pattern count ";
    if (got == Count::bad) {
      outcome = {1, testCaseName(testCase) + name + quoted(word) + " is not an integer"};
      return false;
    }
    if (*count < 0) {
      outcome = {1, testCaseName(testCase) + name + quoted(word) + " is negative"};
      return false;
    }
  }
  return true;
}

// Reads up to `count` words and hands each, with its 1-based number, to
// `take`; counts in `missing` the words the input no longer holds. False
// when `take` refuses a word.
template <typename Take>
bool readList(Words& words, std::int32_t count, std::uint32_t& missing, Take take) {
  for (std::int32_t i = 0; i < count; ++i) {
    const std::string_view word = words.next();
    if (word.empty()) {
      missing = static_cast<std::uint32_t>(count - i);
      return true;
    }
    if (!take(word, i + 1)) return false;
  }
  return true;
}

// Reads the n number words into `numbers` and the m pattern words into
// `patterns`. False when a word is outside the format (`outcome` says which).
bool readWords(Words& words, int testCase, std::int32_t n, std::int32_t m, std::uint32_t& missingNumbers,
               std::uint32_t& missingPatterns, Outcome& outcome) {
  const auto reject = [&](const char* item, int k, std::string_view word, const char* why) {
    outcome = {1, testCaseName(testCase) + ", " + item + " " + std::to_string(k) + ": " + quoted(word) + why};
    return false;
  };
  // Each word takes at least two bytes but the last: a bound from the input
  // itself, never from the counts.
  const auto room = [&](std::int32_t count) {
    return std::min<std::size_t>(static_cast<std::size_t>(count), words.left() / 2 + 1);
  };
  numbers.clear();
  numbers.reserve(room(n));
  const bool numbersRead = readList(words, n, missingNumbers, [&](std::string_view word, int k) {
    std::uint32_t x;
    if (!numberValue(word, x)) return reject("number", k, word, " is not a number of 1 to 9 digits");
    numbers.push_back(x);
    return true;
  });
  if (!numbersRead) return false;
  patterns.clear();
  patterns.reserve(room(m));
  return readList(words, m, missingPatterns, [&](std::string_view word, int k) {
    Key key;
    if (!patternKey(word, key)) return reject("pattern", k, word, " is not a pattern of 1 to 9 digits and '?'");
    patterns.push_back(key);
    return true;
  });
}

// Builds the trie of the test case read, fills its counters and writes
// every pattern's answer. A word the input no longer holds reads as empty,
// whose key is 000000000: missing numbers are zeros, missing patterns all
// answer as that key.
void answer(std::uint32_t missingNumbers, std::uint32_t missingPatterns, Out& out) {
  const Key zeroKey = padKey("");
  resetTrie();
  reserveNodes(keyWidth * (patterns.size() + 1));
  for (const Key& key : patterns) add(view(key));
  if (missingPatterns > 0) add(view(zeroKey));
  fillCounters(numbers, missingNumbers);
  for (const Key& key : patterns) out.line(evaluatePattern(view(key), walkPath(view(key))));
  if (missingPatterns > 0) out.lines(evaluatePattern(view(zeroKey), walkPath(view(zeroKey))), missingPatterns);
}

}  // namespace

Outcome runQueries(std::string_view input, const Writer& write) {
  Words words{input};
  Out out{write, {}};
  Outcome outcome;
  std::int32_t n = 0, m = 0;
  for (int testCase = 1; !out.failed && readCounts(words, testCase, n, m, outcome); ++testCase) {
    std::uint32_t missingNumbers = 0, missingPatterns = 0;
    if (!readWords(words, testCase, n, m, missingNumbers, missingPatterns, outcome)) break;
    answer(missingNumbers, missingPatterns, out);
  }
  out.flush();
  if (out.failed) return {2, "cannot write the answers"};
  return outcome;
}

Outcome runQueries(std::string_view input, std::string& output) {
  output.clear();
  return runQueries(input, [&output](std::string_view piece) {
    output += piece;
    return true;
  });
}
