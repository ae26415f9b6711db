// queries: binds "queries.in" and "queries.out", runs, and reports.
// A missing or unreadable input file reads as empty: no test case, empty
// output, status 0. Exit status 1: input outside the format; 2: the input
// failed while being read or the output could not be written.
// Tested end to end by tests/queries_e2e_test.cpp.
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "driver.h"

namespace {

constexpr const char* inName = "queries.in";
constexpr const char* outName = "queries.out";

int fail(int status, const char* file, const std::string& what) {
  std::fprintf(stderr, "queries: %s: %s\n", file, what.c_str());
  return status;
}

// Reads the whole file; false when reading stopped on an error midway.
bool readAll(std::FILE* in, std::string& text) {
  struct stat info;
  if (fstat(fileno(in), &info) == 0 && S_ISREG(info.st_mode)) {
    text.reserve(static_cast<std::size_t>(info.st_size));  // one allocation, no copies
  }
  char chunk[1 << 16];
  std::size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, in)) > 0) text.append(chunk, got);
  return !std::ferror(in) || text.empty();
}

}  // namespace

int main() {
  std::string input;
  std::FILE* in = std::fopen(inName, "r");
  std::FILE* out = std::fopen(outName, "w");
  if (out == nullptr) return fail(2, outName, std::strerror(errno));
  if (in != nullptr) {
    const bool whole = readAll(in, input);
    const int readError = errno;
    std::fclose(in);
    if (!whole) {
      std::fclose(out);
      return fail(2, inName, std::string("read error: ") + std::strerror(readError));
    }
  }
  const Outcome outcome = runQueries(
      input, [out](std::string_view piece) { return std::fwrite(piece.data(), 1, piece.size(), out) == piece.size(); });
  const int writeError = errno;
  if (std::fclose(out) != 0 || outcome.status == 2) {
    return fail(2, outName, std::strerror(outcome.status == 2 ? writeError : errno));
  }
  if (outcome.status == 1) return fail(1, inName, outcome.message);
  return 0;
}
