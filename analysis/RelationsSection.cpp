// City-state relations: every player slot has a relation block whose influence list gives each
// player's standing with it, in hundredths. Friends stand at 30.00 or more; the ally is the
// player with the most influence, from 60.00 on.
#include <string>

#include "analysis/ListReads.h"
#include "analysis/Sections.h"
#include "refdata/RefTables.h"

namespace orv5 {

namespace {

constexpr int32_t kRelationMarker = static_cast<int32_t>(0xF1A0EAB7);
constexpr int32_t kRelationPassLimit = 1001;
constexpr int32_t kFriendInfluence = 3000;
constexpr int32_t kAllyInfluence = 6000;
constexpr int32_t kTrue = -1;

// The marker opens records of several kinds; the relation block is the one of the layout's
// kind, and its influence list stands a fixed gap after the kind. First-expansion builds above
// 341,539 grew the gap by four bytes.
struct RelationLayout {
  GameVariant Variant;
  int32_t Kind;
  int32_t Gap;
  int32_t GapAbove341539;
};

constexpr RelationLayout kRelationLayouts[] = {
    {GameVariant::Base, 1, 2688, 2688},
    {GameVariant::Expansion1, 32, 2424, 2428},
    {GameVariant::QEL, 38, 2500, 2500},
};

const RelationLayout& LayoutFor(GameVariant variant) {
  for (const RelationLayout& layout : kRelationLayouts) {
    if (layout.Variant == variant) return layout;
  }
  return kRelationLayouts[0];
}

// Friends from 3000; the ally is the first column with the largest influence, when that is at
// least 6000, and is not counted a friend as well.
void MarkFriendsAndAlly(const PlayerGrid& influence, PlayerGrid& friends, PlayerGrid& ally) {
  size_t top = 0;
  for (size_t i = 0; i < influence.size(); ++i) {
    if (influence[i] >= kFriendInfluence) friends[i] = kTrue;
    if (influence[i] > influence[top]) top = i;
  }
  if (influence[top] >= kAllyInfluence) {
    ally[top] = kTrue;
    friends[top] = 0;
  }
}

}  // namespace

void ReadMinorRelations(ParseContext& ctx, SaveAnalysis& save) {
  StepDiagnostic& step = AddStep(ctx, save, "relations");
  const RelationLayout& layout = LayoutFor(SelectVariant(save.IsQEL != 0, save.HasExpansion1 != 0));
  const int32_t gap = save.BuildAbove341539 ? layout.GapAbove341539 : layout.Gap;
  int32_t position = ctx.BodyStart;
  int32_t pass = 0;
  for (; pass < kRelationPassLimit; ++pass) {
    const int32_t hit = ctx.Image.FindInt(kRelationMarker, position);
    if (hit == 0) break;
    position = ImageReader::Advance(hit, 8);  // past the marker and the value after it
    ListReader lists(ctx.Image, position);
    if (lists.Int() != layout.Kind) continue;
    if (save.MinorInfluence.size() >= static_cast<size_t>(MaxPlayers)) {
      step.Stop = "more than 64 relation blocks, the later ones ignored";
      break;
    }
    lists.Image().Skip(position, gap);
    PlayerGrid& influence = save.MinorInfluence.emplace_back();
    for (int32_t& value : influence) value = lists.Int();
    MarkFriendsAndAlly(influence, save.MinorFriend.emplace_back(), save.MinorAlly.emplace_back());
  }
  if (pass == kRelationPassLimit) step.Stop = "search pass limit reached";
  step.Records = static_cast<int32_t>(save.MinorInfluence.size());
  step.Found = step.Records > 0;
}

}  // namespace orv5
