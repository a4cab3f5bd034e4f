// The CSV tables over hand-made analyses: every column the views derive, which records each
// table lists, and texts with commas, quotes and Cyrillic read back unchanged.
#include <gtest/gtest.h>

#include <set>

#include "tests/support/CsvReader.h"
#include "tests/unit/views/ViewTestSaves.h"
#include "views/CsvTables.h"
#include "views/RecordFields.h"
#include "views/ViewParts.h"

namespace orv5::testing {
namespace {

using Rows = std::vector<std::vector<std::string>>;

// The table of one save, read back strictly; every line must have the header's fields.
Rows Table(const char* name, const SaveAnalysis& save, const std::string& saveName = "game.Orv5Save") {
  const CsvTable* table = FindCsvTable(name);
  EXPECT_NE(table, nullptr) << name;
  if (!table) return {};
  const CsvDocument document = ReadCsvStrict(CsvTableText(*table, saveName, save));
  EXPECT_EQ(document.Error, "") << name;
  EXPECT_FALSE(document.Rows.empty()) << name;
  if (document.Rows.empty()) return {};
  EXPECT_EQ(document.Rows.front(), CsvColumns(*table)) << name;
  for (size_t i = 0; i < document.Rows.size(); ++i) {
    EXPECT_EQ(document.Rows[i].size(), document.Rows.front().size()) << name << " line " << i + 1;
    EXPECT_EQ(document.Rows[i].front(), i == 0 ? "save" : saveName) << name;
  }
  return Rows(document.Rows.begin() + 1, document.Rows.end());
}

// The cell of a data row under a column heading.
std::string Cell(const char* table, const std::vector<std::string>& row, const std::string& column) {
  const std::vector<std::string> columns = CsvColumns(*FindCsvTable(table));
  for (size_t i = 0; i < columns.size() && i < row.size(); ++i) {
    if (columns[i] == column) return row[i];
  }
  ADD_FAILURE() << "no column " << column << " in " << table;
  return {};
}

TEST(CsvTables, EveryTableHasItsNameAndUniqueColumnsStartingWithTheSave) {
  std::vector<std::string> names;
  for (const CsvTable& table : CsvTables()) {
    names.emplace_back(table.Name);
    const std::vector<std::string> columns = CsvColumns(table);
    EXPECT_EQ(columns.front(), "save");
    EXPECT_EQ(std::set<std::string>(columns.begin(), columns.end()).size(), columns.size()) << table.Name;
    EXPECT_EQ(FindCsvTable(table.Name), &table);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"players", "cities", "buildings", "history", "replay", "notifications",
                                             "policies", "technologies", "sessions"}));
  EXPECT_EQ(FindCsvTable("player"), nullptr);
}

TEST(CsvTables, FieldListsNameEachJsonKeyOnce) {
  const auto keys = [](auto fields) {
    std::multiset<std::string> names;
    for (const auto& field : fields) {
      if (!field.Key.empty()) names.emplace(field.Key);
    }
    return names;
  };
  for (const auto& names : {keys(PlayerFields()), keys(CityFields()), keys(ReplayMessageFields()),
                            keys(NotificationFields())}) {
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
  }
}

TEST(CsvTables, PlayersShowKindAliveCountsResearchAndGold) {
  SaveAnalysis save = MakeAnalysis(3, 1, true);
  TLeaderInfoRec barbarian;
  barbarian.LeaderName = "Barbarian";
  barbarian.CivIndex = 19;
  barbarian.Slot = 63;
  barbarian.Status = 1;
  save.Leaders.push_back(barbarian);
  save.Leaders[2].Status = 2;  // dead: the save no longer says whether human or computer
  AddCity(save, 0, "PARIS").Population = 5;
  AddCity(save, 0, "LYON").Population = 3;
  TLeaderInfoRec& first = save.Leaders[0];
  first.TechKnown[0] = first.TechKnown[3] = first.TechKnown[80] = 1;
  first.CurrentResearch = 5;
  first.Gold = 34512;
  first.AccHappinessNeeded = 505;
  save.Leaders[1].CurrentResearch = 81;  // outside the table
  const Rows rows = Table("players", save);
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[0], (std::vector<std::string>{"game.Orv5Save", "Leader 0", "Civ 0", "0", "human", "yes", "2", "8",
                                               "0", "3", "Sailing", "345.12", "0", "0", "0", "0", "0", "505", "0",
                                               "0"}));
  EXPECT_EQ(Cell("players", rows[1], "kind"), "computer");
  EXPECT_EQ(Cell("players", rows[1], "current_research"), "Unknown");
  EXPECT_EQ(Cell("players", rows[2], "kind"), "");
  EXPECT_EQ(Cell("players", rows[2], "alive"), "no");
  EXPECT_EQ(Cell("players", rows[3], "kind"), "city-state");
  EXPECT_EQ(Cell("players", rows[4], "kind"), "barbarians");
}

