// The body's inflater against zlib alone, on any bytes: the same output, the same end and
// the same message, or the harness stops. The one difference allowed: where zlib refuses a
// block whose Huffman code leaves codes unused, ISA-L reads on, and what zlib inflated before
// that block must start ISA-L's output. The first byte chooses a limit for the output and
// whether the rest follows the zlib header 0x78 0x9C or is the whole stream.
#include <zlib.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "savefile/Inflate.h"

namespace {

// What zlib inflates before it stops, at most `limit` bytes.
std::vector<uint8_t> ZlibOutputBeforeItStops(std::vector<uint8_t>& packed, size_t limit) {
  std::vector<uint8_t> out(limit);
  z_stream zs{};
  inflateInit(&zs);
  zs.next_in = packed.data();
  zs.avail_in = static_cast<uInt>(packed.size());
  zs.next_out = out.data();
  zs.avail_out = static_cast<uInt>(out.size());
  while (inflate(&zs, Z_NO_FLUSH) == Z_OK) {
  }
  out.resize(zs.total_out);
  inflateEnd(&zs);
  return out;
}

bool RefusesAnIncompleteCode(const std::string& message) {
  return message.find("\"invalid distances set\"") != std::string::npos ||
         message.find("\"invalid literal/lengths set\"") != std::string::npos;
}

}  // namespace

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
  if (fast.Error == reference.Error && fast.Finished == reference.Finished && fast.Data == reference.Data) return 0;
  if (RefusesAnIncompleteCode(reference.Error) && fast.Error.empty()) {
    const std::vector<uint8_t> before = ZlibOutputBeforeItStops(packed, static_cast<size_t>(limit));
    if (fast.Data.size() >= prefix.size() + before.size() &&
        std::equal(before.begin(), before.end(), fast.Data.begin() + static_cast<std::ptrdiff_t>(prefix.size()))) {
      return 0;
    }
  }
  std::abort();
}
