#pragma once
// Counted lists of the save, read through the checked reader. A count is used as read (0 or
// less reads nothing), but a damaged count cannot make a loop run on: every entry moves the
// cursor forward, and reading stops once the cursor has left the image, where each further
// entry would only read zeros. Whoever owns the reader learns of that through Overran().
#include <cstdint>
#include <span>
#include <string>

#include "savefile/ImageReader.h"

namespace orv5 {

class ListReader {
 public:
  ListReader(const ImageReader& image, int32_t& cursor) : image_(image), cursor_(cursor) {}

  const ImageReader& Image() const { return image_; }
  int32_t& Cursor() { return cursor_; }
  bool Overran() const { return overran_; }
  bool InImage() const { return cursor_ >= 0 && cursor_ < image_.Length(); }

  int32_t Int() { return image_.ReadInt(cursor_); }
  uint8_t Byte() { return image_.ReadChar(cursor_); }
  std::string Text() { return image_.ReadStr(cursor_); }
  std::string UText() { return image_.ReadUStr(cursor_); }

  // Runs readEntry(i) for i = 0..count-1 while the cursor stays in the image; returns how many
  // entries ran.
  template <class ReadEntry>
  int32_t Each(int32_t count, ReadEntry&& readEntry) {
    int32_t i = 0;
    for (; i < count; ++i) {
      if (!InImage()) {
        overran_ = true;
        break;
      }
      readEntry(i);
    }
    return i;
  }

  // n × int32, n × byte, n × text with their own count: the first keep.size() entries are
  // kept, the rest read and dropped. Each returns the count as the save gives it.
  int32_t Ints(std::span<int32_t> keep = {});
  int32_t Bytes(std::span<int32_t> keep = {});
  int32_t Texts(std::span<std::string> keep = {});

  // Fixed repetitions without a count of their own.
  void SkipInts(int32_t count);
  void SkipBytes(int32_t count);
  void SkipTexts(int32_t count);
  int32_t TextsOf(int32_t count, std::span<std::string> keep);

 private:
  const ImageReader& image_;
  int32_t& cursor_;
  bool overran_ = false;
};

}  // namespace orv5
