#pragma once
// Which files of a folder are saves: the window's saves panel and every reading command of
// `orv5` list a folder the same way.
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace orv5 {

// True for a name ending in ".Orv5Save", the extension in any case.
bool IsSaveFileName(const std::filesystem::path& path);

// The save files directly in `folder` (not its subfolders), sorted by name. `error` says why a
// folder could not be read; the list is then empty.
std::vector<std::string> SaveFilesInFolder(const std::filesystem::path& folder, std::error_code& error);

}  // namespace orv5
