#include "cli/SaveArguments.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace orv5 {

namespace {

namespace fs = std::filesystem;

bool IsSaveName(const fs::path& path) {
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
  return extension == ".orv5save";
}

// The save files of a folder, sorted by name; false when the folder cannot be read or holds none.
bool SavesInFolder(const fs::path& folder, std::vector<std::string>& files, std::ostream& err) {
  std::error_code error;
  std::vector<std::string> found;
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
    std::error_code typeError;
    if (IsSaveName(entry->path()) && entry->is_regular_file(typeError)) found.push_back(entry->path().string());
  }
  if (error) {
    err << folder.string() << ": the folder cannot be read: " << error.message() << "\n";
    return false;
  }
  if (found.empty()) {
    err << folder.string() << ": no *.Orv5Save files in this folder\n";
    return false;
  }
  std::sort(found.begin(), found.end());
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
