#pragma once
// Espionage agents, read from a player's record (QEL layout only). The notification step finds
// the record and calls this with a cursor of its own, since the agents lie between the record's
// marker and its notification list.
#include <array>
#include <cstdint>
#include <string_view>

#include "analysis/Records.h"
#include "savefile/ImageReader.h"

namespace orv5 {

inline constexpr int32_t MaxAgentsKept = 9;  // the tenth agent slot always reads as empty

// Reads the agent list that follows the record's fixed part at `cursor` into `agents` and
// returns the stored agent count (0..9). Names come from the spy names of `civName`.
int32_t ReadAgents(const ImageReader& image, int32_t cursor, std::string_view civName,
                   std::array<TAgentRec, MaxAgents>& agents);

}  // namespace orv5
