// The per-player economy block: culture and policy progress, happiness, golden ages, great
// people, faith and research overflow. One record per slot, found by a marker that stands
// well after the record's start and checked by two values before it. Each layout stores the
// values in its own order, described below as a list of (bytes skipped, value read) steps.
#include <span>
#include <string>

#include "analysis/Sections.h"
#include "analysis/SlotRows.h"
#include "refdata/RefTables.h"

namespace orv5 {

namespace {

// The values of one record as the save holds them; the counts become thresholds afterwards.
struct StatsRecord {
  int32_t CSCulture = 0, PolicyCulture = 0, TotalCulture = 0, AccFaith = 0, TotalFaith = 0;
  int32_t GrossHappiness = 0, AccHappiness = 0;
  int32_t GoldenAgeCount = 0, GoldenAgeTurns = 0, GoldenAgeExtra = 0;
  int32_t GreatPeopleCount = 0, GeneralCount = 0, AdmiralCount = 0;
  int32_t WriterCount = 0, ArtistCount = 0, MusicianCount = 0, GreatPeopleExtra = 0;
  int32_t GMFaith = 0, GSFaith = 0, GWrFaith = 0, GArFaith = 0, GMuFaith = 0, GGFaith = 0, GAFaith = 0, GEFaith = 0;
  int32_t ResearchOverflow = 0, GGPoints = 0, GAPoints = 0, TGGPoints = 0;
  int32_t PolicyCultureNeeded = 0, PolicyExtra1 = 0, PolicyCount = 0, PolicyExtra2 = 0;
};

struct StatsStep {
  int32_t SkipBefore;
  int32_t StatsRecord::*Value;
};

using R = StatsRecord;

constexpr StatsStep QelSteps[] = {
    {0, &R::PolicyCulture}, {0, &R::TotalCulture}, {12, &R::AccFaith}, {0, &R::TotalFaith},
    {0, &R::GrossHappiness}, {112, &R::AccHappiness}, {4, &R::GoldenAgeCount}, {0, &R::GoldenAgeTurns},
    {0, &R::GoldenAgeExtra}, {8, &R::GreatPeopleCount}, {0, &R::GeneralCount}, {0, &R::AdmiralCount},
    {0, &R::WriterCount}, {0, &R::ArtistCount}, {0, &R::MusicianCount}, {0, &R::GMFaith},
    {0, &R::GSFaith}, {0, &R::GWrFaith}, {0, &R::GArFaith}, {0, &R::GMuFaith},
    {0, &R::GGFaith}, {0, &R::GAFaith}, {0, &R::GEFaith}, {288, &R::ResearchOverflow},
    {92, &R::GGPoints}, {0, &R::GAPoints}, {0, &R::TGGPoints}, {8, &R::PolicyCultureNeeded},
    {0, &R::PolicyExtra1}, {76, &R::PolicyCount}, {0, &R::PolicyExtra2},
};

// The first expansion; builds above 341539 keep 12 more bytes before the research overflow.
constexpr StatsStep Expansion1EarlySteps[] = {
    {0, &R::PolicyCulture}, {0, &R::TotalCulture}, {12, &R::AccFaith}, {0, &R::TotalFaith},
    {0, &R::GrossHappiness}, {96, &R::AccHappiness}, {4, &R::GoldenAgeCount}, {0, &R::GoldenAgeTurns},
    {0, &R::GoldenAgeExtra}, {8, &R::GreatPeopleCount}, {0, &R::GeneralCount}, {0, &R::GreatPeopleExtra},
    {248, &R::ResearchOverflow}, {88, &R::GGPoints}, {4, &R::TGGPoints}, {8, &R::PolicyCultureNeeded},
    {0, &R::PolicyExtra1}, {76, &R::PolicyCount}, {0, &R::PolicyExtra2},
};
constexpr StatsStep Expansion1LateSteps[] = {
    {0, &R::PolicyCulture}, {0, &R::TotalCulture}, {12, &R::AccFaith}, {0, &R::TotalFaith},
    {0, &R::GrossHappiness}, {96, &R::AccHappiness}, {4, &R::GoldenAgeCount}, {0, &R::GoldenAgeTurns},
    {0, &R::GoldenAgeExtra}, {8, &R::GreatPeopleCount}, {0, &R::GeneralCount}, {0, &R::GreatPeopleExtra},
    {260, &R::ResearchOverflow}, {88, &R::GGPoints}, {4, &R::TGGPoints}, {8, &R::PolicyCultureNeeded},
    {0, &R::PolicyExtra1}, {76, &R::PolicyCount}, {0, &R::PolicyExtra2},
};

// The base game: the general's value sits where the expansions keep the general count.
constexpr StatsStep BaseSteps[] = {
    {0, &R::CSCulture}, {4, &R::PolicyCulture}, {0, &R::TotalCulture}, {12, &R::GrossHappiness},
    {88, &R::AccHappiness}, {4, &R::GoldenAgeCount}, {0, &R::GoldenAgeTurns}, {0, &R::GoldenAgeExtra},
    {8, &R::GreatPeopleCount}, {0, &R::GreatPeopleExtra}, {4, &R::GeneralCount}, {208, &R::ResearchOverflow},
    {88, &R::GGPoints}, {0, &R::TGGPoints}, {8, &R::PolicyCultureNeeded}, {0, &R::PolicyExtra1},
    {72, &R::PolicyCount}, {0, &R::PolicyExtra2},
};

struct StatsLayout {
  GameVariant Variant;
  int32_t BuildTier;     // applies from this build tier on (0, 1: above 341539, 2: above 379994)
  std::span<const StatsStep> Steps;
  int32_t RecordBack;    // from the marker back to the start of the record
  int32_t SecondCheck;   // from the marker back to the int32 -1 that confirms a hit
  int32_t MoveOn;        // bytes skipped after the record before searching on
  bool GeneralFromValue; // base: threshold = 2 x value + 200; else count x 200 + 200
  bool CultureThresholds;  // QEL: writers, artists, musicians and admirals have thresholds
};

constexpr StatsLayout StatsLayouts[] = {
    {GameVariant::QEL, 0, QelSteps, 2688, 536, 2500, false, true},
    {GameVariant::Expansion1, 0, Expansion1EarlySteps, 1846, 276, 1500, false, false},
    {GameVariant::Expansion1, 1, Expansion1LateSteps, 1859, 276, 1500, false, false},
    {GameVariant::Expansion1, 2, Expansion1LateSteps, 1860, 276, 1500, false, false},
    {GameVariant::Base, 0, BaseSteps, 1442, 16, 1500, true, false},
};

constexpr int32_t StatsMarker = 0x6F229238;
constexpr int32_t MaxStatsPasses = 1001;
// QEL: the records follow an anchor, before which the marker also occurs in other data.
constexpr int32_t AnchorMarker = 0x0252AC5E;
constexpr int32_t AnchorBefore = static_cast<int32_t>(0xDFC41280);
constexpr int32_t MaxAnchorPasses = 10001;

const StatsLayout& SelectStatsLayout(const SaveAnalysis& save) {
  const GameVariant variant = SelectVariant(save.IsQEL != 0, save.HasExpansion1 != 0);
  const int32_t tier = save.BuildAbove379994 ? 2 : save.BuildAbove341539 ? 1 : 0;
  const StatsLayout* chosen = &StatsLayouts[4];
  for (const StatsLayout& layout : StatsLayouts) {
    if (layout.Variant == variant && layout.BuildTier <= tier) chosen = &layout;
  }
  return *chosen;
}

// (count + step) x factor in 64 bits, wrapped to int32 as the save's own arithmetic would.
int32_t Threshold(int32_t count, int64_t factor, int64_t add) {
  return static_cast<int32_t>(static_cast<int64_t>(count) * factor + add);
}

StatsRecord ReadStatsRecord(const ImageReader& image, const StatsLayout& layout, int32_t& cursor) {
  StatsRecord record;
  for (const StatsStep& step : layout.Steps) {
    image.Skip(cursor, step.SkipBefore);
    record.*step.Value = image.ReadInt(cursor);
  }
  return record;
}

void ApplyStats(const StatsRecord& r, const StatsLayout& layout, int32_t speedPercent, TLeaderInfoRec& leader) {
  leader.CSCulture = r.CSCulture;
  leader.CSFaith = 0;
  leader.PolicyCulture = r.PolicyCulture;
  leader.TotalCulture = r.TotalCulture;
  leader.AccFaith = r.AccFaith;
  leader.TotalFaith = r.TotalFaith;
  leader.GrossHappiness = r.GrossHappiness;
  leader.AccHappiness = r.AccHappiness;
  leader.GoldenAgeCount = r.GoldenAgeCount;
  leader.GoldenAgeTurns = r.GoldenAgeTurns;
  leader.GoldenAgeExtra = r.GoldenAgeExtra;
  leader.GreatPeopleCount = r.GreatPeopleCount;
  leader.GreatPeopleExtra = r.GreatPeopleExtra;
  leader.GreatPersonThreshold = Threshold(r.GreatPeopleCount, speedPercent, speedPercent);
  leader.GreatGeneralThreshold =
      layout.GeneralFromValue ? Threshold(r.GeneralCount, 2, 200) : Threshold(r.GeneralCount, 200, 200);
  if (layout.CultureThresholds) {
    leader.GreatAdmiralThreshold = Threshold(r.AdmiralCount, 200, 200);
    leader.GreatWriterThreshold = Threshold(r.WriterCount, speedPercent, speedPercent);
    leader.GreatArtistThreshold = Threshold(r.ArtistCount, speedPercent, speedPercent);
    leader.GreatMusicianThreshold = Threshold(r.MusicianCount, speedPercent, speedPercent);
  }
  leader.GMFaith = r.GMFaith, leader.GSFaith = r.GSFaith, leader.GWrFaith = r.GWrFaith, leader.GArFaith = r.GArFaith;
  leader.GMuFaith = r.GMuFaith, leader.GGFaith = r.GGFaith, leader.GAFaith = r.GAFaith, leader.GEFaith = r.GEFaith;
  leader.ResearchOverflow = r.ResearchOverflow;
  leader.GGPoints = r.GGPoints;
  leader.GAPoints = r.GAPoints;
  leader.TGGPoints = r.TGGPoints;
  leader.PolicyCultureNeeded = r.PolicyCultureNeeded;
  leader.PolicyExtra1 = r.PolicyExtra1;
  leader.PolicyCount = r.PolicyCount;
  leader.PolicyExtra2 = r.PolicyExtra2;
}

bool IsAnchor(const ImageReader& image, int32_t hit) {
  return image.IntAt(ImageReader::Advance(hit, -28)) == AnchorBefore && image.IntAt(ImageReader::Advance(hit, 28)) == 0 &&
         static_cast<uint32_t>(image.IntAt(ImageReader::Advance(hit, 32))) >= 16;
}

// Where the QEL search for records starts: the first qualifying anchor, else the last anchor hit.
int32_t PlaceAtAnchor(const ImageReader& image, int32_t position, bool& found) {
  found = false;
  for (int32_t pass = 0; pass < MaxAnchorPasses; ++pass) {
    const int32_t hit = image.FindInt(AnchorMarker, ImageReader::Advance(position, 1));
    if (hit == 0) return position;
    position = hit;
    if (IsAnchor(image, hit)) {
      found = true;
      return position;
    }
  }
  return position;
}

bool Qualifies(const ImageReader& image, const StatsLayout& layout, int32_t hit) {
  return image.IntAt(ImageReader::Advance(hit, -12)) == 0 &&
         image.IntAt(ImageReader::Advance(hit, -layout.SecondCheck)) == -1;
}

}  // namespace

void ReadPlayerStats(ParseContext& ctx, SaveAnalysis& save) {
  StepDiagnostic& step = AddStep(ctx, save, "statistics");
  const StatsLayout& layout = SelectStatsLayout(save);
  const SlotRows rows(save);
  int32_t position = ctx.BodyStart;
  bool anchored = true;
  if (layout.Variant == GameVariant::QEL) position = PlaceAtAnchor(ctx.Image, position, anchored);
  int32_t slot = 0;
  int32_t pass = 0;
  for (; pass < MaxStatsPasses && slot < MaxPlayers; ++pass) {
    const int32_t hit = ctx.Image.FindInt(StatsMarker, ImageReader::Advance(position, 1));
    if (hit == 0) break;
    position = hit;
    if (!Qualifies(ctx.Image, layout, hit)) continue;
    int32_t cursor = ImageReader::Advance(hit, -layout.RecordBack);
    const StatsRecord record = ReadStatsRecord(ctx.Image, layout, cursor);
    const int32_t row = rows(slot);
    if (row >= 0) ApplyStats(record, layout, save.SpeedPercent, save.Leaders[static_cast<size_t>(row)]);
    position = ImageReader::Advance(cursor, layout.MoveOn);
    ++slot;
  }
  step.Found = slot > 0;
  step.Records = slot;
  if (slot < MaxPlayers) {
    step.Stop = (anchored ? std::string() : "no anchor before the records; ") +
                (slot == 0                  ? std::string("no statistics record")
                 : pass == MaxStatsPasses ? "pass limit reached after " + std::to_string(slot) + " slots"
                                          : "no further statistics record after " + std::to_string(slot) + " slots");
  }
}

}  // namespace orv5
