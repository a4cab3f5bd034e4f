// Packages, the player table, city-state names and traits, game options, eras and world sizes.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/HeaderBuilder.h"

namespace orv5::testing {
namespace {

// ---- The player table.

class PlayerRows : public ::testing::TestWithParam<std::tuple<Layout, int32_t>> {};

TEST_P(PlayerRows, NationsThenCityStatesThenBarbariansInSlotOrder) {
  const auto [layout, version] = GetParam();
  const SaveAnalysis save = Analyse(MakeSave(layout, version));
  ASSERT_EQ(save.LeaderCount, 25);
  EXPECT_EQ(save.MajorPlayerCount, 8);
  for (int r = 0; r < 8; ++r) EXPECT_EQ(save.Leaders[r].Slot, r);
  for (int r = 8; r < 24; ++r) EXPECT_EQ(save.Leaders[r].Slot, r + 14);
  EXPECT_EQ(save.Leaders[24].Slot, 63);
  EXPECT_EQ(save.Leaders[0].LeaderName, "Napoleon");
  EXPECT_EQ(save.Leaders[0].CivName, "France");
  EXPECT_EQ(save.Leaders[0].Trait, "Human");
  EXPECT_EQ(save.Leaders[0].LeaderIndex, 12);
  EXPECT_EQ(save.Leaders[6].LeaderName, "Gandhi");
  EXPECT_EQ(save.Leaders[6].LeaderIndex, 8);
  EXPECT_EQ(save.Leaders[1].Trait, "");
  EXPECT_EQ(save.Leaders[11].LeaderName, "Geneva");
  EXPECT_EQ(save.Leaders[11].IsMinorCiv, 1);
  EXPECT_EQ(save.Leaders[24].CivName, "Barbarian");
  EXPECT_EQ(save.Leaders[24].LeaderName, "Barbarian");
}

INSTANTIATE_TEST_SUITE_P(AllVersions, PlayerRows,
                         ::testing::Combine(::testing::Values(Layout::Base, Layout::Expansion1, Layout::QEL),
                                            ::testing::Values(4, 5, 6, 7, 8)));

TEST(PlayerTable, SlotsWithoutACivilizationOrClosedGetNoRow) {
  SyntheticSave synthetic = MakeSave(Layout::Base, 5);
  synthetic.Header.Slots[1].Civ = -1;
  synthetic.Header.Slots[1].Status = 3;
  synthetic.Header.Slots[2].Status = 4;
  synthetic.Header.Slots[3].Civ = 45;
  const SaveAnalysis save = Analyse(synthetic);
  ASSERT_EQ(save.LeaderCount, 23);
  EXPECT_EQ(save.MajorPlayerCount, 6);
  EXPECT_EQ(save.Leaders[1].Slot, 3);
  EXPECT_EQ(save.Leaders[1].CivIndex, 27);
  EXPECT_EQ(save.Leaders[1].CivName, "Unknown Civ");
}

TEST(PlayerTable, NameTablesGiveNamesAndLeaderNumbersFromKeys) {
  SyntheticSave synthetic = MakeSave(Layout::QEL, 8);
  synthetic.Header.Slots[1].LeaderKey = "LEADER_CASIMIR";  // not one of the built-in leaders
  synthetic.Header.Slots[1].CivKey = "CIVILIZATION_POLAND";
  const SaveAnalysis save = Analyse(synthetic);
  EXPECT_EQ(save.Leaders[1].LeaderName, "Casimir");
  EXPECT_EQ(save.Leaders[1].CivName, "Poland");
  EXPECT_EQ(save.Leaders[1].LeaderIndex, 26);
  EXPECT_EQ(save.Leaders[2].LeaderIndex, 7);   // Elizabeth
  EXPECT_EQ(save.Leaders[24].LeaderIndex, 3);  // the barbarians' leader
}

// ---- City-states.

TEST(CityStates, QELNamesAndTraitsComeFromItsTable) {
  const SaveAnalysis save = Analyse(MakeSave(Layout::QEL, 8));
  EXPECT_EQ(save.Leaders[11].LeaderName, "Geneva");
  EXPECT_EQ(save.Leaders[11].Trait, "Religious");
}

TEST(CityStates, OlderSavesUseTheNumberedNames) {
  SyntheticSave synthetic = MakeSave(Layout::Base, 5);
  synthetic.Header.Slots[23].MinorCiv = 40;  // beyond the name array
  const SaveAnalysis save = Analyse(synthetic);
  EXPECT_EQ(save.Leaders[8].LeaderName, "Warsaw");
  EXPECT_EQ(save.Leaders[8].Trait, "Cultured");
  EXPECT_EQ(save.Leaders[9].LeaderName, "Unknown CS");
  EXPECT_EQ(save.Leaders[9].Trait, "Unknown Trait");
}

TEST(CityStates, BaseSavesWithNameTablesMatchTheNameArray) {
  const SaveAnalysis save = Analyse(MakeSave(Layout::Base, 8));
  ASSERT_NE(save.HasSlotNameTables, 0);
  EXPECT_EQ(save.Leaders[12].LeaderName, "Venice");
  EXPECT_EQ(save.Leaders[12].Trait, "Maritime");
}

TEST(CityStates, AKeyNoTableKnowsHasAnUnknownTrait) {
  SyntheticSave synthetic = MakeSave(Layout::QEL, 8);
  synthetic.Header.Slots[22].MinorKey = "MINOR_CIV_SOKOTO";
  const SaveAnalysis save = Analyse(synthetic);
  EXPECT_EQ(save.Leaders[8].LeaderName, "Sokoto");
  EXPECT_EQ(save.Leaders[8].Trait, "Unknown Trait");
}

// ---- Packages.

TEST(Packages, NationPackagesNumberTheirNationsInListOrder) {
  SyntheticSave synthetic = MakeSave(Layout::Base, 5);
  synthetic.Header.Packages = {{SpainIncaPackage, {"Spain and Inca"}}, {KoreaPackage, {"Korea", "more"}}};
  synthetic.Header.Slots[4] = {22, 1, 21, -1, false, "", "", ""};
  const SaveAnalysis save = Analyse(synthetic);
  EXPECT_EQ(save.ExtraCivNames[0], "Inca");
  EXPECT_EQ(save.ExtraCivNames[1], "Spain");
  EXPECT_EQ(save.ExtraCivNames[2], "Korea");
  EXPECT_EQ(save.ExtraLeaderNames[0], "Isabella");
  EXPECT_EQ(save.ExtraLeaderNames[1], "Pachacuti");
  EXPECT_EQ(save.ExtraLeaderNames[2], "Sejong");
  EXPECT_EQ(save.Leaders[1].CivName, "Spain");
  EXPECT_EQ(save.Leaders[1].LeaderName, "Isabella");
  EXPECT_EQ(save.Leaders[4].CivName, "Korea");
  EXPECT_EQ(save.Leaders[4].LeaderName, "Sejong");
  EXPECT_EQ(save.DlcNames, (std::vector<std::string>{"Spain and Inca", "Korea"}));
  EXPECT_EQ(save.DlcPresent, (std::vector<int32_t>{-1, -1}));
}

TEST(Packages, EveryNationPackageIsKnown) {
  SyntheticSave synthetic = MakeSave(Layout::Base, 5);
  synthetic.Header.Packages = {{MongoliaPackage, {"M"}}, {BabylonPackage, {"B"}}, {VikingsPackage, {"V"}},
                               {PolynesiaPackage, {"P"}}, {UpgradePackage, {"U"}}};
  const SaveAnalysis save = Analyse(synthetic);
  const std::vector<std::string> civs(save.ExtraCivNames.begin(), save.ExtraCivNames.begin() + 5);
  const std::vector<std::string> leaders(save.ExtraLeaderNames.begin(), save.ExtraLeaderNames.begin() + 4);
  EXPECT_EQ(civs, (std::vector<std::string>{"Mongolia", "Babylon", "Vikings", "Polynesia", ""}));
  EXPECT_EQ(leaders, (std::vector<std::string>{"Genghis Khan", "Navuhodonosor II", "Harald Bluetooth", "Kamehameha"}));
}

TEST(Packages, ExpansionIdsDecideTheLayout) {
  const SaveAnalysis base = Analyse(MakeSave(Layout::Base, 8));
  EXPECT_EQ(base.HasExpansion1, 0);
  EXPECT_EQ(base.IsQEL, 0);
  const SaveAnalysis expansion = Analyse(MakeSave(Layout::Expansion1, 8));
  EXPECT_EQ(expansion.HasExpansion1, -1);
  EXPECT_EQ(expansion.IsQEL, 0);
  const SaveAnalysis qel = Analyse(MakeSave(Layout::QEL, 8));
  EXPECT_EQ(qel.HasExpansion1, -1);
  EXPECT_EQ(qel.IsQEL, -1);
}

TEST(Packages, ALongListKeeps99NamesButAppliesEveryPackage) {
  SyntheticSave synthetic = MakeSave(Layout::Base, 8);
  synthetic.Header.Packages.assign(110, {UpgradePackage, {"Upgrade"}});
  synthetic.Header.Packages.push_back({QELPackage, {"QEL"}});
  const SaveAnalysis save = Analyse(synthetic);
  EXPECT_EQ(save.DlcNames.size(), 99u);
  EXPECT_EQ(save.DlcPresent.size(), 99u);
  EXPECT_EQ(save.IsQEL, -1);
  EXPECT_EQ(save.LeaderCount, 25);
}

// ---- Game options.

TEST(GameOptions, ThirtyOptionsKeepTheFirst24) {
  SyntheticSave synthetic = MakeSave(Layout::QEL, 8);
  for (int i = 0; i < 30; ++i) synthetic.Header.GameOptions.push_back({"GAMEOPTION_OPTION_" + std::to_string(i), i % 2});
  const SaveAnalysis save = Analyse(synthetic);
  ASSERT_EQ(save.GameOptionNames.size(), 24u);
  EXPECT_EQ(save.GameOptionNames[0], "Option 0");
  EXPECT_EQ(save.GameOptionNames[23], "Option 23");
  EXPECT_EQ(save.GameOptionValues[23], 1);
  EXPECT_NE(StepOf(save, "game options").Stop.find("30 options"), std::string::npos);
}

TEST(GameOptions, QuickCombatAndQuickMovement) {
  SyntheticSave synthetic = MakeSave(Layout::Expansion1, 8);
  synthetic.Header.GameOptions = {{"GAMEOPTION_QUICK_COMBAT", 1}, {"GAMEOPTION_QUICK_MOVEMENT", 0}};
  const SaveAnalysis save = Analyse(synthetic);
  EXPECT_EQ(save.GameOptionNames, (std::vector<std::string>{"Quick Combat", "Quick Movement"}));
  EXPECT_EQ(save.GameOptionValues, (std::vector<int32_t>{1, 0}));
}

TEST(GameOptions, NoOptionsReadNothing) {
  const SaveAnalysis save = Analyse(MakeSave(Layout::Base, 5));
  EXPECT_TRUE(save.GameOptionNames.empty());
  EXPECT_EQ(StepOf(save, "game options").Stop, "no game options");
}

// ---- Eras and world sizes.

TEST(SetupTables, ErasAreLookedUpInTheTableOfTheLayout) {
  SyntheticSave synthetic = MakeSave(Layout::Expansion1, 8);
  synthetic.Header.StartingEraKey = "ERA_POSTMODERN";
  synthetic.Header.CurrentEraKey = "ERA_FUTURE";
  SaveAnalysis save = Analyse(synthetic);
  EXPECT_EQ(save.StartingEraIndex, 6);
  EXPECT_EQ(save.CurrentEraIndex, 7);
  EXPECT_EQ(save.StartingEraText, "Postmodern");
  EXPECT_EQ(save.EraCityPercent, 60);

  synthetic = MakeSave(Layout::Base, 8);
  synthetic.Header.StartingEraKey = "ERA_POSTMODERN";  // the base game has no such era
  synthetic.Header.CurrentEraKey = "ERA_FUTURE";
  save = Analyse(synthetic);
  EXPECT_EQ(save.StartingEraIndex, 0);
  EXPECT_EQ(save.CurrentEraIndex, 6);
  EXPECT_EQ(save.EraCityPercent, 100);
}

TEST(SetupTables, WorldSizes) {
  SyntheticSave synthetic = MakeSave(Layout::QEL, 8);
  synthetic.Header.WorldSizeKey = "WORLDSIZE_HUGE";
  SaveAnalysis save = Analyse(synthetic);
  EXPECT_EQ(save.WorldSizeIndex, 5);
  EXPECT_EQ(save.WorldSizePercent, 130);
  EXPECT_EQ(save.WorldSizeFactor, 2);
  synthetic.Header.WorldSizeKey = "WORLDSIZE_ENORMOUS";
  save = Analyse(synthetic);
  EXPECT_EQ(save.WorldSizeIndex, 3);
  EXPECT_EQ(save.WorldSizeFactor, 5);
}

}  // namespace
}  // namespace orv5::testing
