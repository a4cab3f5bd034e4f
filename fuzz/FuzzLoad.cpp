// Whole files: load from bytes, analyse, and build what the views show for player 0.
#include <cstddef>
#include <cstdint>
#include <span>

#include "analysis/Save5Analyse.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  orv5::LoadResult result = orv5::LoadSaveFromBytes(std::span<const uint8_t>(data, size));
  if (auto* container = std::get_if<orv5::SaveContainer>(&result)) {
    const orv5::SaveAnalysis analysis = orv5::Save5Analyse(*container);
    (void)analysis;
  }
  return 0;
}
