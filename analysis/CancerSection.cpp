// The runaway reload list of QEL saves: a block of 20-byte records that grows with every reload
// of the same turn until the save becomes slow to load. Cure (in the save writer) cuts it out.
#include "analysis/Sections.h"

namespace orv5 {

namespace {

constexpr int32_t MaxCancerPasses = 10001;
constexpr int32_t RecordTag = 56;  // the first int32 of the block's header after its count
// The rest of the header: values at tag+4, +8, +12 and +16.
constexpr int32_t HeaderAfterTag[] = {41, 0, 1, -1};

bool IsCancerHeader(const ImageReader& image, int32_t tag) {
  for (int32_t i = 0; i < 4; ++i) {
    if (image.IntAt(ImageReader::Advance(tag, 4 * (i + 1))) != HeaderAfterTag[i]) return false;
  }
  return true;
}

}  // namespace

void FindCancer(ParseContext& ctx, SaveAnalysis& save) {
  save.CancerPos = 0;
  save.CancerCount = 0;
  if (!save.IsQEL) return;
  StepDiagnostic& step = AddStep(ctx, save, "reload list");
  if (!ctx.HasBody) {
    step.Stop = "no body";
    return;
  }
  step.Stop = "pass limit reached";
  int32_t pos = ctx.BodyStart;
  for (int32_t pass = 0; pass < MaxCancerPasses; ++pass) {
    const int32_t tag = ctx.Image.FindInt(RecordTag, ImageReader::Advance(pos, 1));
    if (tag == 0) {
      step.Stop = "no runaway reload list";
      return;
    }
    pos = tag;
    if (!IsCancerHeader(ctx.Image, tag)) continue;
    save.CancerPos = ImageReader::Advance(tag, -4);
    save.CancerCount = ctx.Image.IntAt(save.CancerPos);
    step.Found = true;
    step.Records = save.CancerCount;
    step.Stop.clear();
    return;
  }
}

}  // namespace orv5
