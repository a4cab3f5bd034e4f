// make_demo_save OUT: writes the demo save.
#include <cstdio>
#include <fstream>

#include "tools/DemoSave.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_demo_save OUT\n");
    return 2;
  }
  const auto bytes = orv5::demo::BuildDemoSave();
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  std::printf("%s: %zu bytes\n", argv[1], bytes.size());
  return 0;
}
