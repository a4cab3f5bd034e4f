// The founded religions and the beliefs of their founders (both expansions). The religion list
// has no marker of its own: it is found through an anchor that lies shortly after its start,
// and the anchor must lie before the embedded database image, which follows the game's own
// data. Founders are stored as slots and mapped to player rows.
#include <array>
#include <string>
#include <string_view>

#include "analysis/ListReads.h"
#include "analysis/Sections.h"
#include "analysis/SlotRows.h"
#include "refdata/RefTables.h"

namespace orv5 {

namespace {

struct ReligionLayout {
  GameVariant Variant;
  std::string_view AnchorText;  // the anchor is this text, or, when empty, the int32 AnchorValue
  int32_t AnchorValue;
  int32_t ListBack;      // from the settled start back to the religion list
  int32_t FounderSkip;   // bytes between the founder and the belief count
  bool NamedEntries;     // trailing entries: (text, int32), else (int32 x[, int32 when x != 0])
};

constexpr ReligionLayout ReligionLayouts[] = {
    {GameVariant::Expansion1, "BUILDINGCLASS_COURTHOUSE", 0, 254, 230, true},
    {GameVariant::QEL, "", static_cast<int32_t>(0xF1D0F8A6), 274, 250, false},
};

constexpr std::string_view DatabaseText = "SQLite";  // opens the embedded database image
constexpr int32_t StartTries = 6;
constexpr int32_t FirstTryBack = 12;
constexpr int32_t FallbackBack = 36;
constexpr int32_t MaxBeliefsKept = 6;

const ReligionLayout* SelectReligionLayout(const SaveAnalysis& save) {
  const GameVariant variant = SelectVariant(save.IsQEL != 0, save.HasExpansion1 != 0);
  for (const ReligionLayout& layout : ReligionLayouts) {
    if (layout.Variant == variant) return &layout;
  }
  return nullptr;
}

int32_t FindAnchor(const ImageReader& image, const ReligionLayout& layout, int32_t from) {
  return layout.AnchorText.empty() ? image.FindInt(layout.AnchorValue, from) : image.FindStr(layout.AnchorText, from);
}

// A small int32 (a religion or belief count) stands just before the settled start; it is
// sought backwards from 12 bytes before the anchor, 4 bytes at a time.
int32_t SettleStart(const ImageReader& image, int32_t anchor) {
  for (int32_t t = 0; t < StartTries; ++t) {
    const int32_t at = ImageReader::Advance(anchor, -FirstTryBack - 4 * t);
    const int32_t value = image.IntAt(at);
    if (value >= -6 && value <= 6) return ImageReader::Advance(at, 4);
  }
  return ImageReader::Advance(anchor, -FallbackBack);
}

void SkipTrailingEntries(ListReader& list, const ReligionLayout& layout) {
  const int32_t entries = list.Int();
  list.Each(entries, [&](int32_t) {
    if (layout.NamedEntries) {
      list.Text();
      list.Int();
    } else if (list.Int() != 0) {
      list.Int();
    }
  });
}

// A religion is stored only when it lies wholly inside the image: past its end a damaged count
// would read zeros, and founder 0 would take beliefs of nothing.
void ReadReligion(ListReader& list, const ReligionLayout& layout, const SlotRows& rows, SaveAnalysis& save) {
  list.Int();
  list.Int();
  const int32_t row = rows(list.Int());
  list.Image().Skip(list.Cursor(), layout.FounderSkip);
  std::array<int32_t, 7> beliefs{};
  const int32_t count = list.Int();
  list.Each(count, [&](int32_t i) {
    const int32_t belief = list.Int();
    if (i < MaxBeliefsKept) beliefs[static_cast<size_t>(i)] = belief;
  });
  SkipTrailingEntries(list, layout);
  if (row >= 0 && list.Cursor() <= list.Image().Length()) save.Leaders[static_cast<size_t>(row)].Beliefs = beliefs;
}

}  // namespace

void ReadReligions(ParseContext& ctx, SaveAnalysis& save) {
  StepDiagnostic& step = AddStep(ctx, save, "religions");
  const ReligionLayout* layout = SelectReligionLayout(save);
  if (!layout) {
    step.Stop = "the base game has no religions";
    return;
  }
  const int32_t limit = ctx.Image.FindStr(DatabaseText, ctx.Cursor);
  const int32_t anchor = FindAnchor(ctx.Image, *layout, ctx.Cursor);
  if (anchor == 0 || limit == 0 || anchor >= limit) {
    step.Stop = anchor == 0  ? "no religion anchor"
                : limit == 0 ? "no embedded database after the replay log"
                             : "no religion list before the embedded database";
    return;
  }
  step.Found = true;
  ctx.Cursor = ImageReader::Advance(SettleStart(ctx.Image, anchor), -layout->ListBack);
  ListReader list(ctx.Image, ctx.Cursor);
  list.Int();
  const int32_t religions = list.Int();
  const SlotRows rows(save);
  step.Records = list.Each(religions, [&](int32_t) { ReadReligion(list, *layout, rows, save); });
  if (list.Overran() || ctx.Cursor > ctx.Image.Length()) step.Stop = "the religion list ran past the end of the image";
}

}  // namespace orv5
