#pragma once
// The analysis as JSON: keys and fields named as the parser names them, tables holding
// only their non-zero entries. This doubles as the golden output of the real-save tests.
#include <nlohmann/json.hpp>
#include <span>
#include <string>

#include "analysis/SaveAnalysis.h"
#include "savefile/Container.h"
#include "views/RecordFields.h"

namespace orv5 {

// The fields of a record's field list that have a parser's name, added to `target` by that name.
template <typename Record>
void AddRecordJson(nlohmann::json& target, std::span<const RecordField<Record>> fields, const RecordPlace& place,
                   const Record& record) {
  for (const RecordField<Record>& field : fields) {
    if (field.Key.empty()) continue;
    FieldValue value = ValueOf(field, place, record);
    nlohmann::json& member = target[std::string(field.Key)];
    if (const auto* number = std::get_if<int64_t>(&value)) {
      member = *number;
    } else {
      member = std::move(std::get<std::string>(value));
    }
  }
}

template <typename Record>
nlohmann::json RecordJson(std::span<const RecordField<Record>> fields, const RecordPlace& place, const Record& record) {
  nlohmann::json out = nlohmann::json::object();
  AddRecordJson(out, fields, place, record);
  return out;
}

// load (container facts), diagnostics, and every table of the analysis.
nlohmann::json AnalysisJson(const SaveContainer& container, const SaveAnalysis& save);

// The container facts that `orv5 info` prints, as an object.
nlohmann::json LoadJson(const SaveContainer& container);

// Tables of the later sections (league, religions, policies, technologies, statistics,
// notifications, agents), added to `out`; it adds the cities through AddCityJson.
void AddLaterSectionsJson(nlohmann::json& out, const SaveAnalysis& save);

// CityTable (by player row, every TCityRec field), CityNameList, CityOwnerList, WonderOwner,
// CancerPos and CancerCount, added to `out`.
void AddCityJson(nlohmann::json& out, const SaveAnalysis& save);

}  // namespace orv5
