// orv5 json FILE...: the whole analysis of each save. One file prints one JSON object; several
// files, or a folder, print one JSON array holding an object per save that loaded, in the order
// given (the saves are read on every core). A file that fails to load is reported on the error
// stream and makes the exit status 1; the others still print. Texts that are not valid UTF-8
// (16-bit save texts keep only their low bytes) are written with U+FFFD in place of the bad bytes.
#include <ostream>
#include <variant>

#include "analysis/Save5Analyse.h"
#include "cli/AnalysisJson.h"
#include "cli/Commands.h"
#include "cli/ParallelSaves.h"
#include "cli/SaveArguments.h"
#include "savefile/Container.h"
#include "views/ModelJson.h"

namespace orv5 {

int RunJsonCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  std::vector<std::string> files;
  int status = ExpandSaveArguments(arguments, err, files);
  const bool asArray = !(arguments.size() == 1 && files.size() == 1 && files[0] == arguments[0]);
  bool first = true;
  if (asArray) out << "[";
  status |= MapAnalysedSaves<std::string>(
      files, err,
      [](const std::string&, const SaveContainer& container, const SaveAnalysis& analysis) {
        return DumpJson(AnalysisJson(container, analysis), 1);
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
