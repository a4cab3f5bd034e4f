#pragma once
// CSV as spreadsheets and notebooks read it: UTF-8, fields separated by commas, every line
// (the last one too) ended by a line feed, and a field quoted, with its quotes doubled, when
// it holds a comma, a quote, a carriage return or a line feed (RFC 4180). Numbers are plain:
// no grouping, "." before the decimals whatever the locale.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace orv5 {

// The text with every byte that does not belong to a well-formed UTF-8 sequence replaced by
// U+FFFD: 16-bit save texts keep only their low bytes, which need not be UTF-8.
std::string ValidUtf8(std::string_view text);

// One field as it stands in a line: valid UTF-8, quoted when it has to be.
std::string CsvField(std::string_view text);

// The fields joined by commas, then a line feed, appended to `out`.
void AppendCsvLine(std::span<const std::string> fields, std::string& out);

// A value stored in hundredths as a decimal number: 1234 is "12.34", -5 is "-0.05".
std::string HundredthsText(int64_t hundredths);

}  // namespace orv5
