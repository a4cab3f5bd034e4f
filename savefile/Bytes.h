#pragma once
// Byte buffers that grow without zero-filling: an inflated body is written once by the
// inflater, so clearing it first would only cost time. Reads past a buffer's length are
// handled by the readers, which yield zero bytes there.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace orv5 {

// Buffers of this size and more (the analysis image) get memory of their own, mapped with
// transparent huge pages where the kernel allows it: a 20 MB image then faults in ten 2 MB pages
// rather than five thousand pages of 4 KB, and the part past its body is never touched. (The file
// and the joined stream, below a megabyte, stay on the heap: a huge page each would cost more
// memory than their few hundred faults cost time.)
inline constexpr size_t LargeBufferBytes = size_t{4} << 20;
void* AllocateLarge(size_t bytes);
void FreeLarge(void* memory, size_t bytes) noexcept;

template <class T>
struct DefaultInitAllocator : std::allocator<T> {
  template <class U>
  struct rebind {
    using other = DefaultInitAllocator<U>;
  };
  using std::allocator<T>::allocator;
  T* allocate(size_t count) {
    if (count * sizeof(T) >= LargeBufferBytes) return static_cast<T*>(AllocateLarge(count * sizeof(T)));
    return std::allocator<T>::allocate(count);
  }
  void deallocate(T* p, size_t count) noexcept {
    if (count * sizeof(T) >= LargeBufferBytes) return FreeLarge(p, count * sizeof(T));
    std::allocator<T>::deallocate(p, count);
  }
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
