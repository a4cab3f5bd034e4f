#pragma once
// Game identifier keys ("LEADER_GENGHIS_KHAN") made readable, markup stripped,
// and the CRC-32 variant the QEL layout uses to name items by hash.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orv5 {

// Texts longer than this are treated as not being keys (the game's own text buffer size).
inline constexpr int MaxTextLength = 16768;

char CharLowCase(char ch);

// 'LEADER_GENGHIS_KHAN' with prefix "LEADER_" gives 'Genghis Khan'; anything that is
// not a key with that prefix comes back unchanged.
std::string CutTextKey(std::string_view text, std::string_view prefix);

// Every bracketed group ("[ICON_GOLD]") becomes a single '@'.
std::string CutMacros(std::string_view text);

// Standard reflected CRC-32 table (polynomial 0xEDB88320), built at compile time.
const std::array<uint32_t, 256>& CrcTable();
uint32_t CRC32(uint8_t byte, uint32_t crc);

// CRC-32 from 0xFFFFFFFF without the final inversion, over the bytes up to the first zero;
// saves compare it as a signed value.
int32_t Crc32String(std::string_view text);

}  // namespace orv5
