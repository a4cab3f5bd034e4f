#pragma once
// The save keeps one policy, technology, statistics and player record for every slot 0..63,
// empty slots included, in slot order; the player table holds only the slots that take part.
// SlotRows turns the slot of such a record into its row of `Leaders`, -1 for a slot without
// one, so that city-state rows never receive the data of an empty slot.
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "analysis/SaveAnalysis.h"
#include "refdata/Lookups.h"

namespace orv5 {

class SlotRows {
 public:
  explicit SlotRows(const SaveAnalysis& save) {
    const size_t rowCount = std::min(save.Leaders.size(), static_cast<size_t>(std::max(save.LeaderCount, 0)));
    std::vector<int32_t> slots;
    slots.reserve(rowCount);
    for (size_t r = 0; r < rowCount; ++r) slots.push_back(save.Leaders[r].Slot);
    for (int32_t s = 0; s < MaxPlayers; ++s) rows_[static_cast<size_t>(s)] = Slot2Index(s, slots);
  }

  // Row of the record with this slot number; -1 outside 0..63 or when the slot has no row.
  int32_t operator()(int32_t slot) const {
    return (slot >= 0 && slot < MaxPlayers) ? rows_[static_cast<size_t>(slot)] : -1;
  }

 private:
  std::array<int32_t, MaxPlayers> rows_{};
};

}  // namespace orv5
