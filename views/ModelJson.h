#pragma once
// A tab model as JSON, each control under its object name: `orv5 report --json` prints it and
// the web page fills its controls from it, so both show the same texts.
#include <nlohmann/json.hpp>

#include "analysis/SaveAnalysis.h"
#include "views/Tabs.h"
#include "views/ViewModel.h"

namespace orv5 {

nlohmann::json ControlJson(const ControlModel& control);
// The controls of a tab, in the order they are filled.
nlohmann::json TabControlsJson(const TabModel& tab);
// The selections this tab depends on: {"player": 0, "city": 2, "lang": "ru", ...}.
nlohmann::json SelectionJson(const TabInfo& tab, const ViewSelection& selection);
// What each step of the analysis found: [{"step", "found", "records", "note"}, ...].
nlohmann::json DiagnosticsJson(const SaveAnalysis& save);

// Texts of a save that are not valid UTF-8 (16-bit texts keep only their low bytes) are
// written with U+FFFD in their place.
std::string DumpJson(const nlohmann::json& document, int indent);

}  // namespace orv5
