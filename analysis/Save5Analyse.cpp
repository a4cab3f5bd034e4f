#include "analysis/Save5Analyse.h"

#include <array>
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

// The sections after the replay log each find their own start by searching the body. They fall
// into two halves that can run at once: each step writes only its own tables and its own fields
// of the player rows, reads no more than the header's of them, and the one cursor a step takes
// over from another (the replay log's, through the religions, for the notifications) stays
// within a half. The derived values read every table and come after both halves.
enum class Half { First, Second, AfterBoth };

struct BodyStep {
  void (*Read)(ParseContext&, SaveAnalysis&);
  Half In;
};

// In the game's section order, which is also the order of the diagnostics.
constexpr BodyStep BodySteps[] = {
    {ReadLeague, Half::First},        {ReadReligions, Half::Second},      {ReadHistory, Half::First},
    {ReadMinorRelations, Half::First}, {ReadPolicies, Half::First},        {ReadTechnologies, Half::First},
    {ReadPlayerStats, Half::First},   {ReadNotifications, Half::Second},  {ReadCities, Half::Second},
    {DeriveValues, Half::AfterBoth},  {FindCancer, Half::First},
};
constexpr size_t BodyStepCount = std::size(BodySteps);

using StepLists = std::array<std::vector<StepDiagnostic>, BodyStepCount>;

// The steps of one half, each with its own diagnostics list, on a cursor of the half's own.
void ReadHalf(ParseContext ctx, SaveAnalysis& save, Half half, StepLists& lists) {
  for (size_t i = 0; i < BodyStepCount; ++i) {
    if (BodySteps[i].In != half) continue;
    ctx.Steps = &lists[i];
    BodySteps[i].Read(ctx, save);
  }
}

void ReadBodySectionsOnTwoThreads(ParseContext& ctx, SaveAnalysis& save) {
  StepLists lists;
  std::exception_ptr failure;
  std::thread second([&] {
    try {
      ReadHalf(ctx, save, Half::Second, lists);
    } catch (...) {
      failure = std::current_exception();
    }
  });
  try {
    ReadHalf(ctx, save, Half::First, lists);
  } catch (...) {
    second.join();
    throw;
  }
  second.join();
  if (failure) std::rethrow_exception(failure);
  for (size_t i = 0; i < BodyStepCount; ++i) {
    if (BodySteps[i].In == Half::AfterBoth) BodySteps[i].Read(ctx, save);
    save.Diagnostics.insert(save.Diagnostics.end(), lists[i].begin(), lists[i].end());
  }
}

void ReadBodySections(ParseContext& ctx, SaveAnalysis& save, AnalysisThreads threads) {
  if (threads == AnalysisThreads::Two) {
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
