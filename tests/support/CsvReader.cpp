#include "tests/support/CsvReader.h"

namespace orv5::testing {

namespace {

class StrictReader {
 public:
  explicit StrictReader(std::string_view text) : text_(text) {}

  CsvDocument Read() {
    CsvDocument document;
    if (!text_.empty() && text_.back() != '\n') return Fail(document, "the text does not end with a line feed");
    std::vector<std::string> row;
    while (pos_ < text_.size()) {
      std::string field;
      if (!(text_[pos_] == '"' ? Quoted(field) : Plain(field))) return Fail(document, error_);
      row.push_back(std::move(field));
      const char end = text_[pos_++];  // a comma or the line feed, as Quoted and Plain checked
      if (end == '\n') {
        document.Rows.push_back(std::move(row));
        row.clear();
        ++line_;
      }
    }
    return document;
  }

 private:
  bool Plain(std::string& field) {
    while (pos_ < text_.size() && text_[pos_] != ',' && text_[pos_] != '\n') {
      if (text_[pos_] == '"') return Error("a quote inside an unquoted field");
      if (text_[pos_] == '\r') return Error("a carriage return outside quotes");
      field += text_[pos_++];
    }
    return pos_ < text_.size() || Error("the last line has no line feed");
  }

  bool Quoted(std::string& field) {
    ++pos_;
    for (;;) {
      if (pos_ >= text_.size()) return Error("a quoted field is not closed");
      const char ch = text_[pos_++];
      if (ch != '"') {
        field += ch;
        continue;
      }
      if (pos_ < text_.size() && text_[pos_] == '"') {
        field += '"';
        ++pos_;
        continue;
      }
      if (pos_ < text_.size() && (text_[pos_] == ',' || text_[pos_] == '\n')) return true;
      return Error("a closing quote not followed by a comma or the line end");
    }
  }

  bool Error(const std::string& what) {
    error_ = what;
    return false;
  }

  CsvDocument Fail(CsvDocument& document, const std::string& what) const {
    document.Rows.clear();
    document.Error = "line " + std::to_string(line_) + ": " + what;
    return document;
  }

  std::string_view text_;
  size_t pos_ = 0;
  size_t line_ = 1;
  std::string error_;
};

// Well-formed UTF-8 by the table of Unicode's chapter 3: the lead byte sets the length and the
// range of the second byte (no overlongs, surrogates or code points above U+10FFFF); written
// here as a table, apart from the writer, so that the test does not check the writer by itself.
struct LeadByte {
  size_t Length;  // 0: no lead byte
  unsigned char Low, High;
};

LeadByte LeadOf(unsigned char b) {
  if (b < 0x80) return {1, 0, 0};
  if (b >= 0xC2 && b <= 0xDF) return {2, 0x80, 0xBF};
  if (b == 0xE0) return {3, 0xA0, 0xBF};
  if (b == 0xED) return {3, 0x80, 0x9F};
  if (b >= 0xE1 && b <= 0xEF) return {3, 0x80, 0xBF};
  if (b == 0xF0) return {4, 0x90, 0xBF};
  if (b >= 0xF1 && b <= 0xF3) return {4, 0x80, 0xBF};
  if (b == 0xF4) return {4, 0x80, 0x8F};
  return {0, 0, 0};
}

bool IsUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const LeadByte lead = LeadOf(static_cast<unsigned char>(text[i]));
    if (lead.Length == 0 || text.size() - i < lead.Length) return false;
    for (size_t k = 1; k < lead.Length; ++k) {
      const auto b = static_cast<unsigned char>(text[i + k]);
      if (k == 1 ? (b < lead.Low || b > lead.High) : (b < 0x80 || b > 0xBF)) return false;
    }
    i += lead.Length;
  }
  return true;
}

}  // namespace

CsvDocument ReadCsvStrict(std::string_view text) {
  if (!IsUtf8(text)) return {{}, "the text is not UTF-8"};
  return StrictReader(text).Read();
}

}  // namespace orv5::testing
