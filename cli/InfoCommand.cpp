#include <ostream>
#include <sstream>

#include "cli/Commands.h"
#include "cli/ParallelSaves.h"
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

int ForEachLoadedSave(const std::vector<std::string>& files, std::ostream& err,
                      const std::function<void(const std::string& file, const SaveContainer& save)>& use) {
  return MapLoadedSaves<bool>(
      files, err,
      [&](const std::string& file, const SaveContainer& save, AnalysisThreads) {
        use(file, save);
        return true;
      },
      [](const std::string&, bool&) {}, 1);
}

int RunInfoCommand(const std::vector<std::string>& files, std::ostream& out, std::ostream& err) {
  return MapLoadedSaves<std::string>(
      files, err,
      [](const std::string&, const SaveContainer& save, AnalysisThreads) {
        std::ostringstream line;
        PrintInfoLine(save, line);
        return line.str();
      },
      [&](const std::string&, std::string& line) { out << line; });
}

}  // namespace orv5
