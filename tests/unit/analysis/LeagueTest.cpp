// World-congress projects: the block found by its text, the three projects kept, and the
// step's own cursor.
#include <gtest/gtest.h>

#include <numeric>

#include "analysis/Sections.h"
#include "tests/support/BodyBuilder.h"

namespace orv5::testing {
namespace {

std::vector<int32_t> Ramp(int32_t count) {
  std::vector<int32_t> values(static_cast<size_t>(count));
  std::iota(values.begin(), values.end(), 1);
  return values;
}

struct LeagueRun {
  SaveAnalysis Save;
  int32_t CursorAfter = 0;
};

LeagueRun ReadLeagueOf(const Bytes& image, GameVariant variant = GameVariant::QEL, int32_t cursor = 4) {
  LeagueRun run{MakePlayers(variant, 395131, {0, 1}), 0};
  ParseContext ctx = ContextOver(image, cursor);
  ReadLeague(ctx, run.Save);
  run.CursorAfter = ctx.Cursor;
  return run;
}

Bytes LeagueImage(const std::vector<LeagueProjectSpec>& projects, int32_t listed = AsListed, int32_t members = 2) {
  ByteWriter w;
  w.Zeros(64);
  WriteLeagueBlock(w, members, projects, listed);
  w.Zeros(16);
  return w.Take();
}

// ---- Projects.

TEST(LeagueProjects, ProjectsReadBackWithTheirFlags) {
  const LeagueRun run = ReadLeagueOf(LeagueImage({{113407765, {300, 0, 150}, true, false}, {-219100156, {5}, false, true}}));
  const auto& p = run.Save.LeagueProjects;
  EXPECT_EQ(p[0].ProjectId, 113407765);
  EXPECT_EQ(p[0].Contribution[0], 300);
  EXPECT_EQ(p[0].Contribution[2], 150);
  EXPECT_EQ(p[0].Total, 450);
  EXPECT_EQ(p[0].Flag1, 1);
  EXPECT_EQ(p[0].Flag2, 0);
  EXPECT_EQ(p[1].ProjectId, -219100156);
  EXPECT_EQ(p[1].Flag2, 1);
  EXPECT_EQ(p[2].ProjectId, -1);  // not listed
  const StepDiagnostic step = StepNamed(run.Save, "league");
  EXPECT_TRUE(step.Found);
  EXPECT_EQ(step.Records, 2);
  EXPECT_EQ(step.Stop, "");
}

TEST(LeagueProjects, FourProjectsKeepThree) {
  const LeagueRun run = ReadLeagueOf(LeagueImage({{11, {1}}, {12, {2}}, {13, {3}}, {14, {4}}}));
  EXPECT_EQ(run.Save.LeagueProjects[0].ProjectId, 11);
  EXPECT_EQ(run.Save.LeagueProjects[2].ProjectId, 13);
  EXPECT_EQ(run.Save.LeagueProjects[2].Total, 3);
  const StepDiagnostic step = StepNamed(run.Save, "league");
  EXPECT_EQ(step.Records, 3);
  EXPECT_NE(step.Stop.find("4 projects"), std::string::npos) << step.Stop;
}

TEST(LeagueProjects, SeventyContributionsKeep64AndTotalTheirSum) {
  const LeagueRun run = ReadLeagueOf(LeagueImage({{21, Ramp(70), true, true}, {22, {9}, false, true}}));
  const LeagueProject& p = run.Save.LeagueProjects[0];
  EXPECT_EQ(p.Contribution[63], 64);
  EXPECT_EQ(p.Total, 64 * 65 / 2);
  // The six dropped contributions are still read: the flags and the next project follow them.
  EXPECT_EQ(p.Flag1, 1);
  EXPECT_EQ(p.Flag2, 1);
  EXPECT_EQ(run.Save.LeagueProjects[1].ProjectId, 22);
  EXPECT_EQ(run.Save.LeagueProjects[1].Contribution[0], 9);
}

TEST(LeagueProjects, NegativeProjectCountReadsNothing) {
  const LeagueRun run = ReadLeagueOf(LeagueImage({{21, {1}}}, -5));
  EXPECT_EQ(run.Save.LeagueProjects[0].ProjectId, -1);
  EXPECT_EQ(StepNamed(run.Save, "league").Records, 0);
}

// ---- Finding the block.

TEST(LeagueSearch, MainCursorStaysWhereItWas) {
  // The religions lie before the league block and are read from the main cursor next.
  const LeagueRun run = ReadLeagueOf(LeagueImage({{11, {1}}}), GameVariant::QEL, 12);
  EXPECT_EQ(run.CursorAfter, 12);
  EXPECT_EQ(run.Save.LeagueProjects[0].ProjectId, 11);
}

TEST(LeagueSearch, SearchStartsAtTheMainCursor) {
  const Bytes image = LeagueImage({{11, {1}}});
  const LeagueRun run = ReadLeagueOf(image, GameVariant::QEL, 120);  // past the block's text
  EXPECT_EQ(run.Save.LeagueProjects[0].ProjectId, -1);
  EXPECT_FALSE(StepNamed(run.Save, "league").Found);
}

TEST(LeagueSearch, NoTextLeavesAllProjectsUnused) {
  ByteWriter w;
  w.Zeros(200);
  const LeagueRun run = ReadLeagueOf(w.Take());
  for (const LeagueProject& p : run.Save.LeagueProjects) {
    EXPECT_EQ(p.ProjectId, -1);
    EXPECT_EQ(p.Total, 0);
  }
  const StepDiagnostic step = StepNamed(run.Save, "league");
  EXPECT_FALSE(step.Found);
  EXPECT_NE(step.Stop, "");
}

TEST(LeagueSearch, OnlyTheQELLayoutHasALeague) {
  const LeagueRun run = ReadLeagueOf(LeagueImage({{11, {1}}}), GameVariant::Expansion1);
  EXPECT_EQ(run.Save.LeagueProjects[0].ProjectId, -1);
  EXPECT_FALSE(StepNamed(run.Save, "league").Found);
}

// ---- Damage.

TEST(LeagueDamage, HugeContributionCountStopsAtTheEndOfTheImage) {
  ByteWriter w;
  w.Zeros(16);
  WriteLeagueBlock(w, 1, {});
  w.PutInt(w.Size() - 4, 1);  // one project
  w.Int(5).Int(0x7FFFFFF0).Int(1).Int(2);  // id 5, a damaged contribution count, two values
  const LeagueRun run = ReadLeagueOf(w.Take());
  EXPECT_EQ(run.Save.LeagueProjects[0].ProjectId, 5);
  EXPECT_EQ(run.Save.LeagueProjects[0].Total, 3);
  EXPECT_NE(StepNamed(run.Save, "league").Stop.find("end of the image"), std::string::npos);
}

}  // namespace
}  // namespace orv5::testing
