#pragma once
// What the work over several saves needs of one save: the settings that identify its game, the
// past it records (replay texts, history samples, sessions, play time) and the per-player facts
// a comparison of two saves reports. A summary is a few hundred KB where a loaded save is tens of
// MB, so a folder of saves is summarised one save at a time and only the summaries are kept.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "analysis/SaveAnalysis.h"
#include "refdata/RefTables.h"

namespace orv5 {

// The settings a game keeps for its whole life. Saves whose identities are equal are saves of
// one game; texts that change during a game (current era, the active player's nation and
// difficulty, game type, user name, options, versions) are left out.
struct GameIdentity {
  GameVariant Variant = GameVariant::Base;
  std::string MapScript;  // lower case, '/' between folders: the game writes either separator
  std::string WorldSize;
  std::string GameSpeed;
  std::string StartingEra;
  int32_t StartTurn = 0;
  int32_t TurnLimit = 0;
  std::vector<std::string> Players;  // "slot 0: Greece (Alexander)" for every row of the player table

  bool operator==(const GameIdentity&) const = default;
};

struct CityFacts {
  std::string Name;
  int32_t Population = 0;
  std::vector<std::string> Buildings;  // standing buildings and wonders, by name
};

// One row of the player table, as the comparison of two saves needs it.
struct PlayerFacts {
  int32_t Row = 0;
  std::string Leader;
  std::string Civ;
  std::vector<CityFacts> Cities;
  std::vector<std::string> Techs;     // known technologies
  std::vector<std::string> Policies;  // adopted policies
  std::vector<std::string> Beliefs;
  std::vector<std::string> Spies;  // agent names
  int32_t Score = 0;               // the history's score at the save's turn
  int32_t Gold = 0;                // whole gold
  int32_t Culture = 0;             // culture accumulated over the game
};

struct ReplayText {
  std::string Text;
  bool OpensSession = false;  // a load of the game, which the session list judges, not a game event
  bool operator==(const ReplayText&) const = default;
};

using ReplayByTurn = std::map<int32_t, std::vector<ReplayText>>;  // messages of each turn in log order

struct SaveSummary {
  std::string File;
  std::string NotComparable;  // why the save cannot be compared with others; empty when it can
  GameIdentity Game;
  std::string GameTitle;  // "continents.lua, Tiny, Quick, Ancient start: Greece, Aztec, ..."
  int32_t Turn = 0;
  int32_t PlayTime = 0;  // tenths of a second
  int32_t PlaySeconds = 0;
  ReplayByTurn Replay;
  bool HasHistory = false;  // the history step found the players' blocks
  std::vector<HistoryRow> History;
  int32_t LastHistoryTurn = -1;  // the latest turn any player has a history sample for
  std::vector<int32_t> SessionTurns;
  int32_t CancerCount = 0;
  bool HasPlayerFacts = false;  // false for an early build, whose body keeps no per-player sections
  std::vector<PlayerFacts> Players;

  bool Comparable() const { return NotComparable.empty(); }
};

// Summarises one analysis; `file` names the save in findings and reports.
SaveSummary SummariseSave(std::string file, const SaveAnalysis& save);

// The latest turn of the history table that holds a sample, -1 when there is none. A dataset
// runs to its last sample, so this is the longest dataset's last turn.
int32_t LastHistoryTurn(const std::vector<HistoryRow>& history);

// The per-player facts of one row (cities, technologies, policies, beliefs, agents, treasury).
PlayerFacts FactsOfPlayer(const SaveAnalysis& save, int32_t row);

}  // namespace orv5
