#pragma once
// The whole analysis of a real save, for the real-save tests; a save that fails to load fails
// the test and gives an empty analysis.
#include <gtest/gtest.h>

#include <filesystem>
#include <variant>

#include "analysis/Save5Analyse.h"

namespace orv5::testing {

inline SaveAnalysis AnalyseRealSave(const std::filesystem::path& path) {
  LoadResult loaded = LoadSave(path);
  if (const auto* error = std::get_if<LoadError>(&loaded)) {
    ADD_FAILURE() << path << ": " << error->Message;
    return {};
  }
  return Save5Analyse(std::get<SaveContainer>(loaded));
}

}  // namespace orv5::testing
