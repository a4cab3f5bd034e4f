// Placeholder until the later sections are shown in the JSON dump.
#include "cli/AnalysisJson.h"

namespace orv5 {

void AddLaterSectionsJson(nlohmann::json&, const SaveAnalysis&) {}

}  // namespace orv5
