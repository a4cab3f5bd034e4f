#pragma once
// `orv5 tables`: every built-in reference table as one JSON document, so the data can be checked
// against an independent copy.
#include <nlohmann/json.hpp>

#include <ostream>

namespace orv5 {

// One member per table, in a fixed order; each row an object with its fields by name.
nlohmann::ordered_json TablesJson();

int RunTablesCommand(std::ostream& out);

}  // namespace orv5
