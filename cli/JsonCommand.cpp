// orv5 json FILE...: the whole analysis of each save. One file prints one JSON object; several
// print one JSON array holding an object per save that loaded, in the order given (the saves
// are read on every core). A file that
// fails to load is reported on the error stream and makes the exit status 1; the others still
// print. Texts that are not valid UTF-8 (16-bit save texts keep only their low bytes) are
// written with U+FFFD in place of the bad bytes.
#include <ostream>
#include <variant>

#include "analysis/Save5Analyse.h"
#include "cli/AnalysisJson.h"
#include "cli/Commands.h"
#include "cli/ParallelSaves.h"
#include "savefile/Container.h"

namespace orv5 {

namespace {

std::string Dump(const nlohmann::json& document) {
  return document.dump(1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace

int RunJsonCommand(const std::vector<std::string>& files, std::ostream& out, std::ostream& err) {
  const bool asArray = files.size() != 1;
  bool first = true;
  if (asArray) out << "[";
  const int status = MapAnalysedSaves<std::string>(
      files, err,
      [](const std::string&, const SaveContainer& container, const SaveAnalysis& analysis) {
        return Dump(AnalysisJson(container, analysis));
      },
      [&](const std::string&, std::string& dump) {
        if (asArray) out << (first ? "\n" : ",\n");
        first = false;
        out << dump;
      });
  if (asArray) out << (first ? "]" : "\n]");
  if (!first || asArray) out << "\n";
  return status;
}

}  // namespace orv5
