#include "tools/DemoSave.h"

#include <cmath>

#include "tests/support/BodySections.h"
#include "tests/support/HeaderBuilder.h"

namespace orv5::demo {

namespace {

constexpr int32_t DemoTurns = 60;
constexpr int32_t QELDatasets = 27;

std::vector<testing::ReplayEntry> DemoReplay() {
  std::vector<testing::ReplayEntry> log = {{0, "Session 1 started"}, {0, "Session 2 started"},
                                           {0, "Warsaw was founded."}};
  for (int32_t turn = 5; turn < DemoTurns; turn += 5) log.push_back({turn, "A great work was completed."});
  log.push_back({31, "Session 3 started"});
  log.push_back({52, "Session 4 started"});
  return log;
}

// One curve per statistic for one player: each grows at its own pace.
std::vector<testing::HistoryPoints> DemoHistory(int player) {
  std::vector<testing::HistoryPoints> datasets(QELDatasets);
  for (int d = 0; d < QELDatasets; ++d) {
    for (int32_t turn = 0; turn < DemoTurns; ++turn) {
      const double growth = (1.0 + 0.1 * player) * (d + 1) * std::sqrt(static_cast<double>(turn + 1));
      datasets[d].push_back({turn, static_cast<int32_t>(growth)});
    }
  }
  return datasets;
}

}  // namespace

testing::Bytes BuildDemoSave() {
  testing::SyntheticSave save = testing::MakeSave(testing::Layout::QEL, 8);
  save.Body.ElapsedTurns = DemoTurns;
  save.Body.GameScore = 212;
  save.Body.PlayTime = 72000;  // two hours
  testing::WriteReplayLog(save.Sections, 8, DemoReplay(), 4);
  for (int player = 0; player < 24; ++player) testing::WriteHistoryBlock(save.Sections, DemoHistory(player));
  testing::WriteClosingDatasetList(save.Sections, QELDatasets - 1);
  return save.File();
}

}  // namespace orv5::demo
