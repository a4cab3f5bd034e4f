// City-state relation blocks: influence, friends and the ally.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "tests/support/BodySections.h"
#include "tests/support/HeaderBuilder.h"

namespace orv5::testing {
namespace {

using Influence = std::array<int32_t, 64>;

Influence With(std::initializer_list<std::pair<int, int32_t>> entries) {
  Influence influence{};
  for (const auto& [column, value] : entries) influence[static_cast<size_t>(column)] = value;
  return influence;
}

SaveAnalysis AnalyseQELBlocks(std::initializer_list<Influence> blocks) {
  SyntheticSave synthetic = MakeSave(Layout::QEL, 8);
  for (const Influence& influence : blocks) WriteRelationBlock(synthetic.Sections, 38, 2500, influence);
  return Analyse(synthetic);
}

TEST(Relations, FriendsFrom3000AndTheAllyFrom6000) {
  const SaveAnalysis save = AnalyseQELBlocks({With({{0, 2999}, {1, 3000}, {2, 6000}, {3, -1}})});
  ASSERT_EQ(save.MinorInfluence.size(), 1u);
  EXPECT_EQ(save.MinorInfluence[0][1], 3000);
  EXPECT_EQ(save.MinorInfluence[0][3], -1);
  EXPECT_EQ(save.MinorFriend[0][0], 0);
  EXPECT_EQ(save.MinorFriend[0][1], -1);
  EXPECT_EQ(save.MinorFriend[0][2], 0);  // the ally is not counted a friend as well
  EXPECT_EQ(save.MinorAlly[0][2], -1);
  EXPECT_EQ(save.MinorAlly[0][1], 0);
}

TEST(Relations, ATieAtTheTopMakesTheFirstColumnAlly) {
  const SaveAnalysis save = AnalyseQELBlocks({With({{3, 6500}, {5, 6500}})});
  EXPECT_EQ(save.MinorAlly[0][3], -1);
  EXPECT_EQ(save.MinorAlly[0][5], 0);
  EXPECT_EQ(save.MinorFriend[0][5], -1);
  EXPECT_EQ(save.MinorFriend[0][3], 0);
}

TEST(Relations, ATopBelow6000MakesNoAlly) {
  const SaveAnalysis save = AnalyseQELBlocks({With({{7, 5999}})});
  EXPECT_EQ(save.MinorAlly[0], PlayerGrid{});
  EXPECT_EQ(save.MinorFriend[0][7], -1);
}

TEST(Relations, BlocksOfAnotherKindTakeNoRow) {
  SyntheticSave synthetic = MakeSave(Layout::QEL, 8);
  WriteRelationBlock(synthetic.Sections, 1, 2500, With({{0, 9000}}));
  WriteRelationBlock(synthetic.Sections, 38, 2500, With({{1, 4000}}));
  const SaveAnalysis save = Analyse(synthetic);
  ASSERT_EQ(save.MinorInfluence.size(), 1u);
  EXPECT_EQ(save.MinorInfluence[0][1], 4000);
}

TEST(Relations, TheGapDependsOnLayoutAndBuild) {
  SyntheticSave synthetic = MakeSave(Layout::Expansion1, 8);  // build 341,540
  WriteRelationBlock(synthetic.Sections, 32, 2428, With({{4, 3100}}));
  EXPECT_EQ(Analyse(synthetic).MinorInfluence.at(0)[4], 3100);

  synthetic = MakeSave(Layout::Expansion1, 8);
  synthetic.Header.BuildText = "341539";
  synthetic.Header.VersionText = "1.0.2.12";
  WriteRelationBlock(synthetic.Sections, 32, 2424, With({{4, 3200}}));
  EXPECT_EQ(Analyse(synthetic).MinorInfluence.at(0)[4], 3200);

  synthetic = MakeSave(Layout::Base, 5);
  WriteRelationBlock(synthetic.Sections, 1, 2688, With({{6, 3300}}));
  EXPECT_EQ(Analyse(synthetic).MinorInfluence.at(0)[6], 3300);
}

TEST(Relations, MoreThan64BlocksKeep64) {
  SyntheticSave synthetic = MakeSave(Layout::QEL, 8);
  for (int32_t block = 0; block < 70; ++block) WriteRelationBlock(synthetic.Sections, 38, 2500, With({{0, block}}));
  const SaveAnalysis save = Analyse(synthetic);
  ASSERT_EQ(save.MinorInfluence.size(), 64u);
  EXPECT_EQ(save.MinorFriend.size(), 64u);
  EXPECT_EQ(save.MinorAlly.size(), 64u);
  EXPECT_EQ(save.MinorInfluence[63][0], 63);
  EXPECT_NE(StepOf(save, "relations").Stop.find("more than 64"), std::string::npos);
}

TEST(Relations, ABlockCutByTheEndReadsZeros) {
  SyntheticSave synthetic = MakeSave(Layout::QEL, 8);
  synthetic.Sections.Int(static_cast<int32_t>(0xF1A0EAB7)).Int(0).Int(38).Zeros(2500).Int(7000);
  const SaveAnalysis save = Analyse(synthetic);
  ASSERT_EQ(save.MinorInfluence.size(), 1u);
  EXPECT_EQ(save.MinorInfluence[0][0], 7000);
  EXPECT_EQ(save.MinorAlly[0][0], -1);
}

}  // namespace
}  // namespace orv5::testing
