#pragma once
// A folder of a test's own below the system's temporary folder, removed with all it holds when
// the test ends; named after the test, so that tests running side by side never share one.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace orv5::testing {

class TempFolder {
 public:
  explicit TempFolder(const std::string& prefix) {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::temp_directory_path() /
            (prefix + "-" + std::to_string(::getpid()) + "-" + (test ? test->name() : "outside-a-test"));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }

  // Writes `bytes` to `relative` below the folder, making the folders on the way; returns the path.
  std::string Write(const std::filesystem::path& relative, const std::vector<uint8_t>& bytes) const {
    const std::filesystem::path path = path_ / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path.string();
  }

 private:
  std::filesystem::path path_;
};

}  // namespace orv5::testing
