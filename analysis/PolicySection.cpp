// Adopted policies. Each slot's record is the list of (policy hash, adopted) pairs of the whole
// policy table, so it begins with the first policy's hash, which serves as the marker. That
// hash also occurs elsewhere, several times per slot; the count and version that stand before
// it tell the record apart.
#include <string>

#include "analysis/ListReads.h"
#include "analysis/Sections.h"
#include "analysis/SlotRows.h"

namespace orv5 {

namespace {

struct PolicyLayout {
  bool QEL;
  int32_t Count;    // int32 4 bytes before the marker: the number of policies of the layout
  int32_t Version;  // int32 8 bytes before the marker
};

constexpr PolicyLayout PolicyLayouts[] = {
    {false, 70, 5},
    {true, 111, 2},
};

constexpr int32_t PolicyMarker = static_cast<int32_t>(0xAAF91295);
constexpr int32_t MaxPolicyPasses = 10001;  // every slot has several hits, of which one qualifies

const PolicyLayout& SelectPolicyLayout(const SaveAnalysis& save) { return PolicyLayouts[save.IsQEL ? 1 : 0]; }

bool Qualifies(const ImageReader& image, const PolicyLayout& layout, int32_t hit) {
  return image.IntAt(ImageReader::Advance(hit, -4)) == layout.Count &&
         image.IntAt(ImageReader::Advance(hit, -8)) == layout.Version;
}

std::array<int32_t, MaxPolicies>& PolicyRow(SaveAnalysis& save, int32_t row) {
  if (save.PolicyFlags.size() <= static_cast<size_t>(row)) save.PolicyFlags.resize(static_cast<size_t>(row) + 1);
  return save.PolicyFlags[static_cast<size_t>(row)];
}

// The pairs of one record, from the marker on; a slot without a player row is read past only.
void ReadPolicyRecord(const ImageReader& image, int32_t hit, const PolicyLayout& layout, int32_t row,
                      SaveAnalysis& save) {
  std::array<int32_t, MaxPolicies>* flags = row >= 0 ? &PolicyRow(save, row) : nullptr;
  int32_t cursor = hit;
  for (int32_t i = 0; i < layout.Count; ++i) {
    image.ReadInt(cursor);
    const int32_t adopted = image.ReadBool(cursor);
    if (flags) (*flags)[static_cast<size_t>(i)] = adopted;
  }
}

}  // namespace

void ReadPolicies(ParseContext& ctx, SaveAnalysis& save) {
  StepDiagnostic& step = AddStep(ctx, save, "policies");
  const PolicyLayout& layout = SelectPolicyLayout(save);
  const SlotRows rows(save);
  int32_t position = ctx.BodyStart;
  int32_t slot = 0;
  int32_t pass = 0;
  for (; pass < MaxPolicyPasses && slot < MaxPlayers; ++pass) {
    const int32_t hit = ctx.Image.FindInt(PolicyMarker, ImageReader::Advance(position, 1));
    if (hit == 0) break;
    position = hit;
    if (!Qualifies(ctx.Image, layout, hit)) continue;
    ReadPolicyRecord(ctx.Image, hit, layout, rows(slot), save);
    ++slot;
  }
  step.Found = slot > 0;
  step.Records = slot;
  if (slot == 0) {
    step.Stop = "no policy record";
  } else if (slot < MaxPlayers) {
    step.Stop = (pass == MaxPolicyPasses ? "pass limit reached after " : "no further policy record after ") +
                std::to_string(slot) + " slots";
  }
}

}  // namespace orv5
