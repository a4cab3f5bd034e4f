#pragma once
// Where the parts of a city record lie, per save layout. A city is found by a 32-bit marker
// and read at fixed distances before and after it; every distance that differs between the
// layouts (and between the two record variants of the final QEL build) is one field of a row
// here, so the readers carry no layout `if` chains of their own.
#include <array>
#include <cstdint>

#include "analysis/SaveAnalysis.h"
#include "savefile/ImageReader.h"

namespace orv5 {

// One shape of the record around the marker. The final QEL build stores two more
// (hash, value) entries right after the marker, which moves everything after it 16 bytes on
// and the name 32 bytes further back; the check value finds out which shape a hit has.
struct CityRecordVariant {
  int32_t CheckOffset;  // from the marker to the int32 that must equal the layout's check value
  int32_t NameAnchor;   // from the marker to the point the name's length field is sought back from
  int32_t ListStart;    // from the marker to the building and unit lists
};

struct CityLayout {
  const char* Name;
  int32_t Marker;
  int32_t CheckValue;
  std::array<CityRecordVariant, 2> Variants;
  int32_t VariantCount;          // variants probed in order; the first whose check matches wins
  int32_t OwnerFromName;         // owner slot, from the start of the name's length field
  int32_t YieldAnchorFromOwner;  // food, production, strength and culture block, from the owner
  int32_t StrengthSkip;          // bytes between production overflow and strength
  int32_t CultureBack;           // from after `Disorder` back to `CultureStored`
  int32_t PositionBack;          // from after the culture values back to `X`
  bool CultureWithFaith;         // the expansions store a fourth culture and four faith values
  int32_t PlotGroupCount;
  bool ListsByHash;              // QEL names buildings and units by key hash, older layouts by key text
  int32_t ListGap;               // bytes skipped between the yield list and the building lists
  int32_t ReligionCapacity;      // religions a city keeps; 0 when the layout stores none we read
};

// The layout of a save, from its version flags (QEL first: a QEL save also lists the first
// expansion).
const CityLayout& SelectCityLayout(const SaveAnalysis& save);

// The variant whose check matches at a marker hit, or nullptr when none does.
const CityRecordVariant* MatchCityVariant(const ImageReader& image, const CityLayout& layout, int32_t marker);

}  // namespace orv5
