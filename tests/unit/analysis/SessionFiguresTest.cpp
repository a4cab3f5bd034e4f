// Play sessions and their average length.
#include <gtest/gtest.h>

#include "analysis/Sections.h"
#include "analysis/SessionFigures.h"
#include "tests/support/BodySections.h"
#include "tests/support/HeaderBuilder.h"

namespace orv5::testing {
namespace {

SaveAnalysis Figures(int32_t sessionCount, int32_t playSeconds, int32_t preSessions) {
  SaveAnalysis save;
  save.SessionCount = sessionCount;
  save.PlaySeconds = playSeconds;
  CheckValues(save, preSessions);
  return save;
}

TEST(SessionFigures, PlaySessionsAreTheSessionsLessThePreSessions) {
  const SaveAnalysis save = Figures(4, 2015, 2);
  EXPECT_EQ(save.PreSessionCount, 2);
  EXPECT_EQ(save.PlaySessionCount, 2);
  EXPECT_EQ(save.AverageSessionSeconds, 1007);
  EXPECT_EQ(AverageSessionText(save.AverageSessionSeconds), "     0:16:47");
}

TEST(SessionFigures, NoPlaySessionsAverageZero) {
  const SaveAnalysis save = Figures(2, 3000, 5);  // a corrected count above the total
  EXPECT_EQ(save.PlaySessionCount, 0);
  EXPECT_EQ(save.AverageSessionSeconds, 0);
  EXPECT_EQ(AverageSessionText(0), "     0:00:00");
}

TEST(SessionFigures, HoursMinutesAndSeconds) {
  EXPECT_EQ(AverageSessionText(Figures(2, 7384, 0).AverageSessionSeconds), "     1:01:32");
  EXPECT_EQ(AverageSessionText(1000 * 3600 + 59), "  1000:00:59");
}

TEST(SessionFigures, ACorrectedPreSessionCountRecomputes) {
  SaveAnalysis save = Figures(4, 2015, 2);
  CheckValues(save, 1);
  EXPECT_EQ(save.PlaySessionCount, 3);
  EXPECT_EQ(save.AverageSessionSeconds, 671);
}

TEST(SessionFigures, TheParserRunsThemOnEverySave) {
  SyntheticSave synthetic = MakeSave(Layout::Base, 5);
  synthetic.Body.PlayTime = 34111;  // 3411 seconds: a remainder of 1 tenth is dropped
  WriteReplayLog(synthetic.Sections, 5, {{15, "Session 2 starts"}}, 2);
  const SaveAnalysis save = Analyse(synthetic);
  EXPECT_EQ(save.PreSessionCount, 0);
  EXPECT_EQ(save.PlaySessionCount, 2);
  EXPECT_EQ(AverageSessionText(save.AverageSessionSeconds), "     0:28:25");
}

}  // namespace
}  // namespace orv5::testing
