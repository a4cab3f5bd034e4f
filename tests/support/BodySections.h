#pragma once
// Body sections for synthetic saves: the replay log, the per-player history blocks and the
// city-state relation blocks, each written as the game lays it out.
#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/SaveBuilder.h"

namespace orv5::testing {

struct ReplayEntry {
  int32_t Turn = 0;
  std::string Text;
};

// The replay log: the run -1, 0, 1, 20000, the message count (42 bytes after the run before
// save version 7, 46 from it), the messages in the version's layout, and the session total.
// `count` overrides the message count written (-1: the number of messages).
void WriteReplayLog(ByteWriter& w, int32_t saveVersion, const std::vector<ReplayEntry>& messages,
                    int32_t sessionCount, int32_t count = -1);

using HistoryPoints = std::vector<std::pair<int32_t, int32_t>>;  // (turn, value)

// One player's history: the dataset-name list ending in "REPLAYDATASET_MILITARYMIGHT", the
// dataset count and each dataset's points.
void WriteHistoryBlock(ByteWriter& w, const std::vector<HistoryPoints>& datasets);

// The list that closes the history: the dataset names without the score, so one fewer.
void WriteClosingDatasetList(ByteWriter& w, int32_t nameCount);

// A record opened by the relation marker: the marker, a value, the kind, `gap` bytes, and 64
// influences (hundredths).
void WriteRelationBlock(ByteWriter& w, int32_t kind, int32_t gap, const std::array<int32_t, 64>& influence);

}  // namespace orv5::testing

namespace orv5::testing {

// The runaway reload list: its record count, then that many 20-byte records; the first record
// is the run 56, 41, 0, 1, -1 by which the list is found.
void WriteCancerBlock(ByteWriter& w, int32_t records);

}  // namespace orv5::testing
