// InflateStream of the web build: pako (zlib ported to JavaScript) inflates, since the wasm
// build has no zlib of its own. The contract is that of savefile/Inflate.h: a stream without
// its final block keeps all its output, a damaged stream gives zlib's message, and a stream
// that would pass the limit is refused while at most 64 MB of its output is held.
//
// pako hands out its output in whole chunks; what a stream without its final block produced
// after the last whole chunk stays in the stream's output buffer, up to `next_out`, and is
// taken from there. Unlike zlib, pako reads bytes that follow a finished stream as a further
// stream; the saves' packed bodies end with their stream.
#include <emscripten.h>

#include <algorithm>

#include "savefile/Container.h"
#include "savefile/Inflate.h"

namespace orv5 {

namespace {

// The same bound as the native inflater's: past this much output the rest is only counted.
constexpr double EagerBytes = double(EagerInflateBytes);

// Inflates `length` bytes at `packed`. Keeps the output up to `keep` bytes and counts the
// rest, stopping once the count passes `stopAfter`. Returns the count, or -1 for a stream
// pako rejects. The kept chunks wait in Module.orv5Inflated for orv5_pako_take.
EM_JS(double, orv5_pako_inflate, (const uint8_t* packed, size_t length, double keep, double stopAfter), {
  const pako = Module.orv5Pako();
  const input = HEAPU8.slice(packed, packed + length);  // memory may grow while we copy out
  const inflator = new pako.Inflate({chunkSize : 1 << 20});
  const state = {chunks : [], kept : 0, total : 0, finished : false, message : ""};
  const keepChunk = function(chunk) {
    state.total += chunk.length;
    if (state.kept + chunk.length <= keep) {
      state.chunks.push(chunk);
      state.kept += chunk.length;
    }
  };
  inflator.onData = keepChunk;
  const piece = 1 << 16;  // so that a stream far past the limit is stopped early
  let ok = true;
  for (let at = 0; ok && !inflator.ended && state.total <= stopAfter && at < input.length; at += piece) {
    ok = inflator.push(input.subarray(at, Math.min(at + piece, input.length)), false);
  }
  Module.orv5Inflated = state;
  if (!ok || (inflator.err && inflator.err !== 0)) {
    state.message = inflator.msg || ("error " + inflator.err);
    return -1;
  }
  state.finished = inflator.ended === true;
  const strm = inflator.strm;
  if (!state.finished && strm.output && strm.next_out > 0 && strm.avail_out > 0) {
    keepChunk(strm.output.subarray(0, strm.next_out));  // the output after the last whole chunk
  }
  return state.total;
});

// Copies the kept output to `dst` and lets it go.
EM_JS(void, orv5_pako_take, (uint8_t* dst), {
  let at = dst;
  for (const chunk of Module.orv5Inflated.chunks) {
    HEAPU8.set(chunk, at);
    at += chunk.length;
  }
  Module.orv5Inflated.chunks = [];
});

EM_JS(int, orv5_pako_finished, (), { return Module.orv5Inflated.finished ? 1 : 0; });

EM_JS(int, orv5_pako_message_length, (), { return lengthBytesUTF8(Module.orv5Inflated.message) + 1; });

EM_JS(void, orv5_pako_message, (char* dst, int size), { stringToUTF8(Module.orv5Inflated.message, dst, size); });

std::string PakoMessage() {
  std::string message(static_cast<size_t>(orv5_pako_message_length()), '\0');
  orv5_pako_message(message.data(), static_cast<int>(message.size()));
  message.resize(message.size() - 1);
  return "The compressed body is damaged: zlib says \"" + message + "\".";
}

}  // namespace

InflateResult InflateStream(std::span<const uint8_t> packed, ByteBuffer out, int64_t limit, size_t /*sizeHint*/) {
  InflateResult result;
  const size_t prefix = out.size();
  const double room = static_cast<double>(limit) - static_cast<double>(prefix);
  double total = orv5_pako_inflate(packed.data(), packed.size(), std::min(room, EagerBytes), room);
  if (total > EagerBytes && total <= room) {
    // A genuine body this large: inflate it once more, keeping all of it.
    total = orv5_pako_inflate(packed.data(), packed.size(), room, room);
  }
  if (total < 0) {
    result.Error = PakoMessage();
    return result;
  }
  if (total > room) {
    result.Error = "The inflated body would make the analysis image larger than its limit of " +
                   GroupDigits(ImageLimit) + " bytes.";
    return result;
  }
  out.resize(prefix + static_cast<size_t>(total));
  orv5_pako_take(out.data() + prefix);
  result.Finished = orv5_pako_finished() != 0;
  result.Data = std::move(out);
  return result;
}

}  // namespace orv5
