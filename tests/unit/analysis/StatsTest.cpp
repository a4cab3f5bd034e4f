// Player statistics: each layout's record read back value by value, the thresholds made from
// the counts, and qualifying hits numbered by slot.
#include <gtest/gtest.h>

#include "analysis/Sections.h"
#include "tests/support/BodyBuilder.h"

namespace orv5::testing {
namespace {

struct StatsLayoutCase {
  GameVariant Variant;
  int32_t Build;
  const char* Name;
};

StatsSpec Sample(int32_t seed) {
  StatsSpec s;
  s.CSCulture = seed + 1;
  s.PolicyCulture = seed + 2, s.TotalCulture = seed + 3, s.AccFaith = seed + 4, s.TotalFaith = seed + 5;
  s.GrossHappiness = seed + 6, s.AccHappiness = seed + 7;
  s.GoldenAgeCount = seed + 8, s.GoldenAgeTurns = seed + 9, s.GoldenAgeExtra = seed + 10;
  s.GreatPeopleCount = 2, s.GeneralCount = 3, s.AdmiralCount = 4, s.WriterCount = 5, s.ArtistCount = 6;
  s.MusicianCount = 7, s.GreatPeopleExtra = seed + 11;
  for (size_t f = 0; f < s.Faiths.size(); ++f) s.Faiths[f] = seed + 20 + static_cast<int32_t>(f);
  s.ResearchOverflow = seed + 30, s.GGPoints = seed + 31, s.GAPoints = seed + 32, s.TGGPoints = seed + 33;
  s.PolicyCultureNeeded = seed + 34, s.PolicyExtra1 = seed + 35, s.PolicyCount = seed + 36, s.PolicyExtra2 = seed + 37;
  return s;
}

class Statistics : public ::testing::TestWithParam<StatsLayoutCase> {
 protected:
  bool IsQEL() const { return GetParam().Variant == GameVariant::QEL; }
  bool IsBase() const { return GetParam().Variant == GameVariant::Base; }

  // Records for slots 0..count-1 with Sample(100 * slot); `invalid` slots get a failing check.
  SaveAnalysis Run(const std::vector<int32_t>& slots, int32_t count, const std::vector<int32_t>& invalid = {}) {
    ByteWriter w;
    w.Zeros(16);
    if (IsQEL()) WriteStatsAnchor(w);
    for (int32_t s = 0; s < count; ++s) {
      const bool bad = std::find(invalid.begin(), invalid.end(), s) != invalid.end();
      if (bad) WriteStatsRecord(w, GetParam().Variant, GetParam().Build, Sample(-1), false);
      WriteStatsRecord(w, GetParam().Variant, GetParam().Build, Sample(100 * s));
    }
    image_ = w.Take();
    SaveAnalysis save = MakePlayers(GetParam().Variant, GetParam().Build, slots);
    save.SpeedPercent = 150;
    ParseContext ctx = ContextOver(image_);
    ReadPlayerStats(ctx, save);
    return save;
  }

