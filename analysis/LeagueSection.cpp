// World-congress projects and what each player has put into them. Only the QEL layout has a
// league; its block is found through a text of its first member entry.
//
// The step reads with a cursor of its own: the religions, which the next step reads from the
// main cursor, lie before the league block, so moving the main cursor here would lose them.
#include <algorithm>
#include <string>
#include <string_view>

#include "analysis/ListReads.h"
#include "analysis/Sections.h"

namespace orv5 {

namespace {

constexpr std::string_view LeagueText = "from membership";
constexpr int32_t LeagueBlockBefore = 40;  // the block starts this far before that text

int32_t WrappingAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

// Member entries: int32, int32, text, bool, int32, int32, int32, bool, bool; none is kept.
void SkipMembers(ListReader& list) {
  const int32_t members = list.Int();
  list.Each(members, [&](int32_t) {
    list.Int();
    list.Int();
    list.Text();
    list.Byte();
    list.Int();
    list.Int();
    list.Int();
    list.Byte();
    list.Byte();
  });
}

// Contributions come by player column in save order; columns past the 64 slots are dropped.
void ReadProject(ListReader& list, LeagueProject& project) {
  project.ProjectId = list.Int();
  const int32_t contributions = list.Int();
  list.Each(contributions, [&](int32_t i) {
    const int32_t value = list.Int();
    if (i >= MaxPlayers) return;
    project.Contribution[static_cast<size_t>(i)] = value;
    project.Total = WrappingAdd(project.Total, value);
  });
  project.Flag1 = list.Byte();
  project.Flag2 = list.Byte();
}

}  // namespace

void ReadLeague(ParseContext& ctx, SaveAnalysis& save) {
  StepDiagnostic& step = AddStep(ctx, save, "league");
  save.LeagueProjects = {};
  if (!save.IsQEL) {
    step.Stop = "only the QEL layout has a league";
    return;
  }
  const int32_t text = ctx.Image.FindStr(LeagueText, ctx.Cursor);
  if (text == 0) {
    step.Stop = "no league block (\"from membership\" not found)";
    return;
  }
  step.Found = true;
  int32_t cursor = ImageReader::Advance(text, -LeagueBlockBefore);
  ListReader list(ctx.Image, cursor);
  SkipMembers(list);
  list.Int();
  const int32_t projects = list.Int();
  const int32_t kept = std::clamp(projects, 0, MaxLeagueProjects);
  step.Records = list.Each(kept, [&](int32_t k) { ReadProject(list, save.LeagueProjects[static_cast<size_t>(k)]); });
  if (list.Overran()) {
    step.Stop = "the league block ran past the end of the image";
  } else if (projects > kept) {
    step.Stop = std::to_string(projects) + " projects listed, the first 3 kept";
  }
}

}  // namespace orv5
