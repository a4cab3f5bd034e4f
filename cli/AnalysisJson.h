#pragma once
// The analysis as JSON: keys and fields named as the parser names them, tables holding
// only their non-zero entries. This doubles as the golden output of the real-save tests.
#include <nlohmann/json.hpp>

#include "analysis/SaveAnalysis.h"
#include "savefile/Container.h"

namespace orv5 {

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
