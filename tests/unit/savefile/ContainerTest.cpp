// The container: finding the stream, joining chunks, inflating, the image layout, limits.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "savefile/Container.h"
#include "tests/support/SaveBuilder.h"

namespace orv5 {
namespace {

using testing::BuildContainer;
using testing::Bytes;
using testing::ByteWriter;
using testing::ContainerOptions;

Bytes Body(size_t size) { return testing::PatternedBytes(size); }

SaveContainer LoadOk(const Bytes& file) {
  LoadResult result = LoadSaveFromBytes(file);
  if (auto* error = std::get_if<LoadError>(&result)) ADD_FAILURE() << error->Message;
  return std::get_if<SaveContainer>(&result) ? std::get<SaveContainer>(std::move(result)) : SaveContainer{};
}

std::string LoadFails(const Bytes& file) {
  LoadResult result = LoadSaveFromBytes(file);
  if (std::holds_alternative<SaveContainer>(result)) {
    ADD_FAILURE() << "load succeeded";
    return {};
  }
  return std::get<LoadError>(result).Message;
}

TEST(ContainerImage, LaysOutHeaderMarkerBodyAndTail) {
  const Bytes header = testing::MagicHeader({1, 2, 3, 4, 5, 6});
  const Bytes body = Body(200000);
  ContainerOptions options;
  options.Tail = {9, 9, 9};
  const SaveContainer save = LoadOk(BuildContainer(header, body, options));

  EXPECT_EQ(save.BodyStart, static_cast<int32_t>(header.size()) + 4);
  EXPECT_EQ(save.BodyLength, static_cast<int32_t>(body.size()));
  EXPECT_EQ(save.ChunkCount, (save.PackedLength + 65535) / 65536);
  EXPECT_EQ(save.TailLength, 7);  // the terminator word and three bytes
  EXPECT_EQ(save.ImageLength, save.BodyStart + save.BodyLength + save.TailLength);
  EXPECT_EQ(std::memcmp(save.SaveImage.data(), header.data(), header.size()), 0);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(save.SaveImage.data()) + save.BodyStart - 4, 4), "BODY");
  EXPECT_EQ(std::memcmp(save.SaveImage.data() + save.BodyStart, body.data(), body.size()), 0);
  EXPECT_EQ(save.SaveImage[save.ImageLength - 1], 9);
  EXPECT_TRUE(save.StreamFinished);
  EXPECT_TRUE(save.HasTerminator);
  // The header in the image sits where it sits in the file, so header offsets edit the file.
  EXPECT_EQ(std::memcmp(save.FileImage.data(), header.data(), header.size()), 0);
}

TEST(ContainerImage, KeepsAllOutputOfAStreamWithoutFinalBlock) {
  const Bytes body = Body(300000);
  ContainerOptions options;
  options.FinishStream = false;
  const SaveContainer save = LoadOk(BuildContainer(testing::MagicHeader(), body, options));
  EXPECT_FALSE(save.StreamFinished);
  EXPECT_EQ(save.BodyLength, static_cast<int32_t>(body.size()));
}

TEST(ContainerImage, ChunkListRunningToEndOfFileHasEmptyTail) {
  ContainerOptions options;
  options.WriteTerminator = false;
  const SaveContainer save = LoadOk(BuildContainer(testing::MagicHeader(), Body(1000), options));
  EXPECT_EQ(save.TailLength, 0);
  EXPECT_FALSE(save.HasTerminator);
  EXPECT_EQ(save.ImageLength, save.BodyStart + save.BodyLength);
}

TEST(ContainerImage, TailLargerThanTheOldBufferIsKeptWhole) {
  ContainerOptions options;
  options.Tail = Bytes(41000, 0x55);
  const SaveContainer save = LoadOk(BuildContainer(testing::MagicHeader(), Body(1000), options));
  EXPECT_EQ(save.TailLength, 41004);
  EXPECT_EQ(save.TailBytes.size(), 41004u);
}

