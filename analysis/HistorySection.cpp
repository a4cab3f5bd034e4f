// Per-turn history of every player: each player's block repeats the dataset-name list, whose
// last name is "REPLAYDATASET_MILITARYMIGHT", and follows it with the points of each dataset.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/ListReads.h"
#include "analysis/Sections.h"
#include "refdata/RefTables.h"

namespace orv5 {

namespace {

constexpr std::string_view kLastDatasetName = "REPLAYDATASET_MILITARYMIGHT";
constexpr int32_t kHistoryPassLimit = 1001;

// The number of datasets of a player block. QEL records international trade as a dataset of
// its own. The list that closes the history has one name fewer and no score: a hit followed
// by another count is that list, not a player.
struct HistoryLayout {
  GameVariant Variant;
  int32_t DatasetCount;
};

constexpr HistoryLayout kHistoryLayouts[] = {
    {GameVariant::Base, 26},
    {GameVariant::Expansion1, 26},
    {GameVariant::QEL, 27},
};

int32_t DatasetCountFor(GameVariant variant) {
  for (const HistoryLayout& layout : kHistoryLayouts) {
    if (layout.Variant == variant) return layout.DatasetCount;
  }
  return kHistoryLayouts[0].DatasetCount;
}

void SetPoint(std::vector<int32_t>& values, int32_t turn, int32_t value) {
  const auto at = static_cast<size_t>(turn);
  if (values.size() <= at) values.resize(at + 1);
  values[at] = value;
}

// Points are (turn, value) pairs. A negative turn counts as turn 0; turns past the table are dropped.
void ReadPlayerBlock(ListReader& lists, int32_t datasets, HistoryRow& row) {
  lists.Each(datasets, [&](int32_t d) {
    lists.Each(lists.Int(), [&](int32_t) {
      const int32_t turn = std::max(lists.Int(), 0);
      const int32_t value = lists.Int();
      if (turn < HistoryTurns && d < MaxDatasets) SetPoint(row[static_cast<size_t>(d)], turn, value);
    });
  });
}

}  // namespace

void ReadHistory(ParseContext& ctx, SaveAnalysis& save) {
  StepDiagnostic& step = AddStep(ctx, save, "history");
  const int32_t datasets = DatasetCountFor(SelectVariant(save.IsQEL != 0, save.HasExpansion1 != 0));
  int32_t position = ctx.BodyStart;
  int32_t pass = 0;
  for (; pass < kHistoryPassLimit; ++pass) {
    const int32_t hit = ctx.Image.FindStr(kLastDatasetName, ImageReader::Advance(position, 1));
    if (hit == 0) break;
    position = hit;
    int32_t cursor = ImageReader::Advance(hit, static_cast<int64_t>(kLastDatasetName.size()));
    ListReader lists(ctx.Image, cursor);
    if (lists.Int() != datasets) continue;
    if (save.HistoryTable.size() >= static_cast<size_t>(MaxHistoryRows)) {
      step.Stop = "more than 64 player blocks, the later ones ignored";
      break;
    }
    save.HistoryTable.emplace_back();
    ReadPlayerBlock(lists, datasets, save.HistoryTable.back());
    if (lists.Overran()) step.Stop = "a player block runs past the end of the image";
  }
  if (pass == kHistoryPassLimit) step.Stop = "search pass limit reached";
  step.Records = static_cast<int32_t>(save.HistoryTable.size());
  step.Found = step.Records > 0;
}

}  // namespace orv5
