// Times, for each save, zlib inflating its stream alone (a), the full load (b), load and
// analysis (c), and load, analysis and every tab's model for every player (d); best of
// several runs, with the ratios to (a).
//   orv5_bench [--runs N] SAVE...
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "analysis/Save5Analyse.h"
#include "savefile/Container.h"
#include "views/Tabs.h"

namespace {

double BestSeconds(int runs, const std::function<void()>& work) {
  double best = 1e300;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    best = std::min(best, elapsed.count());
  }
  return best;
}

// The floor: one inflate call of the joined stream into a buffer already large enough.
void InflateOnly(const orv5::ByteBuffer& packed, std::vector<uint8_t>& out) {
  z_stream zs{};
  inflateInit(&zs);
  zs.next_in = const_cast<Bytef*>(packed.data());
  zs.avail_in = static_cast<uInt>(packed.size());
  zs.next_out = out.data();
  zs.avail_out = static_cast<uInt>(out.size());
  inflate(&zs, Z_NO_FLUSH);
  inflateEnd(&zs);
}

// Every tab's model for every player row, as a user stepping through the selectors sees them.
size_t BuildAllViews(const orv5::SaveAnalysis& analysis) {
  size_t controls = 0;
  const int players = std::max(1, orv5::PlayerChoiceCount(analysis));
  for (int player = 0; player < players; ++player) {
    orv5::ViewSelection selection;
    selection.Player = player;
    for (const orv5::TabInfo& tab : orv5::AllTabs()) controls += tab.Build(analysis, selection).Controls.size();
  }
  return controls;
}

int BenchOne(const std::string& path, int runs) {
  auto first = orv5::LoadSave(path);
  if (const auto* error = std::get_if<orv5::LoadError>(&first)) {
    std::fprintf(stderr, "%s: %s\n", path.c_str(), error->Message.c_str());
    return 1;
  }
  const orv5::SaveContainer& save = std::get<orv5::SaveContainer>(first);
  if (!save.HasBody()) {
    std::printf("%-34s no compressed body\n", std::filesystem::path(path).filename().string().c_str());
    return 0;
  }
  std::vector<uint8_t> out(static_cast<size_t>(save.BodyLength) + 1);
  const double inflate = BestSeconds(runs, [&] { InflateOnly(save.PackedBody, out); });
  const double load = BestSeconds(runs, [&] { auto again = orv5::LoadSave(path); });
  const double analysed = BestSeconds(runs, [&] {
    auto again = orv5::LoadSave(path);
    auto analysis = orv5::Save5Analyse(std::get<orv5::SaveContainer>(again));
  });
  const double viewed = BestSeconds(runs, [&] {
    auto again = orv5::LoadSave(path);
    BuildAllViews(orv5::Save5Analyse(std::get<orv5::SaveContainer>(again)));
  });
  const std::string name = std::filesystem::path(path).filename().string();
  std::printf("%-34s %8.2f %8.2f %8.2f %8.2f   %5.2f %5.2f %5.2f\n", name.c_str(), inflate * 1e3, load * 1e3,
              analysed * 1e3, viewed * 1e3, load / inflate, analysed / inflate, viewed / inflate);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 7;
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
      runs = std::max(1, std::atoi(argv[++i]));
    } else {
      files.emplace_back(argv[i]);
    }
  }
  if (files.empty()) {
    std::fprintf(stderr, "usage: orv5_bench [--runs N] SAVE...\n");
    return 2;
  }
  std::printf("%-34s %8s %8s %8s %8s   %5s %5s %5s\n", "save (ms, best of runs)", "(a)inf", "(b)load",
              "(c)anal", "(d)views", "b/a", "c/a", "d/a");
  int status = 0;
  for (const auto& file : files) status |= BenchOne(file, runs);
  return status;
}
