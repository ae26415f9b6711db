// The I/O floor for queries: reads "queries.in" whole, splits it into
// words, parses every count and number and writes one line per pattern to
// "queries.out", but counts nothing. No version of queries can be faster.
// Cost: one pass over the input. Run by bench/run_bench.cpp.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

int main() {
  std::string text;
  if (std::FILE* in = std::fopen("queries.in", "r")) {
    char chunk[1 << 16];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, in)) > 0) text.append(chunk, got);
    std::fclose(in);
  }
  std::size_t at = 0;
  const auto next = [&]() {
    while (at < text.size() && isSpace(text[at])) ++at;
    const std::size_t begin = at;
    while (at < text.size() && !isSpace(text[at])) ++at;
    return std::string_view(text).substr(begin, at - begin);
  };
  const auto parse = [](std::string_view w) {
    std::int64_t x = 0;
    std::from_chars(w.data(), w.data() + w.size(), x);
    return x;
  };
  std::string out;
  std::uint64_t sum = 0;  // keeps the parsing from being optimised away
  for (;;) {
    const std::string_view nWord = next(), mWord = next();
    if (nWord.empty() || mWord.empty()) break;
    const std::int64_t n = parse(nWord), m = parse(mWord);
    for (std::int64_t i = 0; i < n; ++i) sum += static_cast<std::uint64_t>(parse(next()));
    for (std::int64_t j = 0; j < m; ++j) {
      const std::string_view p = next();
      char line[24];
      const auto end = std::to_chars(line, line + sizeof line, sum + p.size()).ptr;
      out.append(line, end);
      out += '\n';
    }
  }
  std::FILE* file = std::fopen("queries.out", "w");
  if (file == nullptr) return 2;
  std::fwrite(out.data(), 1, out.size(), file);
  return std::fclose(file) == 0 ? 0 : 2;
}
