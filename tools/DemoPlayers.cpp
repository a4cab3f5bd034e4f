// The nations' policies, technologies, statistics and player records. The save keeps one record
// of each kind for every slot, empty slots included; only the nations' records hold anything
// beyond what a city-state knows.
#include <numeric>
#include <stdexcept>
#include <utility>

#include "tools/DemoPlan.h"

namespace orv5::demo {

namespace {

constexpr int32_t DemoBuild = 395131;  // the build the header names
constexpr int32_t InUseVersion = 97;   // the player record's version for slots in use
constexpr int32_t EmptyVersion = 96;

std::vector<int32_t> Range(int32_t first, int32_t last) {
  std::vector<int32_t> values(static_cast<size_t>(last - first + 1));
  std::iota(values.begin(), values.end(), first);
  return values;
}

std::vector<int32_t> Joined(std::vector<int32_t> a, const std::vector<int32_t>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

NationPlan Nation(int32_t slot, std::string name, int32_t currentResearch, int32_t score, int32_t gold) {
  NationPlan nation;
  nation.Slot = slot;
  nation.Name = std::move(name);
  nation.CurrentResearch = currentResearch;
  nation.Score = score;
  nation.Gold = gold;
  return nation;
}

// Culture, faith and happiness figures of the statistics record. The gross happiness is what
// the cities' unhappiness leaves at the excess the history ends on.
testing::StatsSpec Stats(int32_t policyCulture, int32_t policyCost, int32_t totalCulture, int32_t faith,
                         int32_t totalFaith, int32_t happiness, int32_t accHappiness) {
  testing::StatsSpec s;
  s.PolicyCulture = policyCulture;
  s.PolicyCultureNeeded = policyCost;
  s.TotalCulture = totalCulture;
  s.AccFaith = faith;
  s.TotalFaith = totalFaith;
  s.GrossHappiness = happiness;
  s.AccHappiness = accHappiness;
  return s;
}

NationPlan France() {
  NationPlan n = Nation(0, "Napoleon", 26, 212, 34512);
  n.Policies = {6, 7, 8, 9, 10, 11, 42, 18, 19, 63, 64};  // Tradition completed, Piety, Freedom
  n.KnownTechs = Joined(Range(0, 11), {13, 14, 15, 16, 17, 18, 19, 20, 21, 22});
  n.Research = {{26, 31240}, {23, 8800}};  // Education under way, Guilds begun
  n.Stats = Stats(412, 1085, 3260, 83, 612, 30, 240);
  n.Stats.GoldenAgeCount = 1;
  n.Stats.GreatPeopleCount = 2;
  n.Stats.WriterCount = 1;
  n.Stats.ResearchOverflow = 350;
  n.Stats.GGPoints = n.Stats.TGGPoints = 45;
  return n;
}

NationPlan Spain() {
  NationPlan n = Nation(1, "Isabella", 24, 168, 21075);
  n.Policies = {0, 1, 2, 3, 12, 13, 14};  // Liberty and Honor
  n.KnownTechs = Joined(Range(0, 11), {13, 14, 15, 16, 19, 20});
  n.Research = {{24, 14000}};
  n.Stats = Stats(260, 905, 2140, 40, 185, 25, 410);
  n.Stats.GreatPeopleCount = 1;
  n.Stats.GeneralCount = 1;
  n.Stats.GGPoints = 120;
  n.Stats.TGGPoints = 320;
  n.Stats.ResearchOverflow = 125;
  return n;
}

NationPlan England() {
  NationPlan n = Nation(2, "Elizabeth", 31, 195, 48830);
  n.Policies = {6, 7, 30, 31, 56, 57, 58};  // Tradition, Commerce and Exploration
  n.KnownTechs = Joined(Range(0, 11), {12, 13, 14, 15, 16, 18, 19, 21, 25});
  n.Research = {{31, 22000}};
  n.Stats = Stats(318, 960, 2815, 57, 430, 32, 95);
  n.Stats.GoldenAgeCount = 1;
  n.Stats.GreatPeopleCount = 1;
  n.Stats.AdmiralCount = 0;
  n.Stats.GAPoints = 60;
  n.Stats.ResearchOverflow = 210;
  return n;
}

NationPlan Inca() {
  NationPlan n = Nation(3, "Pachacuti", 22, 141, 15640);
  n.Policies = {18, 19, 20, 24, 25, 49};  // Piety, Patronage and Aesthetics
  n.KnownTechs = Joined(Range(0, 11), {14, 15, 16, 17, 18, 21, 23});
  n.Research = {{22, 9000}};
  n.Stats = Stats(145, 760, 1990, 96, 540, 22, 310);
  n.Stats.GreatPeopleCount = 1;
  n.Stats.ResearchOverflow = 80;
  return n;
}

// ---- Policies and technologies.

void WritePolicies(testing::ByteWriter& w) {
  for (int32_t slot = 0; slot < SaveSlots; ++slot) {
    testing::WritePolicyRecord(w, 2, 111, IsNationSlot(slot) ? NationOfSlot(slot).Policies : std::vector<int32_t>{});
  }
}

testing::TechSpec TechsOf(int32_t slot) {
  testing::TechSpec tech;
  tech.Count = 81;
  if (IsCityStateSlot(slot)) tech.Known = Range(0, 11);  // city-states keep up with the ancient era
  if (!IsNationSlot(slot)) return tech;
  const NationPlan& nation = NationOfSlot(slot);
  tech.Known = nation.KnownTechs;
  tech.Progress.assign(81, 0);
  for (const auto& [position, research] : nation.Research) tech.Progress[static_cast<size_t>(position)] = research;
  return tech;
}

void WriteTechnologies(testing::ByteWriter& w) {
  for (int32_t slot = 0; slot < SaveSlots; ++slot) testing::WriteTechRecordQEL(w, TechsOf(slot));
}

void WriteStatistics(testing::ByteWriter& w) {
  testing::WriteStatsAnchor(w);
  for (int32_t slot = 0; slot < SaveSlots; ++slot) {
    const testing::StatsSpec stats = IsNationSlot(slot) ? NationOfSlot(slot).Stats : testing::StatsSpec{};
    testing::WriteStatsRecord(w, GameVariant::QEL, DemoBuild, stats);
  }
}

// ---- Player records.

using Messages = std::vector<testing::MessageSpec>;

// The last notifications of each nation, oldest first; kinds are the game's notification hashes.
Messages NotificationsOf(int32_t slot) {
  constexpr int32_t Production = 1996573794, Growth = -848341202, Wonder = 1510338101, Diplomacy = -1032816394;
  switch (slot) {
    case 0:
      return {{Wonder, "You have completed the Great Library in Paris!", "Wonder completed", 38},
              {Production, "Paris has completed the Walls.", "Paris", 44},
              {Diplomacy, "Seville has been captured by Elizabeth!", "City captured", 48},
              {Wonder, "Paris has completed the National Epic.", "Paris", 50},
              {Diplomacy, "You have adopted the Freedom ideology.", "Ideology adopted", 53},
              {Growth, "The City of Paris now has 9 [ICON_CITIZEN] Citizens!", "Paris has grown", 55},
              {Production, "Lyon has completed the Library.", "Lyon", 55},
              {Diplomacy, "Your spy Jean-Paul has arrived in Madrid.", "Spy arrived", 57},
              {Growth, "The City of Orleans now has 6 [ICON_CITIZEN] Citizens!", "Orleans has grown", 58}};
    case 1:
      return {{Wonder, "You have completed the Oracle in Madrid!", "Wonder completed", 35},
              {Diplomacy, "Elizabeth has captured Seville!", "City lost", 48},
              {Production, "Madrid has completed the Library.", "Madrid", 53},
              {Growth, "The City of Barcelona now has 6 [ICON_CITIZEN] Citizens!", "Barcelona has grown", 56}};
    case 2:
      return {{Wonder, "You have completed Hagia Sophia in London!", "Wonder completed", 47},
              {Diplomacy, "You have captured Seville!", "City captured", 48},
              {Production, "York has completed the Granary.", "York", 52},
              {Growth, "The City of London now has 9 [ICON_CITIZEN] Citizens!", "London has grown", 57}};
    case 3:
      return {{Wonder, "You have completed Machu Picchu in Cusco!", "Wonder completed", 43},
              {Production, "Cusco has completed the Granary.", "Cusco", 48},
              {Growth, "The City of Ollantaytambo now has 5 [ICON_CITIZEN] Citizens!", "Ollantaytambo has grown", 54}};
    default:
      return {};
  }
}

std::vector<testing::AgentSpec> AgentsOf(int32_t slot) {
  std::vector<testing::AgentSpec> agents;
  for (const SpyPlan& spy : Spies()) {
    if (spy.OwnerSlot != slot) continue;
    const std::array<int32_t, 2> xy = CityXY(spy.CityKey);
    agents.push_back({1, spy.NameIndex, spy.Rank, xy[0], xy[1], spy.State, 0, false, false});
  }
  return agents;
}

testing::PlayerRecordSpec PlayerRecordOf(int32_t slot) {
  testing::PlayerRecordSpec record;
  record.Slot = slot;
  record.Version = IsNationSlot(slot) || IsCityStateSlot(slot) ? InUseVersion : EmptyVersion;
  record.HasList = IsNationSlot(slot);
  if (!record.HasList) return record;
  record.Agents = AgentsOf(slot);
  record.Messages = NotificationsOf(slot);
  record.Last = static_cast<int32_t>(record.Messages.size());
  record.Gold = NationOfSlot(slot).Gold;
  record.DiploGold = slot == 0 ? 3 : 0;
  return record;
}

}  // namespace

const std::vector<NationPlan>& Nations() {
  static const std::vector<NationPlan> nations = [] {
    std::vector<NationPlan> plans = {France(), Spain(), England(), Inca()};
    for (NationPlan& plan : plans) plan.Stats.PolicyCount = static_cast<int32_t>(plan.Policies.size());
    return plans;
  }();
  return nations;
}

const NationPlan& NationOfSlot(int32_t slot) {
  for (const NationPlan& nation : Nations()) {
    if (nation.Slot == slot) return nation;
  }
  throw std::logic_error("no nation in slot " + std::to_string(slot));
}

// France has a spy gathering intelligence in Madrid and one at home; England guards London.
const std::vector<SpyPlan>& Spies() {
  static const std::vector<SpyPlan> spies = {
      {0, 0, "TXT_KEY_CITY_NAME_MADRID", 0, 1, 3, true},
      {0, 1, "TXT_KEY_CITY_NAME_PARIS", 1, 0, 5, false},
      {2, 0, "TXT_KEY_CITY_NAME_LONDON", 0, 0, 5, false},
  };
  return spies;
}

void WritePlayerSections(testing::ByteWriter& w) {
  WritePolicies(w);
  WriteTechnologies(w);
  WriteStatistics(w);
  for (int32_t slot = 0; slot < SaveSlots; ++slot)
    testing::WritePlayerRecord(w, GameVariant::QEL, PlayerRecordOf(slot));
}

}  // namespace orv5::demo
