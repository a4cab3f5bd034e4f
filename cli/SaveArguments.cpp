#include "cli/SaveArguments.h"

#include <filesystem>
#include <system_error>

#include "savefile/SaveFolder.h"

namespace orv5 {

namespace {

namespace fs = std::filesystem;

// The save files of a folder, sorted by name; false when the folder cannot be read or holds none.
bool SavesInFolder(const fs::path& folder, std::vector<std::string>& files, std::ostream& err) {
  std::error_code error;
  const std::vector<std::string> found = SaveFilesInFolder(folder, error);
  if (error) {
    err << folder.string() << ": the folder cannot be read: " << error.message() << "\n";
    return false;
  }
  if (found.empty()) {
    err << folder.string() << ": no *.Orv5Save files in this folder\n";
    return false;
  }
  files.insert(files.end(), found.begin(), found.end());
  return true;
}

}  // namespace

int ExpandSaveArguments(const std::vector<std::string>& arguments, std::ostream& err, std::vector<std::string>& files) {
  int status = 0;
  for (const std::string& argument : arguments) {
    std::error_code error;
    if (!fs::is_directory(argument, error)) {
      files.push_back(argument);
    } else if (!SavesInFolder(argument, files, err)) {
      status = 1;
    }
  }
  return status;
}

}  // namespace orv5
