#pragma once
// One unit per section of the save. Each step reads the image through the checked reader,
// writes only its own tables of the analysis, and records a diagnostic.
#include <cstdint>
#include <string>
#include <vector>

#include "analysis/SaveAnalysis.h"
#include "savefile/ImageReader.h"

namespace orv5 {

struct ParseContext {
  ImageReader Image;
  int32_t BodyStart = -1;
  bool HasBody = false;
  int32_t Cursor = 4;  // the main read cursor; the header starts just after the magic
  // Where the body steps list their diagnostics while the body is read on two threads (each
  // step a list of its own, joined in step order afterwards); null: the analysis's own list.
  std::vector<StepDiagnostic>* Steps = nullptr;
};

// Appends a diagnostic for a step and returns it for the step to fill in.
StepDiagnostic& AddStep(SaveAnalysis& save, std::string step);
// The same for a body step, in the list the context names.
StepDiagnostic& AddStep(ParseContext& ctx, SaveAnalysis& save, std::string step);

// Header, players and setup. ReadSaveHeader returns false when the header was not understood.
bool ReadSaveHeader(ParseContext& ctx, SaveAnalysis& save);
void BuildPlayerTable(SaveAnalysis& save);
void ReadGameOptions(ParseContext& ctx, SaveAnalysis& save);
void ReadBodyValues(ParseContext& ctx, SaveAnalysis& save);

// Replay log and play sessions.
void ReadReplayLog(ParseContext& ctx, SaveAnalysis& save);

// World congress and religions.
void ReadLeague(ParseContext& ctx, SaveAnalysis& save);
void ReadReligions(ParseContext& ctx, SaveAnalysis& save);

// History datasets and city-state relations.
void ReadHistory(ParseContext& ctx, SaveAnalysis& save);
void ReadMinorRelations(ParseContext& ctx, SaveAnalysis& save);

// Policies, technologies and the per-player economy block.
void ReadPolicies(ParseContext& ctx, SaveAnalysis& save);
void ReadTechnologies(ParseContext& ctx, SaveAnalysis& save);
void ReadPlayerStats(ParseContext& ctx, SaveAnalysis& save);

// Notification logs, agents and treasury.
void ReadNotifications(ParseContext& ctx, SaveAnalysis& save);

// Cities, then the values derived from them, the spy links and the runaway reload list.
void ReadCities(ParseContext& ctx, SaveAnalysis& save);
void ComputeDerivedValues(SaveAnalysis& save);
void FindCancer(ParseContext& ctx, SaveAnalysis& save);

// Session figures from the pre-session count (which the user may correct).
void CheckValues(SaveAnalysis& save, int32_t preSessionCount);

}  // namespace orv5
