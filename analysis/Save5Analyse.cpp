#include "analysis/Save5Analyse.h"

#include "analysis/Sections.h"

namespace orv5 {

StepDiagnostic& AddStep(SaveAnalysis& save, std::string step) {
  save.Diagnostics.push_back(StepDiagnostic{std::move(step), false, 0, {}});
  return save.Diagnostics.back();
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

// The sections after the replay log each find their own start by searching the body.
void ReadBodySections(ParseContext& ctx, SaveAnalysis& save) {
  ReadLeague(ctx, save);
  ReadReligions(ctx, save);
  ReadHistory(ctx, save);
  ReadMinorRelations(ctx, save);
  ReadPolicies(ctx, save);
  ReadTechnologies(ctx, save);
  ReadPlayerStats(ctx, save);
  ReadNotifications(ctx, save);
  ReadCities(ctx, save);
  ComputeDerivedValues(save);
  FindCancer(ctx, save);
  NoteEarlyBuild(save);
}

}  // namespace

SaveAnalysis Save5Analyse(const SaveContainer& container) {
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
    ReadBodySections(ctx, save);
  }
  CheckValues(save, save.PreSessionCount);
  return save;
}

SaveAnalysis AnalyseBody(const SaveContainer& container, SaveAnalysis header) {
  SaveAnalysis save = std::move(header);
  ParseContext ctx{ImageReader(container.Image()), container.BodyStart, container.HasBody(), container.BodyStart};
  if (ctx.HasBody) {
    ReadBodyValues(ctx, save);
    ReadReplayLog(ctx, save);
    ReadBodySections(ctx, save);
  }
  CheckValues(save, save.PreSessionCount);
  return save;
}

}  // namespace orv5
