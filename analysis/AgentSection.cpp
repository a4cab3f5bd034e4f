// Espionage agents of one player. Between the record's fixed part and the agents lie one
// list of int32 pairs, four counted lists of fixed-size entries (8, 24, 24 and 24 bytes; the
// final game build has longer lists than the earlier QEL builds, so they are walked, never
// skipped by a fixed size) and one counted int32 list.
#include "analysis/AgentSection.h"

#include <algorithm>

#include "refdata/Lookups.h"

namespace orv5 {

namespace {

constexpr int32_t ListEntrySizes[] = {8, 8, 24, 24, 24, 4};

// Skips a counted list of fixed-size entries; a damaged count only sends the cursor far away.
void SkipCountedList(const ImageReader& image, int32_t& cursor, int32_t entrySize) {
  const int32_t count = image.ReadInt(cursor);
  if (count > 0) image.Skip(cursor, static_cast<int64_t>(count) * entrySize);
}

// An agent's first int32 tells whether the diplomat byte is present.
TAgentRec ReadAgent(const ImageReader& image, int32_t& cursor, std::string_view civName) {
  TAgentRec agent;
  const int32_t version = image.ReadInt(cursor);
  agent.NameIndex = image.ReadInt(cursor);
  agent.Rank = image.ReadInt(cursor);
  agent.X = image.ReadInt(cursor);
  agent.Y = image.ReadInt(cursor);
  agent.State = image.ReadInt(cursor);
  agent.ReviveTurns = image.ReadInt(cursor);
  agent.IsDiplomat = version >= 1 ? image.ReadBool(cursor) : 0;
  agent.Reassign = image.ReadBool(cursor);
  agent.Name = GetSpyName(civName, agent.NameIndex);
  return agent;  // the city fields stay cleared until the spies are linked to their cities
}

TAgentRec EmptyAgent() {
  TAgentRec agent;
  agent.NameIndex = agent.Rank = agent.X = agent.Y = agent.State = agent.ReviveTurns = -1;
  return agent;
}

}  // namespace

int32_t ReadAgents(const ImageReader& image, int32_t cursor, std::string_view civName,
                   std::array<TAgentRec, MaxAgents>& agents) {
  for (const int32_t entrySize : ListEntrySizes) SkipCountedList(image, cursor, entrySize);
  image.ReadInt(cursor);
  const int32_t count = std::clamp(image.ReadInt(cursor), 0, MaxAgentsKept);
  for (int32_t a = 0; a < MaxAgents; ++a) {
    agents[static_cast<size_t>(a)] = a < count ? ReadAgent(image, cursor, civName) : EmptyAgent();
  }
  return count;
}

}  // namespace orv5
