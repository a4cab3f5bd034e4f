#include "analysis/ListReads.h"

namespace orv5 {

namespace {

template <class T>
void Keep(std::span<T> keep, int32_t i, T value) {
  if (i >= 0 && static_cast<size_t>(i) < keep.size()) keep[static_cast<size_t>(i)] = std::move(value);
}

}  // namespace

int32_t ListReader::Ints(std::span<int32_t> keep) {
  const int32_t count = Int();
  Each(count, [&](int32_t i) { Keep(keep, i, Int()); });
  return count;
}

int32_t ListReader::Bytes(std::span<int32_t> keep) {
  const int32_t count = Int();
  Each(count, [&](int32_t i) { Keep<int32_t>(keep, i, Byte()); });
  return count;
}

int32_t ListReader::Texts(std::span<std::string> keep) { return TextsOf(Int(), keep); }

int32_t ListReader::TextsOf(int32_t count, std::span<std::string> keep) {
  Each(count, [&](int32_t i) { Keep(keep, i, Text()); });
  return count;
}

void ListReader::SkipInts(int32_t count) {
  Each(count, [&](int32_t) { Int(); });
}

void ListReader::SkipBytes(int32_t count) {
  Each(count, [&](int32_t) { Byte(); });
}

void ListReader::SkipTexts(int32_t count) { TextsOf(count, {}); }

}  // namespace orv5
