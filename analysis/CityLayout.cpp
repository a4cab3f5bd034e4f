#include "analysis/CityLayout.h"

namespace orv5 {

namespace {

constexpr int32_t AsInt(uint32_t bits) { return static_cast<int32_t>(bits); }

// QEL's check is the hash of BUILDING_FLOATING_GARDENS, the first entry of the first building
// list; the older layouts check the length of that building's key text (25) in the same place.
constexpr CityLayout QELLayout{"QEL", AsInt(0xF5010319), 0x40B10B7E,
                               {{{105, -968, 8}, {121, -1000, 24}}}, 2,
                               -680, -142, 52, 192, 84, true, 18, true, 33, 15};
constexpr CityLayout Expansion1Layout{"first expansion", AsInt(0x18BF8791), 25,
                                      {{{93, -848, 32}, {}}}, 1,
                                      -652, -134, 44, 184, 88, true, 16, false, 25, 13};
constexpr CityLayout SlotNameLayout{"1.0.1.217-221 with slot names", AsInt(0x37AEAE99), 25,
                                    {{{89, -680, 32}, {}}}, 1,
                                    -512, -134, 44, 168, 76, false, 16, false, 21, 0};
constexpr CityLayout BaseLayout{"base", AsInt(0x37AEAE99), 25,
                                {{{89, -680, 32}, {}}}, 1,
                                -504, -134, 44, 168, 76, false, 16, false, 21, 0};

}  // namespace

const CityLayout& SelectCityLayout(const SaveAnalysis& save) {
  if (save.IsQEL) return QELLayout;
  if (save.HasExpansion1) return Expansion1Layout;
  if (save.HasSlotNameTables) return SlotNameLayout;
  return BaseLayout;
}

const CityRecordVariant* MatchCityVariant(const ImageReader& image, const CityLayout& layout, int32_t marker) {
  for (int32_t v = 0; v < layout.VariantCount; ++v) {
    const CityRecordVariant& variant = layout.Variants[static_cast<size_t>(v)];
    if (image.IntAt(ImageReader::Advance(marker, variant.CheckOffset)) == layout.CheckValue) return &variant;
  }
  return nullptr;
}

}  // namespace orv5
