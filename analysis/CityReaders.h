#pragma once
// The parts of one city record, read by the city units in record order: the block around the
// owner slot (CitySection.cpp), the building and unit lists with the build queue
// (CityLists.cpp), and the religion, great-person and espionage block (CityReligions.cpp).
#include <cstdint>
#include <string>
#include <string_view>

#include "analysis/CityLayout.h"
#include "analysis/SaveAnalysis.h"
#include "analysis/SlotRows.h"
#include "refdata/RefTables.h"
#include "savefile/ImageReader.h"

namespace orv5 {

// What every part of a city needs besides the record it fills.
struct CityReadContext {
  const ImageReader& Image;
  const CityLayout& Layout;
  const SlotRows& Rows;                  // player row of each slot
  GameVariant Variant;                   // reference tables of the older layouts' building lists
  int32_t SpeedIndex = 2;                // calendar of the building dates
  bool BuildAbove341539 = false;         // first-expansion religion block moved 4 bytes on
};

// The city being read and the player row that owns it; the lists record the wonders it holds.
struct CityTarget {
  TCityRec& City;
  int32_t Owner;  // player row
  std::array<int32_t, WonderCount>& WonderOwner;
};

// Reads the building and unit lists and the build queue from the list start; returns the
// position after them, from which the religion block is sought.
int32_t ReadCityLists(const CityReadContext& ctx, int32_t pos, CityTarget target);

// The build queue at pos: a count (kept to 20) and its orders.
void ReadBuildQueue(const ImageReader& image, int32_t& pos, TCityRec& city);

// The specialists, great-person progress, religions and (QEL) spy lists, sought from pos.
void ReadCityReligionBlock(const CityReadContext& ctx, int32_t pos, TCityRec& city);

// A standing building (list 5, value above 0): wonders, the flags the derived values test,
// and the great-person points and world-wonder mark of its reference row (nullptr: unknown).
void MarkStandingBuilding(std::string_view key, const TBuildingInfoRec* row, CityTarget target);

// "TXT_KEY_CITY_NAME_WARSAW" -> "WARSAW": the text after each key part the game puts in front.
std::string StripCityNameKey(std::string name);

// True while a list loop may go on: a damaged count must end at the image end, not run on.
inline bool InsideImage(const ImageReader& image, int32_t pos) { return pos >= 0 && pos < image.Length(); }

}  // namespace orv5
