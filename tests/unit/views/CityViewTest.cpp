// The Cities tab: the city fields, the build queue, the buildings list, production costs,
// great people, religions and spies.
#include <gtest/gtest.h>

#include "refdata/RefTables.h"
#include "savefile/KeyText.h"
#include "tests/unit/views/ViewTestSaves.h"
#include "views/Tabs.h"
#include "views/ViewParts.h"

namespace orv5 {
namespace {

using testing::AddCity;
using testing::EditText;
using testing::MakeAnalysis;

TabModel CityTab(const SaveAnalysis& save, int32_t player, int32_t city) {
  ViewSelection selection;
  selection.Player = player;
  selection.City = city;
  return CityTabModel(save, selection);
}

TEST(CityFields, FoundingOnTurnZeroAndOwnership) {
  SaveAnalysis save = MakeAnalysis(2, 0, true);
  TCityRec& city = AddCity(save, 1, "Rome");
  city.Population = 7;
  city.MaxPopulation = 9;
  city.X = 5;
  city.Y = 17;
  city.FoodStored = 1250;
  city.FoodNeeded = 55;
  city.CultureStored = 7;
  city.CultureNeeded = 25;
  city.CultureStep = 1;
  city.StatusFlags[0] = 1;
  city.StatusFlags[7] = 1;
  const TabModel tab = CityTab(save, 1, 0);
  EXPECT_EQ(EditText(tab, "CityFoundE"), " 0/500 (4000BC)");
  EXPECT_EQ(EditText(tab, "PopE"), "  7 (9)");
  EXPECT_EQ(EditText(tab, "CityXYE"), "   5;17");
  EXPECT_EQ(EditText(tab, "FoodE"), "  12.50/55(0)");
  EXPECT_EQ(EditText(tab, "CultureE"), "   7/25 (Step 1)");
  EXPECT_EQ(EditText(tab, "CityStatusE"), "Never Lost; Ever Capital; ");
  EXPECT_EQ(EditText(tab, "OriginalOwnerE"), "Leader 1");
  EXPECT_EQ(EditText(tab, "PreviousOwnerE"), "");
  EXPECT_EQ(EditText(tab, "LastCapturedE"), "");  // never captured, whatever the turn says
}

TEST(CityFields, CapturedCityShowsPreviousOwnerAndCaptureDate) {
  SaveAnalysis save = MakeAnalysis(2, 0, true);
  TCityRec& city = AddCity(save, 1, "Rome");
  city.PreviousOwner = 0;
  city.CapturedTurn = 0;
  const TabModel tab = CityTab(save, 1, 0);
  EXPECT_EQ(EditText(tab, "PreviousOwnerE"), "Leader 0");
  EXPECT_EQ(EditText(tab, "LastCapturedE"), " 0/500 (4000BC)");
}

TEST(CityFields, StrengthShowsHitPointsInQELOnly) {
  SaveAnalysis save = MakeAnalysis(1, 0, true);
  TCityRec& city = AddCity(save, 0, "Rome");
  city.Strength = 1130;
  city.StrengthC = 50;
  city.StrengthA = 75;
  EXPECT_EQ(EditText(CityTab(save, 0, 0), "CityStrengthE"), "  11.30 (175/250)");
  save.IsQEL = 0;
  EXPECT_EQ(EditText(CityTab(save, 0, 0), "CityStrengthE"), "  11.30");
}

TEST(CitySelection, CityBoxSkipsUnnamedCitiesAndItemsMapToTheirColumns) {
  SaveAnalysis save = MakeAnalysis(1, 0, true);
  AddCity(save, 0, "Rome");
  AddCity(save, 0, "");
  AddCity(save, 0, "Antium").Population = 3;
  const TabModel tab = CityTab(save, 0, 1);
  EXPECT_EQ(testing::ListOf(tab, "CityBox").Items, (std::vector<std::string>{"Rome", "Antium"}));
  EXPECT_EQ(EditText(tab, "PopE"), "  3 (0)");
  // An item the new player does not have starts at the first city.
  EXPECT_EQ(testing::ListOf(CityTab(save, 0, 5), "CityBox").Selected, 0);
}

TEST(CitySelection, PlayerWithoutCitiesEmptiesTheCityFieldsAndGrids) {
  SaveAnalysis save = MakeAnalysis(2, 0, true);
  save.Leaders[1].GreatPersonThreshold = 300;
  const TabModel tab = CityTab(save, 1, -1);
  EXPECT_TRUE(testing::ListOf(tab, "CityBox").Items.empty());
  EXPECT_EQ(testing::ListOf(tab, "CityBox").Selected, -1);
  EXPECT_EQ(EditText(tab, "CityFoundE"), "");
  EXPECT_EQ(EditText(tab, "DisorderE"), "");
  EXPECT_TRUE(testing::ListOf(tab, "BuildingQueue").Items.empty());
  EXPECT_EQ(testing::GridOf(tab, "ProductionGrid").Cell(1, 1), "");
  EXPECT_EQ(testing::GridOf(tab, "ProductionGrid").Cell(0, 1), "Production");
  EXPECT_EQ(EditText(tab, "GSPointsE"), "   0.00");
  EXPECT_EQ(EditText(tab, "GPLimitE"), "   300");
  EXPECT_TRUE(testing::ListOf(tab, "CitySpyBox").Items.empty());
}

TEST(ProductionCost, NationalWonderOfAComputerPlayer) {
  // (125 + 30 x 4 cities) x 80 / 100 at standard speed and ancient start.
  EXPECT_EQ(ProductionCost(125 + 120, 80, 100, 100, 100), 196);
  SaveAnalysis save = MakeAnalysis(2, 0, true);
  save.DifficultyPercent4 = 80;
  for (int i = 0; i < 4; ++i) AddCity(save, 1, Format("City %d", i));
  TCityRec& city = save.CityTable[1][0];
  city.BuildingName[0] = "HEROIC_EPIC";
  city.BuildingValue1[0] = 1000;
  city.BuildingValue2[0] = 3;
  const auto rows = ProductionRows(save, save.Leaders[1], city);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0], (std::array<std::string, 4>{" 1", "HEROIC_EPIC", "   10.00/196", "    3"}));
  city.BuildingName[0] = "Heroic Epic";  // the readable form of the key finds the same row
  EXPECT_EQ(ProductionRows(save, save.Leaders[1], city)[0][2], "   10.00/196");
}

