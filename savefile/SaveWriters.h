#pragma once
// The three files the analyser can write from a loaded save: the analysis image ("Save
// File"), a rebuilt save without the runaway reload records ("Cure"), and a copy turned
// into a single-player game ("Make Single"). Each works on a copy: the loaded save stays
// exactly as loaded, so repeating a writer gives the same bytes.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <variant>

#include "savefile/Container.h"

namespace orv5 {

inline constexpr size_t ChunkSize = 65536;
inline constexpr int CancerRecordSize = 20;

struct WriteError {
  std::string Message;
};

// Offsets of the header fields that Make Single edits, as the header parse recorded them.
struct HeaderEditOffsets {
  int32_t ActivePlayerPos = 0;
  int32_t FlagBytePos = 0;
  int32_t GameTypePos = 0;
  int32_t SlotStatusPos = 0;
  int32_t SlotStatus2Pos = 0;
};

struct CureResult {
  ByteBuffer Bytes;          // the rebuilt save file
  int32_t RecordsCut = 0;    // 20-byte records removed
  int32_t BodyLength = 0;    // the body that was deflated
  int32_t PackedLength = 0;  // its deflated length
  int32_t ChunkCount = 0;
};

// "Save File": header, "BODY", inflated body and tail, as analysed.
std::variant<ByteBuffer, WriteError> BuildImageFile(const SaveContainer& save);

// "Cure": cuts the count at cancerPos (an image offset; 0 = none found) and the records after
// it, deflates the body at level 6, and lays it out in 65,536-byte chunks between the loaded
// header and the loaded tail.
std::variant<CureResult, WriteError> BuildCuredSave(const SaveContainer& save, int32_t cancerPos);

// "Make Single": the chosen slot becomes the active and only human player of a single-player game.
std::variant<ByteBuffer, WriteError> BuildSinglePlayerSave(const SaveContainer& save, const HeaderEditOffsets& offsets,
                                                           int32_t chosenPlayer);

// Writes to a temporary file beside the target, then renames it over the target, so that a
// failed or short write leaves the target as it was. Returns an error message on failure.
std::optional<std::string> WriteFileReplacing(const std::filesystem::path& target, std::span<const uint8_t> bytes);

}  // namespace orv5
