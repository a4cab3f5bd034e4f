// The building and unit lists of a city and its build queue. QEL names each item by the hash
// of its key, the older layouts by the key text; both keep at most 150 entries per list and
// read the rest to stay in step.
#include <algorithm>
#include <array>
#include <string>
#include <span>
#include <string_view>
#include <vector>

#include "analysis/CityReaders.h"
#include "analysis/DerivedValues.h"
#include "refdata/Lookups.h"
#include "refdata/RefTables.h"
#include "savefile/Calendar.h"
#include "savefile/Format.h"
#include "savefile/KeyText.h"

namespace orv5 {

namespace {

constexpr int32_t QueueMarkerQEL = 0x57E5BD65;  // first entry of the list just before the queue
constexpr std::string_view QueueKeyOlder = "PROMOTION_INSTA_HEAL";
constexpr int32_t OldestBuildingDate = -9998;  // earlier dates mean "never built"
constexpr size_t KeptYields = 7;

using CityList = std::array<int32_t, MaxCityLists> TCityRec::*;
// Where the values of building lists 1..6 go; list 4 holds the year the building was finished.
constexpr std::array<CityList, 6> BuildingLists{&TCityRec::BuildingValue1, &TCityRec::BuildingValue2,
                                                 &TCityRec::BuildingValue3, &TCityRec::BuildingDate,
                                                 &TCityRec::BuildingValue5, &TCityRec::BuildingValue6};
constexpr size_t DateList = 3;
constexpr size_t StandingList = 4;
constexpr size_t SecondStandingList = 5;

// Names are kept in the display form the reference lookups of the city view compare with:
// "BUILDING_GREAT_LIBRARY" becomes "Great Library".
std::string WithoutPrefix(std::string_view key, std::string_view prefix) { return CutTextKey(key, prefix); }

// The display names of a QEL table's rows, made once for every city to copy.
template <typename Rec>
std::vector<std::string> DisplayNames(std::span<const Rec> rows, std::string_view prefix) {
  std::vector<std::string> names;
  names.reserve(rows.size());
  for (const Rec& row : rows) names.push_back(WithoutPrefix(row.Key, prefix));
  return names;
}

const std::string& BuildingNameQEL(int32_t row) {
  static const std::vector<std::string> names = DisplayNames(BuildingTableQEL(), "BUILDING_");
  return names[static_cast<size_t>(row)];
}

const std::string& UnitNameQEL(int32_t row) {
  static const std::vector<std::string> names = DisplayNames(UnitTableQEL(), "UNIT_");
  return names[static_cast<size_t>(row)];
}

// An item the reference tables lack shows as its hash, in the formatter's upper-case hex digits,
// as the city view shows unknown items of the build queue.
std::string HashName(int32_t hash) { return Format("%08x", {hash}); }

void SkipInts(int32_t& pos, int32_t count, int32_t intsPerEntry) {
  pos = ImageReader::Advance(pos, int64_t{std::max(count, 0)} * intsPerEntry * 4);
}

void ReadYieldList(const ImageReader& image, int32_t& pos, TCityRec& city) {
  const int32_t count = image.ReadInt(pos);
  for (int32_t i = 0; i < count && InsideImage(image, pos); ++i) {
    const int32_t value = image.ReadInt(pos);
    if (static_cast<size_t>(i) < KeptYields) city.YieldValues[static_cast<size_t>(i)] = value;
  }
}

// One valued entry n of building list `list` (0-based); names only come with the first list.
void StoreBuilding(const CityReadContext& ctx, CityTarget target, size_t list, size_t n, std::string_view key,
                   const TBuildingInfoRec* row, int32_t value) {
  TCityRec& city = target.City;
  if (n < MaxCityLists) {
    (city.*BuildingLists[list])[n] = value;
    if (list == DateList && value >= OldestBuildingDate) city.BuildingTurn[n] = Date2Turn(ctx.SpeedIndex, value);
  }
  if (list == StandingList && value > 0) MarkStandingBuilding(key, row, target);
  if (list == SecondStandingList && value > 0 && key == "BUILDING_GARDEN") city.HasGarden = -1;
}

void ReadHashBuildingList(const CityReadContext& ctx, int32_t& pos, size_t list, CityTarget target) {
  const ImageReader& image = ctx.Image;
  const auto table = BuildingTableQEL();
  const int32_t count = image.ReadInt(pos);
  size_t n = 0;
  for (int32_t i = 0; i < count && InsideImage(image, pos); ++i) {
    const int32_t hash = image.ReadInt(pos);
    if (hash == 0) continue;  // a lone 0 holds no value and takes no place
    const int32_t value = image.ReadInt(pos);
    // Only the names and the standing buildings need the reference row.
    const bool lookUp = list == 0 || (list >= StandingList && value > 0);
    const int32_t index = lookUp ? FindBIndex32(hash) : -1;
    const TBuildingInfoRecQEL* row = index >= 0 ? &table[static_cast<size_t>(index)] : nullptr;
    const std::string_view key = row ? row->Key : std::string_view();
    if (list == 0 && n < MaxCityLists) target.City.BuildingName[n] = row ? BuildingNameQEL(index) : HashName(hash);
    StoreBuilding(ctx, target, list, n++, key, row, value);
  }
}

const TBuildingInfoRec* RowOfKey(const BuildingRows& table, std::string_view key) {
  for (const TBuildingInfoRec& row : table) {
    if (row.Key == key) return &row;
  }
  return nullptr;
}

void ReadKeyBuildingList(const CityReadContext& ctx, int32_t& pos, size_t list, CityTarget target) {
  const ImageReader& image = ctx.Image;
  const BuildingRows table = BuildingTable(ctx.Variant);
  const int32_t count = image.ReadInt(pos);
  for (int32_t i = 0; i < count && InsideImage(image, pos); ++i) {
    const std::string key = image.ReadStr(pos);
    const int32_t value = image.ReadInt(pos);
    const auto n = static_cast<size_t>(i);
    if (list == 0 && n < MaxCityLists) target.City.BuildingName[n] = WithoutPrefix(key, "BUILDING_");
    // By key, not by place in the list: the saves list buildings the reference table lacks.
    const TBuildingInfoRec* row = (list == StandingList && value > 0) ? RowOfKey(table, key) : nullptr;
    StoreBuilding(ctx, target, list, n, key, row, value);
  }
}

void ReadHashUnitList(const ImageReader& image, int32_t& pos, bool first, TCityRec& city) {
  const int32_t count = image.ReadInt(pos);
  size_t n = 0;
  for (int32_t i = 0; i < count && InsideImage(image, pos); ++i) {
    const int32_t hash = image.ReadInt(pos);
    if (hash == 0) continue;
    const int32_t value = image.ReadInt(pos);
    if (n < MaxCityLists && first) {
      const int32_t index = FindUIndex32(hash);
      city.UnitName[n] = index >= 0 ? UnitNameQEL(index) : HashName(hash);
    }
    if (n < MaxCityLists) (first ? city.UnitValue1 : city.UnitValue2)[n] = value;
    ++n;
  }
}

void ReadKeyUnitList(const ImageReader& image, int32_t& pos, TCityRec& city) {
  const int32_t count = image.ReadInt(pos);
  for (int32_t i = 0; i < count && InsideImage(image, pos); ++i) {
    const std::string key = image.ReadStr(pos);
    const int32_t value1 = image.ReadInt(pos);
    const int32_t value2 = image.ReadInt(pos);
    image.Skip(pos, 8);
    const auto n = static_cast<size_t>(i);
    if (n >= MaxCityLists) continue;
    city.UnitName[n] = WithoutPrefix(key, "UNIT_");
    city.UnitValue1[n] = value1;
    city.UnitValue2[n] = value2;
  }
}

// An empty queue shows as an order of type -1.
void FinishQueue(TCityRec& city, int32_t length) {
  city.QueueLength = length;
  if (length == 0) city.BuildQueue[0].Type = -1;
  city.CurrentOrderType = city.BuildQueue[0].Type;
  city.CurrentOrderItem = city.BuildQueue[0].Item;
}

// The queue follows a list of the city's promotions (QEL: of hashed values), found by its
// first entry; a city without that list is taken to have an empty queue.
int32_t ReadQueueAfterAnchor(const CityReadContext& ctx, int32_t pos, TCityRec& city) {
  const ImageReader& image = ctx.Image;
  const int32_t anchor = ctx.Layout.ListsByHash ? image.FindInt(QueueMarkerQEL, pos) : image.FindStr(QueueKeyOlder, pos);
  if (anchor == 0) {
    FinishQueue(city, 0);
    return pos;
  }
  int32_t cur = ImageReader::Advance(anchor, ctx.Layout.ListsByHash ? -4 : -8);
  const int32_t count = image.ReadInt(cur);
  for (int32_t i = 0; i < count && InsideImage(image, cur); ++i) {
    if (ctx.Layout.ListsByHash) {
      if (image.ReadInt(cur) != 0) image.Skip(cur, 4);
    } else {
      image.ReadStr(cur);
      image.Skip(cur, 4);
    }
  }
  ReadBuildQueue(image, cur, city);
  return cur;
}

}  // namespace

void ReadBuildQueue(const ImageReader& image, int32_t& pos, TCityRec& city) {
  const int32_t count = std::clamp(image.ReadInt(pos), 0, MaxBuildQueue);
  for (size_t i = 0; i < static_cast<size_t>(count); ++i) {
    BuildOrder& order = city.BuildQueue[i];
    order.Type = image.ReadInt(pos);
    order.Item = image.ReadInt(pos);
    order.Data = image.ReadInt(pos);
    order.Flag1 = image.ReadBool(pos);
    order.Flag2 = image.ReadBool(pos);
  }
  FinishQueue(city, count);
}

int32_t ReadCityLists(const CityReadContext& ctx, int32_t pos, CityTarget target) {
  const ImageReader& image = ctx.Image;
  const bool byHash = ctx.Layout.ListsByHash;
  if (byHash) SkipInts(pos, image.ReadInt(pos), 1);
  ReadYieldList(image, pos, target.City);
  image.Skip(pos, ctx.Layout.ListGap);
  for (size_t list = 0; list < BuildingLists.size(); ++list) {
    if (byHash) {
      ReadHashBuildingList(ctx, pos, list, target);
    } else {
      ReadKeyBuildingList(ctx, pos, list, target);
    }
  }
  image.Skip(pos, 4);
  if (byHash) {
    SkipInts(pos, image.ReadInt(pos), 3);
    ReadHashUnitList(image, pos, true, target.City);
    ReadHashUnitList(image, pos, false, target.City);
  } else {
    ReadKeyUnitList(image, pos, target.City);
  }
  return ReadQueueAfterAnchor(ctx, pos, target.City);
}

void MarkStandingBuilding(std::string_view key, const TBuildingInfoRec* row, CityTarget target) {
  static constexpr std::pair<std::string_view, WonderSlot> Wonders[] = {
      {"BUILDING_ANGKOR_WAT", AngkorWat},         {"BUILDING_SISTINE_CHAPEL", SistineChapel},
      {"BUILDING_HAGIA_SOPHIA", HagiaSophia},     {"BUILDING_FORBIDDEN_PALACE", ForbiddenPalace},
      {"BUILDING_LEANING_TOWER", LeaningTower}};
  static constexpr std::pair<std::string_view, int32_t TCityRec::*> Flags[] = {
      {"BUILDING_GARDEN", &TCityRec::HasGarden},         {"BUILDING_FLOATING_GARDENS", &TCityRec::HasFloatingGardens},
      {"BUILDING_COURTHOUSE", &TCityRec::HasCourthouse}, {"BUILDING_NATIONAL_EPIC", &TCityRec::HasNationalEpic},
      {"BUILDING_PALACE", &TCityRec::HasPalace}};
  for (const auto& [wonderKey, slot] : Wonders) {
    if (key == wonderKey) target.WonderOwner[static_cast<size_t>(slot)] = target.Owner;
  }
  for (const auto& [flagKey, flag] : Flags) {
    if (key == flagKey) target.City.*flag = -1;
  }
  if (!row) return;
  if (row->GPKind >= 1 && row->GPKind <= 4) target.City.BuildingGreatPersonPoints[static_cast<size_t>(row->GPKind)] += row->GPPoints;
  if (row->Kind == 3) target.City.HasClass3Building = -1;
}

}  // namespace orv5