TEST(ProductionCost, CityStatesPayHalfAgainAndUnknownItemsShowStoredProductionOnly) {
  SaveAnalysis save = MakeAnalysis(1, 1, true);
  AddCity(save, 1, "Geneva");
  TCityRec& city = save.CityTable[1][0];
  city.BuildingName[0] = "MONUMENT";
  city.BuildingValue1[0] = 500;
  city.UnitName[0] = "NOT_A_UNIT";
  city.UnitValue1[0] = 250;
  const auto rows = ProductionRows(save, save.Leaders[1], city);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0][2], "    5.00/60");  // 40 x 150 / 100
  EXPECT_EQ(rows[1][2], "    2.50");
}

TEST(ProductionCost, BuildingsThenUnitsThenProjectsAndAtMostFifteen) {
  SaveAnalysis save = MakeAnalysis(1, 0, true);
  TCityRec& city = AddCity(save, 0, "Rome");
  for (size_t k = 0; k < 10; ++k) {
    city.BuildingName[k] = Format("B%d", k);
    city.BuildingValue1[k] = 100;
    city.UnitName[k] = Format("U%d", k);
    city.UnitValue1[k] = 100;
  }
  city.BuildingValue5[3] = 1;  // standing buildings are not in production
  city.YieldValues[0] = 100;
  const auto rows = ProductionRows(save, save.Leaders[0], city);
  ASSERT_EQ(rows.size(), 15u);
  EXPECT_EQ(rows[8][1], "B9");
  EXPECT_EQ(rows[9][1], "U0");
  EXPECT_EQ(rows[14][0], "15");
  city.UnitValue1.fill(0);
  const auto withProject = ProductionRows(save, save.Leaders[0], city);
  EXPECT_EQ(withProject.back()[1], "Manhattan Project");
  EXPECT_EQ(withProject.back()[2], "    1.00/750");
  EXPECT_EQ(withProject.back()[3], "");
}

TEST(BuildingsList, SortedByDateWithEqualDatesInListOrderThenTheBlueOnes) {
  TCityRec city;
  city.BuildingDate.fill(0);
  city.BuildingName[0] = "GRANARY";
  city.BuildingValue5[0] = 1;
  city.BuildingDate[0] = -3000;
  city.BuildingTurn[0] = 25;
  city.BuildingName[1] = "ABCDEFGHIJKLMNOPQRSTUVWXYZABCD";  // 30 letters: not cut, not padded
  city.BuildingValue5[1] = 1;
  city.BuildingDate[1] = -3000;
  city.BuildingTurn[1] = 25;
  city.BuildingName[2] = "PALACE";
  city.BuildingValue5[2] = 1;
  city.BuildingDate[2] = -9999;
  city.BuildingName[3] = "WALLS";
  city.BuildingValue6[3] = 1;
  const auto lines = BuildingsListLines(city);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].Text, "PALACE                  ");
  EXPECT_EQ(lines[1].Text, "GRANARY                  -3000    25");
  EXPECT_EQ(lines[2].Text, "ABCDEFGHIJKLMNOPQRSTUVWXYZABCD -3000    25");
  EXPECT_EQ(lines[3].Text, "WALLS");
  EXPECT_EQ(lines[3].LineColour, Blue);
}

TEST(BuildQueue, QELNamesByHashOrShowsTheHash) {
  TCityRec city;
  city.QueueLength = 4;
  city.BuildQueue[0] = {0, Crc32String("UNIT_WORKER"), 0, 0, 0};
  city.BuildQueue[1] = {1, 0x12AB, 0, 0, 0};
  city.BuildQueue[2] = {3, -1, 0, 0, 0};
  city.BuildQueue[3] = {2, ProjectTable()[0].Hash, 0, 0, 0};
  EXPECT_EQ(BuildQueueTexts(true, city),
            (std::vector<std::string>{"Worker", "Building(000012AB)", "Spec(FFFFFFFF)", "Manhattan Project"}));
}

