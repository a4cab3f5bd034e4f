#pragma once
// A folder of its own under the system's temporary folder, for a test that writes files; it
// is removed with everything in it when the test ends.
#include <filesystem>
#include <string>

#include "tests/support/SaveBuilder.h"

namespace orv5::testing {

class TempFolder {
 public:
  explicit TempFolder(const std::string& stem);  // "orv5-refusal": the process id is added
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // Writes the bytes to a file of that name in the folder; returns its path.
  std::string Write(const std::string& name, const Bytes& bytes) const;

 private:
  std::filesystem::path path_;
};

}  // namespace orv5::testing
