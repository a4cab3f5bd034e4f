// The ten cities of the demo save: three French, two Spanish, three English (Seville taken from
// Spain and kept as a puppet) and two Inca. Each plan says what stands in the city and when it
// was built, what it is working on, its specialists, great-person points, religions and spies.
#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "refdata/Lookups.h"
#include "refdata/RefTables.h"
#include "savefile/Calendar.h"
#include "savefile/KeyText.h"
#include "tests/support/CityBuilder.h"
#include "tools/DemoPlan.h"

namespace orv5::demo {

namespace {

// Stored production (hundredths) toward a building or unit, and the turns it has lain idle.
struct Work {
  const char* Key;
  int32_t Stored;
  int32_t Idle;
};

enum Religion : int32_t { Pantheon = 0, Buddhism = 1, Christianity = 2, Protestantism = 13 };

struct CityPlan {
  const char* NameKey;
  int32_t Owner, X, Y, Founded, Population;
  int32_t MaxPopulation = 0;                             // 0: the population
  std::vector<std::pair<const char*, int32_t>> Built{};  // standing buildings and the turn each was finished
  std::vector<const char*> Free{};                       // buildings a policy gave the city
  std::vector<Work> Buildings{};
  std::vector<Work> Units{};
  std::vector<testing::QueueEntry> Queue{};
  std::array<int32_t, 7> Specialists{};  // [1..6] writer, artist, musician, scientist, merchant, engineer
  std::array<int32_t, 7> GreatPeople{};  // points toward each kind, hundredths, same order
  std::vector<testing::ReligionEntry> Religions{};
  int32_t CultureStored = 0, CultureStep = 0;
  std::array<int32_t, 3> CultureYields{};
  std::array<int32_t, 2> FaithYields{};
  int32_t FoodStored = 0, Overflow = 0, Strength = 0, WallStrength = 0, Damage = 0, Wltkd = 0;
  int32_t CapturedFrom = -1, CapturedTurn = 0;  // a city taken from another slot
};

testing::QueueEntry Build(const char* key) { return {1, Crc32String(key), 0}; }
testing::QueueEntry Train(const char* key) { return {0, Crc32String(key), 0}; }

testing::QueueEntry Process(std::string_view name) {
  for (const TCommerceInfoRec& row : CommerceTable()) {
    if (row.Name == name) return {4, row.Hash, 0};
  }
  throw std::logic_error("no process " + std::string(name));
}

testing::ReligionEntry Followers(int32_t religion, int32_t followers, int32_t points, bool holy = false) {
  return {1, religion, holy, followers, points};
}

CityPlan Paris() {
  CityPlan c{"TXT_KEY_CITY_NAME_PARIS", 0, 24, 31, 0, 9};
  c.Built = {{"BUILDING_PALACE", 0},        {"BUILDING_MONUMENT", 6},       {"BUILDING_SHRINE", 12},
             {"BUILDING_GRANARY", 17},      {"BUILDING_PYRAMID", 22},       {"BUILDING_LIBRARY", 26},
             {"BUILDING_TEMPLE", 33},       {"BUILDING_GREAT_LIBRARY", 38}, {"BUILDING_WALLS", 44},
             {"BUILDING_NATIONAL_EPIC", 50}};
  c.Free = {"BUILDING_AQUEDUCT"};
  c.Buildings = {{"BUILDING_HANGING_GARDEN", 18650, 0}, {"BUILDING_MARKET", 2200, 6}};
  c.Units = {{"UNIT_WORKER", 2100, 0}};
  c.Queue = {Build("BUILDING_HANGING_GARDEN"), Train("UNIT_WORKER"), Build("BUILDING_MARKET")};
  c.Specialists = {0, 1, 0, 0, 1, 0, 0};
  c.GreatPeople = {0, 5400, 0, 0, 3900, 1200, 800};
  c.Religions = {Followers(Christianity, 8, 1700, true), Followers(Pantheon, 1, 150)};
  c.CultureStored = 34, c.CultureStep = 9, c.CultureYields = {4, 2, 3}, c.FaithYields = {2, 2};
  c.FoodStored = 2350, c.Overflow = 175, c.Strength = 1850, c.WallStrength = 50;
  return c;
}

CityPlan Orleans() {
  CityPlan c{"TXT_KEY_CITY_NAME_ORLEANS", 0, 21, 35, 14, 6};
  c.Built = {{"BUILDING_MONUMENT", 20},
             {"BUILDING_SHRINE", 28},
             {"BUILDING_STONEHENGE", 31},
             {"BUILDING_GRANARY", 41},
             {"BUILDING_LIBRARY", 49}};
  c.Free = {"BUILDING_AQUEDUCT"};
  c.Buildings = {{"BUILDING_TEMPLE", 4200, 0}};
  c.Units = {{"UNIT_WORKBOAT", 1500, 2}};
  c.Queue = {Build("BUILDING_TEMPLE"), Train("UNIT_WORKBOAT")};
  c.GreatPeople = {0, 0, 0, 0, 0, 0, 1500};
  c.Religions = {Followers(Christianity, 5, 900)};
  c.CultureStored = 12, c.CultureStep = 4, c.CultureYields = {2, 1, 0}, c.FaithYields = {5, 0};
  c.FoodStored = 1200, c.Strength = 1120, c.Wltkd = 7;
  return c;
}

CityPlan Lyon() {
  CityPlan c{"TXT_KEY_CITY_NAME_LYON", 0, 28, 27, 27, 5};
  c.Built = {{"BUILDING_SHRINE", 35}, {"BUILDING_GRANARY", 46}, {"BUILDING_LIBRARY", 55}};
  c.Free = {"BUILDING_MONUMENT", "BUILDING_AQUEDUCT"};
  c.Buildings = {{"BUILDING_WATERMILL", 3300, 0}};
  c.Queue = {Build("BUILDING_WATERMILL"), Process("Research")};
  c.Religions = {Followers(Christianity, 3, 600), Followers(Protestantism, 1, 150)};
  c.CultureStored = 20, c.CultureStep = 3, c.CultureYields = {2, 0, 0}, c.FaithYields = {1, 0};
  c.FoodStored = 650, c.Strength = 980;
  return c;
}

CityPlan Madrid() {
  CityPlan c{"TXT_KEY_CITY_NAME_MADRID", 1, 40, 30, 0, 8};
  c.Built = {{"BUILDING_PALACE", 0},   {"BUILDING_MONUMENT", 7},  {"BUILDING_BARRACKS", 11},
             {"BUILDING_GRANARY", 19}, {"BUILDING_COLOSSUS", 28}, {"BUILDING_ORACLE", 35},
             {"BUILDING_TEMPLE", 41},  {"BUILDING_WALLS", 47},    {"BUILDING_LIBRARY", 53}};
  c.Buildings = {{"BUILDING_COLOSSEUM", 2750, 0}};
  c.Units = {{"UNIT_SWORDSMAN", 4400, 0}};
  c.Queue = {Train("UNIT_SWORDSMAN"), Build("BUILDING_COLOSSEUM")};
  c.Specialists = {0, 0, 0, 0, 0, 1, 0};
  c.GreatPeople = {0, 0, 0, 0, 1100, 2600, 0};
  c.Religions = {Followers(Pantheon, 6, 1100), Followers(Christianity, 2, 350)};
  c.CultureStored = 40, c.CultureStep = 8, c.CultureYields = {3, 1, 2}, c.FaithYields = {2, 1};
  c.FoodStored = 2800, c.Strength = 1960, c.WallStrength = 50;
  return c;
}

CityPlan Barcelona() {
  CityPlan c{"TXT_KEY_CITY_NAME_BARCELONA", 1, 37, 25, 11, 6};
  c.Built = {{"BUILDING_MONUMENT", 18}, {"BUILDING_BARRACKS", 25}, {"BUILDING_GRANARY", 39}, {"BUILDING_SHRINE", 50}};
  c.Buildings = {{"BUILDING_LIBRARY", 3100, 0}};
  c.Queue = {Build("BUILDING_LIBRARY")};
  c.Religions = {Followers(Pantheon, 6, 900)};
  c.CultureStored = 15, c.CultureStep = 5, c.CultureYields = {2, 0, 0}, c.FaithYields = {1, 0};
  c.FoodStored = 900, c.Strength = 1240;
  return c;
}

CityPlan London() {
  CityPlan c{"TXT_KEY_CITY_NAME_LONDON", 2, 12, 40, 0, 9};
  c.Built = {{"BUILDING_PALACE", 0},       {"BUILDING_MONUMENT", 5},
             {"BUILDING_LIGHTHOUSE", 13},  {"BUILDING_GREAT_LIGHTHOUSE", 19},
             {"BUILDING_LIBRARY", 24},     {"BUILDING_SHRINE", 30},
             {"BUILDING_HARBOR", 37},      {"BUILDING_TEMPLE", 43},
             {"BUILDING_HAGIA_SOPHIA", 47}};
  c.Buildings = {{"BUILDING_MARKET", 5600, 0}};
  c.Units = {{"UNIT_TRIREME", 2000, 3}};
  c.Queue = {Build("BUILDING_MARKET"), Train("UNIT_TRIREME")};
  c.Specialists = {0, 0, 0, 0, 1, 1, 0};
  c.GreatPeople = {0, 0, 0, 0, 4400, 2900, 0};
  c.Religions = {Followers(Protestantism, 8, 1500, true), Followers(Christianity, 1, 250)};
  c.CultureStored = 51, c.CultureStep = 9, c.CultureYields = {3, 2, 2}, c.FaithYields = {2, 1};
  c.FoodStored = 3100, c.Overflow = 320, c.Strength = 1710;
  return c;
}

CityPlan York() {
  CityPlan c{"TXT_KEY_CITY_NAME_YORK", 2, 15, 44, 16, 5};
  c.Built = {{"BUILDING_MONUMENT", 22}, {"BUILDING_LIGHTHOUSE", 29}, {"BUILDING_SHRINE", 40}, {"BUILDING_GRANARY", 52}};
  c.Buildings = {{"BUILDING_LIBRARY", 2600, 0}};
  c.Units = {{"UNIT_WORKBOAT", 2500, 0}};
  c.Queue = {Build("BUILDING_LIBRARY"), Train("UNIT_WORKBOAT")};
  c.Religions = {Followers(Protestantism, 4, 700)};
  c.CultureStored = 9, c.CultureStep = 4, c.CultureYields = {2, 0, 0}, c.FaithYields = {1, 0};
  c.FoodStored = 1050, c.Strength = 1090;
  return c;
}

// Founded by Spain, taken by England on turn 48 and left to govern itself.
CityPlan Seville() {
  CityPlan c{"TXT_KEY_CITY_NAME_SEVILLE", 2, 43, 36, 24, 4, 6};
  c.Built = {{"BUILDING_MONUMENT", 32}, {"BUILDING_SHRINE", 44}, {"BUILDING_GRANARY", 54}};
  c.Buildings = {{"BUILDING_MARKET", 1800, 0}};
  c.Queue = {Build("BUILDING_MARKET")};
  c.Religions = {Followers(Pantheon, 3, 500), Followers(Protestantism, 1, 200)};
  c.CultureStored = 5, c.CultureStep = 2, c.CultureYields = {1, 0, 0}, c.FaithYields = {1, 0};
  c.FoodStored = 400, c.Strength = 860, c.Damage = 40;
  c.CapturedFrom = 1, c.CapturedTurn = 48;
  return c;
}

CityPlan Cusco() {
  CityPlan c{"TXT_KEY_CITY_NAME_CUSCO", 3, 55, 12, 0, 7};
  c.Built = {{"BUILDING_PALACE", 0},          {"BUILDING_MONUMENT", 8}, {"BUILDING_SHRINE", 10},
             {"BUILDING_TEMPLE_ARTEMIS", 30}, {"BUILDING_TEMPLE", 36},  {"BUILDING_MACHU_PICHU", 43},
             {"BUILDING_GRANARY", 48}};
  c.Buildings = {{"BUILDING_AMPHITHEATER", 3800, 0}};
  c.Units = {{"UNIT_COMPOSITE_BOWMAN", 2400, 0}};
  c.Queue = {Build("BUILDING_AMPHITHEATER"), Train("UNIT_COMPOSITE_BOWMAN")};
  c.Specialists = {0, 0, 0, 0, 0, 0, 1};
  c.GreatPeople = {0, 0, 0, 0, 0, 0, 2100};
  c.Religions = {Followers(Buddhism, 7, 1500, true)};
  c.CultureStored = 28, c.CultureStep = 7, c.CultureYields = {3, 2, 3}, c.FaithYields = {3, 2};
  c.FoodStored = 1900, c.Overflow = 90, c.Strength = 1580;
  return c;
}

CityPlan Ollantaytambo() {
  CityPlan c{"TXT_KEY_CITY_NAME_OLLANTAYTAMBO", 3, 62, 18, 20, 5};
  c.Built = {{"BUILDING_MONUMENT", 26}, {"BUILDING_SHRINE", 33}, {"BUILDING_GRANARY", 45}};
  c.Buildings = {{"BUILDING_TEMPLE", 2900, 0}};
  c.Queue = {Build("BUILDING_TEMPLE")};
  c.Religions = {Followers(Buddhism, 4, 800)};
  c.CultureStored = 16, c.CultureStep = 5, c.CultureYields = {2, 0, 0}, c.FaithYields = {2, 0};
  c.FoodStored = 1300, c.Strength = 1010;
  return c;
}

// In the order of the save: each player's cities together, the capital first.
const std::vector<CityPlan>& Cities() {
  static const std::vector<CityPlan> cities = {Paris(),  Orleans(), Lyon(),    Madrid(), Barcelona(),
                                               London(), York(),    Seville(), Cusco(),  Ollantaytambo()};
  return cities;
}

const CityPlan& CityNamed(std::string_view nameKey) {
  for (const CityPlan& city : Cities()) {
    if (city.NameKey == nameKey) return city;
  }
  throw std::logic_error("no city " + std::string(nameKey));
}

int32_t OwnerAt(const CityPlan& city, int32_t turn) {
  return city.CapturedFrom >= 0 && turn < city.CapturedTurn ? city.CapturedFrom : city.Owner;
}

int32_t YearOf(int32_t turn) {
  std::string month;
  return Turn2Date(DemoSpeedIndex, turn, month);
}

bool IsWonder(std::string_view key) {
  const int32_t row = FindBIndex32(Crc32String(key));
  return row >= 0 && BuildingTableQEL()[static_cast<size_t>(row)].Kind == 3;
}

// A wonder as the game's messages name it, which its key does not always spell out.
std::string WonderTitle(std::string_view key) {
  static constexpr std::pair<std::string_view, std::string_view> Titles[] = {
      {"BUILDING_PYRAMID", "the Pyramids"},
      {"BUILDING_STONEHENGE", "Stonehenge"},
      {"BUILDING_TEMPLE_ARTEMIS", "the Temple of Artemis"},
      {"BUILDING_MACHU_PICHU", "Machu Picchu"},
      {"BUILDING_HAGIA_SOPHIA", "Hagia Sophia"}};
  for (const auto& [wonder, title] : Titles) {
    if (wonder == key) return std::string(title);
  }
  return "the " + CutTextKey(key, "BUILDING_");
}

// The espionage lists of a city: entry n belongs to slot n, one for every slot a nation may
// hold; a slot with no agent in the city has index -1 there.
std::array<std::vector<int32_t>, 9> SpyListsOf(const CityPlan& city) {
  constexpr size_t NationSlots = 22;
  std::array<std::vector<int32_t>, 9> lists;
  lists.fill(std::vector<int32_t>(NationSlots, 0));
  lists[0].assign(NationSlots, -1);
  for (const SpyPlan& spy : Spies()) {
    if (std::string_view(spy.CityKey) != city.NameKey) continue;
    const auto owner = static_cast<size_t>(spy.OwnerSlot);
    lists[0][owner] = spy.Agent;
    if (!spy.Operation) continue;
    // Amount, rate and goal of the operation; last turn's progress and potentials (hundredths);
    // the result so far and how often the city has been robbed.
    const int32_t operation[8] = {34500, 2300, 120000, 2300, 500, 400, 0, 1};
    for (size_t k = 0; k < 8; ++k) lists[k + 1][owner] = operation[k];
  }
  return lists;
}

testing::BuildingEntry Entry(const char* key, std::array<int32_t, 6> values) { return {key, 0, values, false}; }

// Six values per building: stored production, idle turns, one not used, the year it was
// finished, standing, given free. The list opens with the Aztec garden, which no city here
// holds: a city record is told from other data by that entry's hash after its marker.
std::vector<testing::BuildingEntry> BuildingsOf(const CityPlan& city) {
  std::vector<testing::BuildingEntry> entries = {Entry("BUILDING_FLOATING_GARDENS", {})};
  for (const auto& [key, turn] : city.Built) entries.push_back(Entry(key, {0, 0, 0, YearOf(turn), 1, 0}));
  for (const char* key : city.Free) entries.push_back(Entry(key, {0, 0, 0, 0, 0, 1}));
  for (const Work& work : city.Buildings) entries.push_back(Entry(work.Key, {work.Stored, work.Idle, 0, 0, 0, 0}));
  return entries;
}

std::vector<testing::UnitEntry> UnitsOf(const CityPlan& city) {
  std::vector<testing::UnitEntry> units;
  for (const Work& work : city.Units) units.push_back({work.Key, 0, work.Stored, work.Idle});
  return units;
}

void SetOwnerAndYields(const CityPlan& plan, testing::CitySpec& city) {
  const bool capital = std::any_of(plan.Built.begin(), plan.Built.end(), [](const auto& built) {
    return std::string_view(built.first) == "BUILDING_PALACE";
  });
  const bool taken = plan.CapturedFrom >= 0;
  city.StatusFlags = {};
  city.StatusFlags[0] = taken ? 0 : 1;    // never lost
  city.StatusFlags[3] = taken ? 1 : 0;    // a taken city is left to govern itself
  city.StatusFlags[7] = capital ? 1 : 0;  // ever capital
  city.OwnerSlot = plan.Owner;
  city.PreviousOwnerSlot = taken ? plan.CapturedFrom : -1;
  city.OriginalOwnerSlot = taken ? plan.CapturedFrom : plan.Owner;
  city.FoodStored = plan.FoodStored;
  city.ProductionOverflow = plan.Overflow;
  city.Strength = plan.Strength;
  city.StrengthA = plan.Damage;
  city.StrengthC = plan.WallStrength;
  city.WltkdTurns = plan.Wltkd;
  city.CultureStored = plan.CultureStored;
  city.CultureStep = plan.CultureStep;
  city.CultureYieldA = plan.CultureYields[0];
  city.CultureYieldB = plan.CultureYields[1];
  city.CultureYieldC = plan.CultureYields[2];
  city.FaithYieldA = plan.FaithYields[0];
  city.FaithYieldB = plan.FaithYields[1];
}

testing::CitySpec CityRecordOf(const CityPlan& plan) {
  testing::CitySpec city;
  city.NameKey = plan.NameKey;
  SetOwnerAndYields(plan, city);
  city.X = plan.X;
  city.Y = plan.Y;
  city.Founded = plan.Founded;
  city.CapturedTurn = plan.CapturedFrom >= 0 ? plan.CapturedTurn : 0;
  city.Population = plan.Population;
  city.MaxPopulation = plan.MaxPopulation > 0 ? plan.MaxPopulation : plan.Population;
  city.CurrentResearch = NationOfSlot(plan.Owner).CurrentResearch;  // read from the first city only
  city.Buildings = BuildingsOf(plan);
  city.Units = UnitsOf(plan);
  city.Queue = plan.Queue;
  city.Specialists = plan.Specialists;
  city.GreatPersonProgress = plan.GreatPeople;
  city.Religions = plan.Religions;
  city.SpyLists = SpyListsOf(plan);
  return city;
}

std::string Words(std::string_view key) {
  std::string text;
  bool wordStart = true;
  for (char ch : key) {
    const bool separator = ch == '_';
    text += separator ? ' ' : static_cast<char>(wordStart ? ch : std::tolower(static_cast<unsigned char>(ch)));
    wordStart = separator;
  }
  return text;
}

}  // namespace

int32_t CityCountAt(int32_t slot, int32_t turn) {
  return static_cast<int32_t>(std::count_if(Cities().begin(), Cities().end(), [&](const CityPlan& city) {
    return city.Founded <= turn && OwnerAt(city, turn) == slot;
  }));
}

int32_t PopulationOf(int32_t slot) {
  int32_t population = 0;
  for (const CityPlan& city : Cities()) population += city.Owner == slot ? city.Population : 0;
  return population;
}

std::array<int32_t, 2> CityXY(std::string_view nameKey) {
  const CityPlan& city = CityNamed(nameKey);
  return {city.X, city.Y};
}

std::string CityDisplayName(std::string_view nameKey) {
  constexpr std::string_view prefix = "TXT_KEY_CITY_NAME_";
  return Words(nameKey.substr(nameKey.starts_with(prefix) ? prefix.size() : 0));
}

std::vector<testing::ReplayEntry> CityEvents() {
  std::vector<testing::ReplayEntry> events;
  for (const CityPlan& city : Cities()) {
    const std::string name = CityDisplayName(city.NameKey);
    events.push_back({city.Founded, name + " was founded."});
    if (city.CapturedFrom >= 0) {
      events.push_back({city.CapturedTurn, NationOfSlot(city.Owner).Name + " has captured " + name + "."});
    }
    for (const auto& [key, turn] : city.Built) {
      if (!IsWonder(key)) continue;
      events.push_back(
          {turn, NationOfSlot(OwnerAt(city, turn)).Name + " has completed " + WonderTitle(key) + " in " + name + "."});
    }
  }
  return events;
}

void WriteCities(testing::ByteWriter& w) {
  testing::CityImageBuilder image(testing::CityShape::QEL);
  for (const CityPlan& city : Cities()) image.Add(CityRecordOf(city));
  w.Raw(image.Image());
}

}  // namespace orv5::demo
