// The body's inflater against zlib alone, on any bytes: the same output, the same end and
// the same message, or the harness stops. The first byte chooses a limit for the output and
// whether the rest follows the zlib header 0x78 0x9C or is the whole stream.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "savefile/Inflate.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const uint8_t choice = data[0];
  std::vector<uint8_t> packed;
  if (choice & 1) packed = {0x78, 0x9C};
  packed.insert(packed.end(), data + 1, data + size);
  // Limits from a few bytes to 8 MB, so that refusals at the limit are met as often as bodies.
  const int64_t limit = int64_t{4} << ((choice >> 1) % 22);
  const orv5::ByteBuffer prefix = {'H', 'D', 'R', '!'};
  const orv5::InflateResult fast = orv5::InflateStream(packed, prefix, limit, packed.size() * 4);
  const orv5::InflateResult reference = orv5::InflateStreamWithZlib(packed, prefix, limit, packed.size() * 4);
  if (fast.Error != reference.Error || fast.Finished != reference.Finished || fast.Data != reference.Data) std::abort();
  return 0;
}
