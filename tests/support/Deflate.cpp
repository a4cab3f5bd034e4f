// The builder's deflation with zlib. The web build's tests deflate through pako instead
// (web/PakoDeflate.cpp), which writes the same bytes.
#include <zlib.h>

#include <stdexcept>

#include "tests/support/SaveBuilder.h"

namespace orv5::testing {

Bytes Deflate(const Bytes& body, bool finish, int level) {
  z_stream zs{};
  if (deflateInit(&zs, level) != Z_OK) throw std::runtime_error("deflateInit failed");
  Bytes out(deflateBound(&zs, body.size()) + 64);
  zs.next_in = const_cast<Bytef*>(body.data());
  zs.avail_in = static_cast<uInt>(body.size());
  zs.next_out = out.data();
  zs.avail_out = static_cast<uInt>(out.size());
  const int ret = deflate(&zs, finish ? Z_FINISH : Z_SYNC_FLUSH);
  if (ret != (finish ? Z_STREAM_END : Z_OK)) throw std::runtime_error("deflate failed");
  out.resize(zs.total_out);
  deflateEnd(&zs);
  return out;
}

Bytes DeflateZeros(int megabytes) {
  z_stream zs{};
  if (deflateInit(&zs, 6) != Z_OK) throw std::runtime_error("deflateInit failed");
  Bytes zeros(1 << 20, 0);
  Bytes packed;
  Bytes piece(1 << 16);
  for (int i = 0; i < megabytes; ++i) {
    zs.next_in = zeros.data();
    zs.avail_in = static_cast<uInt>(zeros.size());
    const int flush = i + 1 == megabytes ? Z_FINISH : Z_NO_FLUSH;
    int ret = Z_OK;
    do {
      zs.next_out = piece.data();
      zs.avail_out = static_cast<uInt>(piece.size());
      ret = deflate(&zs, flush);
      packed.insert(packed.end(), piece.data(), zs.next_out);
    } while (zs.avail_out == 0 || (flush == Z_FINISH && ret != Z_STREAM_END));
  }
  deflateEnd(&zs);
  return packed;
}

}  // namespace orv5::testing
