#pragma once
#include "analysis/SaveAnalysis.h"
#include "savefile/Container.h"

namespace orv5 {

// The parser: one pass over the analysis image in the game's section order.
SaveAnalysis Save5Analyse(const SaveContainer& container);

// The body steps alone, on top of a header already decoded or made up: tests and the fuzzer
// drive the body sections with chosen layout flags and players this way. The main cursor
// starts at the start of the body.
SaveAnalysis AnalyseBody(const SaveContainer& container, SaveAnalysis header);

// The loaded-save value: the container's buffers and the tables parsed from them.
struct LoadedSave {
  SaveContainer Container;
  SaveAnalysis Analysis;
};

}  // namespace orv5
