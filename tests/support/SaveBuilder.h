#pragma once
// Builds synthetic saves for tests, fuzz seeds and the demo save: a byte writer for the
// header and body fields, and the chunked zlib container around them.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orv5::testing {

using Bytes = std::vector<uint8_t>;

// Little-endian field writer; every method returns *this so fields read as a list.
class ByteWriter {
 public:
  ByteWriter& Int(int32_t value);
  ByteWriter& Short(int16_t value);
  ByteWriter& Byte(uint8_t value);
  ByteWriter& Bool(bool value) { return Byte(value ? 1 : 0); }
  ByteWriter& Str(std::string_view text);              // int32 count, 8-bit units
  ByteWriter& UStr(std::string_view text, bool wide);  // int32 count, 8- or 16-bit units
  ByteWriter& Raw(std::string_view bytes);
  ByteWriter& Raw(const Bytes& bytes);
  ByteWriter& Zeros(size_t count);
  ByteWriter& IntList(const std::vector<int32_t>& values);  // count, then the values

  size_t Size() const { return bytes_.size(); }
  const Bytes& Data() const { return bytes_; }
  Bytes Take() { return std::move(bytes_); }
  void PutInt(size_t offset, int32_t value);  // overwrite an int32 already written

 private:
  Bytes bytes_;
};

struct ContainerOptions {
  size_t ChunkSize = 65536;
  bool FinishStream = true;     // false: the stream ends on a sync-flush boundary
  bool WriteTerminator = true;  // false: the chunk list runs to the end of the file
  int32_t TerminatorValue = 0;
  Bytes Tail;  // bytes after the terminator word
  int Level = 6;
};

// The header bytes, then the body deflated and cut into length-prefixed chunks.
// The body starts (and BodyStart lies) 4 bytes after the header.
Bytes BuildContainer(const Bytes& header, const Bytes& body, const ContainerOptions& options = {});

// `size` bytes of a fixed pseudo-random sequence over `symbols` values: compressible, with both
// matches and literals, the same for the same seed.
Bytes PatternedBytes(size_t size, uint32_t seed = 7, uint8_t symbols = 13);

// A zlib stream of `body`, finished or only sync-flushed.
Bytes Deflate(const Bytes& body, bool finish, int level = 6);
// A finished zlib stream (level 6, so it starts 0x78 0x9C) of that many MB of zero bytes,
// deflated piece by piece so that the zeros are never held at once.
Bytes DeflateZeros(int megabytes);

// A minimal header: the magic "ORV5" followed by `fieldBytes`.
Bytes MagicHeader(const Bytes& fieldBytes = {});

}  // namespace orv5::testing
