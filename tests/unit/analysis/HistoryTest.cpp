// Per-player history blocks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/BodySections.h"
#include "tests/support/HeaderBuilder.h"

namespace orv5::testing {
namespace {

std::vector<HistoryPoints> Datasets(int32_t count, const HistoryPoints& first = {}) {
  std::vector<HistoryPoints> datasets(static_cast<size_t>(count));
  datasets[0] = first;
  return datasets;
}

TEST(History, PointsLandAtTheirTurns) {
  SyntheticSave synthetic = MakeSave(Layout::QEL, 8);
  std::vector<HistoryPoints> datasets = Datasets(27, {{-3, 5}, {1, 23}, {12, 36}, {1500, 99}, {1499, 7}});
  datasets[26] = {{4, 11}};
  WriteHistoryBlock(synthetic.Sections, datasets);
  WriteHistoryBlock(synthetic.Sections, Datasets(27, {{-3, 5}, {0, 8}}));
  const SaveAnalysis save = Analyse(synthetic);
  ASSERT_EQ(save.HistoryTable.size(), 2u);
  const HistoryRow& row = save.HistoryTable[0];
  EXPECT_EQ(row[0][0], 5);  // a negative turn counts as turn 0
  EXPECT_EQ(row[0][1], 23);
  EXPECT_EQ(row[0][12], 36);
  EXPECT_EQ(row[0][1499], 7);
  EXPECT_EQ(row[26][4], 11);
  EXPECT_EQ(save.HistoryTable[1][0][0], 8);  // a later point for turn 0 overwrites it
}

TEST(History, TheListClosingTheHistoryTakesNoRow) {
  SyntheticSave synthetic = MakeSave(Layout::QEL, 8);
  WriteHistoryBlock(synthetic.Sections, Datasets(27, {{1, 1}}));
  WriteHistoryBlock(synthetic.Sections, Datasets(27, {{1, 2}}));
  WriteClosingDatasetList(synthetic.Sections, 26);
  const SaveAnalysis save = Analyse(synthetic);
  ASSERT_EQ(save.HistoryTable.size(), 2u);
  EXPECT_EQ(save.HistoryTable[1][0][1], 2);
  EXPECT_EQ(StepOf(save, "history").Records, 2);
}

TEST(History, OlderLayoutsHave26Datasets) {
  SyntheticSave synthetic = MakeSave(Layout::Expansion1, 8);
  WriteHistoryBlock(synthetic.Sections, Datasets(26, {{12, 34}}));
  WriteClosingDatasetList(synthetic.Sections, 25);
  SaveAnalysis save = Analyse(synthetic);
  ASSERT_EQ(save.HistoryTable.size(), 1u);
  EXPECT_EQ(save.HistoryTable[0][0][12], 34);

  synthetic = MakeSave(Layout::QEL, 8);  // in QEL a 26-dataset list is not a player block
  WriteHistoryBlock(synthetic.Sections, Datasets(26, {{12, 34}}));
  save = Analyse(synthetic);
  EXPECT_TRUE(save.HistoryTable.empty());
}

TEST(History, SixtyFiveBlocksKeep64) {
  SyntheticSave synthetic = MakeSave(Layout::Base, 5);
  for (int32_t block = 0; block < 65; ++block) WriteHistoryBlock(synthetic.Sections, Datasets(26, {{2, block}}));
  const SaveAnalysis save = Analyse(synthetic);
  ASSERT_EQ(save.HistoryTable.size(), 64u);
  EXPECT_EQ(save.HistoryTable[63][0][2], 63);
  EXPECT_NE(StepOf(save, "history").Stop.find("more than 64"), std::string::npos);
}

TEST(History, NoBlocksLeaveTheTableEmpty) {
  const SaveAnalysis save = Analyse(MakeSave(Layout::QEL, 8));
  EXPECT_TRUE(save.HistoryTable.empty());
  EXPECT_FALSE(StepOf(save, "history").Found);
}

TEST(History, APointCountPastTheEndStopsThere) {
  SyntheticSave synthetic = MakeSave(Layout::QEL, 8);
  synthetic.Sections.Str("REPLAYDATASET_MILITARYMIGHT").Int(27).Int(2000000000).Int(3).Int(30);
  const SaveAnalysis save = Analyse(synthetic);
  ASSERT_EQ(save.HistoryTable.size(), 1u);
  EXPECT_EQ(save.HistoryTable[0][0][3], 30);
  EXPECT_NE(StepOf(save, "history").Stop.find("past the end"), std::string::npos);
}

}  // namespace
}  // namespace orv5::testing
