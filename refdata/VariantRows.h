#pragma once
// One table family read through the fields all its variants share, whichever variant a save
// needs. The QEL rows derive from the older row type, so a QEL row is handed out as its shared
// part; callers that need the hash read the QEL table itself.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <span>

namespace orv5 {

template <typename Rec, typename RecQEL>
class VariantRows {
 public:
  constexpr VariantRows(std::span<const Rec> rows) : older_(rows) {}
  constexpr VariantRows(std::span<const RecQEL> rows) : qel_(rows), isQEL_(true) {}

  constexpr bool IsQEL() const { return isQEL_; }
  constexpr size_t size() const { return isQEL_ ? qel_.size() : older_.size(); }
  constexpr const Rec& operator[](size_t i) const { return isQEL_ ? qel_[i] : older_[i]; }

  // The row a number from the save names, or nullptr when it lies outside the table; a save
  // number is never trusted to be in range.
  constexpr const Rec* At(int64_t index) const {
    if (index < 0 || static_cast<uint64_t>(index) >= size()) return nullptr;
    return &(*this)[static_cast<size_t>(index)];
  }

  class Iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = Rec;
    using difference_type = std::ptrdiff_t;
    using pointer = const Rec*;
    using reference = const Rec&;

    constexpr Iterator() = default;
    constexpr Iterator(VariantRows rows, size_t index) : rows_(rows), index_(index) {}
    constexpr const Rec& operator*() const { return rows_[index_]; }
    constexpr const Rec* operator->() const { return &rows_[index_]; }
    constexpr Iterator& operator++() {
      ++index_;
      return *this;
    }
    constexpr Iterator operator++(int) {
      Iterator before = *this;
      ++index_;
      return before;
    }
    constexpr bool operator==(const Iterator& other) const { return index_ == other.index_; }

   private:
    VariantRows rows_{std::span<const Rec>{}};
    size_t index_ = 0;
  };

  constexpr Iterator begin() const { return Iterator(*this, 0); }
  constexpr Iterator end() const { return Iterator(*this, size()); }

 private:
  std::span<const Rec> older_;
  std::span<const RecQEL> qel_;
  bool isQEL_ = false;
};

}  // namespace orv5
