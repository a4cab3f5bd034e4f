#include "savefile/KeyText.h"

namespace orv5 {

namespace {

constexpr std::array<uint32_t, 256> MakeCrcTable() {
  std::array<uint32_t, 256> table{};
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? (c >> 1) ^ 0xEDB88320u : c >> 1;
    table[n] = c;
  }
  return table;
}

constexpr std::array<uint32_t, 256> kCrcTable = MakeCrcTable();

}  // namespace

char CharLowCase(char ch) { return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch + 32) : ch; }

std::string CutTextKey(std::string_view text, std::string_view prefix) {
  const size_t n = text.size();
  if (n == 0 || n >= static_cast<size_t>(MaxTextLength) || n <= prefix.size()) return std::string(text);
  if (text.find(prefix) == std::string_view::npos) return std::string(text);
  // The prefix is dropped by length, wherever it was found: the game's own rule.
  std::string result;
  result.reserve(n - prefix.size());
  bool keep = true;
  for (char ch : text.substr(prefix.size())) {
    char out = keep ? ch : CharLowCase(ch);
    keep = false;
    if (out == '_') {
      out = ' ';
      keep = true;
    }
    result.push_back(out);
  }
  return result;
}

std::string CutMacros(std::string_view text) {
  if (text.empty() || text.size() >= static_cast<size_t>(MaxTextLength)) return {};
  std::string result;
  result.reserve(text.size());
  bool inside = false;
  for (char ch : text) {
    if (ch == '[') inside = true;
    if (!inside) result.push_back(ch);
    if (ch == ']') {
      inside = false;
      result.push_back('@');
    }
  }
  return result;
}

const std::array<uint32_t, 256>& CrcTable() { return kCrcTable; }

uint32_t CRC32(uint8_t byte, uint32_t crc) { return kCrcTable[(crc ^ byte) & 0xFF] ^ (crc >> 8); }

int32_t Crc32String(std::string_view text) {
  uint32_t crc = 0xFFFFFFFFu;
  for (char ch : text) {
    if (ch == '\0') break;
    crc = CRC32(static_cast<uint8_t>(ch), crc);
  }
  return static_cast<int32_t>(crc);
}

}  // namespace orv5
