// The replay log and the per-turn history of every statistic. The curves are integer-only so
// that the demo save comes out byte for byte the same on every machine.
#include <algorithm>

#include "tools/DemoPlan.h"

namespace orv5::demo {

namespace {

// A statistic that grows from `Start` on the first turn to `Final` on the last: `Shape` percent
// of the growth is quadratic, the rest linear.
struct Curve {
  int32_t Start;
  int32_t Final;
  int32_t Shape;
};

// France's figures, in the order of the save's dataset list; the other players scale the final
// ones. For the nations the planned datasets end on figures other sections record (PlanValue);
// the city-states scale those too.
constexpr Curve kFranceCurves[QELDatasets] = {
    {0, 212, 50},   // Score (planned)
    {2, 38, 60},    // Production Per Turn
    {0, 345, 40},   // Total Gold (planned)
    {1, 14, 30},    // Gold Per Turn
    {0, 0, 0},      // City Count (planned)
    {0, 0, 0},      // Techs Known (planned)
    {1, 42, 70},    // Science Per Turn
    {0, 3260, 80},  // Total Culture (planned)
    {1, 31, 60},    // Culture Per Turn
    {8, 6, 20},     // Excess Happiness
    {9, 30, 30},    // Happiness (planned)
    {1, 15, 40},    // Unhappiness (for nations: happiness less its excess)
    {0, 0, 0},      // Golden Age Turns (planned)
    {1, 20, 40},    // Population (planned)
    {2, 9, 20},     // Food Per Turn
    {7, 62, 40},    // Total Land
    {0, 6, 60},     // GPT City Connections
    {0, 5, 80},     // GPT International Trade
    {0, 3, 50},     // GPT Deals
    {0, 7, 50},     // Unit Maintenance
    {0, 9, 70},     // Building Maintenance
    {0, 4, 60},     // Improvement Maintenance
    {0, 0, 0},      // Number Of Policies (planned)
    {0, 4, 30},     // Number Of Workers
    {0, 21, 60},    // Improved Tiles
    {1, 17, 40},    // Worked Tiles
    {5, 186, 60},   // Military Might
};

enum Dataset : int32_t {
  Score = 0,
  TotalGold = 2,
  CityCount = 4,
  TechsKnown = 5,
  TotalCulture = 7,
  ExcessHappiness = 9,
  Happiness = 10,
  Unhappiness = 11,
  GoldenAgeTurns = 12,
  Population = 13,
  Policies = 22,
};

constexpr int32_t kNationScale[NationCount] = {100, 85, 95, 70};  // percent of France's figures
constexpr int32_t kCityStateScale = 20;

int32_t Grown(const Curve& curve, int32_t turn) {
  const int64_t u = turn + 1;
  const int64_t last = DemoTurns;
  const int64_t part = curve.Shape * u * u + (100 - curve.Shape) * last * u;
  return curve.Start + static_cast<int32_t>((curve.Final - curve.Start) * part / (100 * last * last));
}

// The curve ending on `percent` of France's final figure; the start stays.
int32_t Scaled(const Curve& france, int32_t percent, int32_t turn) {
  return Grown({france.Start, france.Final * percent / 100, france.Shape}, turn);
}

// Ten turns of golden age, counting down: France's from turn 38, England's from turn 30.
int32_t GoldenAgeLeft(int32_t slot, int32_t turn) {
  const int32_t start = slot == 0 ? 38 : slot == 2 ? 30 : -1;
  return start >= 0 && turn >= start && turn < start + 10 ? start + 10 - turn : 0;
}

// A counter that reaches `count` by turn 55, one step at a time.
int32_t Stepped(int32_t count, int32_t turn) {
  int32_t reached = 0;
  for (int32_t k = 1; k <= count; ++k) reached += turn >= k * 55 / count ? 1 : 0;
  return reached;
}

// The datasets that end on a nation's own figures; -1 for the others.
int32_t PlanValue(const NationPlan& nation, int32_t dataset, int32_t turn) {
  const int32_t techs = static_cast<int32_t>(nation.KnownTechs.size());
  switch (dataset) {
    case Score:
      return Grown({0, nation.Score, 50}, turn);
    case TotalGold:
      return Grown({0, nation.Gold / 100, 40}, turn);
    case CityCount:
      return CityCountAt(nation.Slot, turn);
    case TechsKnown:
      return 1 + (techs - 1) * turn / (DemoTurns - 1);
    case TotalCulture:
      return Grown({0, nation.Stats.TotalCulture, 80}, turn);
    case Happiness:
      return Grown({9, nation.Stats.GrossHappiness, 30}, turn);
    case GoldenAgeTurns:
      return GoldenAgeLeft(nation.Slot, turn);
    case Population:
      return Grown({1, PopulationOf(nation.Slot), 40}, turn);
    case Policies:
      return Stepped(static_cast<int32_t>(nation.Policies.size()), turn);
    default:
      return -1;
  }
}

// City-states keep their one city and the ancient techs, and adopt no policies.
int32_t CityStateValue(int32_t dataset, int32_t turn) {
  switch (dataset) {
    case CityCount:
      return 1;
    case TechsKnown:
      return 1 + 11 * turn / (DemoTurns - 1);
    case Policies:
    case GoldenAgeTurns:
      return 0;
    default:
      return Scaled(kFranceCurves[dataset], kCityStateScale, turn);
  }
}

int32_t NationValue(int32_t slot, int32_t dataset, int32_t turn) {
  if (dataset == Unhappiness) {  // what the happiness loses to reach the excess
    return std::max(0, NationValue(slot, Happiness, turn) - NationValue(slot, ExcessHappiness, turn));
  }
  const int32_t planned = PlanValue(NationOfSlot(slot), dataset, turn);
  if (planned >= 0) return planned;
  return Scaled(kFranceCurves[dataset], kNationScale[slot], turn);
}

}  // namespace

// Two sessions on the starting turn (the game was set up, then loaded again), two later ones.
std::vector<testing::ReplayEntry> ReplayLog() {
  std::vector<testing::ReplayEntry> log = {{0, "Session 1 started"}, {0, "Session 2 started"}};
  std::vector<testing::ReplayEntry> events = CityEvents();
  const std::vector<testing::ReplayEntry> others = {
      {15, "Isabella has founded a pantheon."},
      {29, "Napoleon has founded Christianity in Paris!"},
      {30, "Elizabeth has entered a Golden Age!"},
      {31, "Session 3 started"},
      {34, "Elizabeth has founded Protestantism in London!"},
      {38, "Napoleon has entered a Golden Age!"},
      {41, "Pachacuti has founded Buddhism in Cusco!"},
      {45, "The World Congress has been founded."},
      {52, "Session 4 started"},
      {53, "Napoleon has adopted the Freedom ideology."},
      {54, "The World Congress has begun the World's Fair."},
  };
  events.insert(events.end(), others.begin(), others.end());
  std::stable_sort(events.begin(), events.end(), [](const auto& a, const auto& b) { return a.Turn < b.Turn; });
  log.insert(log.end(), events.begin(), events.end());
  return log;
}

std::vector<testing::HistoryPoints> HistoryOf(int32_t row) {
  const bool nation = row < NationCount;
  std::vector<testing::HistoryPoints> datasets(QELDatasets);
  for (int32_t d = 0; d < QELDatasets; ++d) {
    for (int32_t turn = 0; turn < DemoTurns; ++turn) {
      datasets[static_cast<size_t>(d)].push_back({turn, nation ? NationValue(row, d, turn) : CityStateValue(d, turn)});
    }
  }
  return datasets;
}

}  // namespace orv5::demo
