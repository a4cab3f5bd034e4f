#pragma once
// What each analysis step found. Oddities of a save are data, shown to the user, not errors.
#include <cstdint>
#include <string>
#include <vector>

namespace orv5 {

struct StepDiagnostic {
  std::string Step;     // "header", "players", "replay", ...
  bool Found = false;   // the step found its section
  int32_t Records = 0;  // records it took
  std::string Stop;     // why it stopped, when a search or a check ended it
};

}  // namespace orv5
