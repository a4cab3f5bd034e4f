#pragma once
// orv5 csv SAVE... --table NAME [-o FILE] | orv5 csv --list
#include <ostream>
#include <string>
#include <vector>

namespace orv5 {

struct CsvOptions {
  std::vector<std::string> Files;  // saves, and folders standing for the saves in them
  std::string Table;               // a name of CsvTables()
  std::string Out;                 // empty: the standard output
  bool List = false;               // name the tables and their columns instead
};

// Exit status: 0 when every save was read, 1 when one was refused (or the file could not be
// written), 2 for an unknown table or an output file that is one of the saves.
int RunCsvCommand(const CsvOptions& options, std::ostream& out, std::ostream& err);

}  // namespace orv5
