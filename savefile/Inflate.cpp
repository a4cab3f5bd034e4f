// Inflation of the body: ISA-L inflates, four to five times as fast as zlib and byte for byte
// the same on every stream it reads to a clean end. Wherever its result could differ from
// zlib's, zlib inflates the stream again and its result stands: a stream ISA-L rejects (so
// that a damaged save is refused with zlib's message), input that runs out inside a coded
// block (zlib decodes a few more bits there), a final block whose Adler-32 trailer has to be
// checked and does not match, an unusual zlib header, and a body past the eager limit.
// One difference remains, which only damage brings about: a block whose Huffman code leaves
// codes unused (zlib's deflate never writes one). zlib refuses such a stream at that block;
// ISA-L reads on while none of the missing codes occurs, which no check short of decoding the
// stream a second time could tell.
#include "savefile/Inflate.h"

#include <isa-l/igzip_lib.h>
#include <zlib.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "savefile/Container.h"

namespace orv5 {

namespace {

// ---- zlib ---------------------------------------------------------------------------------

class ZlibInflater {
 public:
  explicit ZlibInflater(std::span<const uint8_t> packed) {
    ok_ = inflateInit(&zs_) == Z_OK;
    zs_.next_in = const_cast<Bytef*>(packed.data());
    zs_.avail_in = static_cast<uInt>(packed.size());
  }
  ~ZlibInflater() { inflateEnd(&zs_); }
  ZlibInflater(const ZlibInflater&) = delete;
  ZlibInflater& operator=(const ZlibInflater&) = delete;

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
size_t InflateGrowing(ZlibInflater& inflater, ByteBuffer& out, size_t cap, size_t sizeHint) {
  size_t used = out.size();
  const size_t target = std::min(cap, std::max(sizeHint, used + (1 << 16)));
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
size_t CountRemaining(ZlibInflater& inflater, size_t limit) {
  std::vector<uint8_t> scratch(1 << 20);
  size_t counted = 0;
  while (!inflater.Done() && counted <= limit) counted += inflater.Step(scratch.data(), scratch.size());
  return counted;
}

// ---- ISA-L --------------------------------------------------------------------------------

// The two bytes zlib reads before the deflate data: deflate with a 32 KB window, no preset
// dictionary, and the check that makes them a multiple of 31 (0x78 0x9C at the default level).
// ISA-L reads only the deflate data; zlib alone judges any other header.
bool HasPlainZlibHeader(std::span<const uint8_t> packed) {
  if (packed.size() < 2) return false;
  const unsigned cmf = packed[0];
  const unsigned flg = packed[1];
  return cmf == 0x78 && (flg & 0x20) == 0 && (cmf * 256 + flg) % 31 == 0;
}

// Where ISA-L stopped, and whether zlib would have stopped there with the same output.
enum class IsalEnd { Clean, Finished, Undecided };

class IsalInflater {
 public:
  explicit IsalInflater(std::span<const uint8_t> deflateData) : state_(std::make_unique<inflate_state>()) {
    isal_inflate_init(state_.get());
    state_->crc_flag = ISAL_DEFLATE;  // raw deflate: the trailer is checked here, only when there is one
    state_->next_in = const_cast<uint8_t*>(deflateData.data());
    state_->avail_in = static_cast<uint32_t>(deflateData.size());
  }

  // Inflates into dst; returns the bytes written.
  size_t Step(uint8_t* dst, size_t room) {
    state_->next_out = dst;
    state_->avail_out = static_cast<uint32_t>(std::min<size_t>(room, 1u << 30));
    const uint32_t before = state_->avail_out;
    ret_ = isal_inflate(state_.get());
    return before - state_->avail_out;
  }
  // ISA-L returns with room left only when the input is spent, the final block is done, or
  // the data is bad.
  bool Stopped() const { return ret_ != ISAL_DECOMP_OK || state_->avail_out > 0; }

  IsalEnd End() const {
    if (ret_ != ISAL_DECOMP_OK) return IsalEnd::Undecided;
    if (state_->block_state == ISAL_BLOCK_FINISH) return IsalEnd::Finished;
    // All input read, at a block boundary with no bits left over: zlib has nothing more either.
    const bool spent = state_->avail_in == 0 && state_->read_in_length == 0 && state_->tmp_in_size == 0;
    return spent && state_->block_state == ISAL_BLOCK_NEW_HDR ? IsalEnd::Clean : IsalEnd::Undecided;
  }
  // The input after the final block: ISA-L keeps up to eight bytes of it in its bit buffer.
  size_t BytesAfterFinalBlock() const { return state_->avail_in + static_cast<size_t>(state_->read_in_length) / 8; }

 private:
  std::unique_ptr<inflate_state> state_;
  int ret_ = ISAL_DECOMP_OK;
};

uint32_t BigEndian32(const uint8_t* p) {
  return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | uint32_t{p[3]};
}

// After the final block, zlib reads the Adler-32 of the body. Without all four bytes it keeps
// the output as a stream that never finished; with them, the check must match.
std::optional<bool> CheckTrailer(std::span<const uint8_t> packed, size_t after, std::span<const uint8_t> body) {
  if (after < 4) return false;
  const uint8_t* trailer = packed.data() + (packed.size() - after);
  if (isal_adler32(1, body.data(), body.size()) != BigEndian32(trailer)) return std::nullopt;
  return true;
}

// ISA-L's result (appended to `out`, and whether the stream finished) where it is certain to be
// zlib's, or nothing. It keeps within the eager part of the limit; a longer body is zlib's.
std::optional<bool> InflateWithIsal(std::span<const uint8_t> packed, ByteBuffer& out, size_t cap, size_t sizeHint) {
  if (!HasPlainZlibHeader(packed)) return std::nullopt;
  const size_t prefix = out.size();
  const size_t eagerCap = std::min(cap, prefix + EagerInflateBytes);
  const size_t target = std::min(eagerCap, std::max(sizeHint, prefix + (1 << 16)));
  IsalInflater inflater(packed.subspan(2));
  size_t used = prefix;
  for (;;) {
    if (used == out.size()) {
      if (out.size() >= eagerCap) return std::nullopt;
      out.resize(std::min(eagerCap, std::max(target, out.size() * 2)));
    }
    used += inflater.Step(out.data() + used, out.size() - used);
    if (inflater.Stopped()) break;
  }
  out.resize(used);
  const std::span<const uint8_t> body(out.data() + prefix, used - prefix);
  switch (inflater.End()) {
    case IsalEnd::Clean: return false;
    case IsalEnd::Finished: return CheckTrailer(packed, inflater.BytesAfterFinalBlock(), body);
    case IsalEnd::Undecided: return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace

InflateResult InflateStreamWithZlib(std::span<const uint8_t> packed, ByteBuffer out, int64_t limit,
                                    size_t sizeHint) {
  InflateResult result;
  const size_t prefix = out.size();
  const size_t cap = static_cast<size_t>(limit);
  ZlibInflater inflater(packed);
  size_t used = InflateGrowing(inflater, out, std::min(cap, prefix + EagerInflateBytes), sizeHint);
  if (!inflater.Done() && !inflater.Failed()) {
    const size_t rest = CountRemaining(inflater, cap - std::min(cap, used));
    if (!inflater.Failed() && used + rest <= cap && inflater.Done()) {
      // A genuine body this large: inflate it once more into a buffer of its exact size.
      out.resize(prefix);
      ZlibInflater again(packed);
      used = InflateGrowing(again, out, used + rest, used + rest);
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

InflateResult InflateStream(std::span<const uint8_t> packed, ByteBuffer out, int64_t limit, size_t sizeHint) {
  const size_t prefix = out.size();
  if (const std::optional<bool> finished = InflateWithIsal(packed, out, static_cast<size_t>(limit), sizeHint)) {
    InflateResult result;
    result.Data = std::move(out);
    result.Finished = *finished;
    return result;
  }
  out.resize(prefix);
  return InflateStreamWithZlib(packed, std::move(out), limit, sizeHint);
}

}  // namespace orv5
