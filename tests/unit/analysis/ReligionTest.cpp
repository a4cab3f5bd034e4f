// Religions: the list found through its anchor before the embedded database, founders mapped
// from slots to rows, and six beliefs kept, in both expansions' layouts.
#include <gtest/gtest.h>

#include "analysis/Sections.h"
#include "tests/support/BodyBuilder.h"

namespace orv5::testing {
namespace {

constexpr int32_t GoddessHunt = 2009895730;
constexpr int32_t SacredWaters = 384367483;
constexpr int32_t StoneCircles = -311158921;

struct ReligionRun {
  SaveAnalysis Save;
  int32_t Cursor = 0;
};

class Religions : public ::testing::TestWithParam<GameVariant> {
 protected:
  int32_t ListBack() const { return GetParam() == GameVariant::QEL ? 274 : 254; }

  // Slots 0, 1, 3 and 22 take part; the list stands after `lead` bytes.
  ReligionRun Run(const std::vector<ReligionSpec>& religions, size_t lead = 100) {
    ByteWriter w;
    w.Zeros(lead);
    WriteReligionList(w, GetParam(), religions);
    image_ = w.Take();
    ReligionRun run{MakePlayers(GetParam(), 403694, {0, 1, 3, 22}), 0};
    run.Save.Leaders[2].Beliefs = {9, 9, 9, 9, 9, 9, 9};  // left over: cleared when the row founds a religion
    ParseContext ctx = ContextOver(image_, 8);
    ReadReligions(ctx, run.Save);
    run.Cursor = ctx.Cursor;
    return run;
  }

