#include <algorithm>
#include <ostream>
#include <sstream>

#include "cli/Commands.h"
#include "cli/ParallelSaves.h"
#include "cli/SaveArguments.h"
#include "savefile/Container.h"

namespace orv5 {

namespace {

void PrintInfoLine(const SaveContainer& save, std::ostream& out) {
  out << save.Path << ": FileLength " << save.FileLength << ", BodyStart " << save.BodyStart;
  if (!save.HasBody()) {
    out << ", no body, ImageLength " << save.ImageLength << "\n";
    return;
  }
  out << ", PackedLength " << save.PackedLength << ", chunks " << save.ChunkCount << ", BodyLength " << save.BodyLength
      << ", TailLength " << save.TailLength << ", ImageLength " << save.ImageLength << ", final block "
      << (save.StreamFinished ? "yes" : "no") << "\n";
}

}  // namespace

int RunInfoCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  std::vector<std::string> files;
  const int expanded = ExpandSaveArguments(arguments, err, files);
  return std::max(expanded, MapLoadedSaves<std::string>(
      files, err,
      [](const std::string&, const SaveContainer& save, AnalysisThreads) {
        std::ostringstream line;
        PrintInfoLine(save, line);
        return line.str();
      },
      [&](const std::string&, std::string& line) { out << line; }));
}

}  // namespace orv5
