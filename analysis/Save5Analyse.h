#pragma once
#include "analysis/SaveAnalysis.h"
#include "savefile/Container.h"

namespace orv5 {

// The parser: one pass over the analysis image in the game's section order.
SaveAnalysis Save5Analyse(const SaveContainer& container);

// The loaded-save value: the container's buffers and the tables parsed from them.
struct LoadedSave {
  SaveContainer Container;
  SaveAnalysis Analysis;
};

}  // namespace orv5
