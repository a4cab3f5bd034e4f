#pragma once
// Real saves live outside the repository; tests find them through ORV5_REAL_SAVES and skip
// visibly when it is not set.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace orv5::testing {

inline std::filesystem::path RealSavesFolder() {
  const char* folder = std::getenv("ORV5_REAL_SAVES");
  return folder ? std::filesystem::path(folder) : std::filesystem::path();
}

// The path of one real save, or empty (after recording a skip message) when unavailable.
inline std::filesystem::path RealSave(const std::string& name) {
  const auto folder = RealSavesFolder();
  if (folder.empty()) return {};
  const auto path = folder / name;
  return std::filesystem::exists(path) ? path : std::filesystem::path();
}

// A test's name made of a save's file name: "qel-poland-t12.Orv5Save" gives "qel_poland_t12".
inline std::string RealSaveTestName(std::string file) {
  file = file.substr(0, file.find('.'));
  for (char& ch : file) {
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  }
  return file;
}

}  // namespace orv5::testing

// Skips the current test with a visible message when the named real save is not available.
#define ORV5_REQUIRE_REAL_SAVE(var, name)                                                   \
  const std::filesystem::path var = ::orv5::testing::RealSave(name);                        \
  if (var.empty()) {                                                                        \
    GTEST_SKIP() << "real save " << (name) << " not available: set ORV5_REAL_SAVES to the " \
                 << "folder of real saves";                                                 \
  }
