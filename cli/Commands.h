#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace orv5 {

// Each command prints to `out`, reports failures on `err`, and returns the exit status.
int RunInfoCommand(const std::vector<std::string>& files, std::ostream& out, std::ostream& err);
int RunJsonCommand(const std::vector<std::string>& files, std::ostream& out, std::ostream& err);
int RunTablesCommand(std::ostream& out);

}  // namespace orv5
