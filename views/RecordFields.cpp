// The field lists of the player, city and message records, and how a table prints a value.
#include "views/RecordFields.h"

#include <algorithm>

#include "refdata/RefTables.h"
#include "savefile/Calendar.h"
#include "views/CsvText.h"
#include "views/ViewCommon.h"
#include "views/ViewParts.h"

namespace orv5 {

namespace {

constexpr FieldKind W = FieldKind::Whole;
constexpr FieldKind H = FieldKind::Hundredths;
constexpr FieldKind T = FieldKind::Text;

// --- Players -------------------------------------------------------------------------------

using L = TLeaderInfoRec;

// The save records whether a slot is human or computer only while the player is alive; a dead
// player's slot reads "dead" (status 2), so its kind is left empty.
FieldValue PlayerKind(const RecordPlace&, const L& player) {
  if (player.IsMinorCiv != 0) return "city-state";
  if (player.CivIndex == 19) return "barbarians";
  if (player.Status == 3) return "human";
  if (player.Status == 1) return "computer";
  return std::string();
}

FieldValue PlayerAlive(const RecordPlace&, const L& player) { return player.Status == 2 ? "no" : "yes"; }

FieldValue PlayerPopulation(const RecordPlace& place, const L&) {
  int64_t population = 0;
  for (const TCityRec& city : CitiesOf(place.Save, place.Row)) population += city.Population;
  return population;
}

// Technologies of the game version's table that the player knows (the Player tab's "Yes").
FieldValue TechnologiesKnown(const RecordPlace& place, const L& player) {
  const size_t rows = std::min(TechTable(VariantOf(place.Save)).size(), player.TechKnown.size());
  return static_cast<int64_t>(std::count_if(player.TechKnown.begin(), player.TechKnown.begin() + static_cast<long>(rows),
                                            [](int32_t known) { return known != 0; }));
}

FieldValue CurrentResearch(const RecordPlace& place, const L& player) { return ResearchText(place.Save, player); }

// The table's columns first, in the order a reader looks for them; then what only the dump keeps.
const RecordField<L> kPlayerFields[] = {
    {"LeaderName", "leader", T, &L::LeaderName},
    {"CivName", "civilization", T, &L::CivName},
    {"Slot", "slot", W, &L::Slot},
    {{}, "kind", T, PlayerKind},
    {{}, "alive", T, PlayerAlive},
    {"CityCount", "cities", W, &L::CityCount},
    {{}, "population", W, PlayerPopulation},
    {"PolicyCount", "policies", W, &L::PolicyCount},
    {{}, "technologies_known", W, TechnologiesKnown},
    {{}, "current_research", T, CurrentResearch},
    {"Gold", "gold", H, &L::Gold},
    {"TotalCulture", "culture", W, &L::TotalCulture},
    {"CulturePerTurn", "culture_per_turn", W, &L::CulturePerTurn},
    {"FaithPerTurn", "faith_per_turn", W, &L::FaithPerTurn},
    {"Happiness", "happiness", W, &L::Happiness},
    {"Unhappiness", "unhappiness", W, &L::Unhappiness},
    {"AccHappinessNeeded", "golden_age_threshold", W, &L::AccHappinessNeeded},
    {"GreatPersonThreshold", "great_person_threshold", W, &L::GreatPersonThreshold},
    {"AgentCount", "spies", W, &L::AgentCount},
    {"Trait", {}, T, &L::Trait},
    {"CivIndex", {}, W, &L::CivIndex},
    {"LeaderIndex", {}, W, &L::LeaderIndex},
    {"Status", {}, W, &L::Status},
    {"IsMinorCiv", {}, W, &L::IsMinorCiv},
    {"TechLeadValue", {}, W, &L::TechLeadValue},
    {"ResearchOverflow", {}, W, &L::ResearchOverflow},
    {"PolicyCulture", {}, W, &L::PolicyCulture},
    {"PolicyCultureNeeded", {}, W, &L::PolicyCultureNeeded},
    {"CSCulture", {}, W, &L::CSCulture},
    {"GrossHappiness", {}, W, &L::GrossHappiness},
    {"AccHappiness", {}, W, &L::AccHappiness},
    {"GoldenAgeCount", {}, W, &L::GoldenAgeCount},
    {"GoldenAgeTurns", {}, W, &L::GoldenAgeTurns},
    {"GoldenAgeExtra", {}, W, &L::GoldenAgeExtra},
    {"GreatPeopleCount", {}, W, &L::GreatPeopleCount},
    {"GreatWriterThreshold", {}, W, &L::GreatWriterThreshold},
    {"GreatArtistThreshold", {}, W, &L::GreatArtistThreshold},
    {"GreatMusicianThreshold", {}, W, &L::GreatMusicianThreshold},
    {"GreatGeneralThreshold", {}, W, &L::GreatGeneralThreshold},
    {"GreatAdmiralThreshold", {}, W, &L::GreatAdmiralThreshold},
    {"GGPoints", {}, W, &L::GGPoints},
    {"GAPoints", {}, W, &L::GAPoints},
    {"TGGPoints", {}, W, &L::TGGPoints},
    {"GMFaith", {}, W, &L::GMFaith},
    {"GSFaith", {}, W, &L::GSFaith},
    {"GWrFaith", {}, W, &L::GWrFaith},
    {"GArFaith", {}, W, &L::GArFaith},
    {"GMuFaith", {}, W, &L::GMuFaith},
    {"GGFaith", {}, W, &L::GGFaith},
    {"GAFaith", {}, W, &L::GAFaith},
    {"GEFaith", {}, W, &L::GEFaith},
    {"GreatPeopleExtra", {}, W, &L::GreatPeopleExtra},
    {"PolicyExtra1", {}, W, &L::PolicyExtra1},
    {"PolicyExtra2", {}, W, &L::PolicyExtra2},
    {"AccFaith", {}, W, &L::AccFaith},
    {"TotalFaith", {}, W, &L::TotalFaith},
    {"NeverLostCount", {}, W, &L::NeverLostCount},
    {"OccupiedCount", {}, W, &L::OccupiedCount},
    {"PuppetCount", {}, W, &L::PuppetCount},
    {"CurrentResearch", {}, W, &L::CurrentResearch},
    {"CityUnhappiness", {}, W, &L::CityUnhappiness},
    {"CitizenUnhappinessSum", {}, W, &L::CitizenUnhappinessSum},
    {"SpecialistUnhappinessSum", {}, W, &L::SpecialistUnhappinessSum},
    {"OccupiedUnhappiness", {}, W, &L::OccupiedUnhappiness},
    {"CityCulture", {}, W, &L::CityCulture},
    {"HappinessCulture", {}, W, &L::HappinessCulture},
    {"GoldenAgeCulture", {}, W, &L::GoldenAgeCulture},
    {"CityFaithSum", {}, W, &L::CityFaithSum},
    {"CSFaith", {}, W, &L::CSFaith},
    {"DiploGold", {}, W, &L::DiploGold},
    {"GoldExtra1", {}, W, &L::GoldExtra1},
    {"GoldExtra2", {}, W, &L::GoldExtra2},
    {"GoldExtra3", {}, W, &L::GoldExtra3},
    {"GoldExtra4", {}, W, &L::GoldExtra4},
};

// --- Cities: the Cities tab's values as columns, then the raw fields only the dump keeps; the
// list-valued fields (buildings, units, queue, plot groups, great people, religions, spy lists)
// are the dump's own.

using C = TCityRec;
// The row a city is listed under is its owner's row.
FieldValue Owner(const RecordPlace& place, const C&) { return LeaderNameAt(place.Save, place.Row); }

// As the Cities tab: a city that never changed hands shows no capture and no previous owner.
FieldValue CapturedTurn(const RecordPlace&, const C& city) {
  if (city.PreviousOwner < 0) return std::string();
  return int64_t{city.CapturedTurn};
}

FieldValue OwnerName(const SaveAnalysis& save, int32_t row) {
  return row >= 0 ? LeaderNameAt(save, row) : std::string();
}
FieldValue PreviousOwner(const RecordPlace& place, const C& city) { return OwnerName(place.Save, city.PreviousOwner); }
FieldValue OriginalOwner(const RecordPlace& place, const C& city) { return OwnerName(place.Save, city.OriginalOwner); }

FieldValue Status(const RecordPlace&, const C& city) {
  std::string text;
  for (std::string_view word : CityStatusWords(city)) {
    if (!text.empty()) text += "; ";
    text += word;
  }
  return text;
}

FieldValue CurrentProduction(const RecordPlace& place, const C& city) {
  const std::vector<std::string> queue = BuildQueueTexts(place.Save.IsQEL != 0, city);
  return queue.empty() ? std::string() : queue.front();
}

const RecordField<C> kCityFields[] = {
    {{}, "owner", T, Owner},
    {"Name", "name", T, &C::Name},
    {"X", "x", W, &C::X},
    {"Y", "y", W, &C::Y},
    {"Population", "population", W, &C::Population},
    {"MaxPopulation", "max_population", W, &C::MaxPopulation},
    {"FoodStored", "food_stored", H, &C::FoodStored},
    {"FoodNeeded", "food_needed", W, &C::FoodNeeded},
    {"CultureStored", "culture_stored", W, &C::CultureStored},
    {"CultureNeeded", "culture_needed", W, &C::CultureNeeded},
    {"CulturePerTurn", "culture_per_turn", H, &C::CulturePerTurn},
    {"CityFaith", "faith_per_turn", W, &C::CityFaith},
    {"ProductionOverflow", "production_overflow", H, &C::ProductionOverflow},
    {"Strength", "strength", H, &C::Strength},
    {"WltkdTurns", "wltkd_turns", W, &C::WltkdTurns},
    {"Disorder", "disorder_turns", W, &C::Disorder},
    {"Founded", "founded_turn", W, &C::Founded},
    {{}, "captured_turn", W, CapturedTurn},
    {{}, "previous_owner", T, PreviousOwner},
    {{}, "original_owner", T, OriginalOwner},
    {{}, "status", T, Status},
    {{}, "current_production", T, CurrentProduction},
    {"OwnerIndex", {}, W, &C::OwnerIndex},
    {"PreviousOwner", {}, W, &C::PreviousOwner},
    {"OriginalOwner", {}, W, &C::OriginalOwner},
    {"OwnerValue", {}, W, &C::OwnerValue},
    {"FoodValue2", {}, W, &C::FoodValue2},
    {"StrengthA", {}, W, &C::StrengthA},
    {"StrengthB", {}, W, &C::StrengthB},
    {"StrengthC", {}, W, &C::StrengthC},
    {"CultureStep", {}, W, &C::CultureStep},
    {"CapturedTurn", {}, W, &C::CapturedTurn},
    {"CurrentOrderType", {}, W, &C::CurrentOrderType},
    {"CurrentOrderItem", {}, W, &C::CurrentOrderItem},
    {"QueueLength", {}, W, &C::QueueLength},
    {"CultureYieldA", {}, W, &C::CultureYieldA},
    {"CultureYieldB", {}, W, &C::CultureYieldB},
    {"CultureYieldC", {}, W, &C::CultureYieldC},
    {"CultureYieldD", {}, W, &C::CultureYieldD},
    {"CultureYieldE", {}, W, &C::CultureYieldE},
    {"CultureModifier", {}, W, &C::CultureModifier},
    {"FaithYieldA", {}, W, &C::FaithYieldA},
    {"FaithYieldB", {}, W, &C::FaithYieldB},
    {"FaithYieldC", {}, W, &C::FaithYieldC},
    {"FaithYieldD", {}, W, &C::FaithYieldD},
    {"HasGarden", {}, W, &C::HasGarden},
    {"HasFloatingGardens", {}, W, &C::HasFloatingGardens},
    {"HasCourthouse", {}, W, &C::HasCourthouse},
    {"HasNationalEpic", {}, W, &C::HasNationalEpic},
    {"HasClass3Building", {}, W, &C::HasClass3Building},
    {"HasPalace", {}, W, &C::HasPalace},
    {"GreatPersonBonus", {}, W, &C::GreatPersonBonus},
    {"CulturePercent", {}, W, &C::CulturePercent},
    {"CultureBase", {}, W, &C::CultureBase},
    {"CitizenUnhappiness", {}, W, &C::CitizenUnhappiness},
    {"SpecialistUnhappiness", {}, W, &C::SpecialistUnhappiness},
    {"ReligionCount", {}, W, &C::ReligionCount},
};

// --- Messages --------------------------------------------------------------------------------

// The date as the city view writes it: "4000BC", "1850AD Mar".
template <typename Message>
FieldValue MessageDate(const RecordPlace& place, const Message& message) {
  return CityDateText(place.Save.SpeedIndex, message.Turn);
}

const RecordField<TReplayMsgRec> kReplayMessageFields[] = {
    {"Turn", "turn", W, &TReplayMsgRec::Turn},
    {{}, "date", T, MessageDate<TReplayMsgRec>},
    {"Text", "message", T, &TReplayMsgRec::Text},
};

const RecordField<TMessageRec> kNotificationFields[] = {
    {"Turn", "turn", W, &TMessageRec::Turn},
    {{}, "date", T, MessageDate<TMessageRec>},
    {"Text", "text", T, &TMessageRec::Text},
};

}  // namespace

std::string FieldText(FieldKind kind, const FieldValue& value) {
  if (const auto* text = std::get_if<std::string>(&value)) return *text;
  const int64_t number = std::get<int64_t>(value);
  return kind == FieldKind::Hundredths ? HundredthsText(number) : std::to_string(number);
}

std::span<const RecordField<TLeaderInfoRec>> PlayerFields() { return kPlayerFields; }
std::span<const RecordField<TCityRec>> CityFields() { return kCityFields; }
std::span<const RecordField<TReplayMsgRec>> ReplayMessageFields() { return kReplayMessageFields; }
std::span<const RecordField<TMessageRec>> NotificationFields() { return kNotificationFields; }

}  // namespace orv5
