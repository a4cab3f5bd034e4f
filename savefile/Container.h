#pragma once
// The save container: an uncompressed header, a zlib stream cut into length-prefixed
// chunks, a terminator word and a tail. Loading joins and inflates the chunks into one
// analysis image laid out as header | "BODY" | inflated body | tail.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <variant>

#include "savefile/Bytes.h"

namespace orv5 {

// Limits of the container; anything larger is refused, never allocated up front.
inline constexpr int64_t FileLimit = 8000001;
inline constexpr int64_t PackedLimit = 8000001;
inline constexpr int64_t ImageLimit = 500000001;
// The first bytes of a zlib stream at default compression, and the lowest offset at
// which the stream can start (a 4-byte magic and the first chunk's length word).
inline constexpr int32_t MinBodyStart = 8;
// Every save starts with these four bytes. The smallest header that follows them is 520 bytes:
// the oldest save version, every list and text empty, and the turn-timer key every header
// holds. A shorter file, or one that starts otherwise, is not a save and is refused.
inline constexpr char SaveMagic[4] = {'O', 'R', 'V', '5'};
inline constexpr int64_t MinSaveLength = 4 + 520;

struct SaveContainer {
  std::string Path;
  ByteBuffer FileImage;   // the file exactly as read
  ByteBuffer PackedBody;  // the joined compressed stream, chunk length words removed
  ByteBuffer TailBytes;   // from the chunk terminator word to the end of the file
  ByteBuffer SaveImage;   // header, "BODY", inflated body, tail
  int32_t FileLength = 0;
  int32_t ImageLength = 0;
  int32_t BodyStart = -1;  // -1: no compressed body
  int32_t PackedLength = 0;
  int32_t BodyLength = 0;
  int32_t TailLength = 0;
  int32_t ChunkCount = 0;
  bool StreamFinished = false;  // the zlib stream ended with its final block
  bool HasTerminator = false;   // the chunk list ended on a word <= 1 before the end of file
  double FileDate = 0;          // modification time, seconds since 1970-01-01 UTC

  bool HasBody() const { return BodyStart >= MinBodyStart; }
  std::span<const uint8_t> Image() const { return {SaveImage.data(), static_cast<size_t>(ImageLength)}; }
};

struct LoadError {
  std::string Message;
};

using LoadResult = std::variant<SaveContainer, LoadError>;

// Reads and decodes the named file. A failure leaves nothing behind: the caller's
// previous container is untouched because a new one is returned.
LoadResult LoadSave(const std::filesystem::path& path);

// The same from bytes already in memory (tests, fuzzing); `path` is only recorded.
LoadResult LoadSaveFromBytes(std::span<const uint8_t> bytes, std::string path = {});

// Offset of the first 0x78 0x9C pair in the file, or -1. The last three bytes are never
// tested, as the game's own loader never tests them.
int32_t FindBodyStart(std::span<const uint8_t> file);

// Outcome of inflating a zlib stream that may lack its final block.
struct InflateResult {
  ByteBuffer Data;
  bool Finished = false;
  std::string Error;  // empty on success
};

// Inflates into `out` starting at `out.size()`, never growing `out` beyond `limit` bytes.
// A stream that ends without its final block keeps all its output; a stream the inflater
// rejects gives its message (which names zlib); a stream that would pass `limit` is refused.
// Native builds inflate in savefile/Inflate.cpp, the web build in web/PakoInflate.cpp.
InflateResult InflateStream(std::span<const uint8_t> packed, ByteBuffer out, int64_t limit, size_t sizeHint);

// 8000001 -> "8,000,001", for the messages of refused files.
std::string GroupDigits(int64_t value);

}  // namespace orv5
