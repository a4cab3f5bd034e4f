// Every real save read the fast way (ISA-L, the body sections on two threads, buffers of
// another save reused, many files on every core) gives exactly what zlib and one thread give:
// the same body, and the same JSON dump byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <sstream>

#include "analysis/Save5Analyse.h"
#include "cli/AnalysisJson.h"
#include "cli/Commands.h"
#include "savefile/Inflate.h"
#include "tests/support/RealSaves.h"
#include "views/ModelJson.h"

namespace orv5 {
namespace {

const char* const kSaves[] = {"base-v5-france-scenario.Orv5Save", "exp1-spain.Orv5Save",      "qel-denmark-duel.Orv5Save",
                              "qel-hotseat-t0.Orv5Save",          "qel-hotseat-t1.Orv5Save",  "qel-hotseat-t26.Orv5Save",
                              "qel-hotseat-t2a.Orv5Save",         "qel-poland-t12.Orv5Save", "header-only-ethiopia.Orv5Save"};

SaveContainer LoadReal(const std::filesystem::path& path, SaveContainer&& spent = {}) {
  LoadResult result = LoadSave(path, std::move(spent));
  if (const auto* error = std::get_if<LoadError>(&result)) ADD_FAILURE() << error->Message;
  return std::get_if<SaveContainer>(&result) ? std::get<SaveContainer>(std::move(result)) : SaveContainer{};
}

// The container as zlib alone builds it: header, "BODY", zlib's body, the tail.
SaveContainer WithZlibBody(const SaveContainer& save) {
  SaveContainer copy = save;
  if (!save.HasBody()) return copy;
  ByteBuffer header(save.SaveImage.begin(), save.SaveImage.begin() + save.BodyStart);
  InflateResult inflated = InflateStreamWithZlib(save.PackedBody, std::move(header), ImageLimit, 0);
  EXPECT_TRUE(inflated.Error.empty()) << inflated.Error;
  copy.SaveImage = std::move(inflated.Data);
  copy.StreamFinished = inflated.Finished;
  copy.BodyLength = static_cast<int32_t>(copy.SaveImage.size()) - save.BodyStart;
  copy.SaveImage.insert(copy.SaveImage.end(), save.TailBytes.begin(), save.TailBytes.end());
  copy.ImageLength = static_cast<int32_t>(copy.SaveImage.size());
  return copy;
}

std::string Dump(const SaveContainer& save, AnalysisThreads threads) {
  return DumpJson(AnalysisJson(save, Save5Analyse(save, threads)), 1);
}

class RealSaveIdentity : public ::testing::TestWithParam<const char*> {};

TEST_P(RealSaveIdentity, IsalAndTwoThreadsGiveZlibsBodyAndOneThreadsAnalysis) {
  ORV5_REQUIRE_REAL_SAVE(path, GetParam());
  const SaveContainer save = LoadReal(path);
  const SaveContainer reference = WithZlibBody(save);
  EXPECT_EQ(save.StreamFinished, reference.StreamFinished);
  ASSERT_EQ(save.ImageLength, reference.ImageLength);
  EXPECT_TRUE(save.Image().size() == reference.Image().size() &&
              std::memcmp(save.Image().data(), reference.Image().data(), save.Image().size()) == 0);
  EXPECT_EQ(Dump(save, AnalysisThreads::Two), Dump(reference, AnalysisThreads::One));
}

// A load into the buffers of a larger and of a smaller save leaves nothing of them behind.
TEST_P(RealSaveIdentity, BuffersOfAnotherSaveLeaveNothingBehind) {
  ORV5_REQUIRE_REAL_SAVE(path, GetParam());
  ORV5_REQUIRE_REAL_SAVE(larger, "exp1-spain.Orv5Save");
  ORV5_REQUIRE_REAL_SAVE(smaller, "header-only-ethiopia.Orv5Save");
  const SaveContainer fresh = LoadReal(path);
  for (const auto& other : {larger, smaller}) {
    const SaveContainer reused = LoadReal(path, LoadReal(other));
    EXPECT_TRUE(reused.SaveImage == fresh.SaveImage) << other;
    EXPECT_TRUE(reused.FileImage == fresh.FileImage) << other;
    EXPECT_TRUE(reused.PackedBody == fresh.PackedBody) << other;
    EXPECT_EQ(Dump(reused, AnalysisThreads::Two), Dump(fresh, AnalysisThreads::Two)) << other;
  }
}

INSTANTIATE_TEST_SUITE_P(RealSaves, RealSaveIdentity, ::testing::ValuesIn(kSaves), [](const auto& info) {
  return testing::RealSaveTestName(info.param);
});

// orv5 json over every real save at once (on every core, each save on one thread) prints what
// one call per save prints (each save on two threads), in the order given, twice over.
TEST(RealSaveBatch, JsonOfAllSavesIsTheJsonOfEachInOrder) {
  std::vector<std::string> files;
  for (const char* name : kSaves) {
    const auto path = testing::RealSave(name);
    if (path.empty()) GTEST_SKIP() << "real saves not available: set ORV5_REAL_SAVES";
    files.push_back(path.string());
  }
  const std::vector<std::string> once = files;
  files.insert(files.end(), once.begin(), once.end());
  std::string expected = "[";
  for (size_t i = 0; i < files.size(); ++i) {
    std::ostringstream one, err;
    ASSERT_EQ(RunJsonCommand({files[i]}, one, err), 0) << err.str();
    expected += (i == 0 ? "\n" : ",\n") + one.str().substr(0, one.str().size() - 1);
  }
  expected += "\n]\n";
  std::ostringstream all, err;
  EXPECT_EQ(RunJsonCommand(files, all, err), 0);
  EXPECT_EQ(err.str(), "");
  const std::string printed = all.str();
  const auto differ = std::mismatch(printed.begin(), printed.end(), expected.begin(), expected.end());
  EXPECT_TRUE(printed == expected) << "first difference at byte " << (differ.first - printed.begin()) << " of "
                                   << printed.size() << " and " << expected.size();
}

}  // namespace
}  // namespace orv5
