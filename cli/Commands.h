#pragma once
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "savefile/Container.h"

namespace orv5 {

// Each command prints to `out`, reports failures on `err`, and returns the exit status. The
// reading commands take files and folders of saves (cli/SaveArguments.h) and read them on every
// core (cli/ParallelSaves.h).
int RunInfoCommand(const std::vector<std::string>& files, std::ostream& out, std::ostream& err);
int RunJsonCommand(const std::vector<std::string>& files, std::ostream& out, std::ostream& err);
int RunTablesCommand(std::ostream& out);

}  // namespace orv5
