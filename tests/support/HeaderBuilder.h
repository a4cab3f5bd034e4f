#pragma once
// Synthetic save headers, written field by field as the game writes them, for the three layouts
// and save versions 4 to 8; the fixed values at the start of a body; and the save file around
// them. Field numbers in HeaderBuilder.cpp count the header's fields in the game's order.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "analysis/SaveAnalysis.h"
#include "tests/support/SaveBuilder.h"

namespace orv5::testing {

enum class Layout { Base, Expansion1, QEL };

// Package ids as the header lists them.
inline constexpr int32_t Expansion1Package = 238506401;
inline constexpr int32_t QELPackage = 1839232566;
inline constexpr int32_t SpainIncaPackage = -1232742946;
inline constexpr int32_t KoreaPackage = 288105138;
inline constexpr int32_t MongoliaPackage = 691805923;
inline constexpr int32_t BabylonPackage = 1952037426;
inline constexpr int32_t VikingsPackage = -1291645639;
inline constexpr int32_t PolynesiaPackage = -319306235;
inline constexpr int32_t UpgradePackage = -2005801144;  // a package that adds no nation

inline constexpr int SlotCount = 64;

struct PackageEntry {
  int32_t Id = 0;
  std::vector<std::string> Names;  // the first is the package's name
};

struct SlotEntry {
  int32_t Civ = -1;     // civilization number; 18 city-state, 19 barbarians, -1 nobody
  int32_t Status = 2;   // 1 computer, 2 empty or dead, 3 human, 4 closed
  int32_t Leader = -1;  // leader number (layouts without name tables)
  int32_t MinorCiv = -1;
  bool IsMinor = false;
  std::string CivKey;     // keys, written only with name tables
  std::string LeaderKey;
  std::string MinorKey;
  int32_t Handicap = 1;  // difficulty row the slot plays at (save version 8)
};

struct HeaderFields {
  int32_t SaveVersion = 8;
  std::string VersionText = "1.0.3.144";  // written from save version 6
  std::string BuildText = "395131";
  bool WideVersionTexts = true;  // the game writes these two texts in 16-bit units
  std::string CivKey = "CIVILIZATION_POLAND";
  std::string HandicapKey = "HANDICAP_DEITY";
  std::string StartingEraKey = "ERA_ANCIENT";
  std::string CurrentEraKey = "ERA_ANCIENT";
  std::string GameSpeedKey = "GAMESPEED_STANDARD";
  std::string WorldSizeKey = "WORLDSIZE_STANDARD";
  std::string MapScript = "Assets/Maps/Pangaea.lua";
  std::vector<PackageEntry> Packages;
  bool NameTables = true;         // honoured from save version 7
  int32_t NoNameTableCount = 0;   // field 23's count when there are no name tables (below 64)
  int32_t ClosingValue = 6;       // below 3: field 48 holds numbers, else keys
  std::array<SlotEntry, SlotCount> Slots;
  int32_t IsMinorListLength = SlotCount;  // a shorter list makes the header inconsistent
  int32_t ActivePlayer = 0;
  int32_t GameType = 0;
  std::string UserName = "Administrator";
  std::array<uint8_t, 5> VictoryAllowed{1, 1, 1, 1, 1};
  std::optional<bool> Field38;  // unset: present as the game decides by build and version
  bool TurnTimerKey = true;
  std::vector<std::pair<std::string, int32_t>> GameOptions;  // after field 55
};

// Offsets (in the file, which equal those in the image) of the fields the save editors change.
struct HeaderOffsets {
  int32_t SlotCivCount = 0;  // not edited; tests damage it
  int32_t FlagByte = 0;
  int32_t SlotStatus = 0;
  int32_t ActivePlayer = 0;
  int32_t GameType = 0;
  int32_t SlotStatus2 = 0;
};

struct BuiltHeader {
  Bytes Data;  // starts with the magic
  HeaderOffsets Offsets;
};

// A typical game of the layout: 8 nations in slots 0..7 (slot 0 human), 16 city-states in slots
// 22..37, the barbarians in slot 63, every other slot empty; the layout's package list.
HeaderFields MakeHeaderFields(Layout layout, int32_t saveVersion);

BuiltHeader BuildHeader(const HeaderFields& fields);

// The fixed values at the start of a body; sections follow from offset BodyStartSize.
struct BodyStartFields {
  int32_t ElapsedTurns = 12;
  int32_t StartTurn = 0;
  int32_t TurnLimit = 500;
  int32_t PlayTime = 20150;  // tenths of a second
  int32_t LevelIndex = 7;
  int32_t VictoryType = -1;
  int32_t GameOver = 0;
  int32_t GameScore = 36;
  bool NameTables = true;  // these layouts insert a counted text list 130 bytes in
  std::vector<std::string> NameTexts;
};

inline constexpr size_t BodyStartSize = 1200;

ByteWriter BuildBodyStart(const BodyStartFields& fields);

// The whole file: the header, then the body deflated into length-prefixed chunks.
Bytes BuildSaveFile(const BuiltHeader& header, const Bytes& body);

// A synthetic save: a header, the fixed start of the body and the sections after it.
struct SyntheticSave {
  HeaderFields Header;
  BodyStartFields Body;
  ByteWriter Sections;   // written after the body start
  bool WithBody = true;  // false: the file is the header alone, as a multiplayer set-up is

  Bytes File() const;
};

// A typical save of the layout and version, its body start matching the header's name tables.
SyntheticSave MakeSave(Layout layout, int32_t saveVersion);

// Loads the bytes as a save file and runs the parser; throws when the container does not load.
SaveAnalysis AnalyseFile(const Bytes& file);
inline SaveAnalysis Analyse(const SyntheticSave& save) { return AnalyseFile(save.File()); }

// The diagnostic of a step, or an empty one (Step empty) when the step did not run.
StepDiagnostic StepOf(const SaveAnalysis& save, const std::string& step);

}  // namespace orv5::testing
