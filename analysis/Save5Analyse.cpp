#include "analysis/Save5Analyse.h"

#include <array>
#include <atomic>
#include <exception>
#include <iterator>
#include <thread>

#include "analysis/Sections.h"

namespace orv5 {

StepDiagnostic& AddStep(SaveAnalysis& save, std::string step) {
  save.Diagnostics.push_back(StepDiagnostic{std::move(step), false, 0, {}});
  return save.Diagnostics.back();
}

StepDiagnostic& AddStep(ParseContext& ctx, SaveAnalysis& save, std::string step) {
  std::vector<StepDiagnostic>& steps = ctx.Steps ? *ctx.Steps : save.Diagnostics;
  steps.push_back(StepDiagnostic{std::move(step), false, 0, {}});
  return steps.back();
}

namespace {

// Early builds of the base game keep none of the per-player sections where later builds do;
// empty tables must then not read as "nothing there".
void NoteEarlyBuild(SaveAnalysis& save) {
  constexpr int32_t FirstVersionWithBuildText = 6;
  if (save.SaveVersion >= FirstVersionWithBuildText || save.IsQEL || save.HasExpansion1) return;
  static const char* const perPlayerSteps[] = {"history",    "relations",     "policies", "technologies",
                                               "statistics", "notifications", "cities"};
  for (const StepDiagnostic& step : save.Diagnostics) {
    for (const char* name : perPlayerSteps) {
      if (step.Step == name && step.Found) return;
    }
  }
  AddStep(save, "early build").Stop =
      "This save was written by an early build of the base game (version " + save.GameVersionText +
      "). Its settings, players, replay log and reload sessions are shown; cities, policies, technologies, "
      "statistics, notifications, history and city-state relations cannot be read from this build.";
}

void DeriveValues(ParseContext&, SaveAnalysis& save) { ComputeDerivedValues(save); }

// The sections after the replay log each find their own start by searching the body, and can be
// read at once in any order: each step writes only its own tables and its own fields of the
// player rows and reads no more than the header's of them. Steps that take over a cursor from
// another (the religions' end, for the notifications) form one unit, read in order; every unit
// starts from the replay log's end. The derived values read every table and come after all.
constexpr int AfterAllUnits = -1;

struct BodyStep {
  void (*Read)(ParseContext&, SaveAnalysis&);
  int Unit;
};

// In the game's section order, which is also the order of the diagnostics. Two threads take the
// units in the order of their numbers, the costliest first (cities, then the notifications and
// history, which grow with the players and the turns), so that both finish at about one time.
constexpr BodyStep BodySteps[] = {
    {ReadLeague, 4},        {ReadReligions, 1},    {ReadHistory, 2},    {ReadMinorRelations, 5},
    {ReadPolicies, 6},      {ReadTechnologies, 7}, {ReadPlayerStats, 3}, {ReadNotifications, 1},
    {ReadCities, 0},        {DeriveValues, AfterAllUnits},              {FindCancer, 8},
};
constexpr size_t BodyStepCount = std::size(BodySteps);
constexpr int UnitCount = 9;

using StepLists = std::array<std::vector<StepDiagnostic>, BodyStepCount>;

// Takes units until none is left; each step lists its diagnostics apart, for the order of the
// steps to be restored afterwards.
void ReadUnits(const ParseContext& ctx, SaveAnalysis& save, std::atomic<int>& nextUnit, StepLists& lists) {
  for (int unit = nextUnit++; unit < UnitCount; unit = nextUnit++) {
    ParseContext own = ctx;
    for (size_t i = 0; i < BodyStepCount; ++i) {
      if (BodySteps[i].Unit != unit) continue;
      own.Steps = &lists[i];
      BodySteps[i].Read(own, save);
    }
  }
}

void ReadBodySectionsOnTwoThreads(ParseContext& ctx, SaveAnalysis& save) {
  StepLists lists;
  std::atomic<int> nextUnit = 0;
  std::exception_ptr failure;
  std::thread second([&] {
    try {
      ReadUnits(ctx, save, nextUnit, lists);
    } catch (...) {
      failure = std::current_exception();
    }
  });
  try {
    ReadUnits(ctx, save, nextUnit, lists);
  } catch (...) {
    nextUnit = UnitCount;
    second.join();
    throw;
  }
  second.join();
  if (failure) std::rethrow_exception(failure);
  for (size_t i = 0; i < BodyStepCount; ++i) {
    if (BodySteps[i].Unit == AfterAllUnits) BodySteps[i].Read(ctx, save);
    save.Diagnostics.insert(save.Diagnostics.end(), lists[i].begin(), lists[i].end());
  }
}

// A build without threads (the web page's wasm) and a machine of one core read on one thread.
bool SecondThreadHelps() {
#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
  return false;
#else
  return std::thread::hardware_concurrency() != 1;
#endif
}

void ReadBodySections(ParseContext& ctx, SaveAnalysis& save, AnalysisThreads threads) {
  if (threads == AnalysisThreads::Two && SecondThreadHelps()) {
    ReadBodySectionsOnTwoThreads(ctx, save);
  } else {
    for (const BodyStep& step : BodySteps) step.Read(ctx, save);
  }
  NoteEarlyBuild(save);
}

}  // namespace

SaveAnalysis Save5Analyse(const SaveContainer& container, AnalysisThreads threads) {
  SaveAnalysis save;
  ParseContext ctx{ImageReader(container.Image()), container.BodyStart, container.HasBody(), 4};
  const bool headerUnderstood = ReadSaveHeader(ctx, save);
  if (headerUnderstood) {
    BuildPlayerTable(save);
    ReadGameOptions(ctx, save);
  }
  if (headerUnderstood && ctx.HasBody) {
    ReadBodyValues(ctx, save);
    ReadReplayLog(ctx, save);
    ReadBodySections(ctx, save, threads);
  }
  CheckValues(save, save.PreSessionCount);
  return save;
}

SaveAnalysis AnalyseBody(const SaveContainer& container, SaveAnalysis header, AnalysisThreads threads) {
  SaveAnalysis save = std::move(header);
  ParseContext ctx{ImageReader(container.Image()), container.BodyStart, container.HasBody(), container.BodyStart};
  if (ctx.HasBody) {
    ReadBodyValues(ctx, save);
    ReadReplayLog(ctx, save);
    ReadBodySections(ctx, save, threads);
  }
  CheckValues(save, save.PreSessionCount);
  return save;
}

}  // namespace orv5
