// The later sections as JSON: the list-valued fields of every `Leaders` row (beliefs,
// technologies, city-state friends and allies, agents; the single values come from the player's
// field list), the league projects, the adopted policies and the notification logs; then the
// cities.
#include <string>
#include <utility>

#include "cli/AnalysisJson.h"

namespace orv5 {

namespace {

using nlohmann::json;

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
    for (const TMessageRec& message : log.Messages) {
      messages.push_back(RecordJson(NotificationFields(), {save, static_cast<int32_t>(r)}, message));
    }
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
