// The nine tables. The record tables (players, cities, replay, notifications) print the columns
// of their field lists; the others are long forms of what the tabs show (a building, a history
// sample, a policy, a technology, a session per row).
#include "views/CsvTables.h"

#include <algorithm>

#include "refdata/RefTables.h"
#include "refdata/TextArrays.h"
#include "savefile/Calendar.h"
#include "savefile/KeyText.h"
#include "views/CsvText.h"
#include "views/RecordFields.h"
#include "views/ViewCommon.h"
#include "views/ViewParts.h"

namespace orv5 {

namespace {

std::string YesNo(bool yes) { return yes ? "yes" : "no"; }
std::string Number(int64_t value) { return std::to_string(value); }

template <typename Record>
std::vector<std::string> Headings(std::span<const RecordField<Record>> fields) {
  std::vector<std::string> headings;
  for (const RecordField<Record>& field : fields) {
    if (!field.Heading.empty()) headings.emplace_back(field.Heading);
  }
  return headings;
}

template <typename Record>
CsvRow RecordRow(std::span<const RecordField<Record>> fields, const RecordPlace& place, const Record& record,
                 CsvRow row = {}) {
  for (const RecordField<Record>& field : fields) {
    if (!field.Heading.empty()) row.push_back(FieldText(field.Kind, ValueOf(field, place, record)));
  }
  return row;
}

// --- The record tables ---------------------------------------------------------------------

std::vector<std::string> PlayerColumns() { return Headings(PlayerFields()); }

void PlayerRows(const SaveAnalysis& save, std::vector<CsvRow>& rows) {
  for (int32_t r : ListedPlayerRows(save)) {
    rows.push_back(RecordRow(PlayerFields(), {save, r}, save.Leaders[static_cast<size_t>(r)]));
  }
}

std::vector<std::string> CityColumns() { return Headings(CityFields()); }

// The cities the Cities tab lists: each listed player's cities that have a name.
void CityRows(const SaveAnalysis& save, std::vector<CsvRow>& rows) {
  for (int32_t r : ListedPlayerRows(save)) {
    for (const TCityRec& city : CitiesOf(save, r)) {
      if (!city.Name.empty()) rows.push_back(RecordRow(CityFields(), {save, r}, city));
    }
  }
}

std::vector<std::string> ReplayColumns() { return Headings(ReplayMessageFields()); }

// The messages the Replay tab lists.
void ReplayRows(const SaveAnalysis& save, std::vector<CsvRow>& rows) {
  const size_t count = std::min(save.ReplayMessages.size(), static_cast<size_t>(std::max(save.ReplayCount, 0)));
  for (size_t i = 0; i < count; ++i) {
    const TReplayMsgRec& message = save.ReplayMessages[i];
    if (!message.Text.empty()) rows.push_back(RecordRow(ReplayMessageFields(), {save, static_cast<int32_t>(i)}, message));
  }
}

std::vector<std::string> NotificationColumns() {
  std::vector<std::string> columns{"player"};
  for (std::string& heading : Headings(NotificationFields())) columns.push_back(std::move(heading));
  return columns;
}

// Each listed player's log, as the Player Log tab shows it.
void NotificationRows(const SaveAnalysis& save, std::vector<CsvRow>& rows) {
  for (int32_t r : ListedPlayerRows(save)) {
    if (static_cast<size_t>(r) >= save.NotificationLogs.size()) continue;
    for (const TMessageRec* message : PlayerLogMessages(save.NotificationLogs[static_cast<size_t>(r)])) {
      rows.push_back(RecordRow(NotificationFields(), {save, r}, *message, {LeaderNameAt(save, r)}));
    }
  }
}

// --- Long forms ----------------------------------------------------------------------------

std::vector<std::string> BuildingColumns() { return {"owner", "city", "building", "year", "turn"}; }

// The standing buildings of the Buildings list, by date; a building without a date has no year
// and no turn.
void BuildingRows(const SaveAnalysis& save, std::vector<CsvRow>& rows) {
  for (int32_t r : ListedPlayerRows(save)) {
    for (const TCityRec& city : CitiesOf(save, r)) {
      if (city.Name.empty()) continue;
      for (size_t k : StandingBuildings(city)) {
        const bool dated = HasBuildingDate(city, k);
        rows.push_back({LeaderNameAt(save, r), city.Name, city.BuildingName[k],
                        dated ? Number(city.BuildingDate[k]) : std::string(),
                        dated ? Number(city.BuildingTurn[k]) : std::string()});
      }
    }
  }
}

std::vector<std::string> HistoryColumns() { return {"player", "dataset", "turn", "value"}; }

// Every sample the save recorded that is not 0: the save does not tell a 0 from a turn
// without a sample. A history row is the player row of the same number, as the graph draws it.
void HistoryRows(const SaveAnalysis& save, std::vector<CsvRow>& rows) {
  const auto names = GraphNames(save.IsQEL != 0);
  for (size_t r = 0; r < save.HistoryTable.size(); ++r) {
    const std::string player = LeaderNameAt(save, static_cast<int32_t>(r));
    for (size_t d = 0; d < save.HistoryTable[r].size(); ++d) {
      const std::vector<int32_t>& values = save.HistoryTable[r][d];
      for (size_t turn = 0; turn < values.size(); ++turn) {
        if (values[turn] == 0) continue;
        rows.push_back({player, std::string(TextOrFallback(names, static_cast<int64_t>(d))),
                        Number(static_cast<int64_t>(turn)), Number(values[turn])});
      }
    }
  }
}

std::vector<std::string> PolicyColumns() { return {"player", "policy", "adopted"}; }

// Every policy of the game version's table for every listed player.
void PolicyRows(const SaveAnalysis& save, std::vector<CsvRow>& rows) {
  const auto table = PolicyTable(save.IsQEL != 0);
  for (int32_t r : ListedPlayerRows(save)) {
    const auto& flags = PolicyFlagsOf(save, r);
    for (size_t k = 0; k < table.size() && k < flags.size(); ++k) {
      rows.push_back({LeaderNameAt(save, r), CutTextKey(table[k].Key, "POLICY_"), YesNo(flags[k] != 0)});
    }
  }
}

std::vector<std::string> TechnologyColumns() { return {"player", "technology", "era", "cost", "known", "progress"}; }

// The Player tab's technology grid of every listed player; progress is the research spent.
void TechnologyRows(const SaveAnalysis& save, std::vector<CsvRow>& rows) {
  const auto techs = TechTable(VariantOf(save));
  for (int32_t r : ListedPlayerRows(save)) {
    const TLeaderInfoRec& player = save.Leaders[static_cast<size_t>(r)];
    for (size_t i = 0; i < techs.size() && i < MaxTechs; ++i) {
      rows.push_back({player.LeaderName, CutTextKey(techs[i].Key, "TECH_"), TechEraText(save, techs[i]),
                      Number(TechCost(save, player, techs[i].Cost)), YesNo(player.TechKnown[i] != 0),
                      HundredthsText(player.TechProgress[i])});
    }
  }
}

std::vector<std::string> SessionColumns() { return {"session", "turn", "year", "month"}; }

// The Reloads tab's session list: number, turn, year (negative before Christ) and month.
void SessionRows(const SaveAnalysis& save, std::vector<CsvRow>& rows) {
  for (size_t k = 0; k < save.SessionTurns.size(); ++k) {
    std::string month;
    const int32_t year = Turn2Date(save.SpeedIndex, save.SessionTurns[k], month);
    rows.push_back({Number(static_cast<int64_t>(k) + 1), Number(save.SessionTurns[k]), Number(year), month});
  }
}

constexpr CsvTable kTables[] = {
    {"players", "one row per player", PlayerColumns, PlayerRows},
    {"cities", "one row per city", CityColumns, CityRows},
    {"buildings", "one row per standing building", BuildingColumns, BuildingRows},
    {"history", "one row per player, dataset and turn whose value is not 0", HistoryColumns, HistoryRows},
    {"replay", "one row per replay message", ReplayColumns, ReplayRows},
    {"notifications", "one row per notification a player's log keeps", NotificationColumns, NotificationRows},
    {"policies", "one row per player and policy of the game version", PolicyColumns, PolicyRows},
    {"technologies", "one row per player and technology of the game version", TechnologyColumns, TechnologyRows},
    {"sessions", "one row per session of the Reloads tab's list", SessionColumns, SessionRows},
};

}  // namespace

std::span<const CsvTable> CsvTables() { return kTables; }

const CsvTable* FindCsvTable(std::string_view name) {
  for (const CsvTable& table : kTables) {
    if (table.Name == name) return &table;
  }
  return nullptr;
}

std::vector<std::string> CsvColumns(const CsvTable& table) {
  std::vector<std::string> columns{"save"};
  for (std::string& column : table.Columns()) columns.push_back(std::move(column));
  return columns;
}

std::string CsvHeaderLine(const CsvTable& table) {
  std::string line;
  AppendCsvLine(CsvColumns(table), line);
  return line;
}

void AppendCsvRows(const CsvTable& table, std::string_view saveName, const SaveAnalysis& save, std::string& out) {
  std::vector<CsvRow> rows;
  table.AddRows(save, rows);
  for (CsvRow& row : rows) {
    row.insert(row.begin(), std::string(saveName));
    AppendCsvLine(row, out);
  }
}

std::string CsvTableText(const CsvTable& table, std::string_view saveName, const SaveAnalysis& save) {
  std::string text = CsvHeaderLine(table);
  AppendCsvRows(table, saveName, save, text);
  return text;
}

std::string CsvFileName(std::string_view saveFileName, const CsvTable& table) {
  const size_t dot = saveFileName.rfind('.');
  const std::string_view stem = dot == std::string_view::npos || dot == 0 ? saveFileName : saveFileName.substr(0, dot);
  return std::string(stem) + "-" + std::string(table.Name) + ".csv";
}

}  // namespace orv5
