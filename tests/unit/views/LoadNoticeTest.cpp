// The notice under the tabs (and atop `orv5 report`) for a save understood only in part.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "views/LoadNotice.h"

namespace orv5 {
namespace {

SaveAnalysis WithSteps(std::initializer_list<StepDiagnostic> steps, int32_t elapsedTurns = 10) {
  SaveAnalysis save;
  save.ElapsedTurns = elapsedTurns;
  save.Diagnostics.assign(steps);
  return save;
}

TEST(LoadNotice, AFullyUnderstoodSaveHasNone) {
  const SaveAnalysis save = WithSteps({{"header", true, 1, ""}, {"policies", true, 4, ""}, {"league", false, 0, ""},
                                       {"cities", false, 0, ""}, {"cancer", false, 0, ""}});
  EXPECT_EQ(LoadNotice(save), "");  // sections many saves lack are no sign of a misread
}

TEST(LoadNotice, NamesEveryMissingSectionThatEverySaveHas) {
  const SaveAnalysis save =
      WithSteps({{"policies", false, 0, ""}, {"history", false, 0, ""}, {"notifications", false, 0, ""}});
  EXPECT_EQ(LoadNotice(save),
            "This save was only partly understood: nothing found where the layout should have policies, history, "
            "notifications.");
}

TEST(LoadNotice, NoHistoryIsExpectedBeforeTheFirstTurn) {
  EXPECT_EQ(LoadNotice(WithSteps({{"history", false, 0, ""}}, 0)), "");
}

TEST(LoadNotice, TheHeaderStepsNoteComesFirst) {
  const SaveAnalysis save = WithSteps({{"header", true, 1, "build number \"x\" is not a number"},
                                       {"technologies", false, 0, ""}});
  EXPECT_EQ(LoadNotice(save),
            "This save was only partly understood: build number \"x\" is not a number; nothing found where the layout "
            "should have technologies.");
}

TEST(LoadNotice, AnEarlyBuildSaysWhatItsBuildCannotHold) {
  const SaveAnalysis save = WithSteps({{"policies", false, 0, ""}, {"early build", false, 0, "An early build."}});
  EXPECT_EQ(LoadNotice(save), "An early build.");
}

}  // namespace
}  // namespace orv5
