// The save builder's deflation in the web build's tests: pako, zlib ported to JavaScript,
// writes the same bytes as zlib at the same level and flush (the demo save's test checks it).
#include <emscripten.h>

#include "tests/support/SaveBuilder.h"

namespace orv5::testing {

namespace {

// Deflates `length` bytes at `data` into Module.orv5Deflated and returns its length. `zeros`
// instead deflates that many MB of zero bytes, one MB at a time.
EM_JS(int, orv5_pako_deflate, (const uint8_t* data, size_t length, int finish, int level, int zeros), {
  const pako = Module.orv5Pako();
  const deflator = new pako.Deflate({level : level});
  const chunks = [];
  deflator.onData = function(chunk) { chunks.push(chunk); };
  const flush = finish ? pako.constants.Z_FINISH : pako.constants.Z_SYNC_FLUSH;
  if (zeros > 0) {
    const megabyte = new Uint8Array(1 << 20);
    for (let i = 0; i < zeros; ++i) deflator.push(megabyte, i + 1 == zeros ? flush : pako.constants.Z_NO_FLUSH);
  } else {
    deflator.push(HEAPU8.slice(data, data + length), flush);
  }
  let total = 0;
  for (const chunk of chunks) total += chunk.length;
  const out = new Uint8Array(total);
  let at = 0;
  for (const chunk of chunks) {
    out.set(chunk, at);
    at += chunk.length;
  }
  Module.orv5Deflated = out;
  return total;
});

EM_JS(void, orv5_pako_take_deflated, (uint8_t* dst), {
  HEAPU8.set(Module.orv5Deflated, dst);
  Module.orv5Deflated = null;
});

Bytes TakeDeflated(int length) {
  Bytes out(static_cast<size_t>(length));
  orv5_pako_take_deflated(out.data());
  return out;
}

}  // namespace

Bytes Deflate(const Bytes& body, bool finish, int level) {
  return TakeDeflated(orv5_pako_deflate(body.data(), body.size(), finish ? 1 : 0, level, 0));
}

Bytes DeflateZeros(int megabytes) { return TakeDeflated(orv5_pako_deflate(nullptr, 0, 1, 6, megabytes)); }

}  // namespace orv5::testing
