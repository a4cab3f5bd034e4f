// The derived values against the game's own records of the last completed turn, save by save:
// the agreement reached may grow but never fall back.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <variant>
#include <vector>

#include "analysis/GameRecords.h"
#include "analysis/Save5Analyse.h"
#include "tests/support/RealSaveAnalysis.h"
#include "tests/support/RealSaves.h"

namespace orv5::testing {
namespace {


// Agreeing / compared players per value, in the order of AllRecordedValues: GrossHappiness,
// Happiness, Unhappiness, CulturePerTurn, CityCount, Population, PolicyCount, TotalGold,
// GoldenAgeTurns, PolicyCulture.
struct ExpectedAgreement {
  std::string Save;
  int32_t Skipped;
  std::array<std::array<int32_t, 2>, AllRecordedValues.size()> Values;
};

const ExpectedAgreement kExpected[] = {
    {"exp1-spain.Orv5Save", 0, {{{8, 8}, {8, 8}, {8, 8}, {8, 8}, {8, 8}, {7, 8}, {8, 8}, {8, 8}, {8, 8}, {8, 8}}}},
    {"qel-poland-t12.Orv5Save", 0, {{{7, 8}, {6, 8}, {7, 8}, {8, 8}, {8, 8}, {8, 8}, {8, 8}, {7, 8}, {8, 8}, {8, 8}}}},
    {"qel-hotseat-t26.Orv5Save", 0, {{{4, 4}, {4, 4}, {4, 4}, {4, 4}, {4, 4}, {4, 4}, {4, 4}, {3, 4}, {4, 4}, {3, 4}}}},
    {"qel-hotseat-t2a.Orv5Save", 3, {{{1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}}}},
    // Turn 1: every player's first city is younger than the record of turn 0.
    {"qel-hotseat-t1.Orv5Save", 3, {}},
    // No history (turn 0, a game about to start, the base game's body): nothing to compare.
    {"qel-hotseat-t0.Orv5Save", 0, {}},
    {"qel-denmark-duel.Orv5Save", 0, {}},
    {"base-v5-france-scenario.Orv5Save", 0, {}},
};

class RecordsRealSaves : public ::testing::TestWithParam<ExpectedAgreement> {};

TEST_P(RecordsRealSaves, AgreementDoesNotFallBack) {
  const ExpectedAgreement& expected = GetParam();
  ORV5_REQUIRE_REAL_SAVE(path, expected.Save);
  const SaveAnalysis save = AnalyseRealSave(path);
  const RecordComparison result = CompareWithRecords(save);
  EXPECT_EQ(static_cast<int32_t>(result.Skipped.size()), expected.Skipped);
  for (size_t v = 0; v < AllRecordedValues.size(); ++v) {
    const std::string name(RecordedValueName(AllRecordedValues[v]));
    EXPECT_EQ(result.Values[v].Compared, expected.Values[v][1]) << name;
    EXPECT_GE(result.Values[v].Agree, expected.Values[v][0]) << name;
  }
}

INSTANTIATE_TEST_SUITE_P(RealSaves, RecordsRealSaves, ::testing::ValuesIn(kExpected),
                         [](const ::testing::TestParamInfo<ExpectedAgreement>& info) {
                           std::string name = info.param.Save.substr(0, info.param.Save.find('.'));
                           for (char& c : name) c = c == '-' ? '_' : c;
                           return name;
                         });

// Computer players of the first expansion play on their own difficulty row (Chieftain: 60 %
// of the city-count and citizen unhappiness), then at the game level's 75 % (Immortal).
TEST(RecordsRealSaves, FirstExpansionComputerPlayersOnTheirOwnRow) {
  ORV5_REQUIRE_REAL_SAVE(path, "exp1-spain.Orv5Save");
  const SaveAnalysis save = AnalyseRealSave(path);
  ASSERT_GE(save.Leaders.size(), 8U);
  EXPECT_EQ(save.SlotHandicap[0], 6);  // the human: Immortal
  EXPECT_EQ(save.SlotHandicap[1], 1);  // computer players and city-states: Chieftain
  for (int32_t row = 1; row < 8; ++row) {
    EXPECT_EQ(save.Leaders[static_cast<size_t>(row)].Unhappiness, 2) << save.Leaders[static_cast<size_t>(row)].LeaderName;
  }
}

// QEL computer players play a level beyond the table's eight (all of the city-count and three
// quarters of the citizens' unhappiness); the game level then leaves them their share of the
// whole units: 100 % at Prince, 75 % at Deity.
TEST(RecordsRealSaves, QelComputerPlayersOnTheComputerLevel) {
  ORV5_REQUIRE_REAL_SAVE(hotseatPath, "qel-hotseat-t26.Orv5Save");
  ORV5_REQUIRE_REAL_SAVE(polandPath, "qel-poland-t12.Orv5Save");
  const SaveAnalysis hotseat = AnalyseRealSave(hotseatPath);
  ASSERT_GE(hotseat.Leaders.size(), 4U);
  EXPECT_EQ(hotseat.SlotHandicap[3], 8);
  EXPECT_EQ(hotseat.Leaders[3].Unhappiness, 9);  // 2 cities and 5 citizens: 6 + 3.75
  const SaveAnalysis poland = AnalyseRealSave(polandPath);
  ASSERT_GE(poland.Leaders.size(), 7U);
  EXPECT_EQ(poland.DifficultyPercent7, 75);
  const std::array<int32_t, 3> rows{poland.Leaders[1].Unhappiness, poland.Leaders[2].Unhappiness,
                                    poland.Leaders[6].Unhappiness};
  EXPECT_EQ(rows, (std::array<int32_t, 3>{4, 6, 6}));  // 6 -> 4.5, 9.75 -> 6.75, 8.25 -> 6
}

// The first player's points are labelled a turn later: its record of the end of turn 11 is
// the point of turn 12, which equals the saved treasury; the others' point of turn 11 does.
TEST(RecordsRealSaves, TheFirstPlayersPointsCarryTheNextTurn) {
  ORV5_REQUIRE_REAL_SAVE(path, "qel-poland-t12.Orv5Save");
  const SaveAnalysis save = AnalyseRealSave(path);
  const auto human = LastTurnRecord(save, 0, RecordedValue::TotalGold);
  const auto computer = LastTurnRecord(save, 2, RecordedValue::TotalGold);
  ASSERT_TRUE(human && computer);
  const std::array<int32_t, 3> records{human->Turn, human->Value, computer->Value};
  EXPECT_EQ(records, (std::array<int32_t, 3>{11, 69, 14}));
  EXPECT_EQ(save.HistoryTable[0][2][11], 65);  // the first player's point of turn 11: a turn older
}

}  // namespace
}  // namespace orv5::testing
