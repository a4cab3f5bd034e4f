#pragma once
// What happened between two saves of one game, player by player, and the replay messages of
// the turns between them.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "series/Findings.h"
#include "series/SaveSummary.h"

namespace orv5 {

struct ValueChange {
  int32_t From = 0;
  int32_t To = 0;
  bool Changed() const { return From != To; }
};

struct BuildingCompleted {
  std::string City;
  std::string Building;
  bool operator==(const BuildingCompleted&) const = default;
};

struct PlayerChanges {
  int32_t Row = 0;
  std::string Leader;
  std::string Civ;
  std::vector<std::string> CitiesFounded;
  std::vector<std::string> CitiesCaptured;  // taken from another player
  std::vector<std::string> CitiesLost;      // taken by another player or gone
  std::vector<BuildingCompleted> BuildingsCompleted;
  std::vector<std::string> TechsLearned;
  std::vector<std::string> PoliciesAdopted;
  std::vector<std::string> BeliefsAdopted;
  std::vector<std::string> SpiesGained;
  std::vector<std::string> SpiesLost;
  ValueChange Score;
  ValueChange Gold;
  ValueChange Culture;
  ValueChange Population;
  ValueChange Cities;

  bool Changed() const;
};

struct ReplayLine {
  int32_t Turn = 0;
  std::string Text;
  bool operator==(const ReplayLine&) const = default;
};

struct SaveDiff {
  std::string From;
  std::string To;
  int32_t FromTurn = 0;
  int32_t ToTurn = 0;
  std::optional<Finding> Branch;       // when the later save does not continue the earlier one
  bool HasPlayerFacts = false;         // false when either save keeps no per-player sections
  std::vector<PlayerChanges> Players;  // every row of the player table, in row order
  std::vector<ReplayLine> Replay;      // the messages the later save adds from the earlier save's turn on
};

// Why two saves cannot be compared (either is not comparable, or they belong to different
// games); empty when they can.
std::string DiffRefusal(const SaveSummary& earlier, const SaveSummary& later);

// What changed from `earlier` to `later`. Cities are matched by name across all players.
SaveDiff DiffSaves(const SaveSummary& earlier, const SaveSummary& later);

}  // namespace orv5
