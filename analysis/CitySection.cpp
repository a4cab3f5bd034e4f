// Cities: each record is found by its layout's marker and read at fixed distances around it.
#include <algorithm>
#include <string>
#include <vector>

#include "analysis/CityReaders.h"
#include "analysis/DerivedValues.h"
#include "analysis/Sections.h"

namespace orv5 {

namespace {

constexpr int32_t MaxCityPasses = 10001;
constexpr int32_t NameSearchSpan = 99;  // bytes before the anchor in which the name must start
constexpr int32_t NextCityDistance = 1024;  // no two city markers lie closer than this
constexpr int32_t FalseHitStep = 12;
constexpr int32_t PlotGroupsFromOwner = 16;
constexpr int32_t MaxPlotGroupValues = 6;

struct CitySearch {
  CityReadContext Read;
  SaveAnalysis& Save;
};

// The length field of the name before the anchor: its high byte is the nearest zero byte.
int32_t FindNameStart(const ImageReader& image, int32_t anchor) {
  for (int32_t back = 1; back <= NameSearchSpan; ++back) {
    const int32_t at = ImageReader::Advance(anchor, -back);
    if (image.ByteAt(at) == 0) return ImageReader::Advance(at, -3);
  }
  return -1;
}

void ReadPlotGroups(const CityReadContext& ctx, int32_t owner, TCityRec& city) {
  int32_t pos = ImageReader::Advance(owner, PlotGroupsFromOwner);
  for (int32_t g = 0; g < ctx.Layout.PlotGroupCount; ++g) {
    const int32_t count = ctx.Image.ReadInt(pos);
    if (count > MaxPlotGroupValues) break;
    PlotGroup& group = city.PlotGroups[static_cast<size_t>(g)];
    group.Count = count;
    for (int32_t i = 0; i < count; ++i) group.Values[static_cast<size_t>(i)] = ctx.Image.ReadInt(pos);
  }
}

void ReadOwnerBlock(const CityReadContext& ctx, int32_t owner, int32_t row, TCityRec& city) {
  const ImageReader& image = ctx.Image;
  for (int32_t i = 0; i < 10; ++i) city.StatusFlags[static_cast<size_t>(i)] = image.ByteAt(owner - 10 + i);
  city.OwnerIndex = row;
  int32_t pos = ImageReader::Advance(owner, 4);
  city.PreviousOwner = ctx.Rows(image.ReadInt(pos));
  city.OriginalOwner = ctx.Rows(image.ReadInt(pos));
  city.OwnerValue = image.ReadInt(pos);
  ReadPlotGroups(ctx, owner, city);
}

// Food, production and strength lie just before the owner slot.
int32_t ReadFoodAndStrength(const CityReadContext& ctx, int32_t owner, TCityRec& city) {
  const ImageReader& image = ctx.Image;
  int32_t pos = ImageReader::Advance(owner, ctx.Layout.YieldAnchorFromOwner);
  city.FoodStored = image.ReadInt(pos);
  city.FoodValue2 = image.ReadInt(pos);
  image.Skip(pos, 4);
  city.ProductionOverflow = image.ReadInt(pos);
  image.Skip(pos, ctx.Layout.StrengthSkip);
  city.Strength = image.ReadInt(pos);
  city.StrengthA = image.ReadInt(pos);
  city.StrengthB = image.ReadInt(pos);
  image.Skip(pos, 8);
  city.WltkdTurns = image.ReadInt(pos);
  image.Skip(pos, 12);
  city.Disorder = image.ReadInt(pos);
  return pos;
}

// Culture and faith further back; the expansions keep two of their values in plot group 4.
int32_t ReadCultureAndFaith(const CityReadContext& ctx, int32_t pos, TCityRec& city) {
  const ImageReader& image = ctx.Image;
  image.Skip(pos, -ctx.Layout.CultureBack);
  city.CultureStored = image.ReadInt(pos);
  city.CultureStep = image.ReadInt(pos);
  city.CultureYieldA = image.ReadInt(pos);
  city.CultureYieldB = image.ReadInt(pos);
  city.CultureYieldC = image.ReadInt(pos);
  if (ctx.Layout.CultureWithFaith) {
    city.CultureYieldD = image.ReadInt(pos);
    city.FaithYieldA = image.ReadInt(pos);
    city.FaithYieldB = image.ReadInt(pos);
    city.FaithYieldC = image.ReadInt(pos);
    city.CultureModifier = image.ReadInt(pos);
    city.FaithYieldD = city.PlotGroups[4].Values[5];
    city.CultureYieldE = city.PlotGroups[4].Values[4];
  } else {
    city.CultureYieldE = image.ReadInt(pos);
    city.CultureModifier = image.ReadInt(pos);
  }
  return pos;
}

// Position, dates and population lie before the culture values; returns the end of them.
int32_t ReadYieldBlock(const CityReadContext& ctx, int32_t owner, TCityRec& city) {
  const ImageReader& image = ctx.Image;
  int32_t pos = ReadCultureAndFaith(ctx, ReadFoodAndStrength(ctx, owner, city), city);
  image.Skip(pos, -ctx.Layout.PositionBack);
  city.X = image.ReadInt(pos);
  city.Y = image.ReadInt(pos);
  image.Skip(pos, 8);
  city.Founded = image.ReadInt(pos);
  city.CapturedTurn = image.ReadInt(pos);
  city.Population = image.ReadInt(pos);
  city.MaxPopulation = image.ReadInt(pos);
  return pos;
}

// The technology being researched sits before the first city of each player.
int32_t ReadCurrentResearch(const ImageReader& image, int32_t afterPopulation) {
  int32_t pos = ImageReader::Advance(afterPopulation, -96);
  const int32_t shape = image.ReadInt(pos);
  image.Skip(pos, shape == -1 ? -54 : -22);
  return image.ReadInt(pos);
}

void CountCity(TLeaderInfoRec& owner, const TCityRec& city) {
  if (city.StatusFlags[0]) ++owner.NeverLostCount;
  if (city.StatusFlags[3]) ++owner.PuppetCount;
  if (city.StatusFlags[5]) ++owner.OccupiedCount;
}

// The record of a city whose owner is a player row.
void ReadOwnedCity(CitySearch& search, int32_t marker, const CityRecordVariant& variant, int32_t owner,
                   int32_t row, std::string name) {
  SaveAnalysis& save = search.Save;
  std::vector<TCityRec>& cities = save.CityTable[static_cast<size_t>(row)];
  TLeaderInfoRec& leader = save.Leaders[static_cast<size_t>(row)];
  TCityRec& city = cities.emplace_back();
  for (auto& list : city.SpyLists) list.fill(-1);
  city.Name = std::move(name);
  ReadOwnerBlock(search.Read, owner, row, city);
  const int32_t afterPopulation = ReadYieldBlock(search.Read, owner, city);
  if (cities.size() == 1) leader.CurrentResearch = ReadCurrentResearch(search.Read.Image, afterPopulation);
  const int32_t listEnd = ReadCityLists(search.Read, ImageReader::Advance(marker, variant.ListStart),
                                        CityTarget{city, row, save.WonderOwner});
  ReadCityReligionBlock(search.Read, listEnd, city);
  city.FoodNeeded = FoodNeeded(city.Population, leader, save);
  CountCity(leader, city);
  leader.CityCount = static_cast<int32_t>(cities.size());
}

// One marker hit that passed its check; false when it holds no name, so it is no city.
bool ReadCityAt(CitySearch& search, int32_t marker, const CityRecordVariant& variant) {
  const ImageReader& image = search.Read.Image;
  int32_t nameStart = FindNameStart(image, ImageReader::Advance(marker, variant.NameAnchor));
  if (nameStart < 0) return false;
  const int32_t owner = ImageReader::Advance(nameStart, search.Read.Layout.OwnerFromName);
  std::string name = StripCityNameKey(image.ReadUStr(nameStart));
  const int32_t ownerSlot = image.IntAt(owner);
  search.Save.CityNameList.push_back(name);
  search.Save.CityOwnerList.push_back(ownerSlot);
  // A city of a slot that is no player keeps only its name (it still counts against the 500).
  const int32_t row = search.Read.Rows(ownerSlot);
  if (row >= 0) ReadOwnedCity(search, marker, variant, owner, row, std::move(name));
  return true;
}

void ResetCityTables(SaveAnalysis& save, size_t rows) {
  save.WonderOwner.fill(-1);
  for (TLeaderInfoRec& leader : save.Leaders) {
    leader.CityCount = leader.NeverLostCount = leader.OccupiedCount = leader.PuppetCount = 0;
  }
  save.CityNameList.clear();
  save.CityOwnerList.clear();
  save.CityTable.assign(rows, {});
}

}  // namespace

std::string StripCityNameKey(std::string name) {
  for (std::string_view part : {"CITY_NAME", "CITYSTATE", "ORV5"}) {
    const size_t at = name.find(part);
    if (at == std::string::npos) continue;
    name.erase(0, std::min(name.size(), at + part.size() + 1));
  }
  return name;
}

void ReadCities(ParseContext& ctx, SaveAnalysis& save) {
  const SlotRows rows(save);
  ResetCityTables(save, std::min(save.Leaders.size(), static_cast<size_t>(std::max(save.LeaderCount, 0))));
  StepDiagnostic& step = AddStep(ctx, save, "cities");
  if (!ctx.HasBody) {
    step.Stop = "no body";
    return;
  }
  const CityLayout& layout = SelectCityLayout(save);
  const GameVariant tables = SelectVariant(save.IsQEL != 0, save.HasExpansion1 != 0);
  CitySearch search{{ctx.Image, layout, rows, tables, save.SpeedIndex, save.BuildAbove341539 != 0}, save};
  step.Stop = "pass limit reached";
  int32_t pos = ctx.BodyStart;
  for (int32_t pass = 0; pass < MaxCityPasses; ++pass) {
    const int32_t marker = ctx.Image.FindInt(layout.Marker, pos);
    if (marker == 0) {
      step.Stop = std::string("no further ") + layout.Name + " city marker";
      break;
    }
    const CityRecordVariant* variant = MatchCityVariant(ctx.Image, layout, marker);
    const bool city = variant && ReadCityAt(search, marker, *variant);
    pos = ImageReader::Advance(marker, city ? NextCityDistance : FalseHitStep);
    if (static_cast<int32_t>(save.CityNameList.size()) >= MaxCities) {
      step.Stop = "500 cities read, the most a save keeps";
      break;
    }
  }
  step.Records = static_cast<int32_t>(save.CityNameList.size());
  step.Found = step.Records > 0;
}

}  // namespace orv5
