// Sections not yet decoded; each is removed from here when its unit exists.
#include "analysis/Sections.h"

namespace orv5 {

bool ReadSaveHeader(ParseContext&, SaveAnalysis& save) {
  AddStep(save, "header").Stop = "not decoded yet";
  return false;
}
void BuildPlayerTable(SaveAnalysis&) {}
void ReadGameOptions(ParseContext&, SaveAnalysis&) {}
void ReadBodyValues(ParseContext&, SaveAnalysis&) {}
void ReadReplayLog(ParseContext&, SaveAnalysis&) {}
void ReadHistory(ParseContext&, SaveAnalysis&) {}
void ReadMinorRelations(ParseContext&, SaveAnalysis&) {}
void CheckValues(SaveAnalysis&, int32_t) {}

}  // namespace orv5
