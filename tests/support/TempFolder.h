#pragma once
// A folder of a test's own under the system's temporary folder, for a test that writes files;
// named after the process and the test, so that tests running side by side never share one,
// and removed with everything in it when the test ends. Header-only: only test programs,
// which link GoogleTest, use it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/SaveBuilder.h"

namespace orv5::testing {

class TempFolder {
 public:
  // "orv5-refusal": the process id and the test's name are added.
  explicit TempFolder(const std::string& stem) : path_(std::filesystem::temp_directory_path() / (stem + "-" + Suffix())) {
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }

  // Writes the bytes to `relative` below the folder, making the folders on the way; returns its path.
  std::string Write(const std::filesystem::path& relative, const Bytes& bytes) const {
    const std::filesystem::path path = path_ / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path.string();
  }

 private:
  static std::string Suffix() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    return std::to_string(::getpid()) + "-" + (test ? test->name() : "outside-a-test");
  }

  std::filesystem::path path_;
};

}  // namespace orv5::testing
