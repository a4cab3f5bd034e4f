// make_fuzz_seeds DIR: writes the committed seeds, built with the synthetic save builder:
// whole saves into DIR/load, made-up body images into DIR/body, zlib streams into DIR/inflate.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/SaveBuilder.h"

namespace {

void WriteSeed(const std::filesystem::path& path, const orv5::testing::Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_fuzz_seeds DIR\n");
    return 2;
  }
  const std::filesystem::path loadDir = std::filesystem::path(argv[1]) / "load";
  const std::filesystem::path bodyDir = std::filesystem::path(argv[1]) / "body";
  const std::filesystem::path inflateDir = std::filesystem::path(argv[1]) / "inflate";
  std::filesystem::create_directories(loadDir);
  std::filesystem::create_directories(bodyDir);
  std::filesystem::create_directories(inflateDir);
  using namespace orv5::testing;
  ByteWriter body;
  body.Int(-1).Int(0).Int(1).Int(20000).Zeros(30).Int(1).Int(5).Int(0).Int(0).UStr("Session 1", false);
  body.Raw("REPLAYDATASET_MILITARYMIGHT").Int(1).Int(1).Int(0).Int(7);
  WriteSeed(loadDir / "small-body.seed", BuildContainer(MagicHeader({8, 0, 0, 0}), body.Data()));
  ContainerOptions open;
  open.FinishStream = false;
  open.WriteTerminator = false;
  WriteSeed(loadDir / "open-stream.seed", BuildContainer(MagicHeader({5, 0, 0, 0}), body.Data(), open));
  // Body images: layout byte, player count, body start, then the image.
  for (uint8_t layout : {uint8_t{0x41}, uint8_t{0x42}, uint8_t{0x00}}) {
    ByteWriter seed;
    seed.Byte(layout).Byte(10).Int(16).Zeros(16).Raw(body.Data());
    WriteSeed(bodyDir / ("layout-" + std::to_string(layout) + ".seed"), seed.Take());
  }
  // Streams for the inflater: the first byte picks the limit and leaves the header in place.
  // The small body gets fixed codes, the larger one dynamic codes.
  const Bytes larger = PatternedBytes(6000, 3, 40);
  for (int level : {0, 1, 6, 9}) {
    for (bool finish : {true, false}) {
      for (const Bytes* plain : {&body.Data(), &larger}) {
        Bytes seed = {static_cast<uint8_t>(2 * (10 + level))};
        const Bytes stream = Deflate(*plain, finish, level);
        seed.insert(seed.end(), stream.begin(), stream.end());
        WriteSeed(inflateDir / ("level-" + std::to_string(level) + (finish ? "-finished" : "-flushed") +
                                (plain == &larger ? "-dynamic" : "") + ".seed"),
                  seed);
      }
    }
  }
  return 0;
}
