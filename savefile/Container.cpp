#include "savefile/Container.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <fstream>
#include <optional>
#include <system_error>

#include "savefile/ImageReader.h"

namespace orv5 {

std::string GroupDigits(int64_t value) {
  std::string digits = std::to_string(value);
  for (int i = static_cast<int>(digits.size()) - 3; i > (value < 0 ? 1 : 0); i -= 3) digits.insert(i, ",");
  return digits;
}

namespace {

constexpr char BodyMarker[4] = {'B', 'O', 'D', 'Y'};
// Real bodies inflate to 20-40 times their packed size; starting there avoids regrowth.
constexpr size_t InflateGrowthGuess = 40;

LoadError TooLarge(const char* what, int64_t size, int64_t limit) {
  return {std::string(what) + " is " + GroupDigits(size) + " bytes long; the limit is " + GroupDigits(limit) +
          " bytes."};
}

double FileModificationTime(const std::filesystem::path& path) {
  std::error_code ec;
  const auto stamp = std::filesystem::last_write_time(path, ec);
  if (ec) return 0;
#if defined(_LIBCPP_VERSION)
  // libc++ (the web build's) counts file times from 1970 already, and has no to_sys yet.
  return std::chrono::duration<double>(stamp.time_since_epoch()).count();
#else
  const auto sys = std::chrono::file_clock::to_sys(stamp);
  return std::chrono::duration<double>(sys.time_since_epoch()).count();
#endif
}

// Where the chunk list ends, and what it joined.
struct ChunkList {
  int32_t Terminator = 0;  // offset of the word that ended the list
  int32_t Count = 0;
  ByteBuffer Packed;
};

// `packed` is a spare buffer for the joined stream, which is never longer than the file.
std::variant<ChunkList, LoadError> JoinChunks(std::span<const uint8_t> file, int32_t firstLengthWord,
                                              ByteBuffer packed) {
  ChunkList list;
  list.Packed = std::move(packed);
  list.Packed.clear();
  list.Packed.reserve(file.size());
  const ImageReader reader(file);
  int64_t r = firstLengthWord;
  for (;;) {
    // A list that runs to the end of the file reads a zero word there, which ends it.
    const int32_t length = reader.IntAt(static_cast<int32_t>(r));
    if (length <= 1) break;
    const int64_t remaining = static_cast<int64_t>(file.size()) - (r + 4);
    if (length > remaining) {
      return LoadError{"The chunk at offset " + GroupDigits(r) + " claims " + GroupDigits(length) +
                       " bytes, but only " + GroupDigits(std::max<int64_t>(remaining, 0)) + " remain in the file."};
    }
    if (length > PackedLimit - static_cast<int64_t>(list.Packed.size())) {
      return TooLarge("The joined compressed stream", static_cast<int64_t>(list.Packed.size()) + length, PackedLimit);
    }
    const uint8_t* data = file.data() + r + 4;
    list.Packed.insert(list.Packed.end(), data, data + length);
    ++list.Count;
    r += 4 + static_cast<int64_t>(length);
  }
  list.Terminator = static_cast<int32_t>(r);
  return list;
}

void CopyWholeFileAsImage(SaveContainer& save) {
  save.BodyStart = -1;
  save.SaveImage = save.FileImage;
  save.ImageLength = save.FileLength;
}

// `spent` lends its buffers to the joined stream and the image.
std::variant<SaveContainer, LoadError> BuildImage(SaveContainer save, SaveContainer&& spent) {
  const std::span<const uint8_t> file(save.FileImage.data(), save.FileImage.size());
  auto joined = JoinChunks(file, save.BodyStart - 4, std::move(spent.PackedBody));
  if (auto* error = std::get_if<LoadError>(&joined)) return *error;
  ChunkList& chunks = std::get<ChunkList>(joined);

  const int32_t n = save.FileLength;
  const int32_t tailStart = std::min(chunks.Terminator, n);
  save.ChunkCount = chunks.Count;
  save.HasTerminator = static_cast<int64_t>(chunks.Terminator) + 4 <= n;
  save.PackedBody = std::move(chunks.Packed);
  save.PackedLength = static_cast<int32_t>(save.PackedBody.size());
  save.TailBytes.assign(save.FileImage.begin() + tailStart, save.FileImage.end());
  save.TailLength = static_cast<int32_t>(save.TailBytes.size());

  ByteBuffer header = std::move(spent.SaveImage);
  header.assign(save.FileImage.begin(), save.FileImage.begin() + save.BodyStart);
  std::memcpy(header.data() + save.BodyStart - 4, BodyMarker, 4);
  const int64_t bodyLimit = ImageLimit - save.TailLength;
  // Room for the tail too, so that appending it does not move the image.
  const size_t expected = save.BodyStart + save.PackedBody.size() * InflateGrowthGuess + save.TailBytes.size();
  InflateResult inflated =
      InflateStream({save.PackedBody.data(), save.PackedBody.size()}, std::move(header), bodyLimit, expected);
  if (!inflated.Error.empty()) return LoadError{inflated.Error};

  save.SaveImage = std::move(inflated.Data);
  save.StreamFinished = inflated.Finished;
  save.BodyLength = static_cast<int32_t>(save.SaveImage.size()) - save.BodyStart;
  save.SaveImage.insert(save.SaveImage.end(), save.TailBytes.begin(), save.TailBytes.end());
  save.ImageLength = static_cast<int32_t>(save.SaveImage.size());
  return save;
}

}  // namespace

int32_t FindBodyStart(std::span<const uint8_t> file) {
  if (file.size() < 4) return -1;
  const uint8_t* begin = file.data();
  const uint8_t* last = begin + (file.size() - 4);  // last offset tested
  for (const uint8_t* p = begin; p <= last;) {
    const void* hit = std::memchr(p, 0x78, static_cast<size_t>(last - p) + 1);
    if (!hit) break;
    p = static_cast<const uint8_t*>(hit);
    if (p[1] == 0x9C) return static_cast<int32_t>(p - begin);
    ++p;
  }
  return -1;
}

namespace {

// A file that is not a save gets a message saying why, before anything is decoded.
std::optional<LoadError> RefuseNonSave(std::span<const uint8_t> bytes) {
  if (bytes.size() >= sizeof SaveMagic && std::memcmp(bytes.data(), SaveMagic, sizeof SaveMagic) != 0)
    return LoadError{"not an Orv5 save: it does not start with ORV5"};
  if (static_cast<int64_t>(bytes.size()) < MinSaveLength) {
    return LoadError{"not an Orv5 save: it is " + GroupDigits(static_cast<int64_t>(bytes.size())) +
                     " bytes long, shorter than the smallest header (" + GroupDigits(MinSaveLength) + " bytes)"};
  }
  return std::nullopt;
}

LoadResult LoadFromBuffer(ByteBuffer bytes, std::string path, SaveContainer&& spent) {
  if (static_cast<int64_t>(bytes.size()) > FileLimit)
    return TooLarge("The file", static_cast<int64_t>(bytes.size()), FileLimit);
  if (auto refused = RefuseNonSave({bytes.data(), bytes.size()})) return *refused;
  SaveContainer save;
  save.Path = std::move(path);
  save.FileImage = std::move(bytes);
  save.FileLength = static_cast<int32_t>(save.FileImage.size());
  save.BodyStart = FindBodyStart({save.FileImage.data(), save.FileImage.size()});
  if (save.BodyStart < MinBodyStart) {
    // No body to inflate: the header can still be read from the file's own bytes.
    CopyWholeFileAsImage(save);
    return save;
  }
  auto built = BuildImage(std::move(save), std::move(spent));
  if (auto* error = std::get_if<LoadError>(&built)) return *error;
  return std::move(std::get<SaveContainer>(built));
}

}  // namespace

LoadResult LoadSaveFromBytes(std::span<const uint8_t> bytes, std::string path) {
  if (static_cast<int64_t>(bytes.size()) > FileLimit)
    return TooLarge("The file", static_cast<int64_t>(bytes.size()), FileLimit);
  return LoadFromBuffer(ByteBuffer(bytes.begin(), bytes.end()), std::move(path), SaveContainer{});
}

LoadResult LoadSave(const std::filesystem::path& path) { return LoadSave(path, SaveContainer{}); }

LoadResult LoadSave(const std::filesystem::path& path, SaveContainer&& spent) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  if (ec) return LoadError{"Cannot open \"" + path.string() + "\": " + ec.message() + "."};
  if (static_cast<int64_t>(size) > FileLimit) return TooLarge("The file", static_cast<int64_t>(size), FileLimit);
  std::ifstream in(path, std::ios::binary);
  if (!in) return LoadError{"Cannot open \"" + path.string() + "\" for reading."};
  ByteBuffer bytes = std::move(spent.FileImage);
  bytes.resize(size);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
  bytes.resize(static_cast<size_t>(in.gcount()));
  if (in.bad()) return LoadError{"Reading \"" + path.string() + "\" failed."};
  auto result = LoadFromBuffer(std::move(bytes), path.string(), std::move(spent));
  if (auto* save = std::get_if<SaveContainer>(&result)) save->FileDate = FileModificationTime(path);
  return result;
}

}  // namespace orv5
