// The game's own per-turn records set beside the analysis' values: which record belongs to a
// value, which players are compared, and the counts of agreement.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "analysis/GameRecords.h"

namespace orv5 {
namespace {

// Dataset positions in the save's list: QEL inserts "GPT International Trade" after the 17th.
constexpr size_t kUnhappiness = 11;
constexpr size_t kPoliciesOlder = 21;
constexpr size_t kPoliciesQEL = 22;
constexpr size_t kCityCount = 4;

// Rows 0 and 1 are nations in slots 0 and 1, row 2 a city-state in slot 22; the game is at
// turn 10, so the last completed turn is 9. Every nation has a city and a record of it.
SaveAnalysis ThreePlayers() {
  SaveAnalysis save;
  save.CurrentTurn = 10;
  for (int32_t slot : {0, 1, 22}) {
    TLeaderInfoRec& row = save.Leaders.emplace_back();
    row.Slot = slot;
    row.Status = slot == 0 ? 3 : 1;
    row.IsMinorCiv = slot == 22 ? 1 : 0;
    save.SlotCiv[static_cast<size_t>(slot)] = slot == 22 ? 18 : slot;
    save.SlotStatus[static_cast<size_t>(slot)] = row.Status;
  }
  save.LeaderCount = 3;
  save.CityTable.assign(3, {});
  save.HistoryTable.assign(3, {});
  for (size_t row = 0; row < 3; ++row) {
    TCityRec& city = save.CityTable[row].emplace_back();
    city.Population = 4;
    city.PreviousOwner = -1;  // founded by its owner
    save.Leaders[row].CityCount = 1;
    for (auto& dataset : save.HistoryTable[row]) dataset.assign(10, 0);
    save.HistoryTable[row][kCityCount][9] = 1;
  }
  return save;
}

TEST(GameRecords, ValuesFindTheirDatasetInEachLayout) {
  SaveAnalysis save = ThreePlayers();
  save.HistoryTable[0][kPoliciesOlder][9] = 3;
  save.HistoryTable[0][kPoliciesQEL][9] = 4;
  EXPECT_EQ(LastTurnRecord(save, 0, RecordedValue::PolicyCount)->Value, 3);
  save.IsQEL = -1;
  EXPECT_EQ(LastTurnRecord(save, 0, RecordedValue::PolicyCount)->Value, 4);
  EXPECT_EQ(DatasetNameOf(RecordedValue::Happiness), "Excess Happiness");
  EXPECT_EQ(DatasetNameOf(RecordedValue::GrossHappiness), "Happiness");
  EXPECT_EQ(RecordedValueName(RecordedValue::TotalGold), "TotalGold");
}

TEST(GameRecords, ARecordExistsOnlyWhereTheSaveHasAPoint) {
  SaveAnalysis save = ThreePlayers();
  save.HistoryTable[1][kUnhappiness][9] = 6;
  const auto record = RecordAt(save, 1, RecordedValue::Unhappiness, 9);
  ASSERT_TRUE(record);
  EXPECT_EQ(std::tuple(record->Turn, record->Value), std::tuple(9, 6));
  EXPECT_FALSE(RecordAt(save, 1, RecordedValue::Unhappiness, 10));  // the datasets end at turn 9
  EXPECT_FALSE(RecordAt(save, 1, RecordedValue::Unhappiness, -1));
  EXPECT_FALSE(RecordAt(save, 3, RecordedValue::Unhappiness, 9));   // no history block for the row
  EXPECT_FALSE(RecordAt(save, -1, RecordedValue::Unhappiness, 9));
  save.CurrentTurn = 0;  // saved before any turn ended
  EXPECT_FALSE(LastTurnRecord(save, 1, RecordedValue::Unhappiness));
}

// One player's points carry the turn after the one they record the end of; they run one turn
// past every other player's, and the record of the end of turn 9 is then the point of turn 10.
TEST(GameRecords, APlayerWhosePointsRunOneTurnAheadIsReadOneLater) {
  SaveAnalysis save = ThreePlayers();
  save.HistoryTable[0][kUnhappiness].assign(11, 0);
  save.HistoryTable[0][kUnhappiness][9] = 4;
  save.HistoryTable[0][kUnhappiness][10] = 5;
  EXPECT_EQ(LastTurnRecord(save, 0, RecordedValue::Unhappiness)->Value, 5);
  EXPECT_EQ(LastTurnRecord(save, 0, RecordedValue::Unhappiness)->Turn, 9);
  save.HistoryTable[1][kUnhappiness].assign(11, 0);  // a second row as long: nobody is ahead
  EXPECT_EQ(LastTurnRecord(save, 0, RecordedValue::Unhappiness)->Value, 4);
  save.HistoryTable[0][kUnhappiness].assign(12, 0);  // two turns ahead is no label shift
  EXPECT_EQ(LastTurnRecord(save, 0, RecordedValue::Unhappiness)->Value, 0);
  save.HistoryTable.resize(1);  // alone: nothing to be ahead of
  save.HistoryTable[0][kUnhappiness][9] = 4;
  EXPECT_EQ(LastTurnRecord(save, 0, RecordedValue::Unhappiness)->Value, 4);
}

TEST(GameRecords, OurValuesOfEachKind) {
  SaveAnalysis save = ThreePlayers();
  TLeaderInfoRec& p = save.Leaders[1];
  p.Gold = 15999;  // hundredths: 159 whole coins
  p.GrossHappiness = 17, p.Happiness = 11, p.Unhappiness = 6, p.CulturePerTurn = 5, p.PolicyCount = 2;
  p.GoldenAgeTurns = 3, p.PolicyCulture = 40;
  TCityRec& second = save.CityTable[1].emplace_back();
  second.Population = 3;
  second.PreviousOwner = -1;
  p.CityCount = 2;
  std::vector<int32_t> values;
  for (RecordedValue value : AllRecordedValues) values.push_back(OurValue(save, 1, value));
  EXPECT_EQ(values, (std::vector<int32_t>{17, 11, 6, 5, 2, 7, 2, 159, 3, 40}));
  EXPECT_EQ(OurValue(save, 5, RecordedValue::Unhappiness), 0);
  save.CityTable.resize(1);  // cities not read for the row
  EXPECT_EQ(OurValue(save, 1, RecordedValue::Population), 0);
}

TEST(GameRecords, WhichPlayersAreCompared) {
  SaveAnalysis save = ThreePlayers();
  EXPECT_EQ(CheckOf(save, 0), RecordCheck::Compared);
  EXPECT_EQ(CheckOf(save, 2), RecordCheck::NotMajor);  // a city-state
  EXPECT_EQ(CheckOf(save, 3), RecordCheck::NotMajor);  // no such row
  save.SlotStatus[1] = 4;                              // a slot that takes no part
  EXPECT_EQ(CheckOf(save, 1), RecordCheck::NotMajor);
  save.SlotStatus[1] = 1;
  save.Leaders[1].CityCount = 0;  // the record still shows a city: compared
  EXPECT_EQ(CheckOf(save, 1), RecordCheck::Compared);
  save.HistoryTable[1][kCityCount][9] = 0;
  EXPECT_EQ(CheckOf(save, 1), RecordCheck::NotAlive);
  save.HistoryTable[1][kCityCount].resize(9);
  EXPECT_EQ(CheckOf(save, 1), RecordCheck::NoRecord);
}

TEST(GameRecords, CitiesThatChangedHandsSinceTheRecordSkipThePlayer) {
  SaveAnalysis save = ThreePlayers();
  TCityRec& city = save.CityTable[1][0];
  city.CapturedTurn = 8;  // two turns before the save: in the record
  EXPECT_FALSE(CitiesChangedSinceRecord(save, 1));
  city.CapturedTurn = 9;  // the last completed turn
  EXPECT_TRUE(CitiesChangedSinceRecord(save, 1));
  EXPECT_EQ(CheckOf(save, 1), RecordCheck::CitiesChanged);
  EXPECT_FALSE(CitiesChangedSinceRecord(save, 0));
  city.PreviousOwner = 0;  // row 0 lost it
  EXPECT_TRUE(CitiesChangedSinceRecord(save, 0));
  city.CapturedTurn = 10;  // during the saved turn
  EXPECT_TRUE(CitiesChangedSinceRecord(save, 0));
}

TEST(GameRecords, AgreementCountsAndDisagreements) {
  SaveAnalysis save = ThreePlayers();
  save.Leaders[0].Unhappiness = 5;
  save.HistoryTable[0][kUnhappiness][9] = 5;
  save.Leaders[1].Unhappiness = 4;
  save.HistoryTable[1][kUnhappiness][9] = 3;
  save.CityTable[2][0].CapturedTurn = 9;
  save.CityTable[2][0].PreviousOwner = 1;  // row 1 lost a city to the city-state
  RecordComparison result = CompareWithRecords(save);
  EXPECT_EQ(result.Turn, 9);
  EXPECT_EQ(result.Compared, std::vector<int32_t>{0});
  EXPECT_EQ(result.Skipped, std::vector<int32_t>{1});

  save.CityTable[2][0].CapturedTurn = 0;
  result = CompareWithRecords(save);
  const auto& unhappiness = result.Values[static_cast<size_t>(RecordedValue::Unhappiness)];
  EXPECT_EQ(std::tuple(unhappiness.Agree, unhappiness.Compared), std::tuple(1, 2));
  ASSERT_FALSE(result.Mismatches.empty());
  const auto miss = std::find_if(result.Mismatches.begin(), result.Mismatches.end(),
                                 [](const RecordMismatch& m) { return m.Value == RecordedValue::Unhappiness; });
  ASSERT_NE(miss, result.Mismatches.end());
  EXPECT_EQ(std::tuple(miss->Row, miss->Ours, miss->Game), std::tuple(1, 4, 3));

  AgreementTable total{};
  AddAgreement(result.Values, total);
  AddAgreement(result.Values, total);
  EXPECT_EQ(total[static_cast<size_t>(RecordedValue::Unhappiness)].Compared, 4);
  EXPECT_EQ(total[static_cast<size_t>(RecordedValue::Unhappiness)].Agree, 2);
}

}  // namespace
}  // namespace orv5
