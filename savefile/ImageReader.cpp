#include "savefile/ImageReader.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "savefile/KeyText.h"
#include "savefile/NeedleSearch.h"

namespace orv5 {

namespace {

int32_t LittleEndian32(const uint8_t* b) {
  return static_cast<int32_t>(static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
                              static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24);
}

std::string UpToFirstZero(std::string text) {
  const size_t zero = text.find('\0');
  if (zero != std::string::npos) text.resize(zero);
  return text;
}

std::array<char, 4> IntBytes(int32_t value) {
  const uint32_t v = static_cast<uint32_t>(value);
  return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8 & 0xFF), static_cast<char>(v >> 16 & 0xFF),
          static_cast<char>(v >> 24 & 0xFF)};
}

}  // namespace

void ImageReader::CopyOut(int32_t pos, uint8_t* out, int32_t count) const {
  const int64_t size = static_cast<int64_t>(image_.size());
  if (pos >= 0 && count <= size - pos) {
    std::memcpy(out, image_.data() + pos, static_cast<size_t>(count));
    return;
  }
  for (int32_t i = 0; i < count; ++i) {
    const int64_t p = static_cast<int64_t>(pos) + i;
    out[i] = (p >= 0 && p < size) ? image_[static_cast<size_t>(p)] : 0;
  }
}

int32_t ImageReader::IntAtEdge(int32_t pos) const {
  uint8_t b[4];
  CopyOut(pos, b, 4);
  return LittleEndian32(b);
}

uint8_t ImageReader::ByteAt(int32_t pos) const {
  return (pos >= 0 && static_cast<size_t>(pos) < image_.size()) ? image_[static_cast<size_t>(pos)] : 0;
}

int16_t ImageReader::ReadShort(int32_t& pos) const {
  uint8_t b[2];
  CopyOut(pos, b, 2);
  pos = Advance(pos, 2);
  return static_cast<int16_t>(b[0] | b[1] << 8);
}

uint8_t ImageReader::ReadChar(int32_t& pos) const {
  const uint8_t value = ByteAt(pos);
  pos = Advance(pos, 1);
  return value;
}

uint8_t ImageReader::ReadBool(int32_t& pos) const { return ReadChar(pos); }

std::string ImageReader::ReadStr(int32_t& pos) const {
  const int32_t count = ReadInt(pos);
  if (count <= 0 || count >= MaxTextLength) return {};
  std::string text(static_cast<size_t>(count), '\0');
  CopyOut(pos, reinterpret_cast<uint8_t*>(text.data()), count);
  pos = Advance(pos, count);
  return UpToFirstZero(std::move(text));
}

std::string ImageReader::ReadUStr(int32_t& pos) const {
  const int32_t count = ReadInt(pos);
  if (count <= 0 || count >= MaxTextLength) return {};
  // Wide texts show a small second byte (the high byte of the first unit); a single
  // character is always stored as one 16-bit unit.
  const int32_t width = (count == 1 || ByteAt(ImageReader::Advance(pos, 1)) < 20) ? 2 : 1;
  std::string raw(static_cast<size_t>(count) * width, '\0');
  CopyOut(pos, reinterpret_cast<uint8_t*>(raw.data()), count * width);
  pos = Advance(pos, static_cast<int64_t>(count) * width);
  if (width == 1) return UpToFirstZero(std::move(raw));
  std::string text(static_cast<size_t>(count), '\0');
  for (int32_t i = 0; i < count; ++i) text[i] = raw[static_cast<size_t>(i) * 2];
  return UpToFirstZero(std::move(text));
}

int32_t ImageReader::FindBytes(std::string_view needle, int32_t start, int64_t end) const {
  const int64_t size = static_cast<int64_t>(image_.size());
  if (start < 0) start = 0;
  end = std::min(end, size);
  if (start >= end) return 0;
  if (needle.empty()) return start;
  const uint8_t* base = image_.data();
  const auto len = static_cast<int64_t>(needle.size());
  // Matches wholly inside the image: they start before `end` and may run past it.
  const int64_t span = std::min(end - 1 + len, size) - start;
  if (len <= span) {
    const auto* n = reinterpret_cast<const uint8_t*>(needle.data());
    const void* hit = len == 1 ? std::memchr(base + start, n[0], static_cast<size_t>(span))
                               : search::FindNeedle(base + start, static_cast<size_t>(span), n, static_cast<size_t>(len));
    if (hit) return static_cast<int32_t>(static_cast<const uint8_t*>(hit) - base);
  }
  // Matches that run past the end of the image, where the image counts as zero bytes.
  for (int64_t p = std::max<int64_t>(start, size - len + 1); p < end; ++p) {
    const size_t inside = static_cast<size_t>(size - p);
    if (std::memcmp(base + p, needle.data(), inside) != 0) continue;
    if (std::all_of(needle.begin() + static_cast<std::ptrdiff_t>(inside), needle.end(),
                    [](char c) { return c == '\0'; })) {
      return static_cast<int32_t>(p);
    }
  }
  return 0;
}

int32_t ImageReader::FindStr(std::string_view text, int32_t start) const { return FindBytes(text, start, Length()); }

int32_t ImageReader::FindInt(int32_t value, int32_t start) const { return FindIntBefore(value, start, Length()); }

int32_t ImageReader::FindIntBefore(int32_t value, int32_t start, int32_t end) const {
  const std::array<char, 4> bytes = IntBytes(value);
  return FindBytes(std::string_view(bytes.data(), bytes.size()), start, end);
}

bool WriteInt(ByteBuffer& file, int32_t& pos, int32_t value) {
  if (pos < 0 || static_cast<int64_t>(pos) + 4 > static_cast<int64_t>(file.size())) return false;
  const uint32_t v = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) file[static_cast<size_t>(pos) + i] = static_cast<uint8_t>(v >> (8 * i));
  pos += 4;
  return true;
}

bool WriteByte(ByteBuffer& file, int32_t& pos, int32_t value) {
  if (pos < 0 || static_cast<size_t>(pos) >= file.size()) return false;
  file[static_cast<size_t>(pos)] = static_cast<uint8_t>(value & 0xFF);
  pos += 1;
  return true;
}

}  // namespace orv5
