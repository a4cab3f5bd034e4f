// The save header and the fixed body values, on synthetic saves of every layout and save version.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "tests/support/HeaderBuilder.h"

namespace orv5::testing {
namespace {

bool Understood(const SaveAnalysis& save) { return StepOf(save, "header").Stop.empty(); }

// ---- Every layout and save version reads back as written.

class HeaderLayouts : public ::testing::TestWithParam<std::tuple<Layout, int32_t>> {};

TEST_P(HeaderLayouts, ReadsBackWhatWasWritten) {
  const auto [layout, version] = GetParam();
  SyntheticSave synthetic = MakeSave(layout, version);
  synthetic.Header.ActivePlayer = 5;
  synthetic.Header.GameType = 2;
  synthetic.Header.UserName = "Hotseat Host";
  synthetic.Header.VictoryAllowed = {1, 0, 1, 0, 1};
  synthetic.Header.Slots[0].Handicap = 7;
  synthetic.Header.Slots[1].Handicap = 8;
  const SaveAnalysis save = Analyse(synthetic);
  const HeaderOffsets at = BuildHeader(synthetic.Header).Offsets;

  EXPECT_TRUE(Understood(save)) << StepOf(save, "header").Stop;
  EXPECT_EQ(save.SaveVersion, version);
  EXPECT_EQ(save.HasSlotNameTables != 0, version > 6);
  EXPECT_EQ(save.HasExpansion1 != 0, layout != Layout::Base);
  EXPECT_EQ(save.IsQEL != 0, layout == Layout::QEL);
  EXPECT_EQ(save.CivNameText, "Poland");
  EXPECT_EQ(save.LevelText, "Deity");
  EXPECT_EQ(save.GameSpeedText, "Standard");
  EXPECT_EQ(save.WorldSizeText, "Standard");
  EXPECT_EQ(save.MapScriptText, "Assets/Maps/Pangaea.lua");
  EXPECT_EQ(save.UserName, "Hotseat Host");
  EXPECT_EQ(save.ActivePlayer, 5);
  EXPECT_EQ(save.GameType, 2);
  EXPECT_EQ(save.VictoryAllowed, (std::array<int32_t, 5>{1, 0, 1, 0, 1}));
  EXPECT_EQ(save.SlotCiv[63], 19);
  EXPECT_EQ(save.SlotStatus[0], 3);
  EXPECT_EQ(save.SlotIsMinor[22], 1);
  // Only save version 8 lists each slot's difficulty row; older saves leave it unknown.
  EXPECT_EQ(std::tuple(save.SlotHandicap[0], save.SlotHandicap[1], save.SlotHandicap[2]),
            version > 7 ? std::tuple(7, 8, 1) : std::tuple(-1, -1, -1));
  EXPECT_EQ(save.LeaderCount, 25);
  EXPECT_EQ(save.FlagBytePos, at.FlagByte);
  EXPECT_EQ(save.SlotStatusPos, at.SlotStatus);
  EXPECT_EQ(save.ActivePlayerPos, at.ActivePlayer);
  EXPECT_EQ(save.GameTypePos, at.GameType);
  EXPECT_EQ(save.SlotStatus2Pos, at.SlotStatus2);
}

INSTANTIATE_TEST_SUITE_P(AllVersions, HeaderLayouts,
                         ::testing::Combine(::testing::Values(Layout::Base, Layout::Expansion1, Layout::QEL),
                                            ::testing::Values(4, 5, 6, 7, 8)));

// ---- Version texts and build flags.

TEST(HeaderVersion, TextsDependOnTheSaveVersion) {
  EXPECT_EQ(Analyse(MakeSave(Layout::Base, 4)).GameVersionText, "Before 1.0.1.217");
  EXPECT_EQ(Analyse(MakeSave(Layout::Base, 5)).GameVersionText, "1.0.1.217-221");
  const SaveAnalysis v5 = Analyse(MakeSave(Layout::Base, 5));
  EXPECT_EQ(v5.BuildText, "");
  EXPECT_EQ(v5.BuildNumber, 0);
  EXPECT_EQ(v5.BuildAbove341539, 0);
  const SaveAnalysis v6 = Analyse(MakeSave(Layout::Expansion1, 6));
  EXPECT_EQ(v6.GameVersionText, "1.0.2.13");
  EXPECT_EQ(v6.BuildText, "341540");
  EXPECT_EQ(v6.BuildNumber, 341540);
  EXPECT_EQ(v6.BuildAbove341539, -1);
  EXPECT_EQ(v6.BuildAbove379994, 0);
}

TEST(HeaderVersion, Build395069HasNoField38And395070Has) {
  SyntheticSave synthetic = MakeSave(Layout::QEL, 8);
  synthetic.Header.VersionText = "1.0.3.100";  // a version text that sets no flag by itself
  synthetic.Header.BuildText = "395069";
  SaveAnalysis save = Analyse(synthetic);
  EXPECT_TRUE(Understood(save));
  EXPECT_EQ(save.BuildAbove395069, 0);
  EXPECT_EQ(save.BuildAbove379994, -1);
  EXPECT_EQ(save.LeaderCount, 25);

  synthetic.Header.BuildText = "395070";
  save = Analyse(synthetic);
  EXPECT_TRUE(Understood(save));
  EXPECT_EQ(save.BuildAbove395069, -1);
  EXPECT_EQ(save.LeaderCount, 25);
}

TEST(HeaderVersion, AMisreadField38DerailsTheHeaderAndIsReported) {
  SyntheticSave synthetic = MakeSave(Layout::QEL, 8);
  synthetic.Header.VersionText = "1.0.3.100";
  synthetic.Header.BuildText = "395070";
  synthetic.Header.Field38 = false;  // the parser expects it and reads past
  const SaveAnalysis save = Analyse(synthetic);
  EXPECT_FALSE(Understood(save));
  EXPECT_TRUE(save.Leaders.empty());
}

TEST(HeaderVersion, BuildNumbersOfAnotherSeriesCountByTheirVersionText) {
  SyntheticSave synthetic = MakeSave(Layout::QEL, 8);
  synthetic.Header.VersionText = "1.0.3.279 (180925)";
  synthetic.Header.BuildText = "180925";
  synthetic.Header.Field38 = true;
  SaveAnalysis save = Analyse(synthetic);
  EXPECT_TRUE(Understood(save)) << StepOf(save, "header").Stop;
  EXPECT_EQ(save.BuildAbove341539, -1);
  EXPECT_EQ(save.BuildAbove379994, -1);
  EXPECT_EQ(save.BuildAbove395069, -1);
  EXPECT_EQ(save.LeaderCount, 25);

  synthetic.Header.VersionText = "1.0.2.12";
  synthetic.Header.Field38 = false;
  save = Analyse(synthetic);
  EXPECT_TRUE(Understood(save));
  EXPECT_EQ(save.BuildAbove341539, 0);
  EXPECT_EQ(save.BuildAbove395069, 0);
}

TEST(HeaderVersion, ABuildTextThatIsNoNumberCountsAsZeroAndIsNoted) {
  SyntheticSave synthetic = MakeSave(Layout::Expansion1, 8);
  synthetic.Header.BuildText = "beta";
  synthetic.Header.VersionText = "1.0.1.999";
  const SaveAnalysis save = Analyse(synthetic);
  EXPECT_EQ(save.BuildNumber, 0);
  EXPECT_EQ(save.BuildAbove341539, 0);
  EXPECT_NE(StepOf(save, "header").Stop.find("not a number"), std::string::npos);
  EXPECT_EQ(save.LeaderCount, 25);
}

// ---- Name tables and the fields that depend on them.

TEST(HeaderNameTables, Version7WithASmallCountReadsOnlyTheCount) {
  SyntheticSave synthetic = MakeSave(Layout::Expansion1, 7);
  synthetic.Header.NameTables = false;
  synthetic.Header.NoNameTableCount = 0;
  synthetic.Body.NameTables = false;
  const SaveAnalysis save = Analyse(synthetic);
  EXPECT_TRUE(Understood(save));
  EXPECT_EQ(save.HasSlotNameTables, 0);
  EXPECT_EQ(save.SlotLeader[0], 12);  // field 41 is read when there are no name tables
  EXPECT_EQ(save.SlotMinorCiv[25], 3);
  EXPECT_EQ(save.Leaders[0].LeaderName, "Napoleon");
}

TEST(HeaderNameTables, AClosingValueBelow3MakesField48Numbers) {
  SyntheticSave synthetic = MakeSave(Layout::QEL, 8);
  synthetic.Header.ClosingValue = 2;
  const SaveAnalysis save = Analyse(synthetic);
  EXPECT_TRUE(Understood(save));
  EXPECT_EQ(save.SlotCivKeys[0], "CIVILIZATION_FRANCE");
  EXPECT_EQ(save.SlotMinorKeys[25], "MINOR_CIV_GENEVA");
}

// ---- Headers that cannot be trusted give no player rows.

TEST(HeaderUnderstood, AMissingTurnTimerKeyStopsTheHeader) {
  SyntheticSave synthetic = MakeSave(Layout::QEL, 8);
  synthetic.Header.TurnTimerKey = false;
  const SaveAnalysis save = Analyse(synthetic);
  const StepDiagnostic header = StepOf(save, "header");
  EXPECT_FALSE(header.Found);
  EXPECT_NE(header.Stop.find("header not understood"), std::string::npos);
  EXPECT_TRUE(save.Leaders.empty());
  EXPECT_EQ(StepOf(save, "replay").Step, "");  // no body step runs on a header not understood
}

TEST(HeaderUnderstood, AShortPerSlotListMeansNotUnderstood) {
  SyntheticSave synthetic = MakeSave(Layout::Base, 5);
  synthetic.Header.IsMinorListLength = 63;
  const SaveAnalysis save = Analyse(synthetic);
  EXPECT_NE(StepOf(save, "header").Stop.find("SlotIsMinor has 63 entries"), std::string::npos);
  EXPECT_TRUE(save.Leaders.empty());
  EXPECT_EQ(save.LeaderCount, 0);
}

TEST(HeaderUnderstood, AHugeDamagedCountStopsAtTheEndOfTheImage) {
  SyntheticSave synthetic = MakeSave(Layout::QEL, 8);
  synthetic.WithBody = false;
  Bytes file = synthetic.File();
  const auto at = static_cast<size_t>(BuildHeader(synthetic.Header).Offsets.SlotCivCount);
  file[at] = 0xFF, file[at + 1] = 0xFF, file[at + 2] = 0xFF, file[at + 3] = 0x7F;
  const SaveAnalysis save = AnalyseFile(file);
  EXPECT_FALSE(Understood(save));
  EXPECT_TRUE(save.Leaders.empty());
}

TEST(HeaderUnderstood, ATruncatedHeaderIsNotUnderstood) {
  SyntheticSave synthetic = MakeSave(Layout::Expansion1, 8);
  synthetic.WithBody = false;
  Bytes file = synthetic.File();
  file.resize(file.size() / 2);
  const SaveAnalysis save = AnalyseFile(file);
  EXPECT_FALSE(Understood(save));
  EXPECT_TRUE(save.Leaders.empty());
}

TEST(HeaderUnderstood, AHeaderWithoutBodyIsAnalysedAndNoBodyStepRuns) {
  SyntheticSave synthetic = MakeSave(Layout::QEL, 8);
  synthetic.WithBody = false;
  const SaveAnalysis save = Analyse(synthetic);
  EXPECT_TRUE(Understood(save));
  EXPECT_EQ(save.LeaderCount, 25);
  EXPECT_EQ(StepOf(save, "body values").Step, "");
  EXPECT_EQ(StepOf(save, "replay").Step, "");
  EXPECT_EQ(save.CurrentTurn, 0);
}

// ---- Values at the start of the body.

TEST(BodyValues, TurnDateSpeedAndPlayingTime) {
  SyntheticSave synthetic = MakeSave(Layout::QEL, 8);
  synthetic.Body.ElapsedTurns = 10;
  synthetic.Body.StartTurn = 2;
  synthetic.Body.PlayTime = 20152;
  SaveAnalysis save = Analyse(synthetic);
  EXPECT_EQ(save.CurrentTurn, 12);
  EXPECT_EQ(save.SpeedIndex, 2);
  EXPECT_EQ(save.CurrentYear, -3520);
  EXPECT_EQ(save.SpeedPercent, 100);
  EXPECT_EQ(save.PlaySeconds, 2016);  // a remainder above 1 tenth rounds up

  synthetic.Body.PlayTime = 20151;
  synthetic.Body.TurnLimit = 600;  // a length the game does not offer: the 500-turn calendar
  save = Analyse(synthetic);
  EXPECT_EQ(save.PlaySeconds, 2015);
  EXPECT_EQ(save.SpeedIndex, 2);

  synthetic.Body.TurnLimit = 330;
  EXPECT_EQ(Analyse(synthetic).SpeedIndex, 3);
}

TEST(BodyValues, LevelVictoryAndScoreFollowTheNameTexts) {
  SyntheticSave synthetic = MakeSave(Layout::Expansion1, 8);
  synthetic.Body.NameTexts = {"TXT_A", "TXT_BB"};
  synthetic.Body.LevelIndex = 6;
  synthetic.Body.VictoryType = 2;
  synthetic.Body.GameOver = 1;
  synthetic.Body.GameScore = 34;
  const SaveAnalysis save = Analyse(synthetic);
  EXPECT_EQ(save.LevelIndex, 6);
  EXPECT_EQ(save.VictoryType, 2);
  EXPECT_EQ(save.GameOver, 1);
  EXPECT_EQ(save.GameScore, 34);
  EXPECT_EQ(save.DifficultyPercent2, 75);  // Immortal
  EXPECT_EQ(save.DifficultyPercent7, 75);
}

TEST(BodyValues, WithoutNameTablesTheValuesStand138BytesIn) {
  SyntheticSave synthetic = MakeSave(Layout::Base, 5);
  synthetic.Body.LevelIndex = 9;  // outside the table: Prince
  synthetic.Body.GameScore = 583;
  const SaveAnalysis save = Analyse(synthetic);
  EXPECT_EQ(save.LevelIndex, 3);
  EXPECT_EQ(save.GameScore, 583);
  EXPECT_EQ(save.DifficultyPercent2, 100);
}

}  // namespace
}  // namespace orv5::testing
