// The Graph tab: one per-turn statistic for the checked players, one line each, and the axis
// ranges the chart is fitted to.
#include <algorithm>
#include <cmath>

#include "refdata/Lookups.h"
#include "refdata/TextArrays.h"
#include "views/Tabs.h"
#include "views/ViewCommon.h"
#include "views/ViewParts.h"

namespace orv5 {

namespace {

// Line colours of the chart's 25 series (0xBBGGRR). They equal the check list's colours except
// line 14, which the list draws in 0x808040.
constexpr uint32_t kSeriesColoursBgr[GraphSeriesCount] = {
    0x0000FF, 0xFF0000, 0x00FF00, 0x00FFFF, 0x0080FF, 0xFFFF00, 0xFF00FF, 0x008080, 0x000080,
    0xFF0080, 0x004000, 0x80FF80, 0x004080, 0x408080, 0x400040, 0xFFFF80, 0x404000, 0x4080FF,
    0x800080, 0x008000, 0x808080, 0x808000, 0x800000, 0xFFFFFF, 0x000000};

int32_t HistoryValue(const SaveAnalysis& save, int32_t row, int32_t dataset, int32_t turn) {
  if (row < 0 || static_cast<size_t>(row) >= save.HistoryTable.size()) return 0;
  if (dataset < 0 || dataset >= MaxDatasets || turn < 0) return 0;
  const std::vector<int32_t>& values = save.HistoryTable[static_cast<size_t>(row)][static_cast<size_t>(dataset)];
  return static_cast<size_t>(turn) < values.size() ? values[static_cast<size_t>(turn)] : 0;
}

// `CheckListBox1DrawItem`: an item is painted in the colour of its line, black when unchecked.
Colour CheckListColour(int32_t graphIndex) {
  if (graphIndex < 0) return Black;
  const auto colours = GraphColours();
  return FromBgr(colours[static_cast<size_t>(std::min<int32_t>(graphIndex, static_cast<int32_t>(colours.size()) - 1))]);
}

ListModel CheckListBox(const SaveAnalysis& save, const std::vector<bool>& checks, const std::vector<int32_t>& index) {
  ListModel list;
  list.Name = "CheckListBox1";
  for (size_t k = 0; k < save.Leaders.size(); ++k) {
    list.Items.push_back(save.Leaders[k].LeaderName);
    list.Checked.push_back(checks[k]);
    list.ItemColours.push_back(CheckListColour(index[k]));
  }
  return list;
}

ListModel GraphSelect(const SaveAnalysis& save, int32_t dataset) {
  ListModel list;
  list.Name = "GraphSelect";
  const auto names = GraphNames(save.IsQEL != 0);
  for (int i = 0; i < DatasetChoiceCount(save); ++i) list.Items.emplace_back(names[static_cast<size_t>(i)]);
  list.Selected = SelectedItem(dataset, list.Items.size());
  return list;
}

}  // namespace

std::vector<bool> DefaultGraphChecks(const SaveAnalysis& save) {
  std::vector<bool> checks;
  for (const TLeaderInfoRec& leader : save.Leaders) checks.push_back(leader.CivIndex != 18 && leader.CivIndex != 19);
  return checks;
}

std::vector<bool> LimitGraphChecks(std::vector<bool> checks) {
  int checked = 0;
  for (size_t k = 0; k < checks.size(); ++k) {
    if (checks[k] && ++checked > GraphSeriesCount) checks[k] = false;
  }
  return checks;
}

std::vector<int32_t> CheckGraphIndexes(const std::vector<bool>& checks) {
  std::vector<int32_t> index;
  int32_t n = 0;
  for (bool checked : checks) index.push_back(checked ? n++ : -1);
  return index;
}

std::vector<ChartSeries> DrawGraph(const SaveAnalysis& save, int32_t dataset, const std::vector<int32_t>& graphIndex) {
  std::vector<ChartSeries> series;
  // Turns outside the table read as 0, as its never-written last value does; the range also
  // keeps a damaged turn count from producing millions of points.
  const int32_t first = std::max(save.StartTurn, 0);
  const int32_t last = std::min(save.CurrentTurn - 1, HistoryTurns);
  for (size_t item = 0; item < graphIndex.size() && series.size() < GraphSeriesCount; ++item) {
    if (graphIndex[item] == -1) continue;
    ChartSeries line{static_cast<int32_t>(item), FromBgr(kSeriesColoursBgr[series.size()]), {}};
    for (int32_t t = first; t <= last; ++t) {
      line.Points.emplace_back(t, HistoryValue(save, static_cast<int32_t>(item), dataset, t));
    }
    series.push_back(std::move(line));
  }
  return series;
}

AxisRange DefaultBottomAxis(const SaveAnalysis& save) {
  return AxisRange{0, save.ElapsedTurns > 1 ? static_cast<double>(save.CurrentTurn) - 1 : 0.0};
}

AxisRange HistoryChartFitSize(const std::vector<ChartSeries>& series, AxisRange bottom, int32_t startTurn,
                              int32_t elapsedTurns, bool zoomResetPending) {
  int64_t i0 = static_cast<int64_t>(std::nearbyint(bottom.Min)) - startTurn;
  int64_t i1 = static_cast<int64_t>(std::nearbyint(bottom.Max)) - startTurn;
  if (i0 < 0) i0 = 0;
  if (i1 <= 0) i1 = std::max<int64_t>(int64_t{elapsedTurns} - 1, 0);
  float low = 999.0F;  // the chart's own starting bounds, in single precision
  float high = 0.0F;
  for (const ChartSeries& line : series) {
    const int64_t end = std::min<int64_t>(i1, static_cast<int64_t>(line.Points.size()) - 1);
    for (int64_t k = i0; k <= end; ++k) {
      const float v = static_cast<float>(line.Points[static_cast<size_t>(k)].second);
      low = std::min(low, v);
      high = std::max(high, v);
    }
  }
  if (low > high) high = low;
  if (zoomResetPending && low > 0) low = 0;
  return AxisRange{static_cast<double>(low) - 0.02 * static_cast<double>(high), 1.05 * static_cast<double>(high)};
}

TabModel GraphTabModel(const SaveAnalysis& save, const ViewSelection& selection) {
  TabModel tab{"GraphTab", TabVisible(save, "GraphTab"), {}};
  const int32_t dataset =
      selection.Dataset >= 0 && selection.Dataset < DatasetChoiceCount(save) ? selection.Dataset : 0;
  tab.Add(GraphSelect(save, dataset));
  std::vector<bool> checks = selection.GraphChecks.empty() ? DefaultGraphChecks(save) : selection.GraphChecks;
  checks.resize(save.Leaders.size(), false);
  const std::vector<int32_t> graphIndex = CheckGraphIndexes(checks);
  tab.Add(CheckListBox(save, checks, graphIndex));
  ChartModel chart;
  chart.Name = "HistoryChart";
  chart.Series = DrawGraph(save, dataset, graphIndex);
  chart.Bottom = selection.BottomAxis.value_or(DefaultBottomAxis(save));
  chart.Left =
      HistoryChartFitSize(chart.Series, chart.Bottom, save.StartTurn, save.ElapsedTurns, selection.ZoomResetPending);
  tab.Add(std::move(chart));
  return tab;
}

}  // namespace orv5
