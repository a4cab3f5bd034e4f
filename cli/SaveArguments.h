#pragma once
// The saves a command's arguments stand for: every reading command takes files and folders.
#include <ostream>
#include <string>
#include <vector>

namespace orv5 {

// Appends to `files` the saves the arguments name: a file as given (the loader says why when it
// is no save), a folder as the *.Orv5Save files in it (the extension in any case, not its
// subfolders), sorted by name. Returns 1 when a folder could not be read or holds no save
// (each said on `err`), else 0.
int ExpandSaveArguments(const std::vector<std::string>& arguments, std::ostream& err, std::vector<std::string>& files);

}  // namespace orv5
