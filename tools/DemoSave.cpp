#include "tools/DemoSave.h"

#include <algorithm>
#include <stdexcept>

#include "refdata/RefTables.h"
#include "tests/support/HeaderBuilder.h"
#include "tools/DemoPlan.h"

namespace orv5::demo {

namespace {

constexpr const char* CityStateKeys[CityStateCount] = {"MINOR_CIV_GENEVA", "MINOR_CIV_BUDAPEST", "MINOR_CIV_GENOA",
                                                       "MINOR_CIV_FLORENCE"};

// Four nations and four city-states; every other slot, the barbarians' too, stays empty, as
// the game option below says.
void SetUpHeader(testing::HeaderFields& header) {
  header.CivKey = "CIVILIZATION_FRANCE";
  header.HandicapKey = "HANDICAP_PRINCE";
  header.CurrentEraKey = "ERA_MEDIEVAL";
  header.WorldSizeKey = "WORLDSIZE_SMALL";
  header.UserName = "Demo Player";
  for (int32_t slot = 0; slot < testing::SlotCount; ++slot) {
    if (IsNationSlot(slot)) continue;
    if (IsCityStateSlot(slot)) {
      header.Slots[static_cast<size_t>(slot)].MinorKey = CityStateKeys[slot - FirstCityStateSlot];
    } else {
      header.Slots[static_cast<size_t>(slot)] = testing::SlotEntry{};
    }
  }
  header.GameOptions = {{"GAMEOPTION_NO_BARBARIANS", 1},
                        {"GAMEOPTION_QUICK_COMBAT", 1},
                        {"GAMEOPTION_RAGING_BARBARIANS", 0},
                        {"GAMEOPTION_END_TURN_TIMER_ENABLED", 0}};
}

int32_t BeliefId(std::string_view key) {
  const auto table = BeliefTable();
  const auto row = std::find_if(table.begin(), table.begin() + BeliefSearchRows,
                                [key](const TBeliefInfoRec& belief) { return belief.Key == key; });
  if (row == table.begin() + BeliefSearchRows) throw std::logic_error("no belief " + std::string(key));
  return row->Hash;
}

// The founders' beliefs: a pantheon for Spain, a religion with its pantheon for the others.
void WriteReligions(testing::ByteWriter& w) {
  const std::vector<testing::ReligionSpec> religions = {
      {0,
       {BeliefId("BELIEF_GOD_CRAFTSMEN"), BeliefId("BELIEF_TITHE"), BeliefId("BELIEF_CATHEDRALS"),
        BeliefId("BELIEF_ITINERANT_PREACHERS")}},
      {1, {BeliefId("BELIEF_STONE_CIRCLES")}},
      {2, {BeliefId("BELIEF_GOD_SEA"), BeliefId("BELIEF_CHURCH_PROPERTY"), BeliefId("BELIEF_MONASTERIES")}},
      {3, {BeliefId("BELIEF_SUN_GOD"), BeliefId("BELIEF_PILGRIMAGE"), BeliefId("BELIEF_PAGODAS")}},
  };
  // The database image follows the game's own data; it is opened at the end of the body.
  testing::WriteReligionList(w, GameVariant::QEL, religions, false);
}

// The World's Fair, nearly three quarters built; contributions are hundredths of hammers by slot.
void WriteLeague(testing::ByteWriter& w) {
  std::vector<int32_t> contributions(22, 0);
  contributions[0] = 42000;
  contributions[1] = 18050;
  contributions[2] = 31075;
  contributions[3] = 9000;
  testing::WriteLeagueBlock(w, NationCount, {{1, contributions, false, false}});
}

void WriteHistory(testing::ByteWriter& w) {
  for (int32_t row = 0; row < NationCount + CityStateCount; ++row) testing::WriteHistoryBlock(w, HistoryOf(row));
  testing::WriteClosingDatasetList(w, QELDatasets - 1);
}

// One relation block per slot; only the city-states' rows hold influence (hundredths).
void WriteRelations(testing::ByteWriter& w) {
  constexpr int32_t Influence[CityStateCount][NationCount] = {
      {6550, 3200, 1150, 400},  // Geneva: France's ally
      {1800, 4100, 2650, 0},    // Budapest
      {3050, 900, 7200, 1300},  // Genoa: England's ally
      {2400, 0, 500, 3650},     // Florence
  };
  for (int32_t slot = 0; slot < SaveSlots; ++slot) {
    std::array<int32_t, 64> influence{};
    if (IsCityStateSlot(slot)) {
      for (int32_t n = 0; n < NationCount; ++n)
        influence[static_cast<size_t>(n)] = Influence[slot - FirstCityStateSlot][n];
    }
    testing::WriteRelationBlock(w, 38, 2500, influence);
  }
}

}  // namespace

bool IsNationSlot(int32_t slot) { return slot >= 0 && slot < NationCount; }

bool IsCityStateSlot(int32_t slot) { return slot >= FirstCityStateSlot && slot < FirstCityStateSlot + CityStateCount; }

// The sections in the order of a game's body: each step of the analysis finds its own by
// searching, but the league and religion steps search on from the end of the replay log.
testing::Bytes BuildDemoSave() {
  testing::SyntheticSave save = testing::MakeSave(testing::Layout::QEL, 8);
  SetUpHeader(save.Header);
  save.Body.ElapsedTurns = DemoTurns;
  save.Body.LevelIndex = 3;  // Prince, as the header says
  save.Body.GameScore = NationOfSlot(0).Score;
  save.Body.PlayTime = 72000;  // two hours
  testing::ByteWriter& w = save.Sections;
  testing::WriteReplayLog(w, 8, ReplayLog(), 4);
  WriteReligions(w);
  WriteLeague(w);
  WriteHistory(w);
  WriteRelations(w);
  WritePlayerSections(w);
  WriteCities(w);
  testing::WriteCancerBlock(w, 5);
  testing::WriteDatabaseStart(w);
  return save.File();
}

}  // namespace orv5::demo
