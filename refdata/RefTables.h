#pragma once
// The game's built-in reference tables. Several exist once per game version whose saves we read;
// each family has one function that picks the variant, so every consumer chooses alike.
#include <span>

#include "refdata/RefRecords.h"
#include "refdata/VariantRows.h"

namespace orv5 {

// The game versions, as the save header tells them apart.
enum class GameVariant { Base, Expansion1, QEL };

// A QEL save also lists the first expansion, so QEL is tested first.
GameVariant SelectVariant(bool isQEL, bool hasExpansion1);

using BuildingRows = VariantRows<TBuildingInfoRec, TBuildingInfoRecQEL>;
using UnitRows = VariantRows<TUnitInfoRec, TUnitInfoRecQEL>;

// Buildings, 150 rows each. The hash lookups always use the QEL table.
std::span<const TBuildingInfoRecQEL> BuildingTableQEL();
std::span<const TBuildingInfoRec> BuildingTableExpansion1();
std::span<const TBuildingInfoRec> BuildingTableBase();
BuildingRows BuildingTable(GameVariant variant);

// Units, 150 rows each. The older tables have no settler row: their row i is QEL row i+1.
std::span<const TUnitInfoRecQEL> UnitTableQEL();
std::span<const TUnitInfoRec> UnitTableExpansion1();
std::span<const TUnitInfoRec> UnitTableBase();
UnitRows UnitTable(GameVariant variant);

// One table for every game version.
std::span<const TProjectInfoRec> ProjectTable();
std::span<const TCommerceInfoRec> CommerceTable();

// Technologies: 81, 80 and 74 rows. A save's technology numbers index these directly.
std::span<const TTechInfoRec> TechTableQEL();
std::span<const TTechInfoRec> TechTableExpansion1();
std::span<const TTechInfoRec> TechTableBase();
std::span<const TTechInfoRec> TechTable(GameVariant variant);
// The era table that names the `Era` values of TechTable(variant): both expansions count eight
// eras, the base game seven.
std::span<const TEraInfoRec> TechEraTable(GameVariant variant);

// Policies: 111 rows for QEL, 70 for both older versions.
std::span<const TPolicyInfoRec> PolicyTableQEL();
std::span<const TPolicyInfoRec> PolicyTableOlder();
std::span<const TPolicyInfoRec> PolicyTable(bool isQEL);

// Beliefs, 70 rows; the last is the "no match" row, so searches cover only the rows before it.
std::span<const TBeliefInfoRec> BeliefTable();
inline constexpr int BeliefSearchRows = 69;

// City-states. These are not alternatives: a save that lists both expansions is matched against
// both tables, QEL last. The last row of each is a fallback no search reaches. Base saves use the
// city-state name and trait arrays instead.
std::span<const TCSInfoRec> CityStateTableQEL();         // 59 rows
std::span<const TCSInfoRec> CityStateTableExpansion1();  // 43 rows
inline constexpr int CityStateSearchRowsQEL = 58;
inline constexpr int CityStateSearchRowsExpansion1 = 42;

// Eras: the first expansion added the postmodern era, so its saves (and QEL ones) use eight rows.
std::span<const TEraInfoRec> EraTable8();
std::span<const TEraInfoRec> EraTable7();
std::span<const TEraInfoRec> EraTable(bool hasExpansion1);

std::span<const TLevelInfoRec> LevelTable();      // 8 difficulty levels
std::span<const TWorldInfoRec> WorldSizeTable();  // 6 world sizes
inline constexpr int DefaultWorldSizeRow = 3;     // "Standard", for a size text that matches none

std::span<const TSpyNamesRec> SpyNameTable();  // 43 civilizations

}  // namespace orv5
