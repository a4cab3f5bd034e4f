#pragma once
// Synthetic body records for the sections after the history: the league, the religion list,
// the per-slot policy, technology, statistics and player records. Each writer lays a record out
// as the game does for the layout given; BodyBuilder.cpp says what every field is.
//
// The section tests call the section functions on such bytes directly, with a hand-made player
// table (MakePlayers) and version flags (SetVariant), so no header is needed.
#include <array>
#include <climits>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/SaveAnalysis.h"
#include "analysis/Sections.h"
#include "refdata/RefTables.h"
#include "tests/support/SaveBuilder.h"

namespace orv5::testing {

// ---- Analysis state without a header.

// The version flags of a layout; buildNumber sets the three build-number flags.
void SetVariant(SaveAnalysis& save, GameVariant variant, int32_t buildNumber);

// A player table with one row per slot given, in that order, named "P<slot>" of civilization
// civName (agents take their names from it); SpeedPercent 100.
SaveAnalysis MakePlayers(GameVariant variant, int32_t buildNumber, const std::vector<int32_t>& slots,
                         const std::string& civName = "America");

// A parse context over bytes that the caller keeps alive; the body starts at offset 0.
ParseContext ContextOver(const Bytes& image, int32_t cursor = 0);

// The diagnostic of the named step (the last one of that name); its Step reads "(no such step)"
// when the step left none.
StepDiagnostic StepNamed(const SaveAnalysis& save, std::string_view step);

// ---- League (QEL).

struct LeagueProjectSpec {
  int32_t ProjectId = 0;
  std::vector<int32_t> Contributions;  // by player column
  bool Flag1 = false;
  bool Flag2 = false;
};

inline constexpr int32_t AsListed = INT32_MIN;  // write the number of entries given as the count

// The league block: the member list (its first entry carries the "from membership" text 40
// bytes after the block start), one int32, the project count (`listedCount`) and the projects.
void WriteLeagueBlock(ByteWriter& w, int32_t memberCount, const std::vector<LeagueProjectSpec>& projects,
                      int32_t listedCount = AsListed);

// ---- Religions (both expansions).

struct ReligionSpec {
  int32_t FounderSlot = 0;
  std::vector<int32_t> Beliefs;
  int32_t TrailingEntries = 2;  // entries after the beliefs; the first religion's first one is the anchor
};

// The religion list as the religion step finds it: one int32, the religion count and the
// religions, followed (unless `openDatabase` is false) by the "SQLite" text that opens the
// embedded database. The first religion needs 1 to 6 beliefs (first expansion: 1 to 5) for the
// list's start to be found.
void WriteReligionList(ByteWriter& w, GameVariant variant, const std::vector<ReligionSpec>& religions,
                       bool openDatabase = true);

// The start of the embedded database image. A whole save keeps it after the game's own data,
// so a builder that writes further sections writes it last.
void WriteDatabaseStart(ByteWriter& w);

// ---- Policies.

inline constexpr int32_t PolicyMarker = static_cast<int32_t>(0xAAF91295);

// One slot's policy record: version, count, then `count` (hash, adopted) pairs whose first hash
// is the marker. Positions listed in `adopted` are written as adopted.
void WritePolicyRecord(ByteWriter& w, int32_t version, int32_t count, const std::vector<int32_t>& adopted);

// A stray occurrence of the policy marker that is no record (count and version do not match).
void WriteStrayPolicyMarker(ByteWriter& w);

// ---- Technologies.

inline constexpr int32_t TechMarker = 0x77BF7761;

struct TechSpec {
  int32_t LeadValue = 0;
  int32_t Count = 81;              // technologies the record lists
  std::vector<int32_t> Known;      // positions known
  std::vector<int32_t> Progress;   // research by position (shorter: the rest 0)
};

// QEL: lead value, count, the hashes (the first is the marker), known flags, a second flag
// array, research.
void WriteTechRecordQEL(ByteWriter& w, const TechSpec& tech);

// Older layouts: the building key list that locates the record, the check values, the lead
// value, then (first expansion: count and hashes) the arrays. `kind` is the value that must be
// 1 or 2.
void WriteTechRecordOlder(ByteWriter& w, GameVariant variant, const TechSpec& tech, int32_t kind = 2);

// ---- Player statistics.

struct StatsSpec {
  int32_t CSCulture = 0;  // base game only
  int32_t PolicyCulture = 0, TotalCulture = 0, AccFaith = 0, TotalFaith = 0, GrossHappiness = 0;
  int32_t AccHappiness = 0, GoldenAgeCount = 0, GoldenAgeTurns = 0, GoldenAgeExtra = 0;
  int32_t GreatPeopleCount = 0, GeneralCount = 0, AdmiralCount = 0;  // base: GeneralCount is the general's value
  int32_t WriterCount = 0, ArtistCount = 0, MusicianCount = 0, GreatPeopleExtra = 0;
  std::array<int32_t, 8> Faiths{};  // GM, GS, GWr, GAr, GMu, GG, GA, GE (QEL)
  int32_t ResearchOverflow = 0, GGPoints = 0, GAPoints = 0, TGGPoints = 0;
  int32_t PolicyCultureNeeded = 0, PolicyExtra1 = 0, PolicyCount = 0, PolicyExtra2 = 0;
};

// The QEL anchor before which the statistics marker also occurs in other data.
void WriteStatsAnchor(ByteWriter& w);

// One statistics record and its marker; buildNumber picks the first expansion's variant. The
// record is padded so that the next record starts beyond the step's move-on distance.
// `valid` false writes a marker whose check values fail.
void WriteStatsRecord(ByteWriter& w, GameVariant variant, int32_t buildNumber, const StatsSpec& stats,
                      bool valid = true);

// ---- Player records: agents, notifications, treasury.

struct AgentSpec {
  int32_t Version = 1;  // the first int32: 1 or more stores the diplomat byte
  int32_t NameIndex = 0, Rank = 0, X = 0, Y = 0, State = 0, ReviveTurns = 0;
  bool IsDiplomat = false;
  bool Reassign = false;
};

struct MessageSpec {
  int32_t Kind = 0;
  std::string Text;
  std::string Summary;
  int32_t Turn = 0;
};

struct PlayerRecordSpec {
  int32_t Slot = 0;              // written in the notification list's header
  int32_t Version = 97;          // QEL: 97 for slots in use, 96 for empty slots
  bool LongVariant = false;      // QEL build 403694: two more (hash, value) entries after the marker
  std::vector<int32_t> ListCounts = {14, 27, 7, 25};  // the four counted lists before the agents
  std::vector<AgentSpec> Agents;
  int32_t AgentCount = -1;       // written count (-1: the number of agents)
  bool HasList = true;           // city-state and barbarian slots keep no notification list
  int32_t First = 0;
  int32_t Last = 0;
  std::vector<MessageSpec> Messages;  // up to 100; the rest are empty
  int32_t TreasuryVersion = 1;
  int32_t Gold = 0, DiploGold = 0;
  std::array<int32_t, 4> GoldExtra{};
};

// One player record in the layout of `variant`; the notification key is 513 for QEL or builds
// above 379994 (`lateKey`), else 257.
void WritePlayerRecord(ByteWriter& w, GameVariant variant, const PlayerRecordSpec& record, bool lateKey = false);

}  // namespace orv5::testing
