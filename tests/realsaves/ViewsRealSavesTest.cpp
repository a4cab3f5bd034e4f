// Every tab and every selection of the six real saves. (The report over them: tests/unit/cli.)
#include <gtest/gtest.h>

#include <algorithm>
#include <variant>

#include "analysis/Save5Analyse.h"
#include "savefile/Container.h"
#include "tests/support/RealSaves.h"
#include "views/Tabs.h"

namespace orv5::testing {
namespace {

const char* const kSaves[] = {"base-v5-france-scenario.Orv5Save", "exp1-spain.Orv5Save",
                              "qel-poland-t12.Orv5Save",          "qel-hotseat-t26.Orv5Save",
                              "qel-denmark-duel.Orv5Save",        "header-only-ethiopia.Orv5Save"};

SaveAnalysis AnalyseReal(const std::filesystem::path& path) {
  LoadResult result = LoadSave(path);
  if (const auto* error = std::get_if<LoadError>(&result)) throw std::runtime_error(error->Message);
  return Save5Analyse(std::get<SaveContainer>(result));
}

std::string Text(const TabModel& tab, const std::string& name) {
  const EditValue* edit = tab.Find<EditValue>(name);
  EXPECT_NE(edit, nullptr) << name;
  return edit ? edit->Text : std::string();
}

// Builds the tab for every player, city, agent, statistic and language it can show.
int BuildEverySelection(const SaveAnalysis& save, const TabInfo& tab) {
  int views = 0;
  const int players = (tab.Uses & UsesPlayer) ? std::max(PlayerChoiceCount(save), 1) : 1;
  for (int32_t p = 0; p < players; ++p) {
    const int cities = (tab.Uses & UsesCity) ? std::max(CityChoiceCount(save, p), 1) : 1;
    const int agents = (tab.Uses & UsesAgent) ? std::max(AgentChoiceCount(save, p), 1) : 1;
    const int datasets = (tab.Uses & UsesDataset) ? DatasetChoiceCount(save) : 1;
    for (int32_t c = 0; c < cities; ++c) {
      for (int32_t a = 0; a < agents; ++a) {
        for (int32_t d = 0; d < datasets; ++d) {
          for (int32_t language : {0, 1}) {
            ViewSelection selection;
            selection.Player = p;
            selection.City = c;
            selection.Agent = a;
            selection.Dataset = d;
            selection.Language = language;
            EXPECT_EQ(tab.Build(save, selection).Sheet, tab.Sheet);
            ++views;
          }
        }
      }
    }
  }
  return views;
}

TEST(ViewsRealSaves, EveryTabBuildsForEverySelection) {
  for (const char* name : kSaves) {
    ORV5_REQUIRE_REAL_SAVE(path, name);
    const SaveAnalysis save = AnalyseReal(path);
    for (const TabInfo& tab : AllTabs()) EXPECT_GT(BuildEverySelection(save, tab), 0) << name << " " << tab.Sheet;
  }
}

TEST(ViewsRealSaves, PolandReloadsTab) {
  ORV5_REQUIRE_REAL_SAVE(path, "qel-poland-t12.Orv5Save");
  const TabModel tab = ReloadsTabModel(AnalyseReal(path), {});
  EXPECT_EQ(Text(tab, "Edit9"), "     4");
  EXPECT_EQ(Text(tab, "Edit11"), "  2");
  EXPECT_EQ(Text(tab, "Edit10"), "     2");
  EXPECT_EQ(Text(tab, "Edit12"), "     0:16:47");
  const ListModel* sessions = tab.Find<ListModel>("SessionListBox");
  ASSERT_NE(sessions, nullptr);
  EXPECT_EQ(sessions->Items,
            (std::vector<std::string>{"  1    0 -4000  | ", "  2    0 -4000  | ", "  3   11 -3560  | "}));
}

TEST(ViewsRealSaves, PolandBaseAndLeaders) {
  ORV5_REQUIRE_REAL_SAVE(path, "qel-poland-t12.Orv5Save");
  const SaveAnalysis save = AnalyseReal(path);
  const TabModel base = BaseTabModel(save, {});
  EXPECT_EQ(Text(base, "Edit3"), "  12/500");
  EXPECT_EQ(Text(base, "CivNameE"), "Poland");
  EXPECT_EQ(Text(base, "LevelE"), "Deity");
  EXPECT_EQ(Text(base, "Edit8"), "Single Player");
  const TabModel leadersTab = LeadersTabModel(save, {});
  const GridModel* leaders = leadersTab.Find<GridModel>("LeadersGrid");
  ASSERT_NE(leaders, nullptr);
  EXPECT_EQ(leaders->Cell(1, 1), "Poland");
  EXPECT_EQ(leaders->Cell(1, 3), "Human");
  EXPECT_GE(CityChoiceCount(save, 0), 1);
}

TEST(ViewsRealSaves, GamesThatAreNotSinglePlayerShowOnlyBaseAndReloads) {
  for (const char* name : {"qel-hotseat-t26.Orv5Save", "qel-denmark-duel.Orv5Save"}) {
    ORV5_REQUIRE_REAL_SAVE(path, name);
    const SaveAnalysis save = AnalyseReal(path);
    for (const TabInfo& tab : AllTabs()) {
      EXPECT_EQ(TabVisible(save, tab.Sheet), tab.Sheet == "BaseTab" || tab.Sheet == "ReloadsTab")
          << name << " " << tab.Sheet;
    }
  }
}

}  // namespace
}  // namespace orv5::testing
