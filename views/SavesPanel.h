#pragma once
// The saves panel: one row per save of a folder, grouped by game and, within a game, along its
// lines of play (a save that starts a second line sits under the save it continues), with the
// findings of the series check as a mark. Saves that cannot be compared, and files that could
// not be loaded, are listed apart with the reason. The window binds these rows to a tree view.
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "analysis/SaveAnalysis.h"
#include "series/SaveSeries.h"

namespace orv5 {

enum class PanelColumn {
  File,
  Civilization,
  Leader,
  Turn,
  Date,
  GameType,
  Score,
  PlayTime,
  Sessions,
  ReloadRecords,
  Line,
  Findings,
};
inline constexpr int PanelColumnCount = 12;

// "File", "Civilization", "Leader", "Turn", ...
std::string_view PanelColumnTitle(PanelColumn column);

// What a row shows of one save, taken from its analysis: the active player's nation and leader,
// the turn and its date, the game type, score, play time, sessions and reload records.
struct PanelFacts {
  std::string Civilization;
  std::string Leader;
  int32_t Turn = 0;
  std::string Date;
  std::string GameType;
  int32_t Score = 0;
  int32_t PlayTime = 0;  // tenths of a second
  int32_t Sessions = 0;
  int32_t ReloadRecords = 0;
};

PanelFacts PanelFactsOf(const SaveAnalysis& save);

// One file of the folder: a save with its facts and summary, or a file the loader refused.
struct PanelEntry {
  std::string File;     // the file's name, as findings and comparisons name it
  std::string Refusal;  // why the file could not be loaded; empty when it was
  PanelFacts Facts;
  bool Loaded() const { return Refusal.empty(); }
};

// How a column sorts: numbers by value, texts without regard to case.
struct PanelSortKey {
  int64_t Number = 0;
  std::string Text;
  bool operator<(const PanelSortKey& other) const {
    return Number != other.Number ? Number < other.Number : Text < other.Text;
  }
};

enum class PanelRowKind { Game, Save, Apart };

struct PanelRow {
  PanelRowKind Kind = PanelRowKind::Save;
  int Parent = -1;            // row index; -1 for a top row (a game or the group apart)
  std::vector<int> Children;  // row indexes in the order of the lines of play
  int Entry = -1;             // the file of a save row or a row apart; -1 for a group row
  std::array<std::string, PanelColumnCount> Texts;
  std::array<PanelSortKey, PanelColumnCount> Keys;
  std::string FindingsTip;  // the findings' sentences, one per line
  bool Marked = false;      // the save has findings, or could not be compared or loaded
};

// Why two rows cannot be compared, or which of them comes first.
struct PanelPair {
  int Earlier = -1;  // entries
  int Later = -1;
  std::string Refusal;
};

class SavesPanelModel {
 public:
  using FindingsOfFiles = std::map<std::string, std::vector<const Finding*>>;

  // Adds a file, or replaces the entry of the same name (a save written again); the rows change
  // only at the next Regroup. Returns the entry's index.
  int PutSave(std::string file, const PanelFacts& facts, SaveSummary summary);
  int PutRefused(std::string file, std::string why);
  // Forgets a file that left the folder; false when it was not listed.
  bool Remove(std::string_view file);
  void Clear();

  // Runs the series check over every entry and rebuilds the rows.
  void Regroup();

  const std::vector<PanelRow>& Rows() const { return rows_; }
  std::vector<int> TopRows() const;
  const std::vector<PanelEntry>& Entries() const { return entries_; }
  int FindEntry(std::string_view file) const;
  // The row of an entry, -1 before the next Regroup lists it.
  int RowOfEntry(int entry) const;
  const SeriesCheck& Check() const { return check_; }

  // The two entries in their game's order, or why they cannot be compared.
  PanelPair PairOf(int first, int second) const;
  // The save an entry continues (its parent in the lines of play); -1 when it continues none
  // or is listed apart.
  int ParentOf(int entry) const;
  // The save an entry continues, else the one before it in its game's order; -1 when none.
  int PreviousOf(int entry) const;
  // What `orv5 diff EARLIER LATER` prints for the pair, line by line.
  std::vector<std::string> DiffText(const PanelPair& pair) const;
  // What `orv5 check` prints for the entries, line by line; call it after Regroup. A refused
  // file is listed with the saves not comparable, with the loader's reason.
  std::vector<std::string> CheckText() const;

 private:
  int Put(PanelEntry entry, SaveSummary summary);
  void AddGameRows(const GameSeries& game, size_t number, const FindingsOfFiles& findings);
  int AddRow(PanelRow row);
  PanelRow SaveRow(int entry, PanelRowKind kind, int parent) const;
  // The entry's game and its position there; {nullptr, -1} when it is listed apart.
  std::pair<const GameSeries*, int> PlaceInGame(int entry) const;

  std::vector<PanelEntry> entries_;
  std::vector<SaveSummary> summaries_;  // one per entry; a refused file's is not comparable
  SeriesCheck check_;
  std::vector<PanelRow> rows_;
  std::vector<int> rowOfEntry_;
  std::vector<int> gameOfEntry_;      // index into check_.Games, -1 when listed apart
  std::vector<int> positionOfEntry_;  // position in its game's saves
};

}  // namespace orv5
