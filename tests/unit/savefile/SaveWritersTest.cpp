// The save writers: Cure, the image file, Make Single, and replacing a file safely.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

#include "savefile/ImageReader.h"
#include "savefile/SaveWriters.h"
#include "tests/support/SaveBuilder.h"

namespace orv5 {
namespace {

using testing::Bytes;
using testing::ByteWriter;

SaveContainer Load(const Bytes& file) {
  LoadResult result = LoadSaveFromBytes(file);
  if (auto* error = std::get_if<LoadError>(&result)) ADD_FAILURE() << error->Message;
  return std::get_if<SaveContainer>(&result) ? std::get<SaveContainer>(std::move(result)) : SaveContainer{};
}

Bytes Noise(size_t size, uint32_t seed) {
  std::mt19937 random(seed);
  Bytes bytes(size);
  for (auto& b : bytes) b = static_cast<uint8_t>(random() % 7);
  return bytes;
}

// A body of 400 KB with a reload list of `records` 20-byte records at body offset 1000.
struct CancerSave {
  Bytes File;
  int32_t CancerPos = 0;
};

CancerSave WithCancer(int32_t records) {
  ByteWriter body;
  body.Raw(Noise(1000, 1));
  const size_t countAt = body.Size();
  body.Int(records);
  for (int32_t r = 0; r < records; ++r) body.Int(56).Int(41).Int(0).Int(1).Int(-1);
  body.Raw(Noise(400000, 2));
  testing::ContainerOptions options;
  options.Tail = {7, 7, 7, 7, 7};
  const Bytes header = testing::MagicHeader(Noise(3000, 3));
  CancerSave save;
  save.File = testing::BuildContainer(header, body.Take(), options);
  save.CancerPos = static_cast<int32_t>(header.size() + 4 + countAt);
  return save;
}

SaveContainer Reload(const CureResult& cured) { return Load(Bytes(cured.Bytes.begin(), cured.Bytes.end())); }

TEST(Cure, WithoutCancerRebuildsTheSameBody) {
  const SaveContainer save = Load(WithCancer(0).File);
  auto result = BuildCuredSave(save, 0);
  ASSERT_TRUE(std::holds_alternative<CureResult>(result)) << std::get<WriteError>(result).Message;
  const CureResult& cured = std::get<CureResult>(result);
  EXPECT_EQ(cured.RecordsCut, 0);
  const SaveContainer again = Reload(cured);
  EXPECT_EQ(again.BodyStart, save.BodyStart);
  EXPECT_TRUE(std::equal(again.SaveImage.begin(), again.SaveImage.end(), save.SaveImage.begin(), save.SaveImage.end()));
  EXPECT_TRUE(std::equal(again.TailBytes.begin(), again.TailBytes.end(), save.TailBytes.begin(), save.TailBytes.end()));
  EXPECT_TRUE(again.StreamFinished);
}

TEST(Cure, CutsTheRecordsAndZeroesTheCount) {
  const CancerSave source = WithCancer(3);
  const SaveContainer save = Load(source.File);
  auto result = BuildCuredSave(save, source.CancerPos);
  ASSERT_TRUE(std::holds_alternative<CureResult>(result));
  const CureResult& cured = std::get<CureResult>(result);
  EXPECT_EQ(cured.RecordsCut, 3);
  EXPECT_EQ(cured.BodyLength, save.BodyLength - 60);
  const SaveContainer again = Reload(cured);
  EXPECT_EQ(again.BodyLength, save.BodyLength - 60);
  EXPECT_EQ(ImageReader(again.Image()).IntAt(source.CancerPos), 0);
  // What followed the records now follows the count.
  EXPECT_EQ(
      std::memcmp(again.SaveImage.data() + source.CancerPos + 4, save.SaveImage.data() + source.CancerPos + 64, 1000),
      0);
  // The loaded save is untouched, so a second Cure gives the same file.
  auto second = BuildCuredSave(save, source.CancerPos);
  EXPECT_EQ(std::get<CureResult>(second).Bytes, cured.Bytes);
}

TEST(Cure, ChunksAre65536BytesExceptTheLast) {
  const SaveContainer save = Load(testing::BuildContainer(testing::MagicHeader(), Noise(600000, 9)));
  const CureResult cured = std::get<CureResult>(BuildCuredSave(save, 0));
  const ImageReader file(std::span<const uint8_t>(cured.Bytes.data(), cured.Bytes.size()));
  int32_t pos = save.BodyStart - 4;
  int32_t total = 0;
  for (int32_t chunk = 0; chunk < cured.ChunkCount; ++chunk) {
    const int32_t length = file.ReadInt(pos);
    if (chunk + 1 < cured.ChunkCount) {
      EXPECT_EQ(length, 65536);
    }
    total += length;
    pos += length;
  }
  EXPECT_EQ(total, cured.PackedLength);
  EXPECT_GT(cured.ChunkCount, 2);
}

TEST(Cure, RefusesACountThatDoesNotFitTheBody) {
  const CancerSave source = WithCancer(3);
  SaveContainer save = Load(source.File);
  for (int32_t bad : {-1, 1000000}) {
    ByteBuffer image = save.SaveImage;
    int32_t pos = source.CancerPos;
    WriteInt(image, pos, bad);
    SaveContainer damaged = save;
    damaged.SaveImage = image;
    EXPECT_TRUE(std::holds_alternative<WriteError>(BuildCuredSave(damaged, source.CancerPos))) << bad;
  }
}

TEST(Cure, RefusesSavesWithoutBody) {
  Bytes headerBytes{'O', 'R', 'V', '5', 1, 2, 3, 4, 5, 6, 7, 8};
  headerBytes.resize(MinSaveLength, 0);
  const SaveContainer headerOnly = Load(headerBytes);
  EXPECT_TRUE(std::holds_alternative<WriteError>(BuildCuredSave(headerOnly, 0)));
  EXPECT_TRUE(std::holds_alternative<WriteError>(BuildCuredSave(SaveContainer{}, 0)));
  EXPECT_TRUE(std::holds_alternative<WriteError>(BuildSinglePlayerSave(headerOnly, {}, 0)));
}

TEST(Cure, RefusesARebuiltSaveAboveTheFileLimit) {
  // A body of random bytes does not compress: 8.2 MB of it cannot fit in a save file.
  std::mt19937 random(5);
  SaveContainer save = Load(testing::BuildContainer(testing::MagicHeader(Bytes(MinSaveLength, 0)), Bytes(100, 1)));
  save.SaveImage.resize(save.BodyStart);
  for (int i = 0; i < 8200000; ++i) save.SaveImage.push_back(static_cast<uint8_t>(random()));
  save.BodyLength = 8200000;
  save.ImageLength = static_cast<int32_t>(save.SaveImage.size());
  auto result = BuildCuredSave(save, 0);
  ASSERT_TRUE(std::holds_alternative<WriteError>(result));
  EXPECT_NE(std::get<WriteError>(result).Message.find("8,000,001"), std::string::npos);
}

TEST(ImageFile, IsTheAnalysisImage) {
  const SaveContainer save = Load(WithCancer(1).File);
  const ByteBuffer image = std::get<ByteBuffer>(BuildImageFile(save));
  EXPECT_EQ(image.size(), static_cast<size_t>(save.ImageLength));
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(image.data()) + save.BodyStart - 4, 4), "BODY");
}

