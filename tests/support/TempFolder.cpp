#include "tests/support/TempFolder.h"

#include <unistd.h>

#include <fstream>

namespace orv5::testing {

TempFolder::TempFolder(const std::string& stem)
    : path_(std::filesystem::temp_directory_path() / (stem + "-" + std::to_string(::getpid()))) {
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::Write(const std::string& name, const Bytes& bytes) const {
  const auto path = path_ / name;
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return path.string();
}

}  // namespace orv5::testing
