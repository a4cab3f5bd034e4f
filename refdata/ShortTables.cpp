// The small tables every game version shares: projects, commerce processes, eras, difficulty
// levels and world sizes.
#include <iterator>

#include "refdata/RefTables.h"

namespace orv5 {

namespace {

// {Hash, Name, Cost}. The hashes are those of the game's own project keys, not of these display
// names, so the stored-hash lookup is the one that finds a project.
constexpr TProjectInfoRec kProjects[] = {
    {113407765, "Manhattan Project", 750},
    {-219100156, "Apollo Program", 750},
    {0, "SS COCKPIT", -1},
    {0, "SS STASIS_CHAMBER", -1},
    {0, "SS ENGINE", -1},
    {0, "SS BOOSTER", -1},
    {0, "Utopia Project", 1500},
};
static_assert(std::size(kProjects) == 7);

// {Hash, Name, Rate}; hashed keys as for projects. The names are shown exactly as they stand.
constexpr TCommerceInfoRec kCommerce[] = {
    {769438116, "Welth", 25},
    {-1463399231, "Research", 25},
    {-1288561202, "World`s Fair", 100},
    {-1310205922, "World`s Games", 100},
    {0, "International SS", 100},
};
static_assert(std::size(kCommerce) == 5);

// {Key, CityPercent, SparePercent, LeaguePercent, ResearchPercent}
constexpr TEraInfoRec kEras8[] = {
    {"ERA_ANCIENT", 100, 100, 100, 100},
    {"ERA_CLASSICAL", 100, 80, 85, 67},
    {"ERA_MEDIEVAL", 100, 67, 75, 50},
    {"ERA_RENAISSANCE", 90, 50, 55, 33},
    {"ERA_INDUSTRIAL", 75, 33, 37, 20},
    {"ERA_MODERN", 60, 25, 30, 12},
    {"ERA_POSTMODERN", 60, 25, 30, 12},
    {"ERA_FUTURE", 50, 18, 21, 5},
};
static_assert(std::size(kEras8) == 8);

// The base game has no postmodern era.
constexpr TEraInfoRec kEras7[] = {
    {"ERA_ANCIENT", 100, 100, 100, 100},
    {"ERA_CLASSICAL", 100, 80, 85, 67},
    {"ERA_MEDIEVAL", 100, 67, 75, 50},
    {"ERA_RENAISSANCE", 90, 50, 55, 33},
    {"ERA_INDUSTRIAL", 75, 33, 37, 20},
    {"ERA_MODERN", 60, 25, 30, 12},
    {"ERA_FUTURE", 50, 18, 21, 5},
};
static_assert(std::size(kEras7) == 7);

// {Name, LevelPercent1..7}
constexpr TLevelInfoRec kLevels[] = {
    {"Settler", 90, 160, 100, 100, 40, 40, 100},
    {"Chieftain", 95, 130, 100, 100, 60, 60, 100},
    {"Warlord", 100, 110, 100, 100, 75, 75, 100},
    {"Prince", 100, 100, 100, 100, 100, 100, 100},
    {"King", 100, 90, 100, 85, 100, 100, 90},
    {"Emperor", 100, 85, 100, 80, 100, 100, 85},
    {"Immortal", 100, 75, 100, 65, 100, 100, 75},
    {"Deity", 100, 60, 100, 50, 100, 100, 75},  // computer players keep 75 % of their unhappiness
};
static_assert(std::size(kLevels) == 8);

constexpr TWorldInfoRec kWorldSizes[] = {
    {"Duel", 100}, {"Tiny", 100}, {"Small", 100}, {"Standard", 110}, {"Large", 120}, {"Huge", 130},
};
static_assert(std::size(kWorldSizes) == 6);

}  // namespace

std::span<const TProjectInfoRec> ProjectTable() { return kProjects; }
std::span<const TCommerceInfoRec> CommerceTable() { return kCommerce; }
std::span<const TEraInfoRec> EraTable8() { return kEras8; }
std::span<const TEraInfoRec> EraTable7() { return kEras7; }
std::span<const TLevelInfoRec> LevelTable() { return kLevels; }
std::span<const TWorldInfoRec> WorldSizeTable() { return kWorldSizes; }

}  // namespace orv5