TEST(CsvTables, TechnologiesKnownCountsOnlyTheGameVersionsTable) {
  SaveAnalysis save = MakeAnalysis(1, 0, false);  // the base game's table has 74 rows
  save.Leaders[0].TechKnown[73] = 1;
  save.Leaders[0].TechKnown[74] = 1;
  EXPECT_EQ(Cell("players", Table("players", save).at(0), "technologies_known"), "1");
}

TEST(CsvTables, CitiesShowOwnersCaptureStatusAndProduction) {
  SaveAnalysis save = MakeAnalysis(2, 0, false);
  TCityRec& paris = AddCity(save, 0, "PARIS");
  paris.StatusFlags = {1, 0, 0, 0, 0, 0, 0, 1, 0, 0};
  paris.FoodStored = 2350;
  paris.Strength = 1850;
  paris.CulturePerTurn = 1100;
  paris.CapturedTurn = 3;  // a city never captured shows no capture, whatever the save holds
  paris.BuildingName[2] = "Temple";
  paris.QueueLength = 2;
  paris.BuildQueue[0] = {1, 2, 0, 0, 0};
  TCityRec& seville = AddCity(save, 0, "SEVILLE");
  seville.StatusFlags = {0, 0, 0, 1, 0, 1, 0, 0, 1, 0};
  seville.PreviousOwner = 1;
  seville.OriginalOwner = 1;
  seville.CapturedTurn = 48;
  AddCity(save, 1, "");  // no name: the Cities tab does not list it
  const Rows rows = Table("cities", save);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(Cell("cities", rows[0], "owner"), "Leader 0");
  EXPECT_EQ(Cell("cities", rows[0], "food_stored"), "23.50");
  EXPECT_EQ(Cell("cities", rows[0], "strength"), "18.50");
  EXPECT_EQ(Cell("cities", rows[0], "culture_per_turn"), "11.00");
  EXPECT_EQ(Cell("cities", rows[0], "captured_turn"), "");
  EXPECT_EQ(Cell("cities", rows[0], "previous_owner"), "");
  EXPECT_EQ(Cell("cities", rows[0], "original_owner"), "Leader 0");
  EXPECT_EQ(Cell("cities", rows[0], "status"), "Never Lost; Ever Capital");
  EXPECT_EQ(Cell("cities", rows[0], "current_production"), "Temple");
  EXPECT_EQ(Cell("cities", rows[1], "captured_turn"), "48");
  EXPECT_EQ(Cell("cities", rows[1], "previous_owner"), "Leader 1");
  EXPECT_EQ(Cell("cities", rows[1], "original_owner"), "Leader 1");
  EXPECT_EQ(Cell("cities", rows[1], "status"), "Puppet; Occupied; Railroad");
  EXPECT_EQ(Cell("cities", rows[1], "current_production"), "");
}

TEST(CsvTables, NamesWithCommasQuotesAndCyrillicReadBackUnchanged) {
  SaveAnalysis save = MakeAnalysis(1, 0, true);
  const std::string leader = "Иван, \"Грозный\"";
  const std::string city = "Kraków, \"old\" town\nМосква";
  save.Leaders[0].LeaderName = leader;
  AddCity(save, 0, city);
  const Rows rows = Table("cities", save, "saves, \"mine\".Orv5Save");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0][0], "saves, \"mine\".Orv5Save");
  EXPECT_EQ(Cell("cities", rows[0], "owner"), leader);
  EXPECT_EQ(Cell("cities", rows[0], "name"), city);
}

TEST(CsvTables, BuildingsAreTheStandingOnesByDateAndAnUndatedOneHasNoYear) {
  SaveAnalysis save = MakeAnalysis(1, 0, true);
  TCityRec& city = AddCity(save, 0, "PARIS");
  const auto put = [&city](size_t k, std::string name, int32_t date, int32_t turn, int32_t v5, int32_t v6) {
    city.BuildingName[k] = std::move(name);
    city.BuildingDate[k] = date;
    city.BuildingTurn[k] = turn;
    city.BuildingValue5[k] = v5;
    city.BuildingValue6[k] = v6;
  };
  put(0, "Monument", -3760, 6, 1, 0);
  put(1, "Palace", -4000, 0, 1, 0);
  put(2, "Walls", -9999, 0, 1, 0);
  put(3, "Shrine", -3520, 12, 0, 1);  // list 6 only: not standing
  const Rows rows = Table("buildings", save);
  EXPECT_EQ(rows, (Rows{{"game.Orv5Save", "Leader 0", "PARIS", "Walls", "", ""},
                        {"game.Orv5Save", "Leader 0", "PARIS", "Palace", "-4000", "0"},
                        {"game.Orv5Save", "Leader 0", "PARIS", "Monument", "-3760", "6"}}));
}

