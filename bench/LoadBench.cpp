// Times, for each save, zlib inflating its stream alone (a), ISA-L inflating it alone (a'),
// the full load (b), load and analysis (c), and load, analysis and every tab's model for every
// player (d); best of several runs, with the ratios to (a) and (a'); then the analysis alone and
// all views alone on a loaded save; the whole program `orv5 reloads SAVE` from start to exit;
// the window's figures (orv5_window_bench: file chosen to every tab filled, the slowest change
// of player and of city); the inflated body's size and the peak memory of one load and analysis.
// Given several saves, it ends with `orv5 json` of all of them in one call against one call each,
// and then the agreement of the derived values with the game's own records
// (bench/RecordAgreement.h); --records prints only that table.
//   orv5_bench [--runs N] [--records] SAVE...
#include <fcntl.h>
#include <isa-l/igzip_lib.h>
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
#include "bench/BenchOptions.h"
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

// The same with ISA-L: raw deflate after the two header bytes, no checksum.
void InflateOnlyIsal(const orv5::ByteBuffer& packed, std::vector<uint8_t>& out) {
  static inflate_state state;
  isal_inflate_init(&state);
  state.next_in = const_cast<uint8_t*>(packed.data()) + 2;
  state.avail_in = static_cast<uint32_t>(packed.size() - 2);
  state.next_out = out.data();
  state.avail_out = static_cast<uint32_t>(out.size());
  isal_inflate(&state);
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

// Runs a program to its exit with its output thrown away; the best wall time in ms, or -1.
double BestProgramMs(int runs, const std::vector<std::string>& command) {
  std::vector<char*> argv;
  for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
  argv.push_back(nullptr);
  return 1e3 * BestSeconds(runs, [&] {
    const pid_t child = fork();
    if (child == 0) {
      const int null = open("/dev/null", O_WRONLY);
      dup2(null, STDOUT_FILENO);
      execv(argv[0], argv.data());
      _exit(127);
    }
    int status = 0;
    if (child > 0) waitpid(child, &status, 0);
  });
}

// The window's three figures from orv5_window_bench (fill, player, city; -1 where it gives none).
std::vector<double> WindowFigures(int runs, const std::string& path) {
  std::vector<double> figures(3, -1);
#ifdef ORV5_WINDOW_BENCH
  const std::string command =
      std::string(ORV5_WINDOW_BENCH) + " --runs " + std::to_string(runs) + " '" + path + "' 2>/dev/null";
  std::FILE* output = popen(command.c_str(), "r");
  if (!output) return figures;
  char line[1024] = {};
  if (std::fgets(line, sizeof line, output)) {
    char name[512], fill[32], player[32], city[32];
    if (std::sscanf(line, "%511s %31s %31s %31s", name, fill, player, city) == 4) {
      for (int i = 0; const char* text : {fill, player, city}) figures[i++] = text[0] == '-' ? -1 : std::atof(text);
    }
  }
  pclose(output);
#else
  (void)runs;
  (void)path;
#endif
  return figures;
}

struct BenchRow {
  double Inflate = 0, InflateIsal = 0, Load = 0, Analysed = 0, Viewed = 0, AnalysisAlone = 0, ViewsAlone = 0;
  double Program = 0, PeakMB = 0, BodyMB = 0;
  std::vector<double> Window;
};

void PrintHeader() {
  std::printf("%-30s %6s %6s %6s %6s %6s  %5s %5s  %5s %5s %5s %5s  %6s %5s  %6s %6s %6s  %6s %6s\n",
              "save (ms, best of runs)", "(a)zl", "(a')is", "(b)ld", "(c)an", "(d)vw", "anal", "views", "b/a", "c/a",
              "c/a'", "d/a", "proc", "p/a", "window", "player", "city", "bodyMB", "peakMB");
}

void PrintRow(const std::string& name, const BenchRow& r) {
  std::printf("%-30s %6.2f %6.2f %6.2f %6.2f %6.2f  %5.2f %5.2f  %5.2f %5.2f %5.2f %5.2f  %6.1f %5.2f", name.c_str(),
              r.Inflate, r.InflateIsal, r.Load, r.Analysed, r.Viewed, r.AnalysisAlone, r.ViewsAlone,
              r.Load / r.Inflate, r.Analysed / r.Inflate, r.Analysed / r.InflateIsal, r.Viewed / r.Inflate, r.Program,
              r.Program / r.Inflate);
  for (double figure : r.Window) {
    if (figure < 0) {
      std::printf(" %6s", "-");
    } else {
      std::printf(" %6.1f", figure);
    }
  }
  std::printf("  %6.1f %6.1f\n", r.BodyMB, r.PeakMB);
  std::fflush(stdout);
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
    std::printf("%-30s no compressed body\n", name.c_str());
    return 0;
  }
  std::vector<uint8_t> out(static_cast<size_t>(save.BodyLength) + 1);
  BenchRow r;
  r.Inflate = 1e3 * BestSeconds(runs, [&] { InflateOnly(save.PackedBody, out); });
  r.InflateIsal = 1e3 * BestSeconds(runs, [&] { InflateOnlyIsal(save.PackedBody, out); });
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
  r.Program = BestProgramMs(runs, {ORV5_CLI_PROGRAM, "reloads", path});
  r.Window = WindowFigures(runs, path);
  PrintRow(name, r);
  return 0;
}

// `orv5 json` over every save in one call against one call per save.
void PrintBatchLine(const std::vector<std::string>& files, int runs) {
  std::vector<std::string> all = {ORV5_CLI_PROGRAM, "json"};
  all.insert(all.end(), files.begin(), files.end());
  const double together = BestProgramMs(runs, all);
  double oneByOne = 0;
  for (const std::string& file : files) oneByOne += BestProgramMs(runs, {ORV5_CLI_PROGRAM, "json", file});
  std::printf("orv5 json of all %zu saves in one call: %.1f ms; one call per save: %.1f ms in all; ratio %.2f\n",
              files.size(), together, oneByOne, together / oneByOne);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--once") == 0) return LoadOnce(argv[2]);
  const auto options = orv5::bench::ParseBenchOptions(argc, argv, "orv5_bench", true);
  if (!options) return 2;
  if (options->RecordsOnly) return orv5::PrintRecordAgreement(options->Files);
  PrintHeader();
  int status = 0;
  for (const auto& file : options->Files) status |= BenchOne(file, options->Runs);
  if (options->Files.size() > 1) PrintBatchLine(options->Files, options->Runs);
  std::printf("\n");
  status |= orv5::PrintRecordAgreement(options->Files);
  return status;
}
