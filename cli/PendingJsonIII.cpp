// Placeholder until the cities are shown in the JSON dump.
#include "cli/AnalysisJson.h"

namespace orv5 {

void AddCityJson(nlohmann::json&, const SaveAnalysis&) {}

}  // namespace orv5
