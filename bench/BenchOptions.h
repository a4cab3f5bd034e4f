#pragma once
// The command line the bench programs share: [--runs N] SAVE...
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace orv5::bench {

struct BenchOptions {
  int Runs = 7;  // each figure is the best of this many runs
  std::vector<std::string> Files;
};

// The options, or nothing (after printing the usage line) when no save is named.
inline std::optional<BenchOptions> ParseBenchOptions(int argc, char** argv, const char* program) {
  BenchOptions options;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
      options.Runs = std::max(1, std::atoi(argv[++i]));
    } else {
      options.Files.emplace_back(argv[i]);
    }
  }
  if (options.Files.empty()) {
    std::fprintf(stderr, "usage: %s [--runs N] SAVE...\n", program);
    return std::nullopt;
  }
  return options;
}

}  // namespace orv5::bench
