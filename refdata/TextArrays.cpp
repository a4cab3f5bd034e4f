// Fixed display texts and small number arrays, indexed by numbers the save or the parser
// supplies.
#include "refdata/TextArrays.h"

#include <iterator>

namespace orv5 {

namespace {

constexpr std::string_view kLeaderNames[] = {
    "Alexander", "Askia", "Augustus", "Barbarian", "Bismarck", "Catherine", "Darius", "Elizabeth",
    "Gandhi", "Harun Al Rashid", "Hiawatha", "Montezuma", "Napoleon", "Oda Nobunaga", "Ramesses",
    "Ramkhamhaeng", "Suleiman", "Washington", "Wu Zetian", "Isabella", "Pachacuti",
    "Harald Bluetooth", "Kamehameha", "Navuhodonosor II", "Sejong", "Genghis Khan",
    "Unknown Leader"
};
static_assert(std::size(kLeaderNames) == 27);

constexpr std::string_view kCivNames[] = {
    "America", "Arabia", "Aztec", "China", "Egypt", "England", "France", "Germany", "Greece",
    "India", "Iroquois", "Japan", "Ottoman", "Persia", "Rome", "Russia", "Siam", "Songhai", "Minor",
    "Barbarian", "Inca", "Spain", "Vikings", "Polynesia", "Babylon", "Korea", "Mongolia",
    "Unknown Civ"
};
static_assert(std::size(kCivNames) == 28);

constexpr std::string_view kCityStateNames[] = {
    "Warsaw", "Edinburgh", "Dublin", "Geneva", "Venice", "Genoa", "Florence", "Ragusa", "Sidney",
    "Quebec", "Stockholm", "Helsinki", "Bucharest", "Budapest", "Belgrade", "Vienna", "Brussels",
    "Monaco", "Kathmandu", "Hanoi", "Lhasa", "Almaty", "Kuala Lumpur", "Singapore",
    "Rio De Janeiro", "Cape Town", "Sidon", "Tyre", "Unknown CS"
};
static_assert(std::size(kCityStateNames) == 29);

// Parallel to kCityStateNames.
constexpr std::string_view kCityStateTraits[] = {
    "Cultured", "Militaristic", "Militaristic", "Cultured", "Maritime", "Maritime", "Cultured",
    "Maritime", "Maritime", "Maritime", "Maritime", "Maritime", "Cultured", "Militaristic",
    "Militaristic", "Cultured", "Cultured", "Cultured", "Cultured", "Militaristic", "Cultured",
    "Militaristic", "Cultured", "Maritime", "Maritime", "Maritime", "Militaristic", "Militaristic",
    "Unknown Trait"
};
static_assert(std::size(kCityStateTraits) == 29);

constexpr std::string_view kGameTypes[] = {
    "Single Player", "Network", "Hotseat", "Email", "None"
};
static_assert(std::size(kGameTypes) == 5);

// By game-speed number: marathon, epic, standard, quick.
constexpr int32_t kSpeedPercents[] = {300, 150, 100, 67};
static_assert(std::size(kSpeedPercents) == 4);

constexpr std::string_view kGraphNamesOlder[] = {
    "Score", "Production Per Turn", "Total Gold", "Gold Per Turn", "City Count", "Techs Known",
    "Science Per Turn", "Total Culture", "Culture Per Turn", "Excess Happiness", "Happiness",
    "Unhappiness", "Golden Age Turns", "Population", "Food Per Turn", "Total Land",
    "GPT City Connections", "GPT Deals", "Unit Maintenance", "Building Maintenance",
    "Improvement Maintenance", "Number Of Policies", "Number Of Workers", "Improved Tiles",
    "Worked Tiles", "Military Might", "Empty"
};
static_assert(std::size(kGraphNamesOlder) == 27);

constexpr std::string_view kGraphNamesQEL[] = {
    "Score", "Production Per Turn", "Total Gold", "Gold Per Turn", "City Count", "Techs Known",
    "Science Per Turn", "Total Culture", "Culture Per Turn", "Excess Happiness", "Happiness",
    "Unhappiness", "Golden Age Turns", "Population", "Food Per Turn", "Total Land",
    "GPT City Connections", "GPT International Trade", "GPT Deals", "Unit Maintenance",
    "Building Maintenance", "Improvement Maintenance", "Number Of Policies", "Number Of Workers",
    "Improved Tiles", "Worked Tiles", "Military Might", "Empty"
};
static_assert(std::size(kGraphNamesQEL) == 28);

constexpr uint32_t kGraphColours[] = {
    0x0000FF, 0xFF0000, 0x00FF00, 0x00FFFF, 0x0080FF, 0xFFFF00, 0xFF00FF, 0x008080, 0x000080,
    0xFF0080, 0x004000, 0x80FF80, 0x004080, 0x808040, 0x400040, 0xFFFF80, 0x404000, 0x4080FF,
    0x800080, 0x008000, 0x808080, 0x808000, 0x800000, 0xFFFFFF, 0x000000, 0x000000
};
static_assert(std::size(kGraphColours) == 26);

constexpr std::string_view kReligionKeysOlder[] = {
    "RELIGION_PANTHEON", "RELIGION_BUDDHISM", "RELIGION_CHRISTIANITY", "RELIGION_CONFUCIANISM",
    "RELIGION_HINDUISM", "RELIGION_ISLAM", "RELIGION_JUDAISM", "RELIGION_SHINTO",
    "RELIGION_SIKHISM", "RELIGION_TAOISM", "RELIGION_TENGRIISM", "RELIGION_ZOROASTRIANISM",
    "Atheism"
};
static_assert(std::size(kReligionKeysOlder) == 13);

constexpr std::string_view kReligionKeysQEL[] = {
    "RELIGION_PANTHEON", "RELIGION_BUDDHISM", "RELIGION_CHRISTIANITY", "RELIGION_CONFUCIANISM",
    "RELIGION_HINDUISM", "RELIGION_ISLAM", "RELIGION_JUDAISM", "RELIGION_SHINTO",
    "RELIGION_SIKHISM", "RELIGION_TAOISM", "RELIGION_TENGRIISM", "RELIGION_ZOROASTRIANISM",
    "RELIGION_ORTHODOXY", "RELIGION_PROTESTANTISM", "Atheism"
};
static_assert(std::size(kReligionKeysQEL) == 15);

constexpr std::string_view kAgentRanks[] = {
    "Recruit", "Agent", "Special Agent", "Unknown"
};
static_assert(std::size(kAgentRanks) == 4);

constexpr std::string_view kAgentStates[] = {
    "Unassigned", "Travelling", "Surveillance", "Gathering Intelligence", "Rig Election",
    "Counter Intelligence", "Making Introductions", "Schmooze", "Dead", "Unknown"
};
static_assert(std::size(kAgentStates) == 10);

constexpr std::string_view kAgentResults[] = {
    "Spy Undetected", "Spy Detected", "Spy Identified", "Spy Killed", "Unknown"
};
static_assert(std::size(kAgentResults) == 5);

}  // namespace

std::span<const std::string_view> LeaderNames() { return kLeaderNames; }
std::span<const std::string_view> CivNames() { return kCivNames; }
std::span<const std::string_view> CityStateNames() { return kCityStateNames; }
std::span<const std::string_view> CityStateTraits() { return kCityStateTraits; }
std::span<const std::string_view> GameTypes() { return kGameTypes; }
std::span<const int32_t> SpeedPercents() { return kSpeedPercents; }

std::span<const std::string_view> GraphNamesOlder() { return kGraphNamesOlder; }
std::span<const std::string_view> GraphNamesQEL() { return kGraphNamesQEL; }
std::span<const std::string_view> GraphNames(bool isQEL) {
  return isQEL ? GraphNamesQEL() : GraphNamesOlder();
}

std::span<const uint32_t> GraphColours() { return kGraphColours; }

std::span<const std::string_view> ReligionKeysOlder() { return kReligionKeysOlder; }
std::span<const std::string_view> ReligionKeysQEL() { return kReligionKeysQEL; }
std::span<const std::string_view> ReligionKeys(bool isQEL) {
  return isQEL ? ReligionKeysQEL() : ReligionKeysOlder();
}

std::span<const std::string_view> AgentRanks() { return kAgentRanks; }
std::span<const std::string_view> AgentStates() { return kAgentStates; }
std::span<const std::string_view> AgentResults() { return kAgentResults; }

std::string_view TextOrFallback(std::span<const std::string_view> texts, int64_t index) {
  if (texts.empty()) return {};
  if (index < 0 || static_cast<uint64_t>(index) >= texts.size()) return texts.back();
  return texts[static_cast<size_t>(index)];
}

}  // namespace orv5