TEST(BuildQueue, OlderLayoutsIndexTheCityListsAndShowSpecialistsEmpty) {
  TCityRec city;
  city.UnitName[2] = "WARRIOR";
  city.QueueLength = 4;
  city.BuildQueue[0] = {0, 2, 0, 0, 0};
  city.BuildQueue[1] = {3, 1, 0, 0, 0};
  city.BuildQueue[2] = {4, 1, 0, 0, 0};
  city.BuildQueue[3] = {1, 400, 0, 0, 0};  // outside the list
  EXPECT_EQ(BuildQueueTexts(false, city), (std::vector<std::string>{"WARRIOR", "", "Research", ""}));
}

TEST(GreatPeople, OlderLayoutsShowFourKindsWithHintsAndEmptyTheOthers) {
  SaveAnalysis save = MakeAnalysis(1, 0, false);
  save.Leaders[0].GreatPersonThreshold = 100;
  TCityRec& city = AddCity(save, 0, "Rome");
  city.GreatPersonProgress[2] = 1234;  // scientist
  city.GreatPersonRate[2] = 450;
  city.GreatPersonTurns[2] = 12.5F;
  city.SpecialistCount[2] = 2;
  city.BuildingGreatPersonPoints[2] = 3;
  city.GreatPersonBonus = 25;
  const TabModel tab = CityTab(save, 0, 0);
  const EditValue* points = tab.Find<EditValue>("GSPointsE");
  ASSERT_NE(points, nullptr);
  EXPECT_EQ(points->Text, "  12.34");
  EXPECT_EQ(points->Hint, "12.50 turns");
  EXPECT_EQ(tab.Find<EditValue>("GSRateE")->Text, " 4.50");
  EXPECT_EQ(tab.Find<EditValue>("GSRateE")->Hint, "Buildings: 3, Specs: 6, Percent: 125");
  EXPECT_EQ(EditText(tab, "GWrPointsE"), "");
  EXPECT_EQ(EditText(tab, "GMuRateE"), "");
  EXPECT_EQ(EditText(tab, "GArLimitE"), "");
  EXPECT_EQ(EditText(tab, "GPLimitE"), "   100");
}

TEST(GreatPeople, QELShowsSixKindsWithTheirLimitsAndNoRates) {
  SaveAnalysis save = MakeAnalysis(1, 0, true);
  save.Leaders[0].GreatWriterThreshold = 200;
  TCityRec& city = AddCity(save, 0, "Rome");
  city.GreatPersonProgress[1] = 500;
  city.GreatPersonProgress[6] = 50;
  city.CulturePerTurn = 300;
  city.CityFaith = 4;
  const TabModel tab = CityTab(save, 0, 0);
  EXPECT_EQ(EditText(tab, "GWrPointsE"), "   5.00");
  EXPECT_EQ(EditText(tab, "GEPointsE"), "   0.50");
  EXPECT_EQ(EditText(tab, "GWrLimitE"), "   200");
  EXPECT_EQ(EditText(tab, "GSRateE"), "");
  EXPECT_EQ(tab.Find<EditValue>("GSPointsE")->Hint, "");
  EXPECT_EQ(EditText(tab, "OutCultureE"), "   3.00");
  EXPECT_EQ(EditText(tab, "OutFaithE"), "      4");
}

TEST(Religions, UnknownNumbersShowTheLastKeyAndOnlyThirteenRowsFit) {
  SaveAnalysis save = MakeAnalysis(1, 0, true);
  TCityRec& city = AddCity(save, 0, "Rome");
  city.ReligionCount = 15;
  city.Religions[0] = {1, 15, 1, 4, 4000, 66.666F};
  city.Religions[1] = {1, 2, 0, 2, 2000, 33.333F};
  const GridModel& grid = testing::GridOf(CityTab(save, 0, 0), "ReligionGrid");
  EXPECT_EQ(grid.Rows, 14);
  EXPECT_EQ(grid.Cell(1, 0), "Atheism");
  EXPECT_EQ(grid.Cell(1, 1), "      4");
  EXPECT_EQ(grid.Cell(1, 3), "  66.67");
  EXPECT_EQ(grid.Cell(1, 4), "  Yes");
  EXPECT_EQ(grid.Cell(2, 0), "Christianity");
  EXPECT_EQ(grid.Cell(2, 4), "");
}

TEST(Spies, ForeignAgentsAreNamedByTheirOwnersNation) {
  SaveAnalysis save = MakeAnalysis(3, 0, true);
  save.Leaders[2].Agents[1].Name = "Edward";
  TCityRec& city = AddCity(save, 0, "Rome");
  city.SpyLists[AgentIndex][2] = 1;
  const ListModel& spies = testing::ListOf(CityTab(save, 0, 0), "CitySpyBox");
  EXPECT_EQ(spies.Items, std::vector<std::string>{"Civ 2 (Edward)"});
  EXPECT_EQ(spies.Selected, 0);
}

}  // namespace
}  // namespace orv5
