// The Cities tab: one city of one player (`PlayerCityChoose` fills `CityBox`, `ChooseCity` the
// rest): founding and ownership, status, food, culture, strength, build queue, buildings,
// production with costs, great-person progress, religions and the foreign spies inside.
#include <algorithm>

#include "refdata/TextArrays.h"
#include "savefile/Calendar.h"
#include "savefile/Format.h"
#include "savefile/KeyText.h"
#include "views/Tabs.h"
#include "views/ViewCommon.h"
#include "views/ViewParts.h"

namespace orv5 {

namespace {

constexpr int ReligionDataRows = 13;

// The city fields that an empty `CityBox` leaves empty.
constexpr const char* kCityFields[] = {
    "CityFoundE",     "CityStatusE",    "PopE",          "CityXYE",       "CityOverflowE", "CultureE", "FoodE",
    "PreviousOwnerE", "OriginalOwnerE", "LastCapturedE", "CityStrengthE", "WLTKDE",        "DisorderE"};

std::string TurnOfGameText(const SaveAnalysis& save, int32_t turn) {
  return Format(" %d/%d (%s)", turn, save.TurnLimit, CityDateText(save.SpeedIndex, turn));
}

// Each word followed by "; ", but the last flag, "Railroad", stands alone.
std::string StatusText(const TCityRec& city) {
  std::string text;
  for (std::string_view word : CityStatusWords(city)) {
    text += word;
    if (word != "Railroad") text += "; ";
  }
  return text;
}

std::string StrengthText(bool isQEL, const TCityRec& city) {
  if (!isQEL) return Format("%7.2f", city.Strength / 100.0);
  const int32_t most = city.StrengthC + 200;
  return Format("%7.2f (%d/%d)", city.Strength / 100.0, most - city.StrengthA, most);
}

void AddCityFields(const SaveAnalysis& save, const TCityRec& city, TabModel& tab) {
  tab.AddEdit("CityFoundE", TurnOfGameText(save, city.Founded));
  tab.AddEdit("CityStatusE", StatusText(city));
  tab.AddEdit("PopE", Format("%3d (%d)", city.Population, city.MaxPopulation));
  tab.AddEdit("CityXYE", Format("%4d;%d", city.X, city.Y));
  tab.AddEdit("CityOverflowE", Format("%7.2f", city.ProductionOverflow / 100.0));
  tab.AddEdit("CultureE", Format("%4d/%d (Step %d)", city.CultureStored, city.CultureNeeded, city.CultureStep));
  tab.AddEdit("FoodE", Format("%7.2f/%d(%d)", city.FoodStored / 100.0, city.FoodNeeded, city.FoodValue2));
  tab.AddEdit("PreviousOwnerE", city.PreviousOwner >= 0 ? LeaderNameAt(save, city.PreviousOwner) : std::string());
  tab.AddEdit("OriginalOwnerE", city.OriginalOwner >= 0 ? LeaderNameAt(save, city.OriginalOwner) : std::string());
  tab.AddEdit("LastCapturedE", city.PreviousOwner >= 0 ? TurnOfGameText(save, city.CapturedTurn) : std::string());
  tab.AddEdit("CityStrengthE", StrengthText(save.IsQEL != 0, city));
  tab.AddEdit("WLTKDE", Format("%3d", city.WltkdTurns));
  tab.AddEdit("DisorderE", Format("%3d", city.Disorder));
}

// Older layouts know four kinds (types 1..4: artist, scientist, merchant, engineer); the writer
// and musician fields are emptied so that no text of a QEL save stays behind.
void AddGreatPeopleOlder(const TLeaderInfoRec& owner, const TCityRec& city, TabModel& tab) {
  const char* kinds[] = {"GAr", "GS", "GM", "GE"};
  for (size_t k = 1; k <= 4; ++k) {
    const std::string kind = kinds[k - 1];
    tab.AddEdit(kind + "PointsE", Format("%7.2f", city.GreatPersonProgress[k] / 100.0),
                Format("%f turns", city.GreatPersonTurns[k]));
    tab.AddEdit(kind + "RateE", Format("%5.2f", city.GreatPersonRate[k] / 100.0),
                Format("Buildings: %d, Specs: %d, Percent: %d", city.BuildingGreatPersonPoints[k],
                       3 * city.SpecialistCount[k], city.GreatPersonBonus + 100));
  }
  for (const char* name : {"GWrPointsE", "GMuPointsE", "GWrRateE", "GMuRateE", "GWrLimitE", "GArLimitE", "GMuLimitE"}) {
    tab.AddEdit(name, {});
  }
  tab.AddEdit("GPLimitE", Format("%6d", owner.GreatPersonThreshold));
}

// QEL: types 1..6 are writer, artist, musician, scientist, merchant, engineer; no rates.
void AddGreatPeopleQEL(const TLeaderInfoRec& owner, const TCityRec& city, TabModel& tab) {
  const char* kinds[] = {"GWr", "GAr", "GMu", "GS", "GM", "GE"};
  for (size_t k = 1; k <= 6; ++k) {
    tab.AddEdit(std::string(kinds[k - 1]) + "PointsE", Format("%7.2f", city.GreatPersonProgress[k] / 100.0));
  }
  for (const char* kind : kinds) tab.AddEdit(std::string(kind) + "RateE", {});
  tab.AddEdit("GWrLimitE", Format("%6d", owner.GreatWriterThreshold));
  tab.AddEdit("GArLimitE", Format("%6d", owner.GreatArtistThreshold));
  tab.AddEdit("GMuLimitE", Format("%6d", owner.GreatMusicianThreshold));
  tab.AddEdit("GPLimitE", Format("%6d", owner.GreatPersonThreshold));
}

ListModel BuildingQueue(bool isQEL, const TCityRec& city) {
  ListModel list;
  list.Name = "BuildingQueue";
  list.Items = BuildQueueTexts(isQEL, city);
  list.DropDownCount = static_cast<int>(list.Items.size());
  list.Selected = SelectedItem(0, list.Items.size());  // always the current production
  return list;
}

GridModel ProductionGrid(const SaveAnalysis& save, const TLeaderInfoRec& owner, const TCityRec* city) {
  GridModel grid("ProductionGrid", 4, 16, 64);
  grid.SetWidths({20, 201, 80, 35});
  const char* headers[] = {"№", "Production", "Hammers", "Delay"};
  for (int col = 0; col < 4; ++col) grid.Set(0, col, headers[col]);
  if (city == nullptr) return grid;
  int row = 1;
  for (auto& cells : ProductionRows(save, owner, *city)) {
    for (int col = 0; col < 4; ++col) grid.Set(row, col, std::move(cells[static_cast<size_t>(col)]));
    ++row;
  }
  return grid;
}

GridModel ReligionGrid(bool isQEL, const TCityRec* city) {
  GridModel grid("ReligionGrid", 5, ReligionDataRows + 1, 64);
  grid.SetWidths({100, 50, 50, 50, 35});
  const char* headers[] = {"Religion", "Followers", "Points", "Percent", "Holy"};
  for (int col = 0; col < 5; ++col) grid.Set(0, col, headers[col]);
  const int32_t count = city ? std::clamp(city->ReligionCount, 0, ReligionDataRows) : 0;
  for (int32_t i = 1; i <= count; ++i) {
    const CityReligion& religion = city->Religions[static_cast<size_t>(i - 1)];
    grid.Set(i, 0, CutTextKey(TextOrFallback(ReligionKeys(isQEL), religion.Religion), "RELIGION_"));
    grid.Set(i, 1, Format("%7d", religion.Followers));
    grid.Set(i, 2, Format("%7d", religion.Points));
    grid.Set(i, 3, Format("%7.2f", religion.Percent));
    grid.Set(i, 4, religion.Holy != 0 ? "  Yes" : "");
  }
  return grid;
}

// Foreign agents in the city, named by their owner's nation.
ListModel CitySpyBox(const SaveAnalysis& save, const TCityRec* city) {
  ListModel list;
  list.Name = "CitySpyBox";
  for (size_t j = 0; city && save.IsQEL && j < save.Leaders.size() && j < MaxPlayers; ++j) {
    const int32_t agent = city->SpyLists[AgentIndex][j];
    if (agent < 0 || agent >= MaxAgents) continue;
    const TLeaderInfoRec& spyOwner = save.Leaders[j];
    list.Items.push_back(spyOwner.CivName + " (" + spyOwner.Agents[static_cast<size_t>(agent)].Name + ")");
  }
  list.DropDownCount = std::min(static_cast<int>(list.Items.size()), 22);
  list.Selected = SelectedItem(0, list.Items.size());
  return list;
}

ListModel CityBox(std::span<const TCityRec> cities, int32_t item) {
  ListModel list;
  list.Name = "CityBox";
  for (const TCityRec& city : cities) {
    if (!city.Name.empty()) list.Items.push_back(city.Name);
  }
  list.DropDownCount = std::min(static_cast<int>(list.Items.size()), 20);
  list.Selected = SelectedItem(item, list.Items.size());
  return list;
}

// `ChooseCity`. Without a city, the city fields, grids and lists are emptied; the great-person
// and per-turn fields show an empty record, as the player's first column reads when unused.
void ChooseCity(const SaveAnalysis& save, int32_t p, const TCityRec* city, TabModel& tab) {
  const TLeaderInfoRec& owner = LeaderAt(save, p);
  const TCityRec& shown = city ? *city : EmptyCity();
  if (city) {
    AddCityFields(save, *city, tab);
  } else {
    for (const char* name : kCityFields) tab.AddEdit(name, {});
  }
  tab.Add(city ? BuildingQueue(save.IsQEL != 0, *city) : ListModel{"BuildingQueue", {}, -1, 0, {}, {}});
  if (save.IsQEL) {
    AddGreatPeopleQEL(owner, shown, tab);
  } else {
    AddGreatPeopleOlder(owner, shown, tab);
  }
  tab.AddEdit("OutCultureE", Format("%7.2f", shown.CulturePerTurn / 100.0));
  tab.AddEdit("OutFaithE", Format("%7d", shown.CityFaith));
  tab.Add(RichTextModel{"BuildingsList", city ? BuildingsListLines(*city) : std::vector<RichTextLine>{}});
  tab.Add(ProductionGrid(save, owner, city));
  tab.Add(ReligionGrid(save.IsQEL != 0, city));
  tab.Add(CitySpyBox(save, city));
}

}  // namespace

int32_t CityColumnOfItem(std::span<const TCityRec> cities, int32_t item) {
  int32_t listed = 0;
  for (size_t column = 0; column < cities.size(); ++column) {
    if (cities[column].Name.empty()) continue;
    if (listed++ == item) return static_cast<int32_t>(column);
  }
  return -1;
}

TabModel CityTabModel(const SaveAnalysis& save, const ViewSelection& selection) {
  const int32_t p = SelectedRow(selection.Player);
  TabModel tab{"CityTab", TabVisible(save, "CityTab"), {}};
  tab.Add(PlayerSelector(save, "PlayerCitySelect", p));
  const std::span<const TCityRec> cities = CitiesOf(save, p);
  // `PlayerCityChoose`: an item beyond the list (a new player) starts at the first city.
  int32_t item = SelectedRow(selection.City);
  if (item >= CityChoiceCount(save, p)) item = 0;
  tab.Add(CityBox(cities, item));
  const int32_t column = CityColumnOfItem(cities, item);
  ChooseCity(save, p, column >= 0 ? &cities[static_cast<size_t>(column)] : nullptr, tab);
  return tab;
}

}  // namespace orv5