TEST(ContainerChunks, LengthOfOneZeroOrNegativeEndsTheList) {
  for (int32_t terminator : {1, 0, -1, -65536}) {
    ContainerOptions options;
    options.TerminatorValue = terminator;
    options.Tail = {1, 2};
    const SaveContainer save = LoadOk(BuildContainer(testing::MagicHeader(), Body(5000), options));
    EXPECT_EQ(save.TailLength, 6) << terminator;
    int32_t word = 0;
    std::memcpy(&word, save.TailBytes.data(), 4);
    EXPECT_EQ(word, terminator);  // the word that ended the list begins the tail
  }
}

TEST(ContainerChunks, ManySmallChunksJoinIntoOneStream) {
  ContainerOptions options;
  options.ChunkSize = 100;
  const Bytes body = Body(50000);
  const SaveContainer save = LoadOk(BuildContainer(testing::MagicHeader(), body, options));
  EXPECT_GT(save.ChunkCount, 10);
  EXPECT_EQ(save.BodyLength, static_cast<int32_t>(body.size()));
}

TEST(ContainerChunks, ChunkRunningPastTheFileIsRefused) {
  Bytes file = BuildContainer(testing::MagicHeader(), Body(5000));
  file.resize(file.size() - 10);  // cut inside the last chunk; the terminator is gone
  EXPECT_NE(LoadFails(file).find("claims"), std::string::npos);
}

// Files below the smallest header are refused before any search, so these pad to it.
Bytes PaddedTo(Bytes bytes, size_t size) {
  bytes.resize(std::max(bytes.size(), size), 0);
  return bytes;
}

TEST(ContainerStream, StreamAtOffsetEightIsInflatedAtSevenIsNot) {
  ContainerOptions padded;
  padded.Tail = Bytes(MinSaveLength, 0);
  const SaveContainer at8 = LoadOk(BuildContainer(Bytes{'O', 'R', 'V', '5'}, Body(100), padded));
  EXPECT_EQ(at8.BodyStart, 8);
  EXPECT_EQ(at8.BodyLength, 100);

  const SaveContainer at7 = LoadOk(PaddedTo({'O', 'R', 'V', '5', 0, 0, 0, 0x78, 0x9C, 1}, MinSaveLength));
  EXPECT_EQ(at7.BodyStart, -1);
  EXPECT_EQ(at7.BodyLength, 0);
}

TEST(ContainerStream, FileWithoutStreamKeepsItsOwnBytesAsImage) {
  const Bytes file = PaddedTo({'O', 'R', 'V', '5', 7, 0, 0, 0, 1, 2, 3, 4, 5}, MinSaveLength);
  const SaveContainer save = LoadOk(file);
  EXPECT_EQ(save.BodyStart, -1);
  EXPECT_EQ(save.ImageLength, static_cast<int32_t>(file.size()));
  EXPECT_TRUE(std::equal(file.begin(), file.end(), save.SaveImage.begin(), save.SaveImage.end()));
  EXPECT_FALSE(save.HasBody());
}

TEST(ContainerStream, TinyFilesAreRefusedBeforeAnySearch) {
  EXPECT_NE(LoadFails(Bytes{0x78, 0x9C, 0}).find("shorter than the smallest header"), std::string::npos);
  EXPECT_NE(LoadFails(Bytes{}).find("it is 0 bytes long"), std::string::npos);
}

TEST(ContainerStream, LastThreeBytesAreNeverTested) {
  EXPECT_EQ(FindBodyStart(Bytes{1, 2, 3, 4, 0x78, 0x9C, 0}), -1);
  EXPECT_EQ(FindBodyStart(Bytes{1, 2, 3, 0x78, 0x9C, 0, 0}), 3);
  EXPECT_EQ(FindBodyStart(Bytes{0x78, 0x78, 0x9C, 0, 0}), 1);
}

TEST(ContainerStream, CorruptStreamReportsZlibsMessage) {
  Bytes file = BuildContainer(testing::MagicHeader(), Body(5000));
  file[10] ^= 0xFF;  // inside the deflate data, after the two header bytes
  file[11] ^= 0xFF;
  file[12] ^= 0xFF;
  const std::string message = LoadFails(file);
  EXPECT_NE(message.find("zlib"), std::string::npos) << message;
}

