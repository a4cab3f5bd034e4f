// Technologies: one record per slot in each layout, the counts each layout accepts, and the
// checks that pick the older layouts' records out of the building key hits.
#include <gtest/gtest.h>

#include "analysis/Sections.h"
#include "tests/support/BodyBuilder.h"

namespace orv5::testing {
namespace {

struct TechLayoutCase {
  GameVariant Variant;
  int32_t Build;
  int32_t Count;     // technologies a record of the layout lists
  int32_t TooMany;   // the first count that ends the step (0: the layout's count is fixed)
  const char* Name;
};

int32_t KnownCount(const TLeaderInfoRec& row) {
  int32_t known = 0;
  for (const int32_t k : row.TechKnown) known += k != 0;
  return known;
}

class Technologies : public ::testing::TestWithParam<TechLayoutCase> {
 protected:
  void Write(ByteWriter& w, const TechSpec& tech, int32_t kind = 2) {
    if (GetParam().Variant == GameVariant::QEL) {
      WriteTechRecordQEL(w, tech);
    } else {
      WriteTechRecordOlder(w, GetParam().Variant, tech, kind);
    }
  }

  // One record per slot; slot s knows s % 5 + 1 technologies and has research 10 * s in the last one.
  TechSpec SlotTech(int32_t s) const {
    TechSpec tech;
    tech.LeadValue = s + 100;
    tech.Count = GetParam().Count;
    for (int32_t k = 0; k <= s % 5; ++k) tech.Known.push_back(k);
    tech.Progress.assign(static_cast<size_t>(GetParam().Count), 0);
    tech.Progress.back() = 10 * s;
    return tech;
  }

  SaveAnalysis Run(const Bytes& image, const std::vector<int32_t>& slots) {
    image_ = image;
    SaveAnalysis save = MakePlayers(GetParam().Variant, GetParam().Build, slots);
    save.Leaders[0].TechKnown[80] = 1;  // left over: cleared by the step
    save.Leaders[0].TechProgress[80] = 7;
    ParseContext ctx = ContextOver(image_);
    ReadTechnologies(ctx, save);
    return save;
  }

  Bytes image_;
};

// ---- Records by slot.

TEST_P(Technologies, EachSlotRecordGoesToItsRow) {
  ByteWriter w;
  w.Zeros(16);
  for (int32_t s = 0; s < 64; ++s) Write(w, SlotTech(s));
  const SaveAnalysis save = Run(w.Take(), {0, 3, 22});
  const int32_t last = GetParam().Count - 1;
  EXPECT_EQ(KnownCount(save.Leaders[0]), 1);
  EXPECT_EQ(KnownCount(save.Leaders[1]), 4);
  EXPECT_EQ(KnownCount(save.Leaders[2]), 3);
  EXPECT_EQ(save.Leaders[1].TechLeadValue, 103);
  EXPECT_EQ(save.Leaders[2].TechProgress[static_cast<size_t>(last)], 220);
  EXPECT_EQ(save.Leaders[0].TechKnown[80], GetParam().Count == 81 ? 0 : 0);  // cleared
  EXPECT_EQ(save.Leaders[0].TechProgress[80], 0);
  const StepDiagnostic step = StepNamed(save, "technologies");
  EXPECT_TRUE(step.Found);
  EXPECT_EQ(step.Records, 64);
}

TEST_P(Technologies, TooLargeACountEndsTheStepAndEarlierSlotsKeepTheirData) {
  if (GetParam().TooMany == 0) GTEST_SKIP() << "the base game's count is fixed";
  ByteWriter w;
  w.Zeros(16);
  Write(w, SlotTech(0));
  TechSpec broken = SlotTech(1);
  broken.Count = GetParam().TooMany;
  Write(w, broken);
  Write(w, SlotTech(2));
  const SaveAnalysis save = Run(w.Take(), {0, 1, 2});
  EXPECT_EQ(KnownCount(save.Leaders[0]), 1);
  EXPECT_EQ(KnownCount(save.Leaders[1]), 0);
  EXPECT_EQ(KnownCount(save.Leaders[2]), 0);
  const StepDiagnostic step = StepNamed(save, "technologies");
  EXPECT_EQ(step.Records, 1);
  EXPECT_NE(step.Stop.find(std::to_string(GetParam().TooMany)), std::string::npos) << step.Stop;
}

TEST_P(Technologies, NoRecordLeavesEveryRowCleared) {
  ByteWriter w;
  w.Zeros(400);
  const SaveAnalysis save = Run(w.Take(), {0});
  EXPECT_EQ(KnownCount(save.Leaders[0]), 0);
  EXPECT_EQ(save.Leaders[0].TechProgress[80], 0);
  EXPECT_FALSE(StepNamed(save, "technologies").Found);
}

INSTANTIATE_TEST_SUITE_P(Layouts, Technologies,
                         ::testing::Values(TechLayoutCase{GameVariant::QEL, 395131, 81, 82, "QEL"},
                                           TechLayoutCase{GameVariant::Expansion1, 341540, 80, 81, "Expansion1"},
                                           TechLayoutCase{GameVariant::Base, 0, 74, 0, "Base"}),
                         [](const auto& info) { return info.param.Name; });

// ---- The older layouts' checks.

TEST(TechChecks, AKeyHitWhoseKindIsNot1Or2IsPassedOver) {
  ByteWriter w;
  w.Zeros(16);
  TechSpec decoy;
  decoy.Count = 80;
  decoy.Known = {0, 1, 2, 3, 4, 5, 6};
  WriteTechRecordOlder(w, GameVariant::Expansion1, decoy, 3);
  TechSpec real;
  real.Count = 80;
  real.Known = {0, 1};
  WriteTechRecordOlder(w, GameVariant::Expansion1, real, 1);
  const Bytes image = w.Take();
  SaveAnalysis save = MakePlayers(GameVariant::Expansion1, 341540, {0});
  ParseContext ctx = ContextOver(image);
  ReadTechnologies(ctx, save);
  EXPECT_EQ(KnownCount(save.Leaders[0]), 2);
  EXPECT_EQ(StepNamed(save, "technologies").Records, 1);
}

TEST(TechChecks, QELStepStopsAfter64Passes) {
  // The QEL marker is the first technology's hash; hits after the 64 slot records are other data.
  ByteWriter w;
  w.Zeros(16);
  for (int32_t s = 0; s < 64; ++s) {
    TechSpec tech;
    tech.Known = {0};
    WriteTechRecordQEL(w, tech);
  }
  TechSpec extra;
  extra.Known = {0, 1, 2};
  WriteTechRecordQEL(w, extra);
  const Bytes image = w.Take();
  SaveAnalysis save = MakePlayers(GameVariant::QEL, 395131, {63});
  ParseContext ctx = ContextOver(image);
  ReadTechnologies(ctx, save);
  EXPECT_EQ(KnownCount(save.Leaders[0]), 1);
  EXPECT_EQ(StepNamed(save, "technologies").Stop, "");
}

}  // namespace
}  // namespace orv5::testing
