#pragma once
// What the game itself recorded of each player, turn by turn (the history datasets), set beside
// the values the analysis reads or computes. The comparison is the measure of the derived
// values: a formula is right where it gives what the game recorded.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "analysis/SaveAnalysis.h"

namespace orv5 {

// The player values that have a history dataset of their own.
enum class RecordedValue {
  GrossHappiness,  // "Happiness": happiness before unhappiness is deducted
  Happiness,       // "Excess Happiness"
  Unhappiness,
  CulturePerTurn,
  CityCount,
  Population,      // the sum of the player's city populations
  PolicyCount,     // "Number Of Policies"
  TotalGold,       // `Gold` in whole coins
  GoldenAgeTurns,
  PolicyCulture,   // "Total Culture": what the game records is the culture gathered toward the
                   // next policy, not the culture of all time
};

inline constexpr std::array<RecordedValue, 10> AllRecordedValues = {
    RecordedValue::GrossHappiness, RecordedValue::Happiness,   RecordedValue::Unhappiness,
    RecordedValue::CulturePerTurn, RecordedValue::CityCount,   RecordedValue::Population,
    RecordedValue::PolicyCount,    RecordedValue::TotalGold,   RecordedValue::GoldenAgeTurns,
    RecordedValue::PolicyCulture};

std::string_view RecordedValueName(RecordedValue value);  // "GrossHappiness", ...
std::string_view DatasetNameOf(RecordedValue value);      // "Happiness", ...

// The analysis' own value for player row `row` (0 for a row outside the table).
int32_t OurValue(const SaveAnalysis& save, int32_t row, RecordedValue value);

struct GameRecord {
  int32_t Turn = 0;
  int32_t Value = 0;
};

// The game's record of the value for player row `row` made at the end of turn `turn`, or nothing
// when the save holds no such point (no history block for the row, or the dataset ends before).
// The points of most players carry the turn they were recorded at the end of; those of one
// player (the first, in every save seen) carry the turn after, which is allowed for here.
std::optional<GameRecord> RecordAt(const SaveAnalysis& save, int32_t row, RecordedValue value, int32_t turn);

// The record of the last turn the game completed before it was saved (CurrentTurn - 1).
std::optional<GameRecord> LastTurnRecord(const SaveAnalysis& save, int32_t row, RecordedValue value);

// Why a player row is or is not set beside its records.
enum class RecordCheck {
  Compared,
  NotMajor,       // a city-state, the barbarians or an unused row
  NotAlive,       // no city in the save and none recorded
  NoRecord,       // the save holds no record of the last completed turn for the row
  CitiesChanged,  // a city of the player was founded, taken or lost in the last two turns
};

// A city acquired (founded, conquered, bought or traded; `CapturedTurn` is the turn its owner
// got it) or lost at the last completed turn or during the saved one is missing from the
// record or from the save, so such a player cannot be compared.
bool CitiesChangedSinceRecord(const SaveAnalysis& save, int32_t row);
RecordCheck CheckOf(const SaveAnalysis& save, int32_t row);

struct ValueAgreement {
  int32_t Agree = 0;
  int32_t Compared = 0;
};

struct RecordMismatch {
  int32_t Row = 0;
  RecordedValue Value = RecordedValue::GrossHappiness;
  int32_t Ours = 0;
  int32_t Game = 0;
};

using AgreementTable = std::array<ValueAgreement, AllRecordedValues.size()>;

// One save: every living major player (not skipped) set beside the records of CurrentTurn - 1.
struct RecordComparison {
  int32_t Turn = -1;
  std::vector<int32_t> Compared;  // player rows
  std::vector<int32_t> Skipped;   // rows left out because their cities changed hands
  AgreementTable Values{};        // indexed like AllRecordedValues
  std::vector<RecordMismatch> Mismatches;
};

RecordComparison CompareWithRecords(const SaveAnalysis& save);

// Adds one save's counts to a running total over several saves.
void AddAgreement(const AgreementTable& save, AgreementTable& total);

}  // namespace orv5
