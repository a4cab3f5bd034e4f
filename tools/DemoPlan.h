#pragma once
// The game the demo save holds: France (the human player), Spain, England and the Inca in
// slots 0..3 and four city-states in slots 22..25, 60 turns into a standard-speed game. Each
// part of the body is written by its own file from the same plan, so that what one tab shows
// agrees with the others (the history ends on the figures the statistics record, a wonder's
// replay message names the city that holds it).
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/BodyBuilder.h"
#include "tests/support/BodySections.h"
#include "tests/support/SaveBuilder.h"

namespace orv5::demo {

inline constexpr int32_t DemoTurns = 60;
inline constexpr int32_t DemoSpeedIndex = 2;  // the 500-turn calendar
inline constexpr int32_t NationCount = 4;     // slots 0..3
inline constexpr int32_t FirstCityStateSlot = 22;
inline constexpr int32_t CityStateCount = 4;  // slots 22..25
inline constexpr int32_t SaveSlots = 64;      // the save keeps one record of each kind per slot
inline constexpr int32_t QELDatasets = 27;

bool IsNationSlot(int32_t slot);
bool IsCityStateSlot(int32_t slot);

// ---- Nations (DemoPlayers.cpp).

// What a nation has at the saved turn.
struct NationPlan {
  int32_t Slot = 0;
  std::string Name;                                   // as the replay log and notifications name the leader
  std::vector<int32_t> Policies;                      // positions in the QEL policy table
  std::vector<int32_t> KnownTechs;                    // positions in the QEL technology table
  std::vector<std::pair<int32_t, int32_t>> Research;  // (position, hundredths) of unfinished ones
  int32_t CurrentResearch = 0;                        // stored with the nation's first city
  int32_t Score = 0;
  int32_t Gold = 0;  // hundredths
  testing::StatsSpec Stats;
};

const std::vector<NationPlan>& Nations();
const NationPlan& NationOfSlot(int32_t slot);

// Policies, technologies, statistics and the player records (agents, notifications,
// treasury), one of each per slot, in slot order.
void WritePlayerSections(testing::ByteWriter& w);

// Agents, each sitting in a city whose espionage lists name it.
struct SpyPlan {
  int32_t OwnerSlot = 0;
  int32_t Agent = 0;  // index in the owner's agent list
  const char* CityKey = "";
  int32_t NameIndex = 0, Rank = 0, State = 0;
  bool Operation = false;  // gathering intelligence: the city records the operation's progress
};

const std::vector<SpyPlan>& Spies();

// ---- Cities (DemoCities.cpp).

int32_t CityCountAt(int32_t slot, int32_t turn);  // cities the slot held on that turn
int32_t PopulationOf(int32_t slot);
std::array<int32_t, 2> CityXY(std::string_view nameKey);
std::string CityDisplayName(std::string_view nameKey);  // "TXT_KEY_CITY_NAME_PARIS": "Paris"
// Foundings, captures and wonders, as the replay log tells them.
std::vector<testing::ReplayEntry> CityEvents();
void WriteCities(testing::ByteWriter& w);

// ---- History and replay log (DemoHistory.cpp).

std::vector<testing::ReplayEntry> ReplayLog();
// One curve per statistic for the player in that row of the player table.
std::vector<testing::HistoryPoints> HistoryOf(int32_t row);

}  // namespace orv5::demo
