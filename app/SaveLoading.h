#pragma once
// Every read of a save file by the window goes through here: the loads of the path field and
// the analyses of the saves panel's background work. What a worker keeps of a save is its
// analysis, its summary and its row's facts; the file's buffers (tens of MB) are dropped
// before the result leaves the worker.
#include <QString>
#include <cstdint>
#include <memory>

#include "analysis/SaveAnalysis.h"
#include "savefile/Container.h"
#include "series/SaveSummary.h"
#include "views/SavesPanel.h"

namespace orv5::ui {

std::filesystem::path ToPath(const QString& path);

// Reads and decodes a save file. Counts every call, from any thread.
// `spare` may lend the buffers of a loaded save no longer needed.
LoadResult LoadSaveFile(const QString& path, SaveContainer&& spare = SaveContainer{});
// How many times LoadSaveFile ran since the program started.
int64_t SaveLoadCount();

// What the background work makes of one file.
struct AnalysedFile {
  QString Path;
  QString Name;     // the file's name, as the panel lists it
  QString Refusal;  // why the file could not be loaded; empty when it was
  std::shared_ptr<const SaveAnalysis> Analysis;
  size_t AnalysisBytes = 0;
  SaveSummary Summary;
  PanelFacts Facts;
  int64_t FileLength = 0;
  double FileDate = 0;  // the container's modification time, seconds since 1970
};

// Loads, analyses and summarises one file; the container is released on return. Never throws.
AnalysedFile AnalyseFile(const QString& path);

// About how much memory an analysis holds: its tables, records and texts.
size_t ApproxAnalysisBytes(const SaveAnalysis& save);

}  // namespace orv5::ui
