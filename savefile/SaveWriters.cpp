#include "savefile/SaveWriters.h"

#include <unistd.h>
#include <zlib.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

#include "savefile/ImageReader.h"

namespace orv5 {

namespace {

constexpr int SinglePlayerGameType = 0;
constexpr int32_t HumanStatus = 3;
constexpr int32_t ComputerStatus = 1;

std::optional<WriteError> RequireBody(const SaveContainer& save) {
  if (save.FileImage.empty()) return WriteError{"No save is loaded."};
  if (!save.HasBody()) {
    return WriteError{"This save has no compressed body (a header-only save); there is nothing to rebuild."};
  }
  return std::nullopt;
}

// The body with the cancer count zeroed and its records cut out.
std::variant<ByteBuffer, WriteError> BodyWithoutCancer(const SaveContainer& save, int32_t cancerPos,
                                                       int32_t& recordsCut) {
  const auto* begin = save.SaveImage.data() + save.BodyStart;
  ByteBuffer body(begin, begin + save.BodyLength);
  recordsCut = 0;
  if (cancerPos <= 0) return body;
  const int64_t at = static_cast<int64_t>(cancerPos) - save.BodyStart;
  const int32_t count = ImageReader(save.Image()).IntAt(cancerPos);
  const int64_t cut = static_cast<int64_t>(count) * CancerRecordSize;
  if (at < 0 || count < 0 || at + 4 > static_cast<int64_t>(body.size()) ||
      cut > static_cast<int64_t>(body.size()) - (at + 4)) {
    return WriteError{"The runaway reload list at offset " + std::to_string(cancerPos) + " claims " +
                      std::to_string(count) + " records, which do not fit in the body; nothing was cut."};
  }
  std::memset(body.data() + at, 0, 4);
  body.erase(body.begin() + at + 4, body.begin() + at + 4 + cut);
  recordsCut = count;
  return body;
}

std::variant<ByteBuffer, WriteError> DeflateBody(std::span<const uint8_t> body) {
  uLongf length = compressBound(static_cast<uLong>(body.size()));
  ByteBuffer packed(length);
  const int ret = compress2(packed.data(), &length, body.data(), static_cast<uLong>(body.size()), 6);
  if (ret != Z_OK) return WriteError{std::string("zlib could not compress the body: ") + zError(ret)};
  packed.resize(length);
  return packed;
}

void AppendInt(ByteBuffer& out, int32_t value) {
  const auto v = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// Loaded header, the packed body in length-prefixed chunks, the loaded tail.
ByteBuffer LayOutChunks(const SaveContainer& save, std::span<const uint8_t> packed, int32_t& chunkCount) {
  ByteBuffer out(save.FileImage.begin(), save.FileImage.begin() + (save.BodyStart - 4));
  out.reserve(out.size() + packed.size() + packed.size() / ChunkSize * 4 + 4 + save.TailBytes.size());
  chunkCount = 0;
  for (size_t at = 0; at < packed.size(); at += ChunkSize) {
    const size_t length = std::min(ChunkSize, packed.size() - at);
    AppendInt(out, static_cast<int32_t>(length));
    out.insert(out.end(), packed.begin() + at, packed.begin() + at + length);
    ++chunkCount;
  }
  out.insert(out.end(), save.TailBytes.begin(), save.TailBytes.end());
  return out;
}

bool HeaderFieldFits(const SaveContainer& save, int32_t pos, int32_t width) {
  return pos > 0 && static_cast<int64_t>(pos) + width <= save.BodyStart - 4;
}

// Turns every human slot of the list at listPos other than the chosen one into a computer player.
bool DemoteHumans(const SaveContainer& save, ByteBuffer& file, int32_t listPos, int32_t chosenPlayer) {
  const ImageReader image(save.Image());
  int32_t pos = listPos;
  const int32_t count = image.ReadInt(pos);
  if (count < 0 || static_cast<int64_t>(count) * 4 > static_cast<int64_t>(save.BodyStart - 4) - pos) return false;
  for (int32_t slot = 0; slot < count; ++slot) {
    int32_t statusPos = pos;
    const int32_t status = image.ReadInt(pos);
    if (status == HumanStatus && slot != chosenPlayer) WriteInt(file, statusPos, ComputerStatus);
  }
  return true;
}

}  // namespace

std::variant<ByteBuffer, WriteError> BuildImageFile(const SaveContainer& save) {
  if (save.FileImage.empty() && save.SaveImage.empty()) return WriteError{"No save is loaded."};
  return ByteBuffer(save.SaveImage.begin(), save.SaveImage.begin() + save.ImageLength);
}

std::variant<CureResult, WriteError> BuildCuredSave(const SaveContainer& save, int32_t cancerPos) {
  if (auto error = RequireBody(save)) return *error;
  CureResult result;
  auto body = BodyWithoutCancer(save, cancerPos, result.RecordsCut);
  if (auto* error = std::get_if<WriteError>(&body)) return *error;
  const ByteBuffer& plain = std::get<ByteBuffer>(body);
  auto packed = DeflateBody(plain);
  if (auto* error = std::get_if<WriteError>(&packed)) return *error;
  const ByteBuffer& stream = std::get<ByteBuffer>(packed);
  result.BodyLength = static_cast<int32_t>(plain.size());
  result.PackedLength = static_cast<int32_t>(stream.size());
  result.Bytes = LayOutChunks(save, stream, result.ChunkCount);
  if (static_cast<int64_t>(result.Bytes.size()) > FileLimit) {
    return WriteError{"The rebuilt save would be " + std::to_string(result.Bytes.size()) +
                      " bytes long, above the limit of 8,000,001 bytes; nothing was written."};
  }
  return result;
}

std::variant<ByteBuffer, WriteError> BuildSinglePlayerSave(const SaveContainer& save, const HeaderEditOffsets& offsets,
                                                           int32_t chosenPlayer) {
  if (auto error = RequireBody(save)) return *error;
  if (!HeaderFieldFits(save, offsets.ActivePlayerPos, 4) || !HeaderFieldFits(save, offsets.FlagBytePos, 1) ||
      !HeaderFieldFits(save, offsets.GameTypePos, 4) || !HeaderFieldFits(save, offsets.SlotStatusPos, 4) ||
      !HeaderFieldFits(save, offsets.SlotStatus2Pos, 4)) {
    return WriteError{"The header fields to edit were not all found in this save; nothing was changed."};
  }
  ByteBuffer file = save.FileImage;
  int32_t pos = offsets.ActivePlayerPos;
  WriteInt(file, pos, chosenPlayer);
  pos = offsets.FlagBytePos;
  WriteByte(file, pos, 0);
  pos = offsets.GameTypePos;
  WriteInt(file, pos, SinglePlayerGameType);
  if (!DemoteHumans(save, file, offsets.SlotStatusPos, chosenPlayer) ||
      !DemoteHumans(save, file, offsets.SlotStatus2Pos, chosenPlayer)) {
    return WriteError{"A slot status list of the header runs past the header; nothing was changed."};
  }
  return file;
}

std::optional<std::string> WriteFileReplacing(const std::filesystem::path& target, std::span<const uint8_t> bytes) {
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  std::random_device seed;
  const std::filesystem::path temp =
      folder / ("." + target.filename().string() + ".tmp" + std::to_string(seed() % 1000000));
  std::FILE* file = std::fopen(temp.c_str(), "wb");
  if (!file) return "Cannot create a file in " + folder.string() + ": " + std::strerror(errno) + ".";
  const size_t written = std::fwrite(bytes.data(), 1, bytes.size(), file);
  const bool flushed = std::fflush(file) == 0 && ::fsync(fileno(file)) == 0;
  const int writeErrno = errno;
  const bool closed = std::fclose(file) == 0;
  std::error_code ec;
  if (written != bytes.size() || !flushed || !closed) {
    std::filesystem::remove(temp, ec);
    return "Writing " + target.string() + " failed after " + std::to_string(written) + " of " +
           std::to_string(bytes.size()) + " bytes: " + std::strerror(writeErrno) + "; the file was not changed.";
  }
  std::filesystem::rename(temp, target, ec);
  if (ec) {
    const std::string why = ec.message();
    std::filesystem::remove(temp, ec);
    return "Cannot replace " + target.string() + ": " + why + ".";
  }
  return std::nullopt;
}

}  // namespace orv5
