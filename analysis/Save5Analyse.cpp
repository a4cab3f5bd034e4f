#include "analysis/Save5Analyse.h"

#include "analysis/Sections.h"

namespace orv5 {

StepDiagnostic& AddStep(SaveAnalysis& save, std::string step) {
  save.Diagnostics.push_back(StepDiagnostic{std::move(step), false, 0, {}});
  return save.Diagnostics.back();
}

namespace {

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
