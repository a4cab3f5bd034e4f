#include "savefile/SaveFolder.h"

#include <algorithm>
#include <cctype>

namespace orv5 {

namespace fs = std::filesystem;

bool IsSaveFileName(const fs::path& path) {
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
  return extension == ".orv5save";
}

std::vector<std::string> SaveFilesInFolder(const fs::path& folder, std::error_code& error) {
  error.clear();
  std::vector<std::string> found;
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
    std::error_code typeError;
    if (IsSaveFileName(entry->path()) && entry->is_regular_file(typeError)) found.push_back(entry->path().string());
  }
  if (error) return {};
  std::sort(found.begin(), found.end());
  return found;
}

}  // namespace orv5
