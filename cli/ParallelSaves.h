#pragma once
// Work over many saves on every core. Each worker loads one save at a time, reusing the buffers
// of the save it finished last, and maps it to a result; the results come back on the calling
// thread in the order the files were given, each as soon as it and all before it are ready, so
// that a command prints exactly what it would print doing one file after the other.
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "analysis/Save5Analyse.h"
#include "savefile/Container.h"

namespace orv5 {

// The workers for a batch of `items`: one per core, no more than there are items, at least one.
unsigned BatchWorkers(size_t items);

// Runs work(i, worker) for every i < count on `workers` threads (on the calling thread alone when
// there is one) and emit(i) on the calling thread in the order of i, each once work(i) is done.
// Workers run at most 2 x workers items ahead of emit. An exception thrown by work(i) is thrown
// again in place of emit(i), after every earlier emit, and the workers stop.
void RunInOrder(size_t count, unsigned workers, const std::function<void(size_t item, unsigned worker)>& work,
                const std::function<void(size_t item)>& emit);

// What became of one file: the command's result for a save that loaded, or why it was refused.
template <class T>
using SaveOutcome = std::variant<T, LoadError>;

// Loads every file on the workers and maps each save that loads with `map`; `emit` receives
// every file's outcome in the order of `files`. `map` runs on the workers, `emit` on the caller.
// When more than one worker runs, each analyses on its own thread alone.
template <class T>
void MapSaves(const std::vector<std::string>& files,
              const std::function<T(const std::string& file, const SaveContainer& save, AnalysisThreads threads)>& map,
              const std::function<void(const std::string& file, SaveOutcome<T>& outcome)>& emit,
              unsigned workers = 0) {
  if (workers == 0) workers = BatchWorkers(files.size());
  const AnalysisThreads threads = workers > 1 ? AnalysisThreads::One : AnalysisThreads::Two;
  std::vector<SaveContainer> spares(workers);
  std::vector<std::optional<SaveOutcome<T>>> outcomes(files.size());
  RunInOrder(
      files.size(), workers,
      [&](size_t item, unsigned worker) {
        LoadResult loaded = LoadSave(files[item], std::move(spares[worker]));
        if (auto* error = std::get_if<LoadError>(&loaded)) {
          outcomes[item].emplace(std::in_place_index<1>, std::move(*error));
          return;
        }
        SaveContainer& save = std::get<SaveContainer>(loaded);
        outcomes[item].emplace(std::in_place_index<0>, map(files[item], save, threads));
        spares[worker] = std::move(save);
      },
      [&](size_t item) {
        emit(files[item], *outcomes[item]);
        outcomes[item].reset();
      });
}

// MapSaves for the commands that print: a refused file is reported on `err` as "FILE: reason"
// in its turn, every other result goes to `print`. Returns 0 when every file loaded, else 1,
// as every command that reads saves does.
template <class T>
int MapLoadedSaves(const std::vector<std::string>& files, std::ostream& err,
                   const std::function<T(const std::string& file, const SaveContainer& save, AnalysisThreads threads)>& map,
                   const std::function<void(const std::string& file, T& result)>& print, unsigned workers = 0) {
  int status = 0;
  MapSaves<T>(
      files, map,
      [&](const std::string& file, SaveOutcome<T>& outcome) {
        if (auto* error = std::get_if<LoadError>(&outcome)) {
          err << file << ": " << error->Message << "\n";
          status = 1;
          return;
        }
        print(file, std::get<T>(outcome));
      },
      workers);
  return status;
}

// MapLoadedSaves with each save's analysis made for `map`.
template <class T>
int MapAnalysedSaves(const std::vector<std::string>& files, std::ostream& err,
                     const std::function<T(const std::string& file, const SaveContainer& save,
                                           const SaveAnalysis& analysis)>& map,
                     const std::function<void(const std::string& file, T& result)>& print, unsigned workers = 0) {
  return MapLoadedSaves<T>(
      files, err,
      [&](const std::string& file, const SaveContainer& save, AnalysisThreads threads) {
        return map(file, save, Save5Analyse(save, threads));
      },
      print, workers);
}

}  // namespace orv5
