#pragma once
// Row types of the game's built-in reference tables. Texts point at string literals, so every
// table is constant data with no start-up cost; Russian names are UTF-8.
#include <array>
#include <cstdint>
#include <string_view>

namespace orv5 {

struct TBuildingInfoRec {
  std::string_view Key;
  int32_t Cost;      // production cost; -1 when it cannot be built directly, 0 for the palace
  int32_t Kind;      // 0 palace, 1 building, 2 national wonder, 3 world wonder, 4 guild, 5 orbital station,
                     // -1 placeholder
  int32_t GPKind;    // great-person kind 1..4 whose per-city rate the building raises, 0 none
  int32_t GPPoints;  // points per turn it adds to that rate
  std::string_view RusName;  // only wonders, national wonders, guilds and a few others have one
};

// A QEL row is the older row plus the hash the QEL saves name the building by. Deriving keeps
// one set of field names and lets code that needs only the shared fields read every variant
// through one view (BuildingRows).
struct TBuildingInfoRecQEL : TBuildingInfoRec {
  int32_t Hash;  // 0: none stored, the row is found only by hashing its key at run time

  constexpr TBuildingInfoRecQEL(int32_t hash, std::string_view key, int32_t cost, int32_t kind,
                                int32_t gpKind, int32_t gpPoints, std::string_view rusName)
      : TBuildingInfoRec{key, cost, kind, gpKind, gpPoints, rusName}, Hash(hash) {}
};

struct TUnitInfoRec {
  std::string_view Key;
  int32_t Cost;  // -1 for units that are never built (great people, missionaries, placeholders)
};

struct TUnitInfoRecQEL : TUnitInfoRec {
  int32_t Hash;  // 0: none stored, as for buildings

  constexpr TUnitInfoRecQEL(int32_t hash, std::string_view key, int32_t cost)
      : TUnitInfoRec{key, cost}, Hash(hash) {}
};

struct TProjectInfoRec {
  int32_t Hash;  // hash of the game's own key, which is not the display name
  std::string_view Name;
  int32_t Cost;  // -1 for the spaceship parts
};

struct TCommerceInfoRec {
  int32_t Hash;  // hash of the game's own key, as for projects
  std::string_view Name;
  int32_t Rate;
};

struct TTechInfoRec {
  std::string_view Key;
  int32_t Cost;  // base research cost
  int32_t Era;   // row of the era table of the same game version
};

struct TPolicyInfoRec {
  std::string_view Key;
  int32_t Branch;  // branch numbers differ between the QEL and the older table
  std::string_view RusName;
};

struct TBeliefInfoRec {
  std::string_view Key;
  int32_t Reserved;  // always 0
  int32_t Hash;
  std::string_view RusName;
};

struct TCSInfoRec {
  std::string_view Key;    // "MINOR_CIV_..." (three older rows only "MINOR_...")
  std::string_view Trait;  // "MINOR_TRAIT_..."
};

struct TEraInfoRec {
  std::string_view Key;
  int32_t CityPercent;      // food thresholds of cities
  int32_t SparePercent;     // carried along, used nowhere
  int32_t LeaguePercent;    // league project and city production costs
  int32_t ResearchPercent;  // technology costs of players that are not computer players
};

struct TLevelInfoRec {
  std::string_view Name;
  int32_t LevelPercent1;
  int32_t LevelPercent2;
  int32_t LevelPercent3;
  int32_t LevelPercent4;
  int32_t LevelPercent5;
  int32_t LevelPercent6;
  int32_t LevelPercent7;
};

struct TWorldInfoRec {
  std::string_view Name;
  int32_t SizePercent;  // scales technology costs
};

inline constexpr int SpyNamesPerCiv = 10;

struct TSpyNamesRec {
  std::string_view Civ;  // "CIVILIZATION_..."
  std::array<std::string_view, SpyNamesPerCiv> Names;
};

}  // namespace orv5
