#pragma once
// Everything one analysis of a save produces. A new value is built per load; nothing is
// global, and a failed load never touches the value on screen.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "analysis/Diagnostics.h"
#include "analysis/Records.h"

namespace orv5 {

inline constexpr int MaxReplayMessages = 65536;
inline constexpr int MaxSessionTurns = 4097;
inline constexpr int MaxHistoryRows = 64;
inline constexpr int MaxDatasets = 27;
inline constexpr int HistoryTurns = 1500;  // values 0..1499 of each dataset
inline constexpr int MaxCities = 500;
inline constexpr int MaxDlc = 99;
inline constexpr int MaxGameOptions = 24;
inline constexpr int ExtraNameCount = 50;
inline constexpr int MaxLeagueProjects = 3;
inline constexpr int WonderCount = 5;

using SlotList = std::array<int32_t, MaxPlayers>;
constexpr SlotList FilledSlots(int32_t value) {
  SlotList filled{};  // not "slots": the window's toolkit defines that word
  for (int32_t& entry : filled) entry = value;
  return filled;
}
// [dataset][turn]; each dataset runs only to the last turn read (at most HistoryTurns values), so
// a player costs a few KB rather than the 162 KB of the full table.
using HistoryRow = std::array<std::vector<int32_t>, MaxDatasets>;
using PlayerGrid = std::array<int32_t, MaxPlayers>;                            // one row of [64][64]

struct LeagueProject {
  int32_t ProjectId = -1;
  std::array<int32_t, MaxPlayers> Contribution{};
  int32_t Flag1 = 0;
  int32_t Flag2 = 0;
  int32_t Total = 0;
};

struct SaveAnalysis {
  // Version state.
  int32_t SaveVersion = 0;
  std::string GameVersionText;
  std::string BuildText;
  int32_t BuildNumber = 0;
  int32_t BuildAbove341539 = 0;
  int32_t BuildAbove379994 = 0;
  int32_t BuildAbove395069 = 0;
  int32_t HasExpansion1 = 0;
  int32_t IsQEL = 0;
  int32_t HasSlotNameTables = 0;

  // Game setup texts.
  std::string CivNameText;
  std::string LevelText;
  std::string StartingEraText;
  std::string CurrentEraText;
  std::string GameSpeedText;
  std::string WorldSizeText;
  std::string MapScriptText;
  std::string UserName;

  // Per-slot lists of the header.
  SlotList SlotCiv{};
  SlotList SlotStatus{};
  SlotList SlotLeader{};
  SlotList SlotMinorCiv{};
  SlotList SlotIsMinor{};
  // Difficulty row of each slot (save version 8): humans play at the level they chose, computer
  // players at the level the game gives them, which need not be a row of the table; -1 unknown.
  SlotList SlotHandicap = FilledSlots(-1);
  std::array<std::string, MaxPlayers> SlotCivKeys{};
  std::array<std::string, MaxPlayers> SlotLeaderKeys{};
  std::array<std::string, MaxPlayers> SlotMinorKeys{};

  // Packages and the names they bring: ExtraCivNames[k] is civilization 20 + k,
  // ExtraLeaderNames[k] is leader 19 + k.
  std::vector<std::string> DlcNames;  // one per package entry read, at most 99
  std::vector<int32_t> DlcPresent;
  std::array<std::string, ExtraNameCount> ExtraCivNames{};
  std::array<std::string, ExtraNameCount> ExtraLeaderNames{};

  // Game values.
  int32_t ActivePlayer = 0;
  int32_t GameType = 0;
  std::array<int32_t, 5> VictoryAllowed{};
  std::vector<std::string> GameOptionNames;  // at most 24
  std::vector<int32_t> GameOptionValues;
  int32_t StartingEraIndex = 0;
  int32_t CurrentEraIndex = 0;
  int32_t LevelIndex = 3;
  int32_t VictoryType = 0;
  int32_t GameOver = 0;
  int32_t GameScore = 0;
  int32_t WorldSizeIndex = 3;
  int32_t WorldSizePercent = 0;
  int32_t WorldSizeFactor = 5;
  int32_t DifficultyPercent1 = 100;
  int32_t DifficultyPercent2 = 100;
  int32_t DifficultyPercent4 = 100;
  int32_t DifficultyPercent5 = 100;
  int32_t DifficultyPercent6 = 100;
  int32_t DifficultyPercent7 = 100;
  int32_t EraCityPercent = 100;
  int32_t EraSparePercent = 100;
  int32_t EraLeaguePercent = 100;
  int32_t EraResearchPercent = 100;

  // Body values at fixed places after the start of the body.
  int32_t ElapsedTurns = 0;
  int32_t StartTurn = 0;
  int32_t TurnLimit = 0;
  int32_t CurrentTurn = 0;
  int32_t SpeedIndex = 2;
  int32_t CurrentYear = 0;
  std::string CurrentDateText;
  int32_t SpeedPercent = 100;
  int32_t PlayTime = 0;
  int32_t PlaySeconds = 0;

  // Offsets of header fields that the save editors change (same in the file and the image).
  int32_t FlagBytePos = 0;
  int32_t SlotStatusPos = 0;
  int32_t ActivePlayerPos = 0;
  int32_t GameTypePos = 0;
  int32_t SlotStatus2Pos = 0;

  // The player table: one row per slot that takes part, in slot order.
  std::vector<TLeaderInfoRec> Leaders;
  int32_t LeaderCount = 0;
  int32_t MajorPlayerCount = 0;

  // Replay log and play sessions.
  std::vector<TReplayMsgRec> ReplayMessages;
  int32_t ReplayCount = 0;
  std::vector<int32_t> SessionTurns;
  int32_t SessionLines = 1;
  std::vector<std::string> SessionListLines;  // "%3d%5d%6d %s | " per session
  int32_t PreSessionCount = 0;
  int32_t SessionCount = 0;
  int32_t PlaySessionCount = 0;
  int32_t AverageSessionSeconds = 0;

  // World congress.
  std::array<LeagueProject, MaxLeagueProjects> LeagueProjects{};

  // Per-turn history (row = n-th player block met) and city-state relations
  // (row = n-th relation block met; column = player slot).
  std::vector<HistoryRow> HistoryTable;
  std::vector<PlayerGrid> MinorInfluence;
  std::vector<PlayerGrid> MinorFriend;
  std::vector<PlayerGrid> MinorAlly;

  // Policies adopted, by the n-th policy record met.
  std::vector<std::array<int32_t, MaxPolicies>> PolicyFlags;

  // Notification logs by player row.
  std::vector<TNotificationLog> NotificationLogs;

  // Cities: CityTable[player row] holds that player's cities in the order met.
  std::vector<std::vector<TCityRec>> CityTable;
  std::vector<std::string> CityNameList;   // every city parsed, all players, in parse order
  std::vector<int32_t> CityOwnerList;
  std::array<int32_t, WonderCount> WonderOwner{-1, -1, -1, -1, -1};

  // The runaway reload list that Cure removes.
  int32_t CancerPos = 0;
  int32_t CancerCount = 0;

  std::vector<StepDiagnostic> Diagnostics;
};

}  // namespace orv5
