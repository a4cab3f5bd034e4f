#include "cli/TablesCommand.h"

#include "cli/Commands.h"
#include "refdata/RefTables.h"
#include "refdata/TextArrays.h"
#include "savefile/Calendar.h"

namespace orv5 {

namespace {

using Json = nlohmann::ordered_json;

Json Row(const TBuildingInfoRec& r) {
  return {{"Key", r.Key},       {"Cost", r.Cost},         {"Kind", r.Kind},
          {"GPKind", r.GPKind}, {"GPPoints", r.GPPoints}, {"RusName", r.RusName}};
}

Json Row(const TBuildingInfoRecQEL& r) {
  return {{"Hash", r.Hash},     {"Key", r.Key},           {"Cost", r.Cost},      {"Kind", r.Kind},
          {"GPKind", r.GPKind}, {"GPPoints", r.GPPoints}, {"RusName", r.RusName}};
}

Json Row(const TUnitInfoRec& r) { return {{"Key", r.Key}, {"Cost", r.Cost}}; }
Json Row(const TUnitInfoRecQEL& r) { return {{"Hash", r.Hash}, {"Key", r.Key}, {"Cost", r.Cost}}; }
Json Row(const TProjectInfoRec& r) { return {{"Hash", r.Hash}, {"Name", r.Name}, {"Cost", r.Cost}}; }
Json Row(const TCommerceInfoRec& r) { return {{"Hash", r.Hash}, {"Name", r.Name}, {"Rate", r.Rate}}; }
Json Row(const TTechInfoRec& r) { return {{"Key", r.Key}, {"Cost", r.Cost}, {"Era", r.Era}}; }
Json Row(const TPolicyInfoRec& r) { return {{"Key", r.Key}, {"Branch", r.Branch}, {"RusName", r.RusName}}; }
Json Row(const TCSInfoRec& r) { return {{"Key", r.Key}, {"Trait", r.Trait}}; }
Json Row(const TWorldInfoRec& r) { return {{"Name", r.Name}, {"SizePercent", r.SizePercent}}; }

Json Row(const TBeliefInfoRec& r) {
  return {{"Key", r.Key}, {"Reserved", r.Reserved}, {"Hash", r.Hash}, {"RusName", r.RusName}};
}

Json Row(const TEraInfoRec& r) {
  return {{"Key", r.Key},
          {"CityPercent", r.CityPercent},
          {"SparePercent", r.SparePercent},
          {"LeaguePercent", r.LeaguePercent},
          {"ResearchPercent", r.ResearchPercent}};
}

Json Row(const TLevelInfoRec& r) {
  return {{"Name", r.Name},
          {"LevelPercent1", r.LevelPercent1},
          {"LevelPercent2", r.LevelPercent2},
          {"LevelPercent3", r.LevelPercent3},
          {"LevelPercent4", r.LevelPercent4},
          {"LevelPercent5", r.LevelPercent5},
          {"LevelPercent6", r.LevelPercent6},
          {"LevelPercent7", r.LevelPercent7}};
}

Json Row(const TSpyNamesRec& r) {
  Json names = Json::array();
  for (std::string_view name : r.Names) names.push_back(name);
  return {{"Civ", r.Civ}, {"Names", names}};
}

Json Row(std::string_view text) { return text; }
Json Row(int32_t value) { return value; }
Json Row(uint32_t value) { return value; }

template <typename T>
Json Rows(std::span<const T> rows) {
  Json out = Json::array();
  for (const T& row : rows) out.push_back(Row(row));
  return out;
}

void AddRecordTables(Json& doc) {
  doc["BuildingsQEL"] = Rows(BuildingTableQEL());
  doc["BuildingsExpansion1"] = Rows(BuildingTableExpansion1());
  doc["BuildingsBase"] = Rows(BuildingTableBase());
  doc["UnitsQEL"] = Rows(UnitTableQEL());
  doc["UnitsExpansion1"] = Rows(UnitTableExpansion1());
  doc["UnitsBase"] = Rows(UnitTableBase());
  doc["Projects"] = Rows(ProjectTable());
  doc["Commerce"] = Rows(CommerceTable());
  doc["TechsQEL"] = Rows(TechTableQEL());
  doc["TechsExpansion1"] = Rows(TechTableExpansion1());
  doc["TechsBase"] = Rows(TechTableBase());
  doc["PoliciesQEL"] = Rows(PolicyTableQEL());
  doc["PoliciesOlder"] = Rows(PolicyTableOlder());
  doc["Beliefs"] = Rows(BeliefTable());
  doc["CityStatesQEL"] = Rows(CityStateTableQEL());
  doc["CityStatesExpansion1"] = Rows(CityStateTableExpansion1());
  doc["Eras8"] = Rows(EraTable8());
  doc["Eras7"] = Rows(EraTable7());
  doc["Levels"] = Rows(LevelTable());
  doc["WorldSizes"] = Rows(WorldSizeTable());
  doc["SpyNames"] = Rows(SpyNameTable());
}

void AddTextArrays(Json& doc) {
  doc["LeaderNames"] = Rows(LeaderNames());
  doc["CivNames"] = Rows(CivNames());
  doc["CityStateNames"] = Rows(CityStateNames());
  doc["CityStateTraits"] = Rows(CityStateTraits());
  doc["GameTypes"] = Rows(GameTypes());
  doc["SpeedPercents"] = Rows(SpeedPercents());
  doc["GraphNamesOlder"] = Rows(GraphNamesOlder());
  doc["GraphNamesQEL"] = Rows(GraphNamesQEL());
  doc["GraphColours"] = Rows(GraphColours());
  doc["ReligionKeysOlder"] = Rows(ReligionKeysOlder());
  doc["ReligionKeysQEL"] = Rows(ReligionKeysQEL());
  doc["AgentRanks"] = Rows(AgentRanks());
  doc["AgentStates"] = Rows(AgentStates());
  doc["AgentResults"] = Rows(AgentResults());
  doc["MonthNames"] = Rows(std::span<const std::string_view>(MonthNames()));
}

}  // namespace

Json TablesJson() {
  Json doc = Json::object();
  AddRecordTables(doc);
  AddTextArrays(doc);
  return doc;
}

int RunTablesCommand(std::ostream& out) {
  out << TablesJson().dump(2) << "\n";
  return out.good() ? 0 : 1;
}

}  // namespace orv5