  Bytes image_;
};

// ---- Values.

TEST_P(Statistics, EveryValueReadsBack) {
  const SaveAnalysis save = Run({0, 1}, 2);
  const TLeaderInfoRec& r = save.Leaders[1];
  EXPECT_EQ(r.CSCulture, IsBase() ? 101 : 0);
  EXPECT_EQ(r.PolicyCulture, 102);
  EXPECT_EQ(r.TotalCulture, 103);
  EXPECT_EQ(r.AccFaith, IsBase() ? 0 : 104);
  EXPECT_EQ(r.TotalFaith, IsBase() ? 0 : 105);
  EXPECT_EQ(r.GrossHappiness, 106);
  EXPECT_EQ(r.AccHappiness, 107);
  EXPECT_EQ(r.GoldenAgeCount, 108);
  EXPECT_EQ(r.GoldenAgeTurns, 109);
  EXPECT_EQ(r.GoldenAgeExtra, 110);
  EXPECT_EQ(r.GreatPeopleCount, 2);
  EXPECT_EQ(r.GreatPeopleExtra, IsQEL() ? 0 : 111);
  EXPECT_EQ(r.GMFaith, IsQEL() ? 120 : 0);
  EXPECT_EQ(r.GEFaith, IsQEL() ? 127 : 0);
  EXPECT_EQ(r.ResearchOverflow, 130);
  EXPECT_EQ(r.GGPoints, 131);
  EXPECT_EQ(r.GAPoints, IsQEL() ? 132 : 0);
  EXPECT_EQ(r.TGGPoints, 133);
  EXPECT_EQ(r.PolicyCultureNeeded, 134);
  EXPECT_EQ(r.PolicyExtra1, 135);
  EXPECT_EQ(r.PolicyCount, 136);
  EXPECT_EQ(r.PolicyExtra2, 137);
}

TEST_P(Statistics, ThresholdsComeFromTheCounts) {
  const SaveAnalysis save = Run({0}, 1);
  const TLeaderInfoRec& r = save.Leaders[0];
  EXPECT_EQ(r.GreatPersonThreshold, 3 * 150);                      // (count + 1) x speed percent
  EXPECT_EQ(r.GreatGeneralThreshold, IsBase() ? 2 * 3 + 200 : 3 * 200 + 200);
  EXPECT_EQ(r.GreatAdmiralThreshold, IsQEL() ? 4 * 200 + 200 : 0);
  EXPECT_EQ(r.GreatWriterThreshold, IsQEL() ? 6 * 150 : 0);
  EXPECT_EQ(r.GreatArtistThreshold, IsQEL() ? 7 * 150 : 0);
  EXPECT_EQ(r.GreatMusicianThreshold, IsQEL() ? 8 * 150 : 0);
}

// ---- Hits and slots.

TEST_P(Statistics, HitNumbersAreMatchedToSlots) {
  // Slots 0, 1 and 3 take part: rows 0, 1, 2 come from qualifying hits 0, 1 and 3.
  const SaveAnalysis save = Run({0, 1, 3}, 5);
  EXPECT_EQ(save.Leaders[0].PolicyCulture, 2);
  EXPECT_EQ(save.Leaders[1].PolicyCulture, 102);
  EXPECT_EQ(save.Leaders[2].PolicyCulture, 302);
  const StepDiagnostic step = StepNamed(save, "statistics");
  EXPECT_TRUE(step.Found);
  EXPECT_EQ(step.Records, 5);
}

TEST_P(Statistics, HitsFailingTheChecksTakeNoNumber) {
  const SaveAnalysis save = Run({0, 1, 2}, 3, {1, 2});
  EXPECT_EQ(save.Leaders[1].PolicyCulture, 102);
  EXPECT_EQ(save.Leaders[2].PolicyCulture, 202);
  EXPECT_EQ(StepNamed(save, "statistics").Records, 3);
}

INSTANTIATE_TEST_SUITE_P(Layouts, Statistics,
                         ::testing::Values(StatsLayoutCase{GameVariant::QEL, 403694, "QEL"},
                                           StatsLayoutCase{GameVariant::Expansion1, 330000, "Expansion1Early"},
                                           StatsLayoutCase{GameVariant::Expansion1, 341540, "Expansion1"},
                                           StatsLayoutCase{GameVariant::Expansion1, 380000, "Expansion1Late"},
                                           StatsLayoutCase{GameVariant::Base, 0, "Base"}),
                         [](const auto& info) { return info.param.Name; });

// ---- The QEL anchor.

TEST(StatsAnchor, RecordsBeforeTheAnchorAreNotCounted) {
  ByteWriter w;
  w.Zeros(16);
  WriteStatsRecord(w, GameVariant::QEL, 395131, Sample(900));  // other data with the same shape
  WriteStatsAnchor(w);
  WriteStatsRecord(w, GameVariant::QEL, 395131, Sample(0));
  const Bytes image = w.Take();
  SaveAnalysis save = MakePlayers(GameVariant::QEL, 395131, {0});
  ParseContext ctx = ContextOver(image);
  ReadPlayerStats(ctx, save);
  EXPECT_EQ(save.Leaders[0].PolicyCulture, 2);
  EXPECT_EQ(StepNamed(save, "statistics").Records, 1);
}

TEST(StatsAnchor, WithoutAnAnchorTheSearchStartsAtTheLastAnchorHit) {
  ByteWriter w;
  w.Zeros(16);
  WriteStatsRecord(w, GameVariant::QEL, 395131, Sample(0));
  const Bytes image = w.Take();
  SaveAnalysis save = MakePlayers(GameVariant::QEL, 395131, {0});
  ParseContext ctx = ContextOver(image);
  ReadPlayerStats(ctx, save);
  EXPECT_EQ(save.Leaders[0].PolicyCulture, 2);
  EXPECT_NE(StepNamed(save, "statistics").Stop.find("no anchor"), std::string::npos);
}

}  // namespace
}  // namespace orv5::testing
