#pragma once
// Checked reads and searches over the analysis image. A read outside the image yields
// zero bytes and still moves the cursor; a search never looks outside the image.
#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "savefile/Bytes.h"

namespace orv5 {

class ImageReader {
 public:
  explicit ImageReader(std::span<const uint8_t> image) : image_(image) {}

  int32_t Length() const { return static_cast<int32_t>(image_.size()); }
  std::span<const uint8_t> Bytes() const { return image_; }

  // Reads at the cursor and moves it past what was read.
  int32_t ReadInt(int32_t& pos) const {
    const int32_t value = IntAt(pos);
    pos = Advance(pos, 4);
    return value;
  }
  int16_t ReadShort(int32_t& pos) const;
  uint8_t ReadChar(int32_t& pos) const;
  uint8_t ReadBool(int32_t& pos) const;
  std::string ReadStr(int32_t& pos) const;   // counted 8-bit text
  std::string ReadUStr(int32_t& pos) const;  // counted text of 8- or 16-bit units
  void Skip(int32_t& pos, int32_t bytes) const { pos = Advance(pos, bytes); }

  // Reads at a fixed offset without a cursor. The parser reads hundreds of thousands of
  // integers, nearly all wholly inside the image, so that case is inline.
  int32_t IntAt(int32_t pos) const {
    if (pos >= 0 && static_cast<size_t>(pos) + 4 <= image_.size()) {
      const uint8_t* b = image_.data() + pos;
      return static_cast<int32_t>(uint32_t{b[0]} | uint32_t{b[1]} << 8 | uint32_t{b[2]} << 16 | uint32_t{b[3]} << 24);
    }
    return IntAtEdge(pos);
  }
  uint8_t ByteAt(int32_t pos) const;

  // First offset >= start where the text (or the 4 bytes of the value) stands; 0 when none.
  // Near the end of the image the bytes past it count as zeros.
  int32_t FindStr(std::string_view text, int32_t start) const;
  int32_t FindInt(int32_t value, int32_t start) const;
  // The same, for hits that start before `end`: a search that need not look further stops there.
  int32_t FindIntBefore(int32_t value, int32_t start, int32_t end) const;

  // Moves a cursor without overflowing it, however far a damaged count sends it: cursors stay
  // well inside int32 range.
  static int32_t Advance(int32_t pos, int64_t bytes) {
    constexpr int64_t CursorLimit = int64_t{1} << 30;
    return static_cast<int32_t>(std::clamp<int64_t>(static_cast<int64_t>(pos) + bytes, -CursorLimit, CursorLimit));
  }

 private:
  int32_t IntAtEdge(int32_t pos) const;  // partly or wholly outside: zeros there
  void CopyOut(int32_t pos, uint8_t* out, int32_t count) const;
  int32_t FindBytes(std::string_view needle, int32_t start, int64_t end) const;

  std::span<const uint8_t> image_;
};

// Writes into the raw file bytes for the save editors; false (and nothing written) when
// the bytes would fall outside the buffer.
bool WriteInt(ByteBuffer& file, int32_t& pos, int32_t value);
bool WriteByte(ByteBuffer& file, int32_t& pos, int32_t value);

}  // namespace orv5
