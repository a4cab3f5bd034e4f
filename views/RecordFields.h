#pragma once
// One list per record of its public fields: the parser's name (the key of `orv5 json`), the
// column of the CSV table (`orv5 csv` and the window's "Export tables…"), and how the value
// prints. A field that one output lacks has no name or no column: the JSON dump keeps the
// parser's raw fields, a table adds what the views derive (names instead of row numbers,
// counts, status words). A list's order is its table's column order; the JSON dump sorts its
// keys by name.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "analysis/SaveAnalysis.h"

namespace orv5 {

enum class FieldKind {
  Whole,       // an integer
  Hundredths,  // stored in hundredths: 1234 prints as 12.34 in a table and stays 1234 in the dump
  Text,        // texts, and the words a table derives ("yes", "city-state")
};

// A whole number, or a text; a derived number may be an empty text where the views show nothing.
using FieldValue = std::variant<int64_t, std::string>;

// What a derived field may look at besides its record: the analysis and the record's row (the
// player row of a player or of a city's owner, the row of a notification log).
struct RecordPlace {
  const SaveAnalysis& Save;
  int32_t Row = 0;
};

template <typename Record>
using DerivedValue = FieldValue (*)(const RecordPlace& place, const Record& record);

template <typename Record>
struct RecordField {
  std::string_view Key;      // the parser's name; empty: tables only
  std::string_view Heading;  // the table's column; empty: the JSON dump only
  FieldKind Kind;
  std::variant<int32_t Record::*, std::string Record::*, DerivedValue<Record>> Get;
};

template <typename Record>
FieldValue ValueOf(const RecordField<Record>& field, const RecordPlace& place, const Record& record) {
  return std::visit(
      [&](auto get) -> FieldValue {
        if constexpr (std::is_same_v<decltype(get), DerivedValue<Record>>) {
          return get(place, record);
        } else if constexpr (std::is_same_v<decltype(get), std::string Record::*>) {
          return record.*get;
        } else {
          return int64_t{record.*get};
        }
      },
      field.Get);
}

// A value as a table cell: hundredths with two decimals, numbers plain, texts as they are.
std::string FieldText(FieldKind kind, const FieldValue& value);

std::span<const RecordField<TLeaderInfoRec>> PlayerFields();
std::span<const RecordField<TCityRec>> CityFields();
std::span<const RecordField<TReplayMsgRec>> ReplayMessageFields();
std::span<const RecordField<TMessageRec>> NotificationFields();

}  // namespace orv5
