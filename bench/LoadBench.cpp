// Times, for each save, zlib inflating its stream alone (a), the full load (b), load and
// analysis (c), and load, analysis and every tab's model for every player (d); best of
// several runs, with the ratios to (a); then the analysis alone and all views alone on a loaded
// save, the inflated body's size and the peak memory of one load and analysis.
// Then the agreement of the derived values with the game's own records (bench/RecordAgreement.h);
// --records prints only that table.
//   orv5_bench [--runs N] [--records] SAVE...
#include <sys/wait.h>
#include <unistd.h>
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
#include "bench/RecordAgreement.h"
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

// The peak resident memory of this process in KB. VmHWM belongs to the address space, which a
// fresh program image starts anew; the rusage peak would also count the parent's pages that
// the child held between fork and exec.
long PeakKilobytesOfThisProcess() {
  std::FILE* status = std::fopen("/proc/self/status", "r");
  if (!status) return -1;
  char line[256];
  long kilobytes = -1;
  while (std::fgets(line, sizeof line, status)) {
    if (std::sscanf(line, "VmHWM: %ld kB", &kilobytes) == 1) break;
  }
  std::fclose(status);
  return kilobytes;
}

// One load and analysis, run by the child that measures peak memory; prints the peak in KB.
int LoadOnce(const std::string& path) {
  auto loaded = orv5::LoadSave(path);
  const auto* save = std::get_if<orv5::SaveContainer>(&loaded);
  if (!save || orv5::Save5Analyse(*save).Leaders.empty()) return 1;
  std::printf("%ld\n", PeakKilobytesOfThisProcess());
  return 0;
}

// Peak memory of one load and analysis, in MB, measured in a fresh process (this program run
// with --once) so that the runs above do not count; -1 when it cannot be measured.
double PeakMegabytesOfOneLoad(const std::string& path) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return -1;
  const pid_t child = fork();
  if (child == 0) {
    dup2(pipeEnds[1], STDOUT_FILENO);
    close(pipeEnds[0]);
    execl("/proc/self/exe", "orv5_bench", "--once", path.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(pipeEnds[1]);
  char text[64] = {};
  const ssize_t got = child > 0 ? read(pipeEnds[0], text, sizeof text - 1) : -1;
  close(pipeEnds[0]);
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child || status != 0 || got <= 0) return -1;
  return static_cast<double>(std::atol(text)) / 1024.0;
}

struct BenchRow {
  double Inflate = 0, Load = 0, Analysed = 0, Viewed = 0, AnalysisAlone = 0, ViewsAlone = 0, PeakMB = 0;
  double BodyMB = 0;
};

void PrintRow(const std::string& name, const BenchRow& r) {
  std::printf("%-34s %7.2f %7.2f %7.2f %7.2f  %6.2f %6.2f  %5.2f %5.2f %5.2f  %6.1f %6.1f\n", name.c_str(),
              r.Inflate, r.Load, r.Analysed, r.Viewed, r.AnalysisAlone, r.ViewsAlone, r.Load / r.Inflate,
              r.Analysed / r.Inflate, r.Viewed / r.Inflate, r.BodyMB, r.PeakMB);
}

int BenchOne(const std::string& path, int runs) {
  auto first = orv5::LoadSave(path);
  if (const auto* error = std::get_if<orv5::LoadError>(&first)) {
    std::fprintf(stderr, "%s: %s\n", path.c_str(), error->Message.c_str());
    return 1;
  }
  const orv5::SaveContainer& save = std::get<orv5::SaveContainer>(first);
  const std::string name = std::filesystem::path(path).filename().string();
  if (!save.HasBody()) {
    std::printf("%-34s no compressed body\n", name.c_str());
    return 0;
  }
  std::vector<uint8_t> out(static_cast<size_t>(save.BodyLength) + 1);
  BenchRow r;
  r.Inflate = 1e3 * BestSeconds(runs, [&] { InflateOnly(save.PackedBody, out); });
  r.Load = 1e3 * BestSeconds(runs, [&] { auto again = orv5::LoadSave(path); });
  r.Analysed = 1e3 * BestSeconds(runs, [&] {
    auto again = orv5::LoadSave(path);
    auto analysis = orv5::Save5Analyse(std::get<orv5::SaveContainer>(again));
  });
  r.Viewed = 1e3 * BestSeconds(runs, [&] {
    auto again = orv5::LoadSave(path);
    BuildAllViews(orv5::Save5Analyse(std::get<orv5::SaveContainer>(again)));
  });
  r.AnalysisAlone = 1e3 * BestSeconds(runs, [&] { auto analysis = orv5::Save5Analyse(save); });
  const orv5::SaveAnalysis analysis = orv5::Save5Analyse(save);
  r.ViewsAlone = 1e3 * BestSeconds(runs, [&] { BuildAllViews(analysis); });
  r.BodyMB = static_cast<double>(save.BodyLength) / (1024.0 * 1024.0);
  r.PeakMB = PeakMegabytesOfOneLoad(path);
  PrintRow(name, r);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--once") == 0) return LoadOnce(argv[2]);
  int runs = 7;
  bool recordsOnly = false;
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
      runs = std::max(1, std::atoi(argv[++i]));
    } else if (std::strcmp(argv[i], "--records") == 0) {
      recordsOnly = true;
    } else {
      files.emplace_back(argv[i]);
    }
  }
  if (files.empty()) {
    std::fprintf(stderr, "usage: orv5_bench [--runs N] [--records] SAVE...\n");
    return 2;
  }
  if (recordsOnly) return orv5::PrintRecordAgreement(files);
  std::printf("%-34s %7s %7s %7s %7s  %6s %6s  %5s %5s %5s  %6s %6s\n", "save (ms, best of runs)", "(a)inf",
              "(b)load", "(c)anal", "(d)view", "anal", "views", "b/a", "c/a", "d/a", "bodyMB", "peakMB");
  int status = 0;
  for (const auto& file : files) status |= BenchOne(file, runs);
  std::printf("\n");
  status |= orv5::PrintRecordAgreement(files);
  return status;
}
