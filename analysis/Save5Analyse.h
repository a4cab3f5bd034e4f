#pragma once
#include "analysis/SaveAnalysis.h"
#include "savefile/Container.h"

namespace orv5 {

// How the parser reads the body sections: in the game's section order on the calling thread,
// or in two independent halves on two threads. Both give the same analysis; work that already
// keeps every core busy with saves of its own uses one.
enum class AnalysisThreads { One, Two };

// The parser: one pass over the analysis image in the game's section order.
SaveAnalysis Save5Analyse(const SaveContainer& container, AnalysisThreads threads = AnalysisThreads::Two);

// The body steps alone, on top of a header already decoded or made up: tests and the fuzzer
// drive the body sections with chosen layout flags and players this way. The main cursor
// starts at the start of the body.
SaveAnalysis AnalyseBody(const SaveContainer& container, SaveAnalysis header,
                         AnalysisThreads threads = AnalysisThreads::Two);

// The loaded-save value: the container's buffers and the tables parsed from them.
struct LoadedSave {
  SaveContainer Container;
  SaveAnalysis Analysis;
};

}  // namespace orv5
