// The game's per-turn records of each player beside the analysis' own values.
#include "analysis/GameRecords.h"

#include <algorithm>

#include "refdata/Lookups.h"
#include "refdata/TextArrays.h"

namespace orv5 {

namespace {

struct RecordedValueInfo {
  RecordedValue Value;
  std::string_view Name;
  std::string_view Dataset;
};

constexpr RecordedValueInfo kRecordedValues[] = {
    {RecordedValue::GrossHappiness, "GrossHappiness", "Happiness"},
    {RecordedValue::Happiness, "Happiness", "Excess Happiness"},
    {RecordedValue::Unhappiness, "Unhappiness", "Unhappiness"},
    {RecordedValue::CulturePerTurn, "CulturePerTurn", "Culture Per Turn"},
    {RecordedValue::CityCount, "CityCount", "City Count"},
    {RecordedValue::Population, "Population", "Population"},
    {RecordedValue::PolicyCount, "PolicyCount", "Number Of Policies"},
    {RecordedValue::TotalGold, "TotalGold", "Total Gold"},
    {RecordedValue::GoldenAgeTurns, "GoldenAgeTurns", "Golden Age Turns"},
    {RecordedValue::PolicyCulture, "PolicyCulture", "Total Culture"},
};
static_assert(std::size(kRecordedValues) == AllRecordedValues.size());

const RecordedValueInfo& InfoOf(RecordedValue value) { return kRecordedValues[static_cast<size_t>(value)]; }

// Position of the value's dataset in the save's list, which differs between the layouts.
int32_t DatasetIndex(const SaveAnalysis& save, RecordedValue value) {
  const auto names = GraphNames(save.IsQEL != 0);
  const auto found = std::find(names.begin(), names.end(), DatasetNameOf(value));
  return found == names.end() ? -1 : static_cast<int32_t>(found - names.begin());
}

bool ValidRow(const SaveAnalysis& save, int32_t row) {
  return row >= 0 && static_cast<size_t>(row) < save.Leaders.size();
}

int32_t PopulationOf(const SaveAnalysis& save, int32_t row) {
  if (static_cast<size_t>(row) >= save.CityTable.size()) return 0;
  int64_t population = 0;
  for (const TCityRec& city : save.CityTable[static_cast<size_t>(row)]) population += city.Population;
  return static_cast<int32_t>(population);
}

bool IsMajorPlayer(const SaveAnalysis& save, const TLeaderInfoRec& leader) {
  return leader.IsMinorCiv == 0 && leader.Slot >= 0 && leader.Slot < MaxSlots &&
         IsPlayer(leader.Slot, save.SlotCiv, save.SlotStatus);
}

bool AcquiredSince(const TCityRec& city, int32_t turn) { return city.CapturedTurn >= turn; }

int32_t LastLabel(const SaveAnalysis& save, size_t row, size_t dataset) {
  return static_cast<int32_t>(save.HistoryTable[row][dataset].size()) - 1;
}

// The game labels one player's points a turn later than everyone else's (the first player of
// the saves seen): its record of the end of turn t carries turn t + 1, so its points run one turn
// past every other player's, and its point of the saved turn equals the saved values. Returns 1
// for such a row, else 0.
int32_t LabelShift(const SaveAnalysis& save, size_t row, size_t dataset) {
  int32_t othersLast = -1;
  for (size_t other = 0; other < save.HistoryTable.size(); ++other) {
    if (other != row) othersLast = std::max(othersLast, LastLabel(save, other, dataset));
  }
  return othersLast >= 0 && LastLabel(save, row, dataset) == othersLast + 1 ? 1 : 0;
}

}  // namespace

std::string_view RecordedValueName(RecordedValue value) { return InfoOf(value).Name; }
std::string_view DatasetNameOf(RecordedValue value) { return InfoOf(value).Dataset; }

int32_t OurValue(const SaveAnalysis& save, int32_t row, RecordedValue value) {
  if (!ValidRow(save, row)) return 0;
  const TLeaderInfoRec& leader = save.Leaders[static_cast<size_t>(row)];
  switch (value) {
    case RecordedValue::GrossHappiness: return leader.GrossHappiness;
    case RecordedValue::Happiness: return leader.Happiness;
    case RecordedValue::Unhappiness: return leader.Unhappiness;
    case RecordedValue::CulturePerTurn: return leader.CulturePerTurn;
    case RecordedValue::CityCount: return leader.CityCount;
    case RecordedValue::Population: return PopulationOf(save, row);
    case RecordedValue::PolicyCount: return leader.PolicyCount;
    case RecordedValue::TotalGold: return leader.Gold / 100;  // the treasury is kept in hundredths
    case RecordedValue::GoldenAgeTurns: return leader.GoldenAgeTurns;
    case RecordedValue::PolicyCulture: return leader.PolicyCulture;
  }
  return 0;
}

std::optional<GameRecord> RecordAt(const SaveAnalysis& save, int32_t row, RecordedValue value, int32_t turn) {
  const int32_t dataset = DatasetIndex(save, value);
  if (row < 0 || static_cast<size_t>(row) >= save.HistoryTable.size() || dataset < 0 || dataset >= MaxDatasets ||
      turn < 0) {
    return std::nullopt;
  }
  const auto r = static_cast<size_t>(row);
  const auto d = static_cast<size_t>(dataset);
  const std::vector<int32_t>& points = save.HistoryTable[r][d];
  const auto label = static_cast<size_t>(turn) + static_cast<size_t>(LabelShift(save, r, d));
  if (label >= points.size()) return std::nullopt;
  return GameRecord{turn, points[label]};
}

std::optional<GameRecord> LastTurnRecord(const SaveAnalysis& save, int32_t row, RecordedValue value) {
  return RecordAt(save, row, value, save.CurrentTurn - 1);
}

bool CitiesChangedSinceRecord(const SaveAnalysis& save, int32_t row) {
  const int32_t since = save.CurrentTurn - 1;
  for (size_t owner = 0; owner < save.CityTable.size(); ++owner) {
    for (const TCityRec& city : save.CityTable[owner]) {
      if (!AcquiredSince(city, since)) continue;
      if (static_cast<int32_t>(owner) == row || city.PreviousOwner == row) return true;
    }
  }
  return false;
}

RecordCheck CheckOf(const SaveAnalysis& save, int32_t row) {
  if (!ValidRow(save, row) || !IsMajorPlayer(save, save.Leaders[static_cast<size_t>(row)])) {
    return RecordCheck::NotMajor;
  }
  const auto cities = LastTurnRecord(save, row, RecordedValue::CityCount);
  if (!cities) return RecordCheck::NoRecord;
  if (save.Leaders[static_cast<size_t>(row)].CityCount <= 0 && cities->Value <= 0) return RecordCheck::NotAlive;
  if (CitiesChangedSinceRecord(save, row)) return RecordCheck::CitiesChanged;
  return RecordCheck::Compared;
}

RecordComparison CompareWithRecords(const SaveAnalysis& save) {
  RecordComparison result;
  result.Turn = save.CurrentTurn - 1;
  for (int32_t row = 0; static_cast<size_t>(row) < save.Leaders.size(); ++row) {
    const RecordCheck check = CheckOf(save, row);
    if (check == RecordCheck::CitiesChanged) result.Skipped.push_back(row);
    if (check != RecordCheck::Compared) continue;
    result.Compared.push_back(row);
    for (size_t v = 0; v < AllRecordedValues.size(); ++v) {
      const RecordedValue value = AllRecordedValues[v];
      const auto record = LastTurnRecord(save, row, value);
      if (!record) continue;
      const int32_t ours = OurValue(save, row, value);
      ++result.Values[v].Compared;
      if (ours == record->Value) {
        ++result.Values[v].Agree;
      } else {
        result.Mismatches.push_back({row, value, ours, record->Value});
      }
    }
  }
  return result;
}

void AddAgreement(const AgreementTable& save, AgreementTable& total) {
  for (size_t v = 0; v < total.size(); ++v) {
    total[v].Agree += save[v].Agree;
    total[v].Compared += save[v].Compared;
  }
}

}  // namespace orv5
