#pragma once
// Byte buffers that grow without zero-filling: an inflated body is written once by zlib,
// so clearing it first would only cost time. Reads past a buffer's length are handled
// by the readers, which yield zero bytes there.
#include <cstdint>
#include <memory>
#include <vector>

namespace orv5 {

template <class T>
struct DefaultInitAllocator : std::allocator<T> {
  template <class U>
  struct rebind {
    using other = DefaultInitAllocator<U>;
  };
  using std::allocator<T>::allocator;
  template <class U>
  void construct(U* p) noexcept {
    ::new (static_cast<void*>(p)) U;
  }
  template <class U, class... Args>
  void construct(U* p, Args&&... args) {
    ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
  }
};

using ByteBuffer = std::vector<uint8_t, DefaultInitAllocator<uint8_t>>;

}  // namespace orv5
