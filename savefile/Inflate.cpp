// Inflation of the body with zlib (native builds). The web build links its own InflateStream
// instead (web/PakoInflate.cpp); both keep the contract declared in Container.h.
#include <zlib.h>

#include <algorithm>
#include <vector>

#include "savefile/Container.h"

namespace orv5 {

namespace {

// Bodies of real saves stay below 30 MB. Past this much output the rest of the stream is
// first only counted, so that a stream that would pass the limit is refused without ever
// holding more than this in memory; a genuine larger body is then inflated a second time.
constexpr size_t EagerInflateBytes = size_t{64} << 20;

class Inflater {
 public:
  explicit Inflater(std::span<const uint8_t> packed) {
    ok_ = inflateInit(&zs_) == Z_OK;
    zs_.next_in = const_cast<Bytef*>(packed.data());
    zs_.avail_in = static_cast<uInt>(packed.size());
  }
  ~Inflater() { inflateEnd(&zs_); }
  Inflater(const Inflater&) = delete;
  Inflater& operator=(const Inflater&) = delete;

  // Inflates into dst; returns the bytes written.
  size_t Step(uint8_t* dst, size_t room) {
    zs_.next_out = dst;
    zs_.avail_out = static_cast<uInt>(std::min<size_t>(room, 1u << 30));
    const uInt before = zs_.avail_out;
    ret_ = ok_ ? inflate(&zs_, Z_NO_FLUSH) : Z_MEM_ERROR;
    return before - zs_.avail_out;
  }
  // True when no more output can come: the final block, the end of the input, or an error.
  bool Done() const { return ret_ != Z_OK && !(ret_ == Z_BUF_ERROR && zs_.avail_in > 0); }
  bool Finished() const { return ret_ == Z_STREAM_END; }
  bool Failed() const {
    return ret_ == Z_NEED_DICT || ret_ == Z_DATA_ERROR || ret_ == Z_MEM_ERROR || ret_ == Z_STREAM_ERROR;
  }
  std::string Message() const {
    return std::string("The compressed body is damaged: zlib says \"") + (zs_.msg ? zs_.msg : zError(ret_)) + "\".";
  }

 private:
  z_stream zs_{};
  bool ok_ = false;
  int ret_ = Z_OK;
};

// Inflates into out after its current content, growing it up to `cap` bytes.
size_t InflateGrowing(Inflater& inflater, ByteBuffer& out, size_t cap, size_t sizeHint) {
  size_t used = out.size();
  const size_t target = std::min(cap, used + std::max<size_t>(sizeHint, 1 << 16));
  while (!inflater.Done()) {
    if (used == out.size()) {
      if (out.size() >= cap) break;
      out.resize(std::min(cap, std::max(target, out.size() * 2)));
    }
    used += inflater.Step(out.data() + used, out.size() - used);
  }
  out.resize(used);
  return used;
}

// Counts the output still to come, giving up once it passes `limit`.
size_t CountRemaining(Inflater& inflater, size_t limit) {
  std::vector<uint8_t> scratch(1 << 20);
  size_t counted = 0;
  while (!inflater.Done() && counted <= limit) counted += inflater.Step(scratch.data(), scratch.size());
  return counted;
}

}  // namespace

InflateResult InflateStream(std::span<const uint8_t> packed, ByteBuffer out, int64_t limit, size_t sizeHint) {
  InflateResult result;
  const size_t prefix = out.size();
  const size_t cap = static_cast<size_t>(limit);
  Inflater inflater(packed);
  size_t used = InflateGrowing(inflater, out, std::min(cap, prefix + EagerInflateBytes), sizeHint);
  if (!inflater.Done() && !inflater.Failed()) {
    const size_t rest = CountRemaining(inflater, cap - std::min(cap, used));
    if (!inflater.Failed() && used + rest <= cap && inflater.Done()) {
      // A genuine body this large: inflate it once more into a buffer of its exact size.
      out.resize(prefix);
      Inflater again(packed);
      used = InflateGrowing(again, out, prefix + (used - prefix) + rest, used + rest);
      result.Finished = again.Finished();
      result.Data = std::move(out);
      return result;
    }
    if (!inflater.Failed()) {
      result.Error = "The inflated body would make the analysis image larger than its limit of " +
                     GroupDigits(ImageLimit) + " bytes.";
      return result;
    }
  }
  if (inflater.Failed()) {
    result.Error = inflater.Message();
    return result;
  }
  result.Finished = inflater.Finished();
  result.Data = std::move(out);
  return result;
}

}  // namespace orv5
