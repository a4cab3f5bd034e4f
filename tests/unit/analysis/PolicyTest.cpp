// Adopted policies: one record per slot, told apart from other hits of the first policy's hash
// by the count and version before it, and stored in the slot's player row.
#include <gtest/gtest.h>

#include <functional>

#include "analysis/Sections.h"
#include "tests/support/BodyBuilder.h"

namespace orv5::testing {
namespace {

struct PolicyLayoutCase {
  GameVariant Variant;
  int32_t Count;
  int32_t Version;
};

std::vector<int32_t> Adopted(const SaveAnalysis& save, size_t row) {
  std::vector<int32_t> positions;
  if (row >= save.PolicyFlags.size()) return positions;
  for (size_t p = 0; p < save.PolicyFlags[row].size(); ++p) {
    if (save.PolicyFlags[row][p] != 0) positions.push_back(static_cast<int32_t>(p));
  }
  return positions;
}

class Policies : public ::testing::TestWithParam<PolicyLayoutCase> {
 protected:
  // 64 slot records, each after `strays` stray hits of the marker; slot s adopts adopted(s).
  SaveAnalysis Run(const std::vector<int32_t>& slots, const std::function<std::vector<int32_t>(int32_t)>& adopted,
                   int strays = 3, int records = 64) {
    ByteWriter w;
    w.Zeros(16);
    for (int32_t s = 0; s < records; ++s) {
      for (int k = 0; k < strays; ++k) WriteStrayPolicyMarker(w);
      WritePolicyRecord(w, GetParam().Version, GetParam().Count, adopted(s));
    }
    image_ = w.Take();
    SaveAnalysis save = MakePlayers(GetParam().Variant, 395131, slots);
    ParseContext ctx = ContextOver(image_);
    ReadPolicies(ctx, save);
    return save;
  }

  Bytes image_;
};

// ---- Records by slot.

TEST_P(Policies, EachSlotRecordGoesToItsRow) {
  const int32_t last = GetParam().Count - 1;
  const SaveAnalysis save = Run({0, 1, 22, 63}, [last](int32_t s) -> std::vector<int32_t> {
    if (s == 1) return {6, 8};
    if (s == 5) return {3};  // an empty slot: no row
    if (s == 22) return {0};
    if (s == 63) return {last};
    return {};
  });
  EXPECT_EQ(Adopted(save, 0), std::vector<int32_t>{});
  EXPECT_EQ(Adopted(save, 1), (std::vector<int32_t>{6, 8}));
  EXPECT_EQ(Adopted(save, 2), (std::vector<int32_t>{0}));
  EXPECT_EQ(Adopted(save, 3), (std::vector<int32_t>{last}));
  EXPECT_EQ(save.PolicyFlags.size(), 4u);  // rows only, never one per slot
  const StepDiagnostic step = StepNamed(save, "policies");
  EXPECT_TRUE(step.Found);
  EXPECT_EQ(step.Records, 64);
  EXPECT_EQ(step.Stop, "");
}

TEST_P(Policies, SeveralHitsPerSlotStillReachAllSlots) {
  // 4 hits per slot make 256 hits: a pass limit of 64 would end at slot 15.
  const SaveAnalysis save = Run({0, 40, 63}, [](int32_t s) { return std::vector<int32_t>{s % 7}; });
  EXPECT_EQ(Adopted(save, 1), std::vector<int32_t>{40 % 7});
  EXPECT_EQ(Adopted(save, 2), std::vector<int32_t>{63 % 7});
}

TEST_P(Policies, FewerRecordsLeaveLaterRowsEmpty) {
  const SaveAnalysis save = Run({0, 30}, [](int32_t) { return std::vector<int32_t>{2}; }, 1, 10);
  EXPECT_EQ(Adopted(save, 0), std::vector<int32_t>{2});
  EXPECT_EQ(Adopted(save, 1), std::vector<int32_t>{});
  const StepDiagnostic step = StepNamed(save, "policies");
  EXPECT_EQ(step.Records, 10);
  EXPECT_NE(step.Stop, "");
}

INSTANTIATE_TEST_SUITE_P(Layouts, Policies,
                         ::testing::Values(PolicyLayoutCase{GameVariant::QEL, 111, 2},
                                           PolicyLayoutCase{GameVariant::Expansion1, 70, 5},
                                           PolicyLayoutCase{GameVariant::Base, 70, 5}),
                         [](const auto& info) {
                           return info.param.Variant == GameVariant::QEL          ? "QEL"
                                  : info.param.Variant == GameVariant::Expansion1 ? "Expansion1"
                                                                                  : "Base";
                         });

// ---- Records that do not qualify.

TEST(PolicyChecks, ARecordOfCount71IsIgnoredAndTakesNoSlot) {
  ByteWriter w;
  w.Zeros(8);
  WritePolicyRecord(w, 5, 71, {1});
  WritePolicyRecord(w, 5, 70, {2});  // slot 0
  WritePolicyRecord(w, 5, 70, {3});  // slot 1
  const Bytes image = w.Take();
  SaveAnalysis save = MakePlayers(GameVariant::Expansion1, 341540, {0, 1});
  ParseContext ctx = ContextOver(image);
  ReadPolicies(ctx, save);
  EXPECT_EQ(Adopted(save, 0), std::vector<int32_t>{2});
  EXPECT_EQ(Adopted(save, 1), std::vector<int32_t>{3});
  EXPECT_EQ(StepNamed(save, "policies").Records, 2);
}

TEST(PolicyChecks, TheOtherLayoutsRecordsDoNotQualify) {
  ByteWriter w;
  w.Zeros(8);
  WritePolicyRecord(w, 2, 111, {4});  // a QEL record in a first-expansion save
  const Bytes image = w.Take();
  SaveAnalysis save = MakePlayers(GameVariant::Expansion1, 341540, {0});
  ParseContext ctx = ContextOver(image);
  ReadPolicies(ctx, save);
  EXPECT_TRUE(save.PolicyFlags.empty());
  EXPECT_FALSE(StepNamed(save, "policies").Found);
}

TEST(PolicyChecks, RecordsPastThe64thSlotAreNotRead) {
  ByteWriter w;
  w.Zeros(8);
  for (int32_t s = 0; s < 66; ++s) WritePolicyRecord(w, 2, 111, {s % 111});
  const Bytes image = w.Take();
  SaveAnalysis save = MakePlayers(GameVariant::QEL, 403694, {63});
  ParseContext ctx = ContextOver(image);
  ReadPolicies(ctx, save);
  EXPECT_EQ(Adopted(save, 0), std::vector<int32_t>{63});
  EXPECT_EQ(StepNamed(save, "policies").Records, 64);
}

}  // namespace
}  // namespace orv5::testing
