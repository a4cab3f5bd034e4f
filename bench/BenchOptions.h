#pragma once
// The command line the bench programs share: [--runs N] [--records] SAVE... (--records only for
// orv5_bench, which then prints only the agreement with the game's own records).
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
  bool RecordsOnly = false;
  std::vector<std::string> Files;
};

// The options, or nothing (after printing the usage line) when no save is named.
inline std::optional<BenchOptions> ParseBenchOptions(int argc, char** argv, const char* program,
                                                     bool takesRecords = false) {
  BenchOptions options;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
      options.Runs = std::max(1, std::atoi(argv[++i]));
    } else if (takesRecords && std::strcmp(argv[i], "--records") == 0) {
      options.RecordsOnly = true;
    } else {
      options.Files.emplace_back(argv[i]);
    }
  }
  if (options.Files.empty()) {
    std::fprintf(stderr, "usage: %s [--runs N]%s SAVE...\n", program, takesRecords ? " [--records]" : "");
    return std::nullopt;
  }
  return options;
}

}  // namespace orv5::bench