TEST(CsvTables, HistoryHasOneRowPerSampleThatIsNotZero) {
  SaveAnalysis save = MakeAnalysis(1, 0, true);
  save.HistoryTable.resize(2);
  save.HistoryTable[0][0] = {4, 0, 9};
  save.HistoryTable[0][17] = {0, -3};
  save.HistoryTable[1][26] = {0, 0, 7};  // a row without a player
  EXPECT_EQ(Table("history", save), (Rows{{"game.Orv5Save", "Leader 0", "Score", "0", "4"},
                                          {"game.Orv5Save", "Leader 0", "Score", "2", "9"},
                                          {"game.Orv5Save", "Leader 0", "GPT International Trade", "1", "-3"},
                                          {"game.Orv5Save", "", "Military Might", "2", "7"}}));
}

TEST(CsvTables, ReplayListsTheMessagesWithATextUpToTheCount) {
  SaveAnalysis save = MakeAnalysis(1, 0, true);
  save.ReplayMessages = {{0, "Session 1 started"}, {3, ""}, {31, "Paris, the capital"}, {40, "past the count"}};
  save.ReplayCount = 3;
  EXPECT_EQ(Table("replay", save), (Rows{{"game.Orv5Save", "0", "4000BC", "Session 1 started"},
                                         {"game.Orv5Save", "31", "2760BC", "Paris, the capital"}}));
}

TEST(CsvTables, NotificationsFollowTheRingOfEachPlayer) {
  SaveAnalysis save = MakeAnalysis(2, 0, true);
  TNotificationLog& log = save.NotificationLogs[1];
  log.First = 98;
  log.Last = 2;
  log.Messages[98] = {0, "old", "", 0, 0, 0, 0, 5};
  log.Messages[0] = {0, "newer", "", 0, 0, 0, 0, 6};
  log.Messages[1] = {0, "newest", "", 0, 0, 0, 0, 7};
  log.Messages[2] = {0, "after the end", "", 0, 0, 0, 0, 8};
  EXPECT_EQ(Table("notifications", save), (Rows{{"game.Orv5Save", "Leader 1", "5", "3800BC", "old"},
                                                {"game.Orv5Save", "Leader 1", "6", "3760BC", "newer"},
                                                {"game.Orv5Save", "Leader 1", "7", "3720BC", "newest"}}));
}

TEST(CsvTables, PoliciesAndTechnologiesListTheWholeTableForEveryPlayer) {
  SaveAnalysis save = MakeAnalysis(2, 0, true);
  save.PolicyFlags[1][6] = 1;
  save.Leaders[0].TechKnown[0] = 1;
  save.Leaders[0].TechProgress[1] = 1234;
  const Rows policies = Table("policies", save);
  ASSERT_EQ(policies.size(), 2u * 111u);
  EXPECT_EQ(policies[0], (std::vector<std::string>{"game.Orv5Save", "Leader 0", "Liberty", "no"}));
  EXPECT_EQ(policies[111 + 6], (std::vector<std::string>{"game.Orv5Save", "Leader 1", "Tradition", "yes"}));
  const Rows techs = Table("technologies", save);
  ASSERT_EQ(techs.size(), 2u * 81u);
  EXPECT_EQ(techs[0], (std::vector<std::string>{"game.Orv5Save", "Leader 0", "Agriculture", "Ancient",
                                                std::to_string(TechCost(save, save.Leaders[0], 20)), "yes", "0.00"}));
  EXPECT_EQ(Cell("technologies", techs[1], "known"), "no");
  EXPECT_EQ(Cell("technologies", techs[1], "progress"), "12.34");
}

TEST(CsvTables, SessionsGiveNumberTurnYearAndMonth) {
  SaveAnalysis save = MakeAnalysis(1, 0, true);
  save.SessionTurns = {0, 31, 451};
  EXPECT_EQ(Table("sessions", save), (Rows{{"game.Orv5Save", "1", "0", "-4000", ""},
                                           {"game.Orv5Save", "2", "31", "-2760", ""},
                                           {"game.Orv5Save", "3", "451", "2025", "Jul"}}));
}

TEST(CsvTables, AnExportedFileIsNamedAfterTheSaveAndTheTable) {
  const CsvTable& players = *FindCsvTable("players");
  EXPECT_EQ(CsvFileName("qel-poland-t12.Orv5Save", players), "qel-poland-t12-players.csv");
  EXPECT_EQ(CsvFileName("a.b.Orv5Save", players), "a.b-players.csv");
  EXPECT_EQ(CsvFileName("noextension", players), "noextension-players.csv");
  EXPECT_EQ(CsvFileName(".hidden", players), ".hidden-players.csv");
}

}  // namespace
}  // namespace orv5::testing
