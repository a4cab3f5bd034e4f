// Known technologies and the research spent on each, one record per slot. The QEL layout
// starts each record with the first technology's hash, which serves as the marker; the older
// layouts are found through a building key of a list that precedes the record, and checked by
// values at fixed distances after that list.
#include <string>
#include <string_view>

#include "analysis/Sections.h"
#include "analysis/SlotRows.h"
#include "refdata/RefTables.h"

namespace orv5 {

namespace {

struct TechLayout {
  GameVariant Variant;
  bool ByMarker;       // QEL: found by the first technology's hash; else by the building key
  int32_t MaxPasses;
  int32_t MaxCount;    // the layout's number of technologies
  bool CountStored;    // the record states its count (else MaxCount, fixed)
  bool HashList;       // the record lists the technology hashes before the arrays
};

constexpr TechLayout TechLayouts[] = {
    {GameVariant::QEL, true, 64, MaxTechs, true, true},
    {GameVariant::Expansion1, false, 101, 80, true, true},
    {GameVariant::Base, false, 101, 74, false, false},
};

constexpr int32_t TechMarker = static_cast<int32_t>(0x77BF7761);
constexpr std::string_view BuildingKey = "BUILDING_STONE_WORKS";
constexpr int32_t MaxKeyEntries = 101;

// Distances from the end of the older layouts' (key, value) list.
constexpr int32_t CheckA = 32;         // int32 -1
constexpr int32_t CheckB = 48;         // int32 -1
constexpr int32_t CheckKind = 304;     // int32 1 or 2
constexpr int32_t LeadValueAt = 308;   // TechLeadValue, followed by the record

const TechLayout& SelectTechLayout(const SaveAnalysis& save) {
  const GameVariant variant = SelectVariant(save.IsQEL != 0, save.HasExpansion1 != 0);
  for (const TechLayout& layout : TechLayouts) {
    if (layout.Variant == variant) return layout;
  }
  return TechLayouts[2];
}

// One record found: where its arrays (or its count) begin and its lead value.
struct TechHit {
  int32_t Position = 0;  // where the next search starts
  bool Qualifies = false;
  int32_t Cursor = 0;
  int32_t LeadValue = 0;
  int32_t Count = 0;
};

TechHit FindByMarker(const ImageReader& image, int32_t from) {
  TechHit hit;
  hit.Position = image.FindInt(TechMarker, from);
  hit.Qualifies = hit.Position != 0;
  hit.Cursor = hit.Position;
  hit.LeadValue = image.IntAt(ImageReader::Advance(hit.Position, -8));
  hit.Count = image.IntAt(ImageReader::Advance(hit.Position, -4));
  return hit;
}

// The key is followed by an int32 and (key, value) entries up to a length below 10.
int32_t EndOfKeyList(const ImageReader& image, int32_t key) {
  int32_t cursor = ImageReader::Advance(key, static_cast<int64_t>(BuildingKey.size()) + 4);
  for (int32_t entry = 0; entry < MaxKeyEntries; ++entry) {
    if (image.IntAt(cursor) < 10) return ImageReader::Advance(cursor, 4);
    image.ReadStr(cursor);
    image.ReadInt(cursor);
  }
  return cursor;
}

TechHit FindByKey(const ImageReader& image, const TechLayout& layout, int32_t from) {
  TechHit hit;
  hit.Position = image.FindStr(BuildingKey, from);
  if (hit.Position == 0) return hit;
  const int32_t end = EndOfKeyList(image, hit.Position);
  const int32_t kind = image.IntAt(ImageReader::Advance(end, CheckKind));
  hit.Qualifies = image.IntAt(ImageReader::Advance(end, CheckA)) == -1 &&
                  image.IntAt(ImageReader::Advance(end, CheckB)) == -1 && (kind == 1 || kind == 2);
  hit.LeadValue = image.IntAt(ImageReader::Advance(end, LeadValueAt));
  hit.Cursor = ImageReader::Advance(end, LeadValueAt + 4);
  hit.Count = layout.CountStored ? image.ReadInt(hit.Cursor) : layout.MaxCount;
  return hit;
}

// Hashes (when listed), known flags, a second flag array and the research spent.
void ReadTechArrays(const ImageReader& image, const TechLayout& layout, const TechHit& hit, TLeaderInfoRec* leader) {
  int32_t cursor = hit.Cursor;
  if (layout.HashList) image.Skip(cursor, 4 * hit.Count);
  if (!leader) return;
  leader->TechLeadValue = hit.LeadValue;
  for (int32_t i = 0; i < hit.Count; ++i) leader->TechKnown[static_cast<size_t>(i)] = image.ReadBool(cursor);
  image.Skip(cursor, hit.Count);
  for (int32_t i = 0; i < hit.Count; ++i) leader->TechProgress[static_cast<size_t>(i)] = image.ReadInt(cursor);
}

void ClearTechnologies(SaveAnalysis& save) {
  for (TLeaderInfoRec& leader : save.Leaders) {
    leader.TechLeadValue = 0;
    leader.TechKnown = {};
    leader.TechProgress = {};
  }
}

}  // namespace

void ReadTechnologies(ParseContext& ctx, SaveAnalysis& save) {
  StepDiagnostic& step = AddStep(ctx, save, "technologies");
  ClearTechnologies(save);
  const TechLayout& layout = SelectTechLayout(save);
  const SlotRows rows(save);
  int32_t position = ctx.BodyStart;
  int32_t slot = 0;
  for (int32_t pass = 0; pass < layout.MaxPasses && slot < MaxPlayers; ++pass) {
    const int32_t from = ImageReader::Advance(position, 1);
    const TechHit hit = layout.ByMarker ? FindByMarker(ctx.Image, from) : FindByKey(ctx.Image, layout, from);
    if (hit.Position == 0) {
      step.Stop = slot == 0 ? "no technology record"
                            : "no further technology record after " + std::to_string(slot) + " slots";
      break;
    }
    position = hit.Position;
    if (!hit.Qualifies) continue;
    if (hit.Count < 1 || hit.Count > layout.MaxCount) {
      step.Stop = "technology count " + std::to_string(hit.Count) + " of slot " + std::to_string(slot) +
                  " ends the step";
      break;
    }
    const int32_t row = rows(slot);
    ReadTechArrays(ctx.Image, layout, hit, row >= 0 ? &save.Leaders[static_cast<size_t>(row)] : nullptr);
    ++slot;
  }
  step.Found = slot > 0;
  step.Records = slot;
  if (slot < MaxPlayers && step.Stop.empty()) step.Stop = "pass limit reached after " + std::to_string(slot) + " slots";
}

}  // namespace orv5
