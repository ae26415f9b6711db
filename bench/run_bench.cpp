// The queries benchmark: makes the seeded workloads (cached in a folder),
// runs queries and the I/O floor on each five times after a warm-up, and
// prints the median wall times, their ratio and the peak resident memory.
// Usage: run_bench QUERIES FLOOR CACHE_DIR
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "workload.h"

namespace {

struct Measure {
  double seconds;
  long peakKiB;
};

// Runs `program` in `dir` once; exits on failure, a benchmark of a broken
// run being worthless.
Measure runOnce(const std::string& program, const std::filesystem::path& dir) {
  const auto begin = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    if (chdir(dir.c_str()) != 0) _exit(127);
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "run_bench: %s failed in %s\n", program.c_str(), dir.c_str());
    std::exit(1);
  }
  return {seconds, usage.ru_maxrss};
}

Measure median(const std::string& program, const std::filesystem::path& dir, int runs) {
  runOnce(program, dir);  // warm-up: the input in the page cache
  std::vector<double> times;
  long peak = 0;
  for (int i = 0; i < runs; ++i) {
    const Measure m = runOnce(program, dir);
    times.push_back(m.seconds);
    peak = std::max(peak, m.peakKiB);
  }
  std::sort(times.begin(), times.end());
  return {times[times.size() / 2], peak};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: run_bench QUERIES FLOOR CACHE_DIR\n");
    return 2;
  }
  const std::string queries = std::filesystem::absolute(argv[1]), floor = std::filesystem::absolute(argv[2]);
  std::printf("| workload | queries, median s | floor, median s | ratio | queries peak memory |\n");
  std::printf("|---|---|---|---|---|\n");
  for (const Workload& w : workloads()) {
    const std::filesystem::path dir = std::filesystem::path(argv[3]) / w.name;
    std::filesystem::create_directories(dir);
    if (!std::filesystem::exists(dir / "queries.in")) {
      std::ofstream(dir / "queries.in", std::ios::binary) << makeInput(w);
    }
    const Measure q = median(queries, dir, 5);
    const Measure f = median(floor, dir, 5);
    std::printf("| %s | %.3f | %.3f | %.1f | %.1f MiB |\n", w.name, q.seconds, f.seconds, q.seconds / f.seconds,
                static_cast<double>(q.peakKiB) / 1024);
    std::fflush(stdout);
  }
}
