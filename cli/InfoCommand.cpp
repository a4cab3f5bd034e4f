#include <ostream>

#include "cli/Commands.h"
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
  int status = 0;
  for (const std::string& file : files) {
    LoadResult result = LoadSave(file);
    if (const auto* error = std::get_if<LoadError>(&result)) {
      err << file << ": " << error->Message << "\n";
      status = 1;
      continue;
    }
    use(file, std::get<SaveContainer>(result));
  }
  return status;
}

int RunInfoCommand(const std::vector<std::string>& files, std::ostream& out, std::ostream& err) {
  return ForEachLoadedSave(files, err,
                           [&](const std::string&, const SaveContainer& save) { PrintInfoLine(save, out); });
}

}  // namespace orv5
