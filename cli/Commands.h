#pragma once
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "savefile/Container.h"

namespace orv5 {

// Loads each file in turn and hands it to `use`; a file that fails to load is reported on
// `err` and the others still go on. Returns 0 when every file loaded, else 1. One file after
// the other on the calling thread; cli/ParallelSaves.h does the same on every core.
int ForEachLoadedSave(const std::vector<std::string>& files, std::ostream& err,
                      const std::function<void(const std::string& file, const SaveContainer& save)>& use);

// Each command prints to `out`, reports failures on `err`, and returns the exit status.
int RunInfoCommand(const std::vector<std::string>& files, std::ostream& out, std::ostream& err);
int RunJsonCommand(const std::vector<std::string>& files, std::ostream& out, std::ostream& err);
int RunTablesCommand(std::ostream& out);

}  // namespace orv5
