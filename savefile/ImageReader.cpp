#include "savefile/ImageReader.h"

#include <algorithm>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "savefile/KeyText.h"

namespace orv5 {

namespace {

// Cursors stay well inside int32 range even after a damaged count sends them far away.
constexpr int64_t CursorLimit = int64_t{1} << 30;

int32_t LittleEndian32(const uint8_t* b) {
  return static_cast<int32_t>(static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
                              static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24);
}

std::string UpToFirstZero(std::string text) {
  const size_t zero = text.find('\0');
  if (zero != std::string::npos) text.resize(zero);
  return text;
}

// First occurrence of the needle (length >= 2) in the haystack. Sixteen start positions are
// tested at once against the needle's first and last byte; only positions that match both
// are compared in full. Searches run dozens of times per load over bodies of 10-30 MB.
const uint8_t* FindNeedle(const uint8_t* hay, size_t size, const uint8_t* needle, size_t length) {
  if (size < length) return nullptr;
  const size_t lastStart = size - length;
  size_t i = 0;
#ifdef __SSE2__
  const __m128i first = _mm_set1_epi8(static_cast<char>(needle[0]));
  const __m128i last = _mm_set1_epi8(static_cast<char>(needle[length - 1]));
  for (; i + 15 <= lastStart; i += 16) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(hay + i));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(hay + i + length - 1));
    auto mask =
        static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, first), _mm_cmpeq_epi8(b, last))));
    while (mask != 0) {
      const size_t at = i + static_cast<size_t>(__builtin_ctz(mask));
      if (std::memcmp(hay + at + 1, needle + 1, length - 2) == 0) return hay + at;
      mask &= mask - 1;
    }
  }
#endif
  for (; i <= lastStart; ++i) {
    if (hay[i] == needle[0] && std::memcmp(hay + i, needle, length) == 0) return hay + i;
  }
  return nullptr;
}

}  // namespace

int32_t ImageReader::Advance(int32_t pos, int64_t bytes) {
  return static_cast<int32_t>(std::clamp<int64_t>(static_cast<int64_t>(pos) + bytes, -CursorLimit, CursorLimit));
}

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

int32_t ImageReader::IntAt(int32_t pos) const {
  if (pos >= 0 && static_cast<int64_t>(pos) + 4 <= static_cast<int64_t>(image_.size())) {
    return LittleEndian32(image_.data() + pos);
  }
  uint8_t b[4];
  CopyOut(pos, b, 4);
  return LittleEndian32(b);
}

uint8_t ImageReader::ByteAt(int32_t pos) const {
  return (pos >= 0 && static_cast<size_t>(pos) < image_.size()) ? image_[static_cast<size_t>(pos)] : 0;
}

int32_t ImageReader::ReadInt(int32_t& pos) const {
  const int32_t value = IntAt(pos);
  pos = Advance(pos, 4);
  return value;
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

int32_t ImageReader::FindBytes(std::string_view needle, int32_t start) const {
  const int64_t size = static_cast<int64_t>(image_.size());
  if (start < 0) start = 0;
  if (start > size - 1) return 0;
  if (needle.empty()) return start;
  const uint8_t* base = image_.data();
  const size_t len = needle.size();
  // Matches wholly inside the image.
  if (static_cast<int64_t>(len) <= size - start) {
    const auto* n = reinterpret_cast<const uint8_t*>(needle.data());
    const void* hit = len == 1 ? std::memchr(base + start, n[0], static_cast<size_t>(size - start))
                               : FindNeedle(base + start, static_cast<size_t>(size - start), n, len);
    if (hit) return static_cast<int32_t>(static_cast<const uint8_t*>(hit) - base);
  }
  // Matches that run past the end, where the image counts as zero bytes.
  for (int64_t p = std::max<int64_t>(start, size - static_cast<int64_t>(len) + 1); p < size; ++p) {
    const size_t inside = static_cast<size_t>(size - p);
    if (std::memcmp(base + p, needle.data(), inside) != 0) continue;
    if (std::all_of(needle.begin() + inside, needle.end(), [](char c) { return c == '\0'; })) {
      return static_cast<int32_t>(p);
    }
  }
  return 0;
}

int32_t ImageReader::FindStr(std::string_view text, int32_t start) const { return FindBytes(text, start); }

int32_t ImageReader::FindInt(int32_t value, int32_t start) const {
  const uint32_t v = static_cast<uint32_t>(value);
  const char bytes[4] = {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8 & 0xFF),
                         static_cast<char>(v >> 16 & 0xFF), static_cast<char>(v >> 24 & 0xFF)};
  return FindBytes(std::string_view(bytes, 4), start);
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