TEST(ContainerLimits, FileAboveTheLimitIsRefused) {
  Bytes file(FileLimit + 1, 0);
  EXPECT_NE(LoadFails(file).find("8,000,001"), std::string::npos);
}

TEST(ContainerLimits, ZipBombIsRefusedAtTheImageLimit) {
  // 600 MB of zeros deflate to about 600 KB; the image would pass 500,000,001 bytes.
  const Bytes packed = testing::DeflateZeros(600);

  ByteWriter file;
  file.Raw("ORV5").Int(static_cast<int32_t>(packed.size())).Raw(packed).Int(0);
  EXPECT_NE(LoadFails(file.Take()).find("500,000,001"), std::string::npos);
}

TEST(ContainerLimits, InflationStopsAtTheGivenLimit) {
  const Bytes packed = testing::Deflate(Bytes(5000, 1), true);
  const InflateResult fits = InflateStream(packed, ByteBuffer{}, 5000, 10);
  EXPECT_TRUE(fits.Error.empty());
  EXPECT_EQ(fits.Data.size(), 5000u);
  const InflateResult tooLong = InflateStream(packed, ByteBuffer{}, 4999, 10);
  EXPECT_FALSE(tooLong.Error.empty());
  EXPECT_LE(tooLong.Data.size(), 4999u);
}

// Buffers from LargeBufferBytes on live in memory of their own: growing into it, copying,
// shrinking and growing again within the room keep every byte, and a buffer handed to the next
// load is filled in place.
TEST(ContainerBuffers, LargeBuffersKeepTheirBytesAndAreReused) {
  ByteBuffer buffer(LargeBufferBytes / 2);
  for (size_t i = 0; i < buffer.size(); ++i) buffer[i] = static_cast<uint8_t>(i * 7);
  buffer.resize(2 * LargeBufferBytes + 3);
  for (size_t i = 0; i < LargeBufferBytes / 2; ++i) ASSERT_EQ(buffer[i], static_cast<uint8_t>(i * 7)) << i;
  const ByteBuffer copy = buffer;
  EXPECT_TRUE(copy == buffer);
  const uint8_t* room = buffer.data();
  buffer.resize(10);
  buffer.resize(2 * LargeBufferBytes);
  EXPECT_EQ(buffer.data(), room);
  EXPECT_EQ(buffer[9], static_cast<uint8_t>(9 * 7));

  ContainerOptions options;
  options.Tail = {4, 5, 6};
  const Bytes file = BuildContainer(testing::MagicHeader({1, 2, 3}), Body(LargeBufferBytes), options);
  const auto path = std::filesystem::temp_directory_path() / ("orv5-buffers-" + std::to_string(::getpid()));
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()), file.size());
  const SaveContainer fresh = LoadOk(file);
  LoadResult first = LoadSave(path);
  ASSERT_TRUE(std::holds_alternative<SaveContainer>(first));
  const uint8_t* image = std::get<SaveContainer>(first).SaveImage.data();
  LoadResult again = LoadSave(path, std::get<SaveContainer>(std::move(first)));
  std::filesystem::remove(path);
  ASSERT_TRUE(std::holds_alternative<SaveContainer>(again));
  EXPECT_EQ(std::get<SaveContainer>(again).SaveImage.data(), image) << "the image is filled in place";
  EXPECT_TRUE(std::get<SaveContainer>(again).SaveImage == fresh.SaveImage);
}

TEST(ContainerFiles, MissingFileGivesAMessage) {
  LoadResult result = LoadSave("/nonexistent/folder/x.Orv5Save");
  ASSERT_TRUE(std::holds_alternative<LoadError>(result));
  EXPECT_NE(std::get<LoadError>(result).Message.find("Cannot open"), std::string::npos);
}

}  // namespace
}  // namespace orv5
