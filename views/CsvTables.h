#pragma once
// The tables of a save for spreadsheets and notebooks: what `orv5 csv` prints and the window's
// "Export tables…" writes, from the same functions. Every table starts with the column `save`
// (the save's file name), so the tables of many saves concatenate; the record tables take their
// other columns from the field lists of RecordFields.h.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/SaveAnalysis.h"

namespace orv5 {

using CsvRow = std::vector<std::string>;

struct CsvTable {
  std::string_view Name;   // "players"
  std::string_view Rows;   // what one row is: "one row per player"
  std::vector<std::string> (*Columns)();  // the columns after `save`
  void (*AddRows)(const SaveAnalysis& save, std::vector<CsvRow>& rows);
};

// players, cities, buildings, history, replay, notifications, policies, technologies, sessions.
std::span<const CsvTable> CsvTables();
const CsvTable* FindCsvTable(std::string_view name);

// `save` and the table's own columns.
std::vector<std::string> CsvColumns(const CsvTable& table);
std::string CsvHeaderLine(const CsvTable& table);
// The table's lines for one save, each starting with `saveName`, appended to `out`.
void AppendCsvRows(const CsvTable& table, std::string_view saveName, const SaveAnalysis& save, std::string& out);
// The header and the lines of one save: a file of the window's export.
std::string CsvTableText(const CsvTable& table, std::string_view saveName, const SaveAnalysis& save);

// The name the window gives a table of a save: "qel-poland-t12.Orv5Save" and players give
// "qel-poland-t12-players.csv".
std::string CsvFileName(std::string_view saveFileName, const CsvTable& table);

}  // namespace orv5
