#include "tests/support/BodyBuilder.h"

#include <algorithm>
#include <stdexcept>


namespace orv5::testing {

namespace {

bool Contains(const std::vector<int32_t>& values, int32_t value) {
  return std::find(values.begin(), values.end(), value) != values.end();
}

int32_t At(const std::vector<int32_t>& values, size_t i) { return i < values.size() ? values[i] : 0; }

void Require(bool condition, const char* what) {
  if (!condition) throw std::logic_error(what);
}

}  // namespace

// ---- Analysis state without a header.

void SetVariant(SaveAnalysis& save, GameVariant variant, int32_t buildNumber) {
  save.IsQEL = variant == GameVariant::QEL ? -1 : 0;
  save.HasExpansion1 = variant != GameVariant::Base ? -1 : 0;  // a QEL save lists the first expansion too
  save.BuildNumber = buildNumber;
  save.BuildAbove341539 = buildNumber > 341539 ? -1 : 0;
  save.BuildAbove379994 = buildNumber > 379994 ? -1 : 0;
  save.BuildAbove395069 = buildNumber > 395069 ? -1 : 0;
}

SaveAnalysis MakePlayers(GameVariant variant, int32_t buildNumber, const std::vector<int32_t>& slots,
                         const std::string& civName) {
  SaveAnalysis save;
  SetVariant(save, variant, buildNumber);
  save.SpeedPercent = 100;
  for (const int32_t slot : slots) {
    TLeaderInfoRec row;
    row.LeaderName = "P" + std::to_string(slot);
    row.CivName = civName;
    row.Slot = slot;
    save.Leaders.push_back(row);
  }
  save.LeaderCount = static_cast<int32_t>(save.Leaders.size());
  return save;
}

ParseContext ContextOver(const Bytes& image, int32_t cursor) {
  return ParseContext{ImageReader(std::span<const uint8_t>(image.data(), image.size())), 0, true, cursor};
}

StepDiagnostic StepNamed(const SaveAnalysis& save, std::string_view step) {
  for (auto it = save.Diagnostics.rbegin(); it != save.Diagnostics.rend(); ++it) {
    if (it->Step == step) return *it;
  }
  return StepDiagnostic{"(no such step)", false, 0, {}};
}

// ---- League.

void WriteLeagueBlock(ByteWriter& w, int32_t memberCount, const std::vector<LeagueProjectSpec>& projects,
                      int32_t listedCount) {
  Require(memberCount >= 1, "the league text lies in the first member entry");
  const size_t start = w.Size();
  w.Int(memberCount);  // +0 member entries
  for (int32_t m = 0; m < memberCount; ++m) {
    w.Int(m);  // member's player
    w.Int(0);  // an int32 not used
    // +12 the text's count, +16 its characters: 24 of them put "from membership" at +40.
    w.Str(m == 0 ? "Delegates of 3 removed: from membership" : "Delegates of a member");
    w.Bool(true).Int(1).Int(2).Int(3).Bool(false).Bool(true);  // bool, 3 x int32, 2 x bool
  }
  const std::string_view text = "from membership";
  Require(std::search(w.Data().begin() + static_cast<std::ptrdiff_t>(start), w.Data().end(), text.begin(), text.end()) ==
              w.Data().begin() + static_cast<std::ptrdiff_t>(start + 40),
          "the league text stands 40 bytes after the block start");
  w.Int(7);  // an int32 not used
  w.Int(listedCount != AsListed ? listedCount : static_cast<int32_t>(projects.size()));  // project count
  for (const LeagueProjectSpec& project : projects) {
    w.Int(project.ProjectId);                                // project id
    w.IntList(project.Contributions);                        // count, then one int32 per column
    w.Bool(project.Flag1).Bool(project.Flag2);               // the two flags
  }
}

// ---- Religions.

void WriteReligionList(ByteWriter& w, GameVariant variant, const std::vector<ReligionSpec>& religions,
                       bool openDatabase) {
  const bool qel = variant == GameVariant::QEL;
  w.Int(12);                                       // an int32 not used (12 in real saves)
  w.Int(static_cast<int32_t>(religions.size()));  // religion count
  for (size_t r = 0; r < religions.size(); ++r) {
    const ReligionSpec& religion = religions[r];
    w.Int(4).Int(0);                  // two int32 not used
    w.Int(religion.FounderSlot);      // founder's slot
    w.Zeros(qel ? 250 : 230);         // the religion's other data
    w.IntList(religion.Beliefs);      // belief count, belief hashes
    w.Int(religion.TrailingEntries);  // trailing entry count
    for (int32_t e = 0; e < religion.TrailingEntries; ++e) {
      const bool anchor = r == 0 && e == 0;  // the first religion's first entry is the step's anchor
      if (qel) {
        // int32 x, then one more int32 only when x is not 0
        const int32_t x = anchor ? static_cast<int32_t>(0xF1D0F8A6) : (e % 2 == 1 ? 0 : 0x3B198204 + e);
        w.Int(x);
        if (x != 0) w.Int(0);
      } else {
        w.Str(anchor ? "BUILDINGCLASS_COURTHOUSE" : "BUILDINGCLASS_TEMPLE");  // text, then int32
        w.Int(e);
      }
    }
  }
  if (openDatabase) WriteDatabaseStart(w);
}

void WriteDatabaseStart(ByteWriter& w) { w.Raw(std::string_view("SQLite format 3\0", 16)); }

// ---- Policies.

void WritePolicyRecord(ByteWriter& w, int32_t version, int32_t count, const std::vector<int32_t>& adopted) {
  w.Int(version);  // marker - 8: the record's version
  w.Int(count);    // marker - 4: the number of policies
  for (int32_t i = 0; i < count; ++i) {
    w.Int(i == 0 ? PolicyMarker : 0x10000000 + i);  // policy hash; the first one is the marker
    w.Bool(Contains(adopted, i));                    // adopted
  }
}

void WriteStrayPolicyMarker(ByteWriter& w) {
  w.Int(3).Int(7);      // neither a version nor a count of any layout
  w.Int(PolicyMarker);  // the first policy's hash, used elsewhere
  w.Int(0);
}

// ---- Technologies.

namespace {

// Known flags, a second flag array (not used) and the research, `count` each.
void WriteTechArrays(ByteWriter& w, const TechSpec& tech) {
  for (int32_t i = 0; i < tech.Count; ++i) w.Bool(Contains(tech.Known, i));                      // known
  for (int32_t i = 0; i < tech.Count; ++i) w.Bool(false);                                        // second flags
  for (int32_t i = 0; i < tech.Count; ++i) w.Int(At(tech.Progress, static_cast<size_t>(i)));    // research
}

}  // namespace

void WriteTechRecordQEL(ByteWriter& w, const TechSpec& tech) {
  w.Int(tech.LeadValue);  // marker - 8: lead value
  w.Int(tech.Count);      // marker - 4: technology count
  for (int32_t i = 0; i < std::max(tech.Count, 0); ++i) w.Int(i == 0 ? TechMarker : 0x20000000 + i);  // hashes
  WriteTechArrays(w, tech);
}

void WriteTechRecordOlder(ByteWriter& w, GameVariant variant, const TechSpec& tech, int32_t kind) {
  w.Str("BUILDING_STONE_WORKS");  // the key that locates the record
  w.Int(1);                       // its value
  w.Str("BUILDING_GRANARY").Int(2);   // further (key, value) entries: keys of 10 characters or more
  w.Str("BUILDING_MONUMENT").Int(3);
  w.Int(0);                       // a length below 10 ends the list; P follows
  ByteWriter block;
  block.Zeros(312);
  block.PutInt(32, -1);            // P + 32: -1
  block.PutInt(48, -1);            // P + 48: -1
  block.PutInt(304, kind);         // P + 304: 1 or 2
  block.PutInt(308, tech.LeadValue);  // P + 308: lead value
  w.Raw(block.Data());
  if (variant == GameVariant::Expansion1) {
    w.Int(tech.Count);                                                        // count
    for (int32_t i = 0; i < std::max(tech.Count, 0); ++i) w.Int(0x30000000 + i);  // hashes
  }
  WriteTechArrays(w, tech);
}

// ---- Player statistics.

namespace {

constexpr int32_t StatsMarker = 0x6F229238;

struct StatsShape {
  int32_t RecordBack;   // record start, before the marker
  int32_t SecondCheck;  // the -1 before the marker
};

StatsShape ShapeOf(GameVariant variant, int32_t buildNumber) {
  if (variant == GameVariant::QEL) return {2688, 536};
  if (variant == GameVariant::Base) return {1442, 16};
  return {buildNumber > 379994 ? 1860 : buildNumber > 341539 ? 1859 : 1846, 276};
}

// Value offsets from the record start, as each layout stores them.
void PlaceQEL(ByteWriter& r, const StatsSpec& s) {
  r.PutInt(0, s.PolicyCulture), r.PutInt(4, s.TotalCulture), r.PutInt(20, s.AccFaith), r.PutInt(24, s.TotalFaith);
  r.PutInt(28, s.GrossHappiness), r.PutInt(144, s.AccHappiness);
  r.PutInt(152, s.GoldenAgeCount), r.PutInt(156, s.GoldenAgeTurns), r.PutInt(160, s.GoldenAgeExtra);
  r.PutInt(172, s.GreatPeopleCount), r.PutInt(176, s.GeneralCount), r.PutInt(180, s.AdmiralCount);
  r.PutInt(184, s.WriterCount), r.PutInt(188, s.ArtistCount), r.PutInt(192, s.MusicianCount);
  for (size_t f = 0; f < s.Faiths.size(); ++f) r.PutInt(196 + 4 * f, s.Faiths[f]);  // GM .. GE faith
  r.PutInt(516, s.ResearchOverflow);
  r.PutInt(612, s.GGPoints), r.PutInt(616, s.GAPoints), r.PutInt(620, s.TGGPoints);
  r.PutInt(632, s.PolicyCultureNeeded), r.PutInt(636, s.PolicyExtra1);
  r.PutInt(716, s.PolicyCount), r.PutInt(720, s.PolicyExtra2);
}

// Builds above 341539 keep 12 more bytes before the research overflow.
void PlaceExpansion1(ByteWriter& r, const StatsSpec& s, bool late) {
  const size_t d = late ? 12 : 0;
  r.PutInt(0, s.PolicyCulture), r.PutInt(4, s.TotalCulture), r.PutInt(20, s.AccFaith), r.PutInt(24, s.TotalFaith);
  r.PutInt(28, s.GrossHappiness), r.PutInt(128, s.AccHappiness);
  r.PutInt(136, s.GoldenAgeCount), r.PutInt(140, s.GoldenAgeTurns), r.PutInt(144, s.GoldenAgeExtra);
  r.PutInt(156, s.GreatPeopleCount), r.PutInt(160, s.GeneralCount), r.PutInt(164, s.GreatPeopleExtra);
  r.PutInt(416 + d, s.ResearchOverflow), r.PutInt(508 + d, s.GGPoints), r.PutInt(516 + d, s.TGGPoints);
  r.PutInt(528 + d, s.PolicyCultureNeeded), r.PutInt(532 + d, s.PolicyExtra1);
  r.PutInt(612 + d, s.PolicyCount), r.PutInt(616 + d, s.PolicyExtra2);
}

void PlaceBase(ByteWriter& r, const StatsSpec& s) {
  r.PutInt(0, s.CSCulture), r.PutInt(8, s.PolicyCulture), r.PutInt(12, s.TotalCulture), r.PutInt(28, s.GrossHappiness);
  r.PutInt(120, s.AccHappiness);
  r.PutInt(128, s.GoldenAgeCount), r.PutInt(132, s.GoldenAgeTurns), r.PutInt(136, s.GoldenAgeExtra);
  r.PutInt(148, s.GreatPeopleCount), r.PutInt(152, s.GreatPeopleExtra), r.PutInt(160, s.GeneralCount);
  r.PutInt(372, s.ResearchOverflow), r.PutInt(464, s.GGPoints), r.PutInt(468, s.TGGPoints);
  r.PutInt(480, s.PolicyCultureNeeded), r.PutInt(484, s.PolicyExtra1);
  r.PutInt(560, s.PolicyCount), r.PutInt(564, s.PolicyExtra2);
}

}  // namespace

void WriteStatsAnchor(ByteWriter& w) {
  w.Int(static_cast<int32_t>(0xDFC41280));  // anchor - 28
  w.Zeros(24);
  w.Int(0x0252AC5E);  // the anchor
  w.Zeros(24);
  w.Int(0);   // anchor + 28: 0
  w.Int(20);  // anchor + 32: 16 or more
}

void WriteStatsRecord(ByteWriter& w, GameVariant variant, int32_t buildNumber, const StatsSpec& stats, bool valid) {
  const StatsShape shape = ShapeOf(variant, buildNumber);
  ByteWriter record;
  record.Zeros(static_cast<size_t>(shape.RecordBack) + 4);
  if (variant == GameVariant::QEL) PlaceQEL(record, stats);
  if (variant == GameVariant::Expansion1) PlaceExpansion1(record, stats, buildNumber > 341539);
  if (variant == GameVariant::Base) PlaceBase(record, stats);
  const size_t marker = static_cast<size_t>(shape.RecordBack);
  record.PutInt(marker - static_cast<size_t>(shape.SecondCheck), -1);  // second check: -1
  record.PutInt(marker - 12, valid ? 0 : 5);                           // first check: 0
  record.PutInt(marker, StatsMarker);                                  // the marker
  w.Raw(record.Data());
}

// ---- Player records.

namespace {

constexpr int32_t QelRecordMarker = static_cast<int32_t>(0xF5010319);

void WriteAgents(ByteWriter& w, const PlayerRecordSpec& record) {
  w.Int(0);  // a list of int32 pairs: none
  static constexpr int32_t EntrySizes[] = {8, 24, 24, 24};
  for (size_t l = 0; l < record.ListCounts.size() && l < 4; ++l) {
    w.Int(record.ListCounts[l]);                                            // entry count
    w.Zeros(static_cast<size_t>(std::max(record.ListCounts[l], 0) * EntrySizes[l]));  // entries
  }
  w.IntList({6, 6});  // a counted int32 list
  w.Int(0);           // one int32 not used
  w.Int(record.AgentCount >= 0 ? record.AgentCount : static_cast<int32_t>(record.Agents.size()));
  for (const AgentSpec& a : record.Agents) {
    w.Int(a.Version);  // 1 or more: the diplomat byte is present
    w.Int(a.NameIndex).Int(a.Rank).Int(a.X).Int(a.Y).Int(a.State).Int(a.ReviveTurns);
    if (a.Version >= 1) w.Bool(a.IsDiplomat);
    w.Bool(a.Reassign);
  }
}

void WriteMessage(ByteWriter& w, const MessageSpec* m) {
  w.Int(m ? m->Kind : -1);                                  // kind
  w.UStr(m ? m->Text : "", false);                           // text (UTF-8)
  w.UStr(m ? m->Summary : "", false);                        // summary
  for (int v = 0; v < 4; ++v) w.Int(m ? v : -1);             // four values
  w.Int(m ? m->Turn : -1);                                   // turn
  w.Int(m ? 5 : -1);                                         // a value
  w.Bool(m != nullptr);                                      // flag
  w.Int(m ? 6 : -1);                                         // a value
}

void WriteNotificationList(ByteWriter& w, const PlayerRecordSpec& record, bool key513) {
  w.Byte(1);                    // with the version's low bytes this reads as the key 513 or 257
  w.Int(key513 ? 2 : 1);        // list version
  w.Int(record.Slot);           // key + 5: the record's slot
  w.Int(static_cast<int32_t>(record.Messages.size()));  // an int32 not used
  w.Int(record.First).Int(record.Last);                 // ring bounds
  for (size_t i = 0; i < 100; ++i) WriteMessage(w, i < record.Messages.size() ? &record.Messages[i] : nullptr);
  w.Int(record.TreasuryVersion);                          // treasury version
  w.Int(record.Gold).Int(record.DiploGold).Int(record.GoldExtra[0]);
  w.Int(0);                                               // skipped
  w.Int(record.GoldExtra[1]);
  w.Int(0).Int(0);                                        // skipped
  w.Int(record.GoldExtra[2]).Int(record.GoldExtra[3]);
  w.IntList({1, 2, 3});                                   // two counted int32 lists
  w.IntList({4});
  if (record.TreasuryVersion > 1) w.Int(0);               // one more int32 in later versions
}

}  // namespace

void WritePlayerRecord(ByteWriter& w, GameVariant variant, const PlayerRecordSpec& record, bool lateKey) {
  if (variant == GameVariant::QEL) {
    w.Int(QelRecordMarker);  // the marker
    if (record.LongVariant) {
      w.Int(0).Int(1172732993).Int(0).Int(-241112393).Int(0);  // +4 .. +20: two more (hash, value) entries
    } else {
      w.Int(0);  // +4
    }
    w.Int(record.Version);  // +8 (long variant: +24): the record version, 96 or 97
    w.Zeros(static_cast<size_t>(std::max(record.Version, 0)));  // that many bytes, then the agents
    WriteAgents(w, record);
  } else {
    w.Int(variant == GameVariant::Base ? 0x37AEAE99 : 0x18BF8791);  // the marker
    w.Int(0).Int(0);                                                  // +4, +8
    w.Int(variant == GameVariant::Base ? 11 : 12);                    // +12: the check value
  }
  w.IntList({1, 0, 3, 2, 5, 4, 7, 6, 9, 8});  // data before the list (the spy-name order), no key bytes
  w.Zeros(24);
  if (record.HasList) WriteNotificationList(w, record, variant == GameVariant::QEL || lateKey);
  w.Zeros(64);  // the rest of the record
}

}  // namespace orv5::testing
