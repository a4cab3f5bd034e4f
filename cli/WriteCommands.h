#pragma once
#include <cstdint>
#include <ostream>
#include <string>

namespace orv5 {

// What the three writing commands share: the save to read, the file to write, and whether
// writing over the save itself is allowed.
struct WriteRequest {
  std::string Save;
  std::string Out;
  bool Force = false;
};

int RunCureCommand(const WriteRequest& request, std::ostream& out, std::ostream& err);
int RunImageCommand(const WriteRequest& request, std::ostream& out, std::ostream& err);
int RunSingleCommand(const WriteRequest& request, int32_t player, std::ostream& out, std::ostream& err);

}  // namespace orv5