// Header: magic, then at 4 the flag byte, 5 game type, 9 active player, 13 a status list of
// three slots, 29 a second list of three slots.
TEST(MakeSingle, KeepsOnlyTheChosenHumanAndMakesASinglePlayerGame) {
  ByteWriter header;
  header.Raw("ORV5").Byte(1).Int(2).Int(1).IntList({3, 3, 3}).IntList({3, 2, 3}).Zeros(MinSaveLength);
  const SaveContainer save = Load(testing::BuildContainer(header.Take(), Bytes(1000, 0)));
  const HeaderEditOffsets offsets{9, 4, 5, 13, 29};
  const ByteBuffer file = std::get<ByteBuffer>(BuildSinglePlayerSave(save, offsets, 0));
  const ImageReader edited(std::span<const uint8_t>(file.data(), file.size()));
  EXPECT_EQ(edited.ByteAt(4), 0);
  EXPECT_EQ(edited.IntAt(5), 0);
  EXPECT_EQ(edited.IntAt(9), 0);
  EXPECT_EQ(edited.IntAt(17), 3);
  EXPECT_EQ(edited.IntAt(21), 1);
  EXPECT_EQ(edited.IntAt(25), 1);
  EXPECT_EQ(edited.IntAt(33), 3);
  EXPECT_EQ(edited.IntAt(37), 2);
  EXPECT_EQ(edited.IntAt(41), 1);
  // The body is untouched and the loaded file is unchanged.
  EXPECT_TRUE(std::equal(file.begin() + 45, file.end(), save.FileImage.begin() + 45));
  EXPECT_EQ(ImageReader(save.Image()).IntAt(21), 3);
}

TEST(MakeSingle, RefusesOffsetsOutsideTheHeader) {
  testing::ContainerOptions padded;
  padded.Tail = Bytes(MinSaveLength, 0);
  const SaveContainer save =
      Load(testing::BuildContainer(testing::MagicHeader(Bytes(40, 0)), Bytes(1000, 0), padded));
  EXPECT_TRUE(std::holds_alternative<WriteError>(BuildSinglePlayerSave(save, {0, 4, 5, 13, 29}, 0)));
  EXPECT_TRUE(std::holds_alternative<WriteError>(BuildSinglePlayerSave(save, {9, 4, 5, 13, 5000}, 0)));
}

class WriteFile : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / ("orv5-writers-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::filesystem::path folder_;
};

TEST_F(WriteFile, ReplacesTheTargetAndLeavesNoTemporaryFile) {
  const auto target = folder_ / "out.Orv5Save";
  std::ofstream(target) << "old";
  const Bytes bytes = {1, 2, 3};
  EXPECT_FALSE(WriteFileReplacing(target, bytes).has_value());
  EXPECT_EQ(std::filesystem::file_size(target), 3u);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 1);
}

TEST_F(WriteFile, FailureLeavesNothingBehind) {
  const Bytes bytes = {1, 2, 3};
  EXPECT_TRUE(WriteFileReplacing(folder_ / "missing" / "out.Orv5Save", bytes).has_value());
  std::filesystem::create_directories(folder_ / "adir" / "inner");
  EXPECT_TRUE(WriteFileReplacing(folder_ / "adir", bytes).has_value());  // a folder is not replaced
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 1);
}

}  // namespace
}  // namespace orv5
