#pragma once
// A strict reader of the CSV the tables are written in (RFC 4180 with line-feed line ends):
// it refuses what a lenient reader would guess at, so that a test finds every malformed line.
#include <string>
#include <string_view>
#include <vector>

namespace orv5::testing {

struct CsvDocument {
  std::vector<std::vector<std::string>> Rows;
  std::string Error;  // empty when the text is well-formed; else what is wrong and where
};

// Refuses: a quote inside an unquoted field, a quoted field not closed or followed by anything
// but a comma or the line end, a carriage return outside quotes, a text that does not end with
// a line feed, and bytes that are not UTF-8.
CsvDocument ReadCsvStrict(std::string_view text);

}  // namespace orv5::testing
