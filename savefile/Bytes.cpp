#include "savefile/Bytes.h"

#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

// AddressSanitizer guards only the heap: under it large buffers stay there, so that a read past
// the end of the image is still caught.
#if defined(__SANITIZE_ADDRESS__)
#define ORV5_LARGE_BUFFERS_ON_HEAP 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORV5_LARGE_BUFFERS_ON_HEAP 1
#endif
#endif
#if !defined(__linux__)
#define ORV5_LARGE_BUFFERS_ON_HEAP 1
#endif

namespace orv5 {

#ifdef ORV5_LARGE_BUFFERS_ON_HEAP

void* AllocateLarge(size_t bytes) { return ::operator new(bytes); }
void FreeLarge(void* memory, size_t) noexcept { ::operator delete(memory); }

#else

namespace {

constexpr size_t HugePage = size_t{2} << 20;

size_t MappedLength(size_t bytes) { return (bytes + HugePage - 1) & ~(HugePage - 1); }

}  // namespace

// Maps a little more than asked and keeps the part that starts on a huge-page boundary.
void* AllocateLarge(size_t bytes) {
  const size_t length = MappedLength(bytes);
  const size_t mapped = length + HugePage;
  void* raw = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (raw == MAP_FAILED) throw std::bad_alloc();
  const auto start = reinterpret_cast<uintptr_t>(raw);
  const uintptr_t aligned = (start + HugePage - 1) & ~(uintptr_t{HugePage} - 1);
  if (aligned > start) munmap(raw, aligned - start);
  const size_t after = start + mapped - (aligned + length);
  if (after > 0) munmap(reinterpret_cast<void*>(aligned + length), after);
  // A kernel without transparent huge pages refuses the advice; the memory works all the same.
  madvise(reinterpret_cast<void*>(aligned), length, MADV_HUGEPAGE);
  return reinterpret_cast<void*>(aligned);
}

void FreeLarge(void* memory, size_t bytes) noexcept { munmap(memory, MappedLength(bytes)); }

#endif

}  // namespace orv5
