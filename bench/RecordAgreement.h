#pragma once
// The agreement table of the derived values with the game's records, over several saves.
#include <string>
#include <vector>

namespace orv5 {

// Prints one line per save and one for all of them, then every player left out and every
// disagreement. Returns 1 when a file could not be read, else 0.
int PrintRecordAgreement(const std::vector<std::string>& files);

}  // namespace orv5
