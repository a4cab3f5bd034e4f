// The later sections as JSON: the rest of every `Leaders` row (beliefs, technologies, the
// economy block, the city sums and derived values, agents and treasury), the league projects,
// the adopted policies and the notification logs; then the cities.
#include <string>
#include <utility>

#include "cli/AnalysisJson.h"

namespace orv5 {

namespace {

using nlohmann::json;
using IntField = std::pair<const char*, int32_t TLeaderInfoRec::*>;

// Every int32 field of a player row that the sections after the player table fill, by name.
constexpr IntField LeaderIntFields[] = {
    {"TechLeadValue", &TLeaderInfoRec::TechLeadValue},
    {"ResearchOverflow", &TLeaderInfoRec::ResearchOverflow},
    {"PolicyCount", &TLeaderInfoRec::PolicyCount},
    {"PolicyCulture", &TLeaderInfoRec::PolicyCulture},
    {"PolicyCultureNeeded", &TLeaderInfoRec::PolicyCultureNeeded},
    {"TotalCulture", &TLeaderInfoRec::TotalCulture},
    {"CSCulture", &TLeaderInfoRec::CSCulture},
    {"GrossHappiness", &TLeaderInfoRec::GrossHappiness},
    {"AccHappiness", &TLeaderInfoRec::AccHappiness},
    {"GoldenAgeCount", &TLeaderInfoRec::GoldenAgeCount},
    {"GoldenAgeTurns", &TLeaderInfoRec::GoldenAgeTurns},
    {"GoldenAgeExtra", &TLeaderInfoRec::GoldenAgeExtra},
    {"GreatPeopleCount", &TLeaderInfoRec::GreatPeopleCount},
    {"GreatPersonThreshold", &TLeaderInfoRec::GreatPersonThreshold},
    {"GreatWriterThreshold", &TLeaderInfoRec::GreatWriterThreshold},
    {"GreatArtistThreshold", &TLeaderInfoRec::GreatArtistThreshold},
    {"GreatMusicianThreshold", &TLeaderInfoRec::GreatMusicianThreshold},
    {"GreatGeneralThreshold", &TLeaderInfoRec::GreatGeneralThreshold},
    {"GreatAdmiralThreshold", &TLeaderInfoRec::GreatAdmiralThreshold},
    {"GGPoints", &TLeaderInfoRec::GGPoints},
    {"GAPoints", &TLeaderInfoRec::GAPoints},
    {"TGGPoints", &TLeaderInfoRec::TGGPoints},
    {"GMFaith", &TLeaderInfoRec::GMFaith},
    {"GSFaith", &TLeaderInfoRec::GSFaith},
    {"GWrFaith", &TLeaderInfoRec::GWrFaith},
    {"GArFaith", &TLeaderInfoRec::GArFaith},
    {"GMuFaith", &TLeaderInfoRec::GMuFaith},
    {"GGFaith", &TLeaderInfoRec::GGFaith},
    {"GAFaith", &TLeaderInfoRec::GAFaith},
    {"GEFaith", &TLeaderInfoRec::GEFaith},
    {"GreatPeopleExtra", &TLeaderInfoRec::GreatPeopleExtra},
    {"PolicyExtra1", &TLeaderInfoRec::PolicyExtra1},
    {"PolicyExtra2", &TLeaderInfoRec::PolicyExtra2},
    {"AccFaith", &TLeaderInfoRec::AccFaith},
    {"TotalFaith", &TLeaderInfoRec::TotalFaith},
    {"CityCount", &TLeaderInfoRec::CityCount},
    {"NeverLostCount", &TLeaderInfoRec::NeverLostCount},
    {"OccupiedCount", &TLeaderInfoRec::OccupiedCount},
    {"PuppetCount", &TLeaderInfoRec::PuppetCount},
    {"CurrentResearch", &TLeaderInfoRec::CurrentResearch},
    {"CityUnhappiness", &TLeaderInfoRec::CityUnhappiness},
    {"CitizenUnhappinessSum", &TLeaderInfoRec::CitizenUnhappinessSum},
    {"SpecialistUnhappinessSum", &TLeaderInfoRec::SpecialistUnhappinessSum},
    {"OccupiedUnhappiness", &TLeaderInfoRec::OccupiedUnhappiness},
    {"Unhappiness", &TLeaderInfoRec::Unhappiness},
    {"Happiness", &TLeaderInfoRec::Happiness},
    {"AccHappinessNeeded", &TLeaderInfoRec::AccHappinessNeeded},
    {"CityCulture", &TLeaderInfoRec::CityCulture},
    {"HappinessCulture", &TLeaderInfoRec::HappinessCulture},
    {"GoldenAgeCulture", &TLeaderInfoRec::GoldenAgeCulture},
    {"CulturePerTurn", &TLeaderInfoRec::CulturePerTurn},
    {"CityFaithSum", &TLeaderInfoRec::CityFaithSum},
    {"CSFaith", &TLeaderInfoRec::CSFaith},
    {"FaithPerTurn", &TLeaderInfoRec::FaithPerTurn},
    {"AgentCount", &TLeaderInfoRec::AgentCount},
    {"Gold", &TLeaderInfoRec::Gold},
    {"DiploGold", &TLeaderInfoRec::DiploGold},
    {"GoldExtra1", &TLeaderInfoRec::GoldExtra1},
    {"GoldExtra2", &TLeaderInfoRec::GoldExtra2},
    {"GoldExtra3", &TLeaderInfoRec::GoldExtra3},
    {"GoldExtra4", &TLeaderInfoRec::GoldExtra4},
};

// A fixed array as its non-zero entries keyed by index, like the other large tables.
template <size_t N>
json NonZeroEntries(const std::array<int32_t, N>& values) {
  json out = json::object();
  for (size_t i = 0; i < N; ++i) {
    if (values[i] != 0) out[std::to_string(i)] = values[i];
  }
  return out;
}

json AgentJson(const TAgentRec& agent) {
  return {{"NameIndex", agent.NameIndex}, {"Rank", agent.Rank},
          {"X", agent.X},                 {"Y", agent.Y},
          {"State", agent.State},         {"ReviveTurns", agent.ReviveTurns},
          {"IsDiplomat", agent.IsDiplomat}, {"Reassign", agent.Reassign},
          {"Name", agent.Name},           {"CityName", agent.CityName},
          {"CityOwner", agent.CityOwner}, {"CityOrdinal", agent.CityOrdinal},
          {"AgentOwner", agent.AgentOwner}};
}

// The agents the save lists (AgentCount of them); the slots after them are always empty.
json AgentsJson(const TLeaderInfoRec& row) {
  json out = json::array();
  for (int32_t a = 0; a < row.AgentCount && a < MaxAgents; ++a) out.push_back(AgentJson(row.Agents[static_cast<size_t>(a)]));
  return out;
}

void AddLeaderFields(json& target, const TLeaderInfoRec& row) {
  target["Beliefs"] = row.Beliefs;
  target["TechKnown"] = NonZeroEntries(row.TechKnown);
  target["TechProgress"] = NonZeroEntries(row.TechProgress);
  for (const auto& [name, field] : LeaderIntFields) target[name] = row.*field;
  target["FriendOf"] = NonZeroEntries(row.FriendOf);
  target["AllyOf"] = NonZeroEntries(row.AllyOf);
  target["Agents"] = AgentsJson(row);
}

void AddLeaders(json& out, const SaveAnalysis& save) {
  json& leaders = out["Leaders"];
  if (!leaders.is_array()) leaders = json::array();
  for (size_t r = 0; r < save.Leaders.size(); ++r) {
    while (leaders.size() <= r) leaders.push_back(json::object());
    AddLeaderFields(leaders[r], save.Leaders[r]);
  }
}

json LeagueJson(const SaveAnalysis& save) {
  json out = json::array();
  for (const LeagueProject& project : save.LeagueProjects) {
    out.push_back({{"ProjectId", project.ProjectId},
                   {"Contribution", NonZeroEntries(project.Contribution)},
                   {"Flag1", project.Flag1},
                   {"Flag2", project.Flag2},
                   {"Total", project.Total}});
  }
  return out;
}

// Row -> the positions of the adopted policies.
json PolicyFlagsJson(const SaveAnalysis& save) {
  json out = json::object();
  for (size_t r = 0; r < save.PolicyFlags.size(); ++r) {
    json adopted = json::array();
    for (size_t p = 0; p < save.PolicyFlags[r].size(); ++p) {
      if (save.PolicyFlags[r][p] != 0) adopted.push_back(p);
    }
    out[std::to_string(r)] = std::move(adopted);
  }
  return out;
}

json NotificationLogsJson(const SaveAnalysis& save) {
  json out = json::object();
  for (size_t r = 0; r < save.NotificationLogs.size(); ++r) {
    const TNotificationLog& log = save.NotificationLogs[r];
    json messages = json::array();
    for (const TMessageRec& message : log.Messages) messages.push_back({{"Turn", message.Turn}, {"Text", message.Text}});
    out[std::to_string(r)] = {{"First", log.First}, {"Last", log.Last}, {"Messages", std::move(messages)}};
  }
  return out;
}

}  // namespace

void AddLaterSectionsJson(nlohmann::json& out, const SaveAnalysis& save) {
  AddLeaders(out, save);
  out["LeagueProjects"] = LeagueJson(save);
  out["PolicyFlags"] = PolicyFlagsJson(save);
  out["NotificationLogs"] = NotificationLogsJson(save);
  AddCityJson(out, save);
}

}  // namespace orv5
