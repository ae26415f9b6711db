// Runs a program binary in a fresh scratch folder and collects what it did.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

struct ProgramRun {
  int status = -1;
  std::optional<std::string> output;  // the task output file, if it exists
  std::string errors;                 // what went to standard error
};

inline std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

using Prepare = std::function<void(const std::filesystem::path&)>;

// Ways to make the task output file unwritable: a folder in its place, and a
// link to a device that is always full.
inline std::vector<Prepare> unwritableOutputs(const std::string& outName) {
  return {[outName](const std::filesystem::path& dir) { std::filesystem::create_directory(dir / outName); },
          [outName](const std::filesystem::path& dir) { std::filesystem::create_symlink("/dev/full", dir / outName); }};
}

// Runs `binary` in a new folder that holds `input` as `inName` (none when
// nullopt), after `prepare` has had its way with the folder.
inline ProgramRun runIn(const std::string& binary, const std::string& inName, const std::string& outName,
                        const std::optional<std::string>& input, const Prepare& prepare = {}) {
  std::string pattern = (std::filesystem::temp_directory_path() / "e2e-XXXXXX").string();
  const std::filesystem::path dir = mkdtemp(pattern.data());
  if (input) writeFile(dir / inName, *input);
  if (prepare) prepare(dir);
  const std::string command =
      "cd '" + dir.string() + "' && '" + binary + "' </dev/null >/dev/null 2>'" + (dir / "stderr.txt").string() + "'";
  ProgramRun run;
  const int raw = std::system(command.c_str());
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.errors = readFile(dir / "stderr.txt");
  const std::filesystem::path out = dir / outName;
  if (std::filesystem::is_regular_file(out)) run.output = readFile(out);
  std::filesystem::permissions(dir, std::filesystem::perms::owner_all, std::filesystem::perm_options::add);
  std::filesystem::remove_all(dir);
  return run;
}

// A run that succeeded with exactly this output and nothing on standard error.
inline void expectClean(const ProgramRun& run, const std::string& output) {
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.output, output);
  EXPECT_EQ(run.errors, "");
}

// Standard error holds exactly one line, starting with `prefix`.
inline void expectOneLine(const ProgramRun& run, const std::string& prefix) {
  EXPECT_EQ(run.errors.rfind(prefix, 0), 0u) << run.errors;
  EXPECT_EQ(std::count(run.errors.begin(), run.errors.end(), '\n'), 1) << run.errors;
}
