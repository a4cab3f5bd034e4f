// The header, players, replay, sessions, history and relations of the six real saves.
#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <variant>
#include <vector>

#include "analysis/Save5Analyse.h"
#include "analysis/SessionFigures.h"
#include "refdata/Lookups.h"
#include "savefile/Container.h"
#include "tests/support/RealSaves.h"

namespace orv5::testing {
namespace {

LoadedSave LoadReal(const std::filesystem::path& path) {
  LoadResult result = LoadSave(path);
  if (const auto* error = std::get_if<LoadError>(&result)) throw std::runtime_error(error->Message);
  LoadedSave loaded{std::move(std::get<SaveContainer>(result)), {}};
  loaded.Analysis = Save5Analyse(loaded.Container);
  return loaded;
}

std::vector<std::string> Names(const SaveAnalysis& save, size_t first, size_t count) {
  std::vector<std::string> names;
  for (size_t r = first; r < first + count && r < save.Leaders.size(); ++r) names.push_back(save.Leaders[r].LeaderName);
  return names;
}

bool HasStep(const SaveAnalysis& save, const std::string& step) {
  for (const StepDiagnostic& diagnostic : save.Diagnostics) {
    if (diagnostic.Step == step) return true;
  }
  return false;
}

// Friends and allies stand exactly where the influence puts them.
void ExpectRelationRules(const SaveAnalysis& save) {
  for (size_t r = 0; r < save.MinorInfluence.size(); ++r) {
    const PlayerGrid& influence = save.MinorInfluence[r];
    size_t top = 0;
    for (size_t i = 1; i < influence.size(); ++i) top = influence[i] > influence[top] ? i : top;
    for (size_t i = 0; i < influence.size(); ++i) {
      const bool ally = i == top && influence[i] >= 6000;
      EXPECT_EQ(save.MinorAlly[r][i], ally ? -1 : 0) << "row " << r << " column " << i;
      EXPECT_EQ(save.MinorFriend[r][i], !ally && influence[i] >= 3000 ? -1 : 0) << "row " << r << " column " << i;
    }
  }
}

TEST(AnalysisRealSaves, BaseFranceScenario) {
  ORV5_REQUIRE_REAL_SAVE(path, "base-v5-france-scenario.Orv5Save");
  const SaveAnalysis save = LoadReal(path).Analysis;
  EXPECT_EQ(save.SaveVersion, 5);
  EXPECT_EQ(save.GameVersionText, "1.0.1.217-221");
  EXPECT_EQ(save.HasExpansion1, 0);
  EXPECT_EQ(save.IsQEL, 0);
  EXPECT_EQ(save.CivNameText, "France");
  EXPECT_EQ(save.LevelText, "Prince");
  EXPECT_EQ(save.StartingEraText, "Medieval");
  EXPECT_EQ(save.CurrentEraText, "Renaissance");
  EXPECT_EQ(save.GameSpeedText, "Quick");
  EXPECT_EQ(save.WorldSizeText, "Standard");
  EXPECT_EQ(save.CurrentTurn, 52);
  EXPECT_EQ(save.TurnLimit, 100);
  EXPECT_EQ(save.CurrentYear, -1920);
  ASSERT_EQ(save.LeaderCount, 15);
  EXPECT_EQ(save.MajorPlayerCount, 8);
  EXPECT_EQ(Names(save, 0, 8), (std::vector<std::string>{"Napoleon", "Isabella", "Elizabeth", "Pachacuti", "Montezuma",
                                                         "Hiawatha", "Oda Nobunaga", "Wu Zetian"}));
  EXPECT_EQ(save.Leaders[0].Trait, "Human");
  EXPECT_EQ(save.Leaders[6].Status, 2);
  EXPECT_EQ(save.Leaders[7].Status, 2);
  EXPECT_EQ(Names(save, 8, 6), std::vector<std::string>(6, "Unknown CS"));
  EXPECT_EQ(save.ReplayCount, 633);
  EXPECT_EQ(save.SessionListLines, (std::vector<std::string>{"  1   15 -3400  | "}));
  EXPECT_EQ(save.SessionCount, 2);
  EXPECT_EQ(save.PreSessionCount, 0);
  EXPECT_EQ(save.PlaySessionCount, 2);
  EXPECT_EQ(AverageSessionText(save.AverageSessionSeconds), "     0:28:25");
  EXPECT_EQ(save.DlcNames, (std::vector<std::string>{"Spain and Inca", "Polynesia", "Babylon", "Upgrade 1", "Mongolia"}));
  // Its body holds none of the per-player sections: the diagnostics say why the tables are empty.
  const auto early = std::find_if(save.Diagnostics.begin(), save.Diagnostics.end(),
                                  [](const StepDiagnostic& step) { return step.Step == "early build"; });
  ASSERT_NE(early, save.Diagnostics.end());
  EXPECT_NE(early->Stop.find("early build of the base game (version 1.0.1.217-221)"), std::string::npos);
}

TEST(AnalysisRealSaves, Expansion1Spain) {
  ORV5_REQUIRE_REAL_SAVE(path, "exp1-spain.Orv5Save");
  const SaveAnalysis save = LoadReal(path).Analysis;
  EXPECT_EQ(save.SaveVersion, 8);
  EXPECT_EQ(save.GameVersionText, "1.0.2.13 (341540)");
  EXPECT_EQ(save.HasExpansion1, -1);
  EXPECT_EQ(save.IsQEL, 0);
  EXPECT_EQ(save.HasSlotNameTables, -1);
  EXPECT_EQ(save.CivNameText, "Spain");
  EXPECT_EQ(save.LevelText, "Immortal");
  EXPECT_EQ(save.GameSpeedText, "Standard");
  EXPECT_EQ(save.CurrentTurn, 12);
  EXPECT_EQ(save.TurnLimit, 500);
  EXPECT_EQ(save.CurrentYear, -3520);
  ASSERT_EQ(save.LeaderCount, 25);
  EXPECT_EQ(save.MajorPlayerCount, 8);
  EXPECT_EQ(Names(save, 0, 8), (std::vector<std::string>{"Isabella", "Suleiman", "Alexander", "Ramesses", "Theodora",
                                                         "Maria", "Askia", "Selassie"}));
  EXPECT_EQ(save.Leaders[0].Trait, "Human");
  EXPECT_EQ(save.Leaders[8].LeaderName, "Manila");
  EXPECT_EQ(save.Leaders[23].LeaderName, "Cahokia");
  EXPECT_EQ(save.Leaders[24].CivName, "Barbarian");
  EXPECT_EQ(save.ReplayCount, 55);
  EXPECT_EQ(save.GameOptionNames, (std::vector<std::string>{"Quick Combat", "Quick Movement"}));
  EXPECT_EQ(save.GameOptionValues, (std::vector<int32_t>{1, 1}));
  EXPECT_EQ(save.HistoryTable.size(), 24u);  // one per major and city-state, none for the barbarians
  EXPECT_EQ(save.GameScore, 34);
  EXPECT_EQ(FinalScore(save.GameScore, save.CurrentTurn, save.TurnLimit), 1700);
  ExpectRelationRules(save);
}

TEST(AnalysisRealSaves, QELPolandTurn12) {
  ORV5_REQUIRE_REAL_SAVE(path, "qel-poland-t12.Orv5Save");
  const SaveAnalysis save = LoadReal(path).Analysis;
  EXPECT_EQ(save.GameVersionText, "1.0.3.144 (395131)");
  EXPECT_EQ(save.IsQEL, -1);
  EXPECT_EQ(save.CivNameText, "Poland");
  EXPECT_EQ(save.LevelText, "Deity");
  EXPECT_EQ(save.CurrentTurn, 12);
  ASSERT_EQ(save.LeaderCount, 25);
  EXPECT_EQ(Names(save, 0, 8), (std::vector<std::string>{"Casimir", "Pedro", "Ashurbanipal", "Gandhi", "Theodora",
                                                         "Gajah Mada", "Isabella", "Pacal"}));
  EXPECT_EQ(save.Leaders[3].LeaderIndex, 8);
  for (size_t r = 8; r < 24; ++r) EXPECT_NE(save.Leaders[r].IsMinorCiv, 0) << r;
  EXPECT_EQ(save.ReplayCount, 78);
  EXPECT_EQ(save.SessionListLines,
            (std::vector<std::string>{"  1    0 -4000  | ", "  2    0 -4000  | ", "  3   11 -3560  | "}));
  EXPECT_EQ(save.SessionCount, 4);
  EXPECT_EQ(save.PreSessionCount, 2);
  EXPECT_EQ(save.PlaySessionCount, 2);
  EXPECT_EQ(AverageSessionText(save.AverageSessionSeconds), "     0:16:47");
  ASSERT_EQ(save.HistoryTable.size(), 24u);
  EXPECT_EQ(save.HistoryTable[0][0][12], 36);
  EXPECT_EQ(save.GameScore, 36);
  ExpectRelationRules(save);
}

TEST(AnalysisRealSaves, QELHotseat) {
  ORV5_REQUIRE_REAL_SAVE(path, "qel-hotseat-t26.Orv5Save");
  const SaveAnalysis save = LoadReal(path).Analysis;
  EXPECT_EQ(save.GameVersionText, "1.0.3.279(130961)");
  EXPECT_EQ(save.BuildNumber, 403694);
  EXPECT_EQ(save.IsQEL, -1);
  EXPECT_EQ(save.GameType, 2);
  EXPECT_EQ(save.CurrentTurn, 27);
  EXPECT_EQ(save.TurnLimit, 330);
  ASSERT_EQ(save.LeaderCount, 13);
  EXPECT_EQ(Names(save, 0, 4), (std::vector<std::string>{"Alexander", "Montezuma", "Theodora", "Boudicca"}));
  for (size_t r = 0; r < 3; ++r) EXPECT_EQ(save.Leaders[r].Trait, "Human");
  EXPECT_EQ(save.Leaders[3].Trait, "");
  EXPECT_EQ(save.Leaders[12].CivName, "Barbarian");
  EXPECT_EQ(save.ReplayCount, 61);
  EXPECT_EQ(save.HistoryTable.size(), 12u);
  ExpectRelationRules(save);
}

TEST(AnalysisRealSaves, QELDenmarkDuel) {
  ORV5_REQUIRE_REAL_SAVE(path, "qel-denmark-duel.Orv5Save");
  const SaveAnalysis save = LoadReal(path).Analysis;
  EXPECT_EQ(save.GameType, 1);
  EXPECT_EQ(save.StartTurn, 264);
  EXPECT_EQ(save.CurrentTurn, 264);
  EXPECT_EQ(save.TurnLimit, 330);
  EXPECT_EQ(save.CurrentYear, 1984);
  EXPECT_EQ(save.StartingEraText, "Future");
  ASSERT_EQ(save.LeaderCount, 7);
  EXPECT_EQ(Names(save, 0, 2), (std::vector<std::string>{"Harald", "Maria"}));
  EXPECT_EQ(save.Leaders[0].Trait, "Human");
  for (size_t r = 2; r < 6; ++r) EXPECT_NE(save.Leaders[r].IsMinorCiv, 0) << r;
  EXPECT_EQ(save.ReplayCount, 0);
  EXPECT_EQ(save.SessionCount, 1);
  ExpectRelationRules(save);
}

TEST(AnalysisRealSaves, HeaderOnlyEthiopia) {
  ORV5_REQUIRE_REAL_SAVE(path, "header-only-ethiopia.Orv5Save");
  const SaveAnalysis save = LoadReal(path).Analysis;
  EXPECT_EQ(save.GameVersionText, "1.0.3.279 (403694)");
  EXPECT_EQ(save.CivNameText, "Ethiopia");
  EXPECT_EQ(save.LevelText, "Prince");
  EXPECT_EQ(save.GameSpeedText, "Quick");
  EXPECT_EQ(save.WorldSizeText, "Standard");
  EXPECT_NE(save.MapScriptText.find("Scenarios"), std::string::npos);
  ASSERT_EQ(save.LeaderCount, 23);
  EXPECT_EQ(save.MajorPlayerCount, 12);
  EXPECT_EQ(Names(save, 0, 12),
            (std::vector<std::string>{"Selassie", "Elizabeth", "Napoleon", "Bismarck", "Augustus", "Maria I", "Ramesses",
                                      "Ahmad Almansur", "Suleiman", "Washington", "Pedro", "Shaka"}));
  EXPECT_EQ(save.Leaders[0].Trait, "Human");
  EXPECT_EQ(save.Leaders[9].Status, 2);
  EXPECT_EQ(save.Leaders[11].Status, 2);
  EXPECT_EQ(save.Leaders[12].LeaderName, "Sokoto");
  EXPECT_EQ(save.Leaders[21].LeaderName, "Mbanza Kongo");
  EXPECT_EQ(save.Leaders[22].CivName, "Barbarian");
  EXPECT_FALSE(HasStep(save, "body values"));
  EXPECT_FALSE(HasStep(save, "replay"));
}

}  // namespace
}  // namespace orv5::testing
