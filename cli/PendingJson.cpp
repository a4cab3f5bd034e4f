// Placeholders until each command exists.
#include "cli/AnalysisJson.h"
#include "cli/Commands.h"

namespace orv5 {

int RunJsonCommand(const std::vector<std::string>&, std::ostream&, std::ostream& err) {
  err << "orv5 json: not available yet\n";
  return 2;
}

nlohmann::json AnalysisJson(const SaveContainer&, const SaveAnalysis&) { return nlohmann::json::object(); }
nlohmann::json LoadJson(const SaveContainer&) { return nlohmann::json::object(); }

}  // namespace orv5
