// Every CSV table of every real save and of the demo save: well-formed for a strict reader, the
// header's number of fields on every line, and as many rows as the analysis and the tabs hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <variant>

#include "analysis/Save5Analyse.h"
#include "refdata/RefTables.h"
#include "savefile/Container.h"
#include "tests/support/CsvReader.h"
#include "tests/support/RealSaves.h"
#include "views/CsvTables.h"
#include "views/Tabs.h"
#include "views/ViewCommon.h"

namespace orv5::testing {
namespace {

namespace fs = std::filesystem;
using Rows = std::vector<std::vector<std::string>>;

SaveAnalysis Analysed(const fs::path& path) {
  LoadResult result = LoadSave(path);
  if (const auto* error = std::get_if<LoadError>(&result)) throw std::runtime_error(error->Message);
  return Save5Analyse(std::get<SaveContainer>(result));
}

// The data rows of every table, each checked for form on the way.
std::map<std::string, Rows> ReadAllTables(const SaveAnalysis& save, const std::string& name) {
  std::map<std::string, Rows> tables;
  for (const CsvTable& table : CsvTables()) {
    const CsvDocument document = ReadCsvStrict(CsvTableText(table, name, save));
    EXPECT_EQ(document.Error, "") << name << " " << table.Name;
    if (document.Rows.empty()) continue;
    EXPECT_EQ(document.Rows.front(), CsvColumns(table)) << name << " " << table.Name;
    for (size_t i = 1; i < document.Rows.size(); ++i) {
      EXPECT_EQ(document.Rows[i].size(), document.Rows.front().size()) << name << " " << table.Name << " line " << i + 1;
      EXPECT_EQ(document.Rows[i].front(), name) << table.Name;
    }
    tables[std::string(table.Name)] = Rows(document.Rows.begin() + 1, document.Rows.end());
  }
  return tables;
}

// The lines of a rich-text box or the items of a list on a tab (only the black lines: the
// Buildings list adds the buildings of list 6 in blue).
size_t LinesOf(const TabModel& tab, const char* control, bool blackOnly = false) {
  if (const auto* list = tab.Find<ListModel>(control)) return list->Items.size();
  const auto* text = tab.Find<RichTextModel>(control);
  if (!text) return 0;
  return static_cast<size_t>(std::count_if(text->Lines.begin(), text->Lines.end(), [blackOnly](const RichTextLine& line) {
    return !blackOnly || line.LineColour == Black;
  }));
}

ViewSelection Selected(int32_t player, int32_t city = -1) {
  ViewSelection selection;
  selection.Player = player;
  selection.City = city;
  return selection;
}

// Each player's log as the Player Log tab shows it.
size_t PlayerLogLines(const SaveAnalysis& save) {
  size_t lines = 0;
  for (int32_t p = 0; p < PlayerChoiceCount(save); ++p) lines += LinesOf(PlayerLogTabModel(save, Selected(p)), "PlayerLog");
  return lines;
}

// The standing buildings of every city the Cities tab lists.
size_t BuildingsListLines(const SaveAnalysis& save) {
  size_t lines = 0;
  for (int32_t p = 0; p < PlayerChoiceCount(save); ++p) {
    for (int32_t c = 0; c < CityChoiceCount(save, p); ++c) {
      lines += LinesOf(CityTabModel(save, Selected(p, c)), "BuildingsList", true);
    }
  }
  return lines;
}

size_t NonZeroHistorySamples(const SaveAnalysis& save) {
  size_t samples = 0;
  for (const HistoryRow& row : save.HistoryTable) {
    for (const std::vector<int32_t>& values : row) {
      samples += static_cast<size_t>(std::count_if(values.begin(), values.end(), [](int32_t v) { return v != 0; }));
    }
  }
  return samples;
}

std::vector<std::string> Column(const Rows& rows, size_t column) {
  std::vector<std::string> values;
  for (const auto& row : rows) values.push_back(row.at(column));
  return values;
}

void CheckTablesAgreeWithTheAnalysis(const fs::path& path) {
  const std::string name = path.filename().string();
  SCOPED_TRACE(name);
  const SaveAnalysis save = Analysed(path);
  std::map<std::string, Rows> tables = ReadAllTables(save, name);
  const size_t players = static_cast<size_t>(PlayerChoiceCount(save));
  EXPECT_EQ(Column(tables["players"], 1), PlayerSelector(save, "", 0).Items);
  size_t cities = 0;
  for (int32_t r : ListedPlayerRows(save)) cities += static_cast<size_t>(CityChoiceCount(save, r));
  EXPECT_EQ(tables["cities"].size(), cities);
  EXPECT_EQ(tables["buildings"].size(), BuildingsListLines(save));
  EXPECT_EQ(tables["history"].size(), NonZeroHistorySamples(save));
  EXPECT_EQ(tables["replay"].size(), LinesOf(ReplayTabModel(save, {}), "ReplayList"));
  EXPECT_EQ(tables["notifications"].size(), PlayerLogLines(save));
  EXPECT_EQ(tables["policies"].size(), players * PolicyTable(save.IsQEL != 0).size());
  EXPECT_EQ(tables["technologies"].size(), players * TechTable(VariantOf(save)).size());
  EXPECT_EQ(tables["sessions"].size(), LinesOf(ReloadsTabModel(save, {}), "SessionListBox"));
}

TEST(CsvRealSaves, EveryTableOfTheDemoSaveAgreesWithTheAnalysis) {
  CheckTablesAgreeWithTheAnalysis(ORV5_SOURCE_DIR "/examples/demo.Orv5Save");
}

TEST(CsvRealSaves, EveryTableOfEveryRealSaveAgreesWithTheAnalysis) {
  const fs::path folder = RealSavesFolder();
  if (folder.empty()) GTEST_SKIP() << "real saves not available: set ORV5_REAL_SAVES to the folder of real saves";
  int saves = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() != ".Orv5Save") continue;
    CheckTablesAgreeWithTheAnalysis(entry.path());
    ++saves;
  }
  EXPECT_GE(saves, 9);
}

}  // namespace
}  // namespace orv5::testing
