// Which variant of each table family a save of a given game version uses.
#include "refdata/RefTables.h"

namespace orv5 {

GameVariant SelectVariant(bool isQEL, bool hasExpansion1) {
  if (isQEL) return GameVariant::QEL;
  if (hasExpansion1) return GameVariant::Expansion1;
  return GameVariant::Base;
}

BuildingRows BuildingTable(GameVariant variant) {
  switch (variant) {
    case GameVariant::QEL: return BuildingRows(BuildingTableQEL());
    case GameVariant::Expansion1: return BuildingRows(BuildingTableExpansion1());
    case GameVariant::Base: break;
  }
  return BuildingRows(BuildingTableBase());
}

UnitRows UnitTable(GameVariant variant) {
  switch (variant) {
    case GameVariant::QEL: return UnitRows(UnitTableQEL());
    case GameVariant::Expansion1: return UnitRows(UnitTableExpansion1());
    case GameVariant::Base: break;
  }
  return UnitRows(UnitTableBase());
}

std::span<const TTechInfoRec> TechTable(GameVariant variant) {
  switch (variant) {
    case GameVariant::QEL: return TechTableQEL();
    case GameVariant::Expansion1: return TechTableExpansion1();
    case GameVariant::Base: break;
  }
  return TechTableBase();
}

std::span<const TEraInfoRec> TechEraTable(GameVariant variant) {
  return EraTable(variant != GameVariant::Base);
}

std::span<const TPolicyInfoRec> PolicyTable(bool isQEL) {
  return isQEL ? PolicyTableQEL() : PolicyTableOlder();
}

std::span<const TEraInfoRec> EraTable(bool hasExpansion1) {
  return hasExpansion1 ? EraTable8() : EraTable7();
}

}  // namespace orv5
