// The league, religion, policy, technology, statistics and player-record steps on the real saves:
// the values the game shows for these saves, the per-slot mapping (no city-state row holds an
// empty slot's data), and the stored counts against the saves' own history curves.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <variant>
#include <vector>

#include "analysis/Save5Analyse.h"
#include "refdata/Lookups.h"
#include "refdata/TextArrays.h"
#include "tests/support/RealSaveAnalysis.h"
#include "tests/support/RealSaves.h"

namespace orv5::testing {
namespace {


std::vector<const TLeaderInfoRec*> Majors(const SaveAnalysis& save) {
  std::vector<const TLeaderInfoRec*> majors;
  for (const TLeaderInfoRec& row : save.Leaders) {
    if (IsPlayer(row.Slot, save.SlotCiv, save.SlotStatus)) majors.push_back(&row);
  }
  return majors;
}

size_t RowOf(const SaveAnalysis& save, const TLeaderInfoRec* row) { return static_cast<size_t>(row - save.Leaders.data()); }

template <typename Value>
std::vector<int32_t> OfMajors(const SaveAnalysis& save, Value value) {
  std::vector<int32_t> values;
  for (const TLeaderInfoRec* row : Majors(save)) values.push_back(value(*row));
  return values;
}

int32_t TechsKnown(const TLeaderInfoRec& row) {
  return static_cast<int32_t>(std::count_if(row.TechKnown.begin(), row.TechKnown.end(), [](int32_t k) { return k != 0; }));
}

int32_t AdoptedPolicies(const SaveAnalysis& save, size_t row) {
  if (row >= save.PolicyFlags.size()) return 0;
  const auto& flags = save.PolicyFlags[row];
  return static_cast<int32_t>(std::count_if(flags.begin(), flags.end(), [](int32_t f) { return f != 0; }));
}

int32_t LogMessages(const SaveAnalysis& save, size_t row) {
  const auto& messages = save.NotificationLogs.at(row).Messages;
  return static_cast<int32_t>(std::count_if(messages.begin(), messages.end(), [](const TMessageRec& m) { return !m.Text.empty(); }));
}

const StepDiagnostic* Step(const SaveAnalysis& save, const std::string& name) {
  for (const StepDiagnostic& step : save.Diagnostics) {
    if (step.Step == name) return &step;
  }
  return nullptr;
}

void ExpectAllSlotsReached(const SaveAnalysis& save) {
  for (const char* name : {"policies", "technologies", "statistics", "notifications"}) {
    const StepDiagnostic* step = Step(save, name);
    ASSERT_NE(step, nullptr) << name;
    EXPECT_TRUE(step->Found) << name;
    EXPECT_EQ(step->Records, 64) << name;
  }
}

// A city-state row never holds the data of an empty slot: empty slots research nothing (lead
// value -1) and need no culture for a policy.
void ExpectCityStateRowsHoldTheirOwnData(const SaveAnalysis& save) {
  for (size_t r = 0; r < save.Leaders.size(); ++r) {
    const TLeaderInfoRec& row = save.Leaders[r];
    if (!IsMinor(row.Slot, save.SlotCiv)) continue;
    EXPECT_GE(row.TechLeadValue, 0) << row.LeaderName;
    EXPECT_GT(TechsKnown(row), 0) << row.LeaderName;
    EXPECT_GT(row.PolicyCultureNeeded, 0) << row.LeaderName;
    EXPECT_EQ(AdoptedPolicies(save, r), 0) << row.LeaderName;
  }
}

// ---- Values per save.

TEST(LaterSectionsRealSaves, PolandAtTurn12) {
  ORV5_REQUIRE_REAL_SAVE(path, "qel-poland-t12.Orv5Save");
  const SaveAnalysis save = AnalyseRealSave(path);
  EXPECT_EQ(OfMajors(save, [](const TLeaderInfoRec& r) { return r.PolicyCount; }),
            (std::vector<int32_t>{0, 2, 2, 2, 0, 1, 1, 1}));
  std::vector<int32_t> adopted;
  for (const TLeaderInfoRec* row : Majors(save)) adopted.push_back(AdoptedPolicies(save, RowOf(save, row)));
  EXPECT_EQ(adopted, (std::vector<int32_t>{0, 2, 2, 2, 0, 1, 1, 1}));
  EXPECT_EQ(OfMajors(save, TechsKnown), (std::vector<int32_t>{3, 7, 7, 7, 7, 8, 8, 8}));
  ASSERT_EQ(save.Leaders[0].LeaderName, "Casimir");
  EXPECT_EQ(LogMessages(save, 0), 11);
  EXPECT_EQ(save.Leaders[0].Gold, 6900);
  EXPECT_EQ(save.NotificationLogs[0].Messages[0].Text, "Warsaw is ready for a new construction project.");
  ExpectAllSlotsReached(save);
  ExpectCityStateRowsHoldTheirOwnData(save);
}

TEST(LaterSectionsRealSaves, HotseatOfTheFinalBuild) {
  ORV5_REQUIRE_REAL_SAVE(path, "qel-hotseat-t26.Orv5Save");
  const SaveAnalysis save = AnalyseRealSave(path);
  EXPECT_EQ(OfMajors(save, [](const TLeaderInfoRec& r) { return r.PolicyCount; }), (std::vector<int32_t>{3, 3, 3, 3}));
  std::vector<int32_t> humanLogs;
  for (const TLeaderInfoRec* row : Majors(save)) {
    EXPECT_EQ(AdoptedPolicies(save, RowOf(save, row)), 3) << row->LeaderName;
    if (row->Trait == "Human") humanLogs.push_back(LogMessages(save, RowOf(save, row)));
  }
  EXPECT_EQ(humanLogs, (std::vector<int32_t>{25, 53, 44}));
  ASSERT_EQ(save.Leaders[0].LeaderName, "Alexander");
  EXPECT_EQ(save.Leaders[0].Gold, 12200);
  // The two pantheons: Sacred Waters for Montezuma (slot 1), Goddess of the Hunt for Boudicca (slot 3).
  EXPECT_EQ(save.Leaders[1].Beliefs[0], 384367483);
  EXPECT_EQ(save.Leaders[3].Beliefs[0], 2009895730);
  ExpectAllSlotsReached(save);
  ExpectCityStateRowsHoldTheirOwnData(save);
}

TEST(LaterSectionsRealSaves, SpainOfTheFirstExpansion) {
  ORV5_REQUIRE_REAL_SAVE(path, "exp1-spain.Orv5Save");
  const SaveAnalysis save = AnalyseRealSave(path);
  EXPECT_EQ(OfMajors(save, TechsKnown), (std::vector<int32_t>{3, 6, 6, 5, 4, 5, 4, 6}));
  EXPECT_EQ(OfMajors(save, [](const TLeaderInfoRec& r) { return r.PolicyCount; }),
            (std::vector<int32_t>{0, 1, 0, 1, 1, 1, 0, 1}));
  ASSERT_EQ(save.Leaders[0].LeaderName, "Isabella");
  EXPECT_EQ(LogMessages(save, 0), 16);
  EXPECT_EQ(save.Leaders[0].Gold, 15900);
  EXPECT_EQ(save.Leaders[7].Beliefs[0], -311158921);  // Stone Circles, Selassie's pantheon
  ExpectAllSlotsReached(save);
  ExpectCityStateRowsHoldTheirOwnData(save);
}

TEST(LaterSectionsRealSaves, DenmarkDuelInTheFutureEra) {
  ORV5_REQUIRE_REAL_SAVE(path, "qel-denmark-duel.Orv5Save");
  const SaveAnalysis save = AnalyseRealSave(path);
  EXPECT_EQ(OfMajors(save, TechsKnown), (std::vector<int32_t>{68, 68}));
  ExpectAllSlotsReached(save);
}

TEST(LaterSectionsRealSaves, EarlyBaseBuildHasNoneOfTheseSections) {
  ORV5_REQUIRE_REAL_SAVE(path, "base-v5-france-scenario.Orv5Save");
  const SaveAnalysis save = AnalyseRealSave(path);
  for (const char* name : {"policies", "technologies", "statistics", "notifications"}) {
    const StepDiagnostic* step = Step(save, name);
    ASSERT_NE(step, nullptr) << name;
    EXPECT_FALSE(step->Found) << name;
  }
  EXPECT_EQ(save.NotificationLogs.size(), static_cast<size_t>(save.LeaderCount));
}

// ---- The saves' own history.

// The curve's value at its latest sample up to the last turn the graph plots (the turn before the
// save's). The table keeps no mark of a sample, only values, so the latest non-zero value stands
// for it; counts of policies and technologies never fall, so a later sample of 0 cannot be missed.
// Samples past that turn are not the saved game's: exp1-spain stands at turn 12 but holds
// curves up to turn 27, left from a game that went on and was loaded again from this point.
int32_t CurveAtLatestSample(const SaveAnalysis& save, size_t row, std::string_view curve) {
  const auto names = GraphNames(save.IsQEL != 0);
  const size_t dataset = static_cast<size_t>(std::find(names.begin(), names.end(), curve) - names.begin());
  const auto& values = save.HistoryTable.at(row).at(dataset);
  const auto end = values.begin() + std::clamp(save.CurrentTurn, 0, static_cast<int32_t>(values.size()));
  const auto last = std::find_if(std::make_reverse_iterator(end), values.rend(), [](int32_t v) { return v != 0; });
  return last == values.rend() ? 0 : *last;
}

TEST(LaterSectionsRealSaves, StoredCountsAgreeWithTheHistoryCurves) {
  for (const char* name : {"qel-poland-t12.Orv5Save", "qel-hotseat-t26.Orv5Save", "exp1-spain.Orv5Save"}) {
    ORV5_REQUIRE_REAL_SAVE(path, name);
    const SaveAnalysis save = AnalyseRealSave(path);
    for (const TLeaderInfoRec* row : Majors(save)) {
      const size_t r = RowOf(save, row);
      ASSERT_LT(r, save.HistoryTable.size()) << name;
      EXPECT_EQ(row->PolicyCount, CurveAtLatestSample(save, r, "Number Of Policies")) << name << " " << row->LeaderName;
      EXPECT_EQ(AdoptedPolicies(save, r), row->PolicyCount) << name << " " << row->LeaderName;
      EXPECT_EQ(TechsKnown(*row), CurveAtLatestSample(save, r, "Techs Known")) << name << " " << row->LeaderName;
    }
  }
}

}  // namespace
}  // namespace orv5::testing
