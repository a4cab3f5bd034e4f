// Specialists, great-person progress, religions and (QEL) the per-player espionage lists of a
// city. The block has no marker of its own; it is found by the building-list entries that
// frame it, searched from the end of the city's lists.
#include <algorithm>
#include <string_view>

#include "analysis/CityReaders.h"

namespace orv5 {

namespace {

// QEL: the second hash of BUILDING_FLOATING_GARDENS after the lists opens a per-building list
// that follows the specialist and great-person lists, 124 bytes before it.
constexpr int32_t BlockKeyQEL = 0x40B10B7E;
constexpr int32_t SpecialistsBeforeKeyQEL = 124;
// Older layouts: the same building by key text, 48 bytes after the specialist counts.
constexpr std::string_view BlockKeyOlder = "BUILDING_FLOATING_GARDENS";
constexpr int32_t SpecialistsBeforeKeyOlder = 48;
constexpr int32_t ReligionListDistance = 10;  // the next key text at least this far on opens the religions
constexpr int32_t MaxSpyListEntries = 64;

// A list of (type, value) pairs; value i goes to out[i] for i from `from` on, as far as out reaches.
template <size_t N>
void ReadValuePairs(const ImageReader& image, int32_t& pos, std::array<int32_t, N>& out, size_t from) {
  const int32_t count = image.ReadInt(pos);
  for (int32_t i = 0; i < count && InsideImage(image, pos); ++i) {
    image.Skip(pos, 4);
    const int32_t value = image.ReadInt(pos);
    const auto at = static_cast<size_t>(i);
    if (at >= from && at < N) out[at] = value;
  }
}

void SkipSparseList(const ImageReader& image, int32_t& pos) {
  const int32_t count = image.ReadInt(pos);
  for (int32_t i = 0; i < count && InsideImage(image, pos); ++i) {
    if (image.ReadInt(pos) != 0) image.Skip(pos, 4);
  }
}

void SkipIntBoolList(const ImageReader& image, int32_t& pos) {
  const int32_t count = image.ReadInt(pos);
  for (int32_t i = 0; i < count && InsideImage(image, pos); ++i) image.Skip(pos, 5);
}

void SkipKeyValueList(const ImageReader& image, int32_t& pos) {
  const int32_t count = image.ReadInt(pos);
  for (int32_t i = 0; i < count && InsideImage(image, pos); ++i) {
    image.ReadStr(pos);
    image.Skip(pos, 4);
  }
}

// Religions present in the city, with each one's share of the city's religious pressure.
void ReadReligions(const ImageReader& image, int32_t& pos, int32_t capacity, bool withExtra, TCityRec& city) {
  city.ReligionCount = std::clamp(image.ReadInt(pos), 0, capacity);
  int64_t totalPoints = 0;
  for (int32_t i = 0; i < city.ReligionCount; ++i) {
    CityReligion& religion = city.Religions[static_cast<size_t>(i)];
    religion.Kind = image.ReadInt(pos);
    religion.Religion = image.ReadInt(pos);
    religion.Holy = image.ReadBool(pos);
    religion.Followers = image.ReadInt(pos);
    religion.Points = image.ReadInt(pos);
    if (withExtra && religion.Kind > 1) image.Skip(pos, 4);
    totalPoints += religion.Points;
  }
  for (int32_t i = 0; i < city.ReligionCount; ++i) {
    CityReligion& religion = city.Religions[static_cast<size_t>(i)];
    religion.Percent = totalPoints == 0 ? 0.0F : static_cast<float>(religion.Points * 100.0 / static_cast<double>(totalPoints));
  }
}

// Entry n of each list belongs to slot n, stored in that slot's player row.
void ReadSpyLists(const CityReadContext& ctx, int32_t& pos, TCityRec& city) {
  for (auto& list : city.SpyLists) {
    const int32_t count = ctx.Image.ReadInt(pos);
    for (int32_t n = 0; n < count && InsideImage(ctx.Image, pos); ++n) {
      const int32_t value = ctx.Image.ReadInt(pos);
      const int32_t row = n < MaxSpyListEntries ? ctx.Rows(n) : -1;
      if (row >= 0) list[static_cast<size_t>(row)] = value;
    }
  }
}

void ReadBlockQEL(const CityReadContext& ctx, int32_t pos, TCityRec& city) {
  const ImageReader& image = ctx.Image;
  const int32_t first = image.FindInt(BlockKeyQEL, pos);
  const int32_t second = first == 0 ? 0 : image.FindInt(BlockKeyQEL, ImageReader::Advance(first, 1));
  if (second == 0) return;
  int32_t cur = ImageReader::Advance(second, -SpecialistsBeforeKeyQEL);
  ReadValuePairs(image, cur, city.SpecialistCount, 0);
  ReadValuePairs(image, cur, city.GreatPersonProgress, 1);  // type 0 has no great person
  SkipSparseList(image, cur);
  SkipSparseList(image, cur);
  const int32_t pairCount = image.ReadInt(cur);
  cur = ImageReader::Advance(cur, int64_t{std::max(pairCount, 0)} * 8);
  image.Skip(cur, 9);
  ReadReligions(image, cur, ctx.Layout.ReligionCapacity, true, city);
  image.Skip(cur, 9 * 4);
  SkipIntBoolList(image, cur);
  image.Skip(cur, 4);
  ReadSpyLists(ctx, cur, city);
  city.StrengthC = image.ReadInt(cur);
}

void ReadBlockOlder(const CityReadContext& ctx, int32_t pos, TCityRec& city) {
  const ImageReader& image = ctx.Image;
  const int32_t first = image.FindStr(BlockKeyOlder, pos);
  const int32_t second = first == 0 ? 0 : image.FindStr(BlockKeyOlder, ImageReader::Advance(first, 1));
  if (second == 0) return;
  int32_t cur = ImageReader::Advance(second, -SpecialistsBeforeKeyOlder);
  for (size_t k = 0; k < 5; ++k) city.SpecialistCount[k] = image.ReadInt(cur);
  image.Skip(cur, 4);
  for (size_t k = 1; k <= 4; ++k) city.GreatPersonProgress[k] = image.ReadInt(cur);
  if (ctx.Layout.ReligionCapacity == 0) return;  // the base game keeps no religions
  const int32_t third = image.FindStr(BlockKeyOlder, ImageReader::Advance(second, ReligionListDistance));
  if (third == 0) return;
  cur = ImageReader::Advance(third, -8);
  SkipKeyValueList(image, cur);
  image.Skip(cur, ctx.BuildAbove341539 ? 29 : 25);
  ReadReligions(image, cur, ctx.Layout.ReligionCapacity, false, city);
}

}  // namespace

void ReadCityReligionBlock(const CityReadContext& ctx, int32_t pos, TCityRec& city) {
  if (ctx.Layout.ListsByHash) {
    ReadBlockQEL(ctx, pos, city);
  } else {
    ReadBlockOlder(ctx, pos, city);
  }
}

}  // namespace orv5