  Bytes image_;
};

// ---- Founders and beliefs.

TEST_P(Religions, FoundersAreSlotsMappedToRows) {
  const ReligionRun run = Run({{3, {GoddessHunt}}, {22, {SacredWaters, StoneCircles}}});
  EXPECT_EQ(run.Save.Leaders[2].Beliefs, (std::array<int32_t, 7>{GoddessHunt, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(run.Save.Leaders[3].Beliefs, (std::array<int32_t, 7>{SacredWaters, StoneCircles, 0, 0, 0, 0, 0}));
  EXPECT_EQ(run.Save.Leaders[0].Beliefs, (std::array<int32_t, 7>{}));
  const StepDiagnostic step = StepNamed(run.Save, "religions");
  EXPECT_TRUE(step.Found);
  EXPECT_EQ(step.Records, 2);
}

TEST_P(Religions, EightBeliefsKeepSix) {
  const std::vector<int32_t> eight = {101, 102, 103, 104, 105, 106, 107, 108};
  const ReligionRun run = Run({{0, {GoddessHunt}}, {1, eight}, {3, {StoneCircles}}});
  EXPECT_EQ(run.Save.Leaders[1].Beliefs, (std::array<int32_t, 7>{101, 102, 103, 104, 105, 106, 0}));
  // The two beliefs past the sixth are read: the next religion is intact.
  EXPECT_EQ(run.Save.Leaders[2].Beliefs[0], StoneCircles);
}

TEST_P(Religions, FounderSlotWithoutARowStoresNothing) {
  const ReligionRun run = Run({{5, {GoddessHunt}, 3}, {63, {SacredWaters}}, {1, {StoneCircles}}});
  EXPECT_EQ(run.Save.Leaders[0].Beliefs[0], 0);
  EXPECT_EQ(run.Save.Leaders[2].Beliefs[0], 9);  // not a founder: left as it was
  EXPECT_EQ(run.Save.Leaders[3].Beliefs[0], 0);
  EXPECT_EQ(run.Save.Leaders[1].Beliefs[0], StoneCircles);
  EXPECT_EQ(StepNamed(run.Save, "religions").Records, 3);
}

// ---- Finding the list.

TEST_P(Religions, StartSettlesOnTheFirstSmallValueBeforeTheAnchor) {
  // The anchor is the first trailing entry (in the first expansion its text, 4 bytes further
  // on), so the belief count stands b or b + 1 tries back; the six tries reach every founder
  // the game allows (6 beliefs in QEL, 5 in the first expansion). With one QEL belief the first
  // try, 12 bytes before the anchor, already holds the count.
  const int32_t most = GetParam() == GameVariant::QEL ? 6 : 5;
  for (int32_t beliefs = 1; beliefs <= most; ++beliefs) {
    std::vector<int32_t> list(static_cast<size_t>(beliefs), GoddessHunt);
    list.back() = StoneCircles;
    const ReligionRun run = Run({{0, list}, {1, {SacredWaters}}});
    EXPECT_EQ(run.Save.Leaders[0].Beliefs[static_cast<size_t>(beliefs - 1)], StoneCircles) << beliefs;
    EXPECT_EQ(run.Save.Leaders[1].Beliefs[0], SacredWaters) << beliefs;
    // The main cursor ends after the list, where the database text begins.
    EXPECT_EQ(run.Cursor, static_cast<int32_t>(image_.size()) - 16) << beliefs;
  }
}

TEST_P(Religions, AnchorPastTheDatabaseTextEndsTheStep) {
  ByteWriter w;
  w.Zeros(40);
  w.Raw(std::string_view("SQLite format 3\0", 16));
  w.Zeros(40);
  WriteReligionList(w, GetParam(), {{0, {GoddessHunt}}});
  image_ = w.Take();
  SaveAnalysis save = MakePlayers(GetParam(), 403694, {0});
  ParseContext ctx = ContextOver(image_, 8);
  ReadReligions(ctx, save);
  EXPECT_EQ(save.Leaders[0].Beliefs[0], 0);
  EXPECT_FALSE(StepNamed(save, "religions").Found);
  EXPECT_EQ(ctx.Cursor, 8);
}

TEST_P(Religions, NoAnchorEndsTheStep) {
  ByteWriter w;
  w.Zeros(300);
  w.Raw(std::string_view("SQLite format 3\0", 16));
  image_ = w.Take();
  SaveAnalysis save = MakePlayers(GetParam(), 403694, {0});
  ParseContext ctx = ContextOver(image_, 8);
  ReadReligions(ctx, save);
  EXPECT_FALSE(StepNamed(save, "religions").Found);
}

TEST_P(Religions, DamagedReligionCountStopsAtTheEndOfTheImage) {
  ByteWriter w;
  w.Zeros(100);
  WriteReligionList(w, GetParam(), {{0, {GoddessHunt}}});
  w.PutInt(104, 0x7FFFFFFF);  // the religion count
  image_ = w.Take();
  SaveAnalysis save = MakePlayers(GetParam(), 403694, {0});
  ParseContext ctx = ContextOver(image_, 8);
  ReadReligions(ctx, save);
  EXPECT_EQ(save.Leaders[0].Beliefs[0], GoddessHunt);
  EXPECT_NE(StepNamed(save, "religions").Stop.find("end of the image"), std::string::npos);
}

TEST_P(Religions, AReligionRunningPastTheImageEndStoresNothing) {
  // A second religion is counted but the image ends 8 bytes into it: its founder would read as
  // slot 0 from the zeros past the end and wipe that row's beliefs.
  ByteWriter w;
  w.Zeros(100);
  WriteReligionList(w, GetParam(), {{0, {GoddessHunt}}});
  w.PutInt(104, 2);
  Bytes bytes = w.Take();
  bytes.resize(bytes.size() - 8);  // keeps "SQLite f", the database text the step needs
  image_ = bytes;
  SaveAnalysis save = MakePlayers(GetParam(), 403694, {0});
  ParseContext ctx = ContextOver(image_, 8);
  ReadReligions(ctx, save);
  EXPECT_EQ(save.Leaders[0].Beliefs[0], GoddessHunt);
  EXPECT_NE(StepNamed(save, "religions").Stop.find("end of the image"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(BothExpansions, Religions, ::testing::Values(GameVariant::Expansion1, GameVariant::QEL),
                         [](const auto& info) { return info.param == GameVariant::QEL ? "QEL" : "Expansion1"; });

TEST(ReligionLayouts, TheBaseGameHasNoReligions) {
  ByteWriter w;
  w.Zeros(100);
  WriteReligionList(w, GameVariant::Expansion1, {{0, {GoddessHunt}}});
  const Bytes image = w.Take();
  SaveAnalysis save = MakePlayers(GameVariant::Base, 0, {0});
  ParseContext ctx = ContextOver(image, 8);
  ReadReligions(ctx, save);
  EXPECT_EQ(save.Leaders[0].Beliefs[0], 0);
  EXPECT_FALSE(StepNamed(save, "religions").Found);
}

}  // namespace
}  // namespace orv5::testing
