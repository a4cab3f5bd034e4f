#include "savefile/NeedleSearch.h"

#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define ORV5_X86 1
#endif

namespace orv5::search {

namespace {

// The positions from `i` on that the vector loops left over.
const uint8_t* FindRest(const uint8_t* hay, size_t i, size_t lastStart, const uint8_t* needle, size_t length) {
  for (; i <= lastStart; ++i) {
    if (hay[i] == needle[0] && std::memcmp(hay + i, needle, length) == 0) return hay + i;
  }
  return nullptr;
}

// The candidates of one block: bit k set means the first and last byte match at `block` + k.
const uint8_t* CheckCandidates(const uint8_t* hay, size_t block, uint64_t mask, const uint8_t* needle,
                               size_t length) {
  while (mask != 0) {
    const size_t at = block + static_cast<size_t>(__builtin_ctzll(mask));
    if (std::memcmp(hay + at + 1, needle + 1, length - 2) == 0) return hay + at;
    mask &= mask - 1;
  }
  return nullptr;
}

}  // namespace

const uint8_t* FindNeedleSse2(const uint8_t* hay, size_t size, const uint8_t* needle, size_t length) {
  if (length < 2 || size < length) return nullptr;
  const size_t lastStart = size - length;
  size_t i = 0;
#ifdef __SSE2__
  const __m128i first = _mm_set1_epi8(static_cast<char>(needle[0]));
  const __m128i last = _mm_set1_epi8(static_cast<char>(needle[length - 1]));
  for (; i + 15 <= lastStart; i += 16) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(hay + i));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(hay + i + length - 1));
    const auto mask =
        static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, first), _mm_cmpeq_epi8(b, last))));
    if (mask == 0) continue;
    if (const uint8_t* hit = CheckCandidates(hay, i, mask, needle, length)) return hit;
  }
#endif
  return FindRest(hay, i, lastStart, needle, length);
}

#ifdef ORV5_X86

// 64 start positions per step, in two 32-byte halves whose masks are joined only when either
// half has a candidate.
__attribute__((target("avx2"))) const uint8_t* FindNeedleAvx2(const uint8_t* hay, size_t size,
                                                              const uint8_t* needle, size_t length) {
  if (length < 2 || size < length) return nullptr;
  const size_t lastStart = size - length;
  size_t i = 0;
  const __m256i first = _mm256_set1_epi8(static_cast<char>(needle[0]));
  const __m256i last = _mm256_set1_epi8(static_cast<char>(needle[length - 1]));
  const auto* starts = reinterpret_cast<const __m256i*>(hay);
  const auto* ends = reinterpret_cast<const __m256i*>(hay + length - 1);
  for (; i + 63 <= lastStart; i += 64) {
    const __m256i low = _mm256_and_si256(_mm256_cmpeq_epi8(_mm256_loadu_si256(starts + i / 32), first),
                                         _mm256_cmpeq_epi8(_mm256_loadu_si256(ends + i / 32), last));
    const __m256i high = _mm256_and_si256(_mm256_cmpeq_epi8(_mm256_loadu_si256(starts + i / 32 + 1), first),
                                          _mm256_cmpeq_epi8(_mm256_loadu_si256(ends + i / 32 + 1), last));
    const __m256i any = _mm256_or_si256(low, high);
    if (_mm256_testz_si256(any, any)) continue;
    const uint64_t mask = static_cast<uint32_t>(_mm256_movemask_epi8(low)) |
                          static_cast<uint64_t>(static_cast<uint32_t>(_mm256_movemask_epi8(high))) << 32;
    if (const uint8_t* hit = CheckCandidates(hay, i, mask, needle, length)) return hit;
  }
  return FindNeedleSse2(hay + i, size - i, needle, length);
}

bool HasAvx2() {
  static const bool has = __builtin_cpu_supports("avx2");
  return has;
}

#else

const uint8_t* FindNeedleAvx2(const uint8_t* hay, size_t size, const uint8_t* needle, size_t length) {
  return FindNeedleSse2(hay, size, needle, length);
}

bool HasAvx2() { return false; }

#endif

const uint8_t* FindNeedle(const uint8_t* hay, size_t size, const uint8_t* needle, size_t length) {
  return HasAvx2() ? FindNeedleAvx2(hay, size, needle, length) : FindNeedleSse2(hay, size, needle, length);
}

}  // namespace orv5::search
