#include "tests/support/SaveBuilder.h"

#include <algorithm>
#include <stdexcept>

namespace orv5::testing {

ByteWriter& ByteWriter::Int(int32_t value) {
  const auto v = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<uint8_t>(v >> (8 * i)));
  return *this;
}

ByteWriter& ByteWriter::Short(int16_t value) {
  const auto v = static_cast<uint16_t>(value);
  bytes_.push_back(static_cast<uint8_t>(v & 0xFF));
  bytes_.push_back(static_cast<uint8_t>(v >> 8));
  return *this;
}

ByteWriter& ByteWriter::Byte(uint8_t value) {
  bytes_.push_back(value);
  return *this;
}

ByteWriter& ByteWriter::Str(std::string_view text) {
  Int(static_cast<int32_t>(text.size()));
  return Raw(text);
}

ByteWriter& ByteWriter::UStr(std::string_view text, bool wide) {
  Int(static_cast<int32_t>(text.size()));
  for (char ch : text) {
    Byte(static_cast<uint8_t>(ch));
    if (wide) Byte(0);
  }
  return *this;
}

ByteWriter& ByteWriter::Raw(std::string_view bytes) {
  bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
  return *this;
}

ByteWriter& ByteWriter::Raw(const Bytes& bytes) {
  bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
  return *this;
}

ByteWriter& ByteWriter::Zeros(size_t count) {
  bytes_.insert(bytes_.end(), count, 0);
  return *this;
}

ByteWriter& ByteWriter::IntList(const std::vector<int32_t>& values) {
  Int(static_cast<int32_t>(values.size()));
  for (int32_t v : values) Int(v);
  return *this;
}

void ByteWriter::PutInt(size_t offset, int32_t value) {
  const auto v = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) bytes_.at(offset + i) = static_cast<uint8_t>(v >> (8 * i));
}

Bytes PatternedBytes(size_t size, uint32_t seed, uint8_t symbols) {
  Bytes bytes(size);
  uint32_t x = seed;
  for (auto& b : bytes) {
    x = x * 1103515245u + 12345u;
    b = static_cast<uint8_t>((x >> 16) % symbols);
  }
  return bytes;
}

Bytes BuildContainer(const Bytes& header, const Bytes& body, const ContainerOptions& options) {
  const Bytes stream = Deflate(body, options.FinishStream, options.Level);
  ByteWriter file;
  file.Raw(header);
  for (size_t at = 0; at < stream.size(); at += options.ChunkSize) {
    const size_t length = std::min(options.ChunkSize, stream.size() - at);
    file.Int(static_cast<int32_t>(length));
    file.Raw(Bytes(stream.begin() + at, stream.begin() + at + length));
  }
  if (options.WriteTerminator) file.Int(options.TerminatorValue);
  file.Raw(options.Tail);
  return file.Take();
}

Bytes MagicHeader(const Bytes& fieldBytes) {
  ByteWriter header;
  header.Raw("ORV5").Raw(fieldBytes);
  return header.Take();
}

}  // namespace orv5::testing
