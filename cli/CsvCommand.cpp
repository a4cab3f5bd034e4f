// orv5 csv: one table of every save given, as CSV with one header; the rows of the saves follow
// each other in the order given (a folder's saves by name). A save that is refused is reported
// and the others still print. With -o the file is written whole at the end, beside-and-rename.
#include "cli/CsvCommand.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <span>
#include <system_error>

#include "analysis/Save5Analyse.h"
#include "cli/Commands.h"
#include "cli/ParallelSaves.h"
#include "cli/SaveArguments.h"
#include "savefile/SaveWriters.h"
#include "views/CsvTables.h"

namespace orv5 {

namespace {

namespace fs = std::filesystem;

constexpr int UsageErrorStatus = 2;

void ListTables(std::ostream& out) {
  for (const CsvTable& table : CsvTables()) {
    out << table.Name << " (" << table.Rows << ")\n  " << CsvHeaderLine(table);
  }
}

bool IsOneOf(const std::string& target, std::span<const std::string> files) {
  std::error_code error;
  return std::any_of(files.begin(), files.end(),
                     [&](const std::string& file) { return fs::equivalent(target, file, error); });
}

int WriteOut(const std::string& target, const std::string& text, std::ostream& err) {
  const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
  if (auto error = WriteFileReplacing(target, std::span<const uint8_t>(bytes, text.size()))) {
    err << *error << "\n";
    return 1;
  }
  return 0;
}

}  // namespace

int RunCsvCommand(const CsvOptions& options, std::ostream& out, std::ostream& err) {
  if (options.List) {
    ListTables(out);
    return 0;
  }
  const CsvTable* table = FindCsvTable(options.Table);
  if (!table) {
    err << "unknown table " << options.Table << "; orv5 csv --list names the tables\n";
    return UsageErrorStatus;
  }
  std::vector<std::string> files;
  int status = ExpandSaveArguments(options.Files, err, files);
  if (!options.Out.empty() && IsOneOf(options.Out, files)) {
    err << options.Out << ": refusing to write a table over a save that is read\n";
    return UsageErrorStatus;
  }
  // Without -o each save's rows go out as soon as they are made.
  std::string text = CsvHeaderLine(*table);
  const auto flush = [&] {
    if (!options.Out.empty()) return;
    out << text;
    text.clear();
  };
  flush();
  status = std::max(status, MapAnalysedSaves<std::string>(
                                files, err,
                                [&](const std::string& file, const SaveContainer&, const SaveAnalysis& analysis) {
                                  std::string rows;
                                  AppendCsvRows(*table, fs::path(file).filename().string(), analysis, rows);
                                  return rows;
                                },
                                [&](const std::string&, std::string& rows) {
                                  text += rows;
                                  flush();
                                }));
  if (options.Out.empty()) return status;
  return std::max(status, WriteOut(options.Out, text, err));
}

}  // namespace orv5
