// orv5 json: the analysis as JSON, one object per file.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cli/Commands.h"
#include "tests/support/BodySections.h"
#include "tests/support/HeaderBuilder.h"

namespace orv5::testing {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

class JsonCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("orv5-json-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                           "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string Write(const std::string& name, const Bytes& bytes) {
    const fs::path path = folder_ / name;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    return path.string();
  }

  static Bytes ExampleSave() {
    SyntheticSave synthetic = MakeSave(Layout::QEL, 8);
    WriteReplayLog(synthetic.Sections, 8, {{0, "Session 2 starts"}, {3, "Kraków is founded."}}, 3);
    std::vector<HistoryPoints> datasets(27);
    datasets[0] = {{0, 4}, {1, 0}, {12, 36}};
    WriteHistoryBlock(synthetic.Sections, datasets);
    std::array<int32_t, 64> influence{};
    influence[2] = 3500;
    influence[5] = 6100;
    WriteRelationBlock(synthetic.Sections, 38, 2500, influence);
    return synthetic.File();
  }

  fs::path folder_;
};

TEST_F(JsonCommand, OneFileGivesOneObjectWithTheParserNames) {
  const std::string path = Write("a.Orv5Save", ExampleSave());
  std::ostringstream out, err;
  ASSERT_EQ(RunJsonCommand({path}, out, err), 0);
  EXPECT_EQ(err.str(), "");
  const json doc = json::parse(out.str());
  ASSERT_TRUE(doc.is_object());
  EXPECT_EQ(doc["SaveVersion"], 8);
  EXPECT_EQ(doc["GameVersionText"], "1.0.3.144");
  EXPECT_EQ(doc["IsQEL"], -1);
  EXPECT_EQ(doc["load"]["Path"], path);
  EXPECT_TRUE(doc["load"]["HasBody"].get<bool>());
  EXPECT_EQ(doc["diagnostics"][0]["Step"], "header");
  ASSERT_EQ(doc["Leaders"].size(), 25u);
  const json& first = doc["Leaders"][0];
  for (const char* field : {"LeaderName", "CivName", "Trait", "CivIndex", "LeaderIndex", "Slot", "Status", "IsMinorCiv"}) {
    EXPECT_TRUE(first.contains(field)) << field;
  }
  EXPECT_EQ(first["LeaderName"], "Napoleon");
  EXPECT_EQ(doc["ReplayMessages"][1], (json{{"Turn", 3}, {"Text", "Kraków is founded."}}));
  EXPECT_EQ(doc["SessionCount"], 3);
  EXPECT_EQ(doc["PreSessionCount"], 1);
  EXPECT_EQ(doc["FinalScore"], 1800);
}

TEST_F(JsonCommand, TablesHoldOnlyTheirNonZeroEntries) {
  std::ostringstream out, err;
  ASSERT_EQ(RunJsonCommand({Write("a.Orv5Save", ExampleSave())}, out, err), 0);
  const json doc = json::parse(out.str());
  EXPECT_EQ(doc["HistoryTable"], (json{{"0", {{"0", {{"0", 4}, {"12", 36}}}}}}));
  EXPECT_EQ(doc["MinorInfluence"], (json{{"0", {{"2", 3500}, {"5", 6100}}}}));
  EXPECT_EQ(doc["MinorFriend"], (json{{"0", {{"2", -1}}}}));
  EXPECT_EQ(doc["MinorAlly"], (json{{"0", {{"5", -1}}}}));
}

TEST_F(JsonCommand, SeveralFilesGiveAnArrayAndAFailureStillPrintsTheOthers) {
  const std::string good = Write("good.Orv5Save", ExampleSave());
  const std::string missing = (folder_ / "missing.Orv5Save").string();
  std::ostringstream out, err;
  EXPECT_NE(RunJsonCommand({good, missing, good}, out, err), 0);
  EXPECT_NE(err.str().find("missing.Orv5Save"), std::string::npos);
  const json doc = json::parse(out.str());
  ASSERT_TRUE(doc.is_array());
  EXPECT_EQ(doc.size(), 2u);
  EXPECT_EQ(doc[1]["LeaderCount"], 25);
}

TEST_F(JsonCommand, AnUnreadableSingleFilePrintsNothingAndFails) {
  std::ostringstream out, err;
  EXPECT_NE(RunJsonCommand({(folder_ / "none.Orv5Save").string()}, out, err), 0);
  EXPECT_EQ(out.str(), "");
  EXPECT_NE(err.str(), "");
}

TEST_F(JsonCommand, TextsThatAreNotUtf8StillGiveValidJson) {
  SyntheticSave synthetic = MakeSave(Layout::QEL, 8);
  synthetic.Header.UserName = "Gr\xFC\xDF";  // Latin-1 bytes
  std::ostringstream out, err;
  ASSERT_EQ(RunJsonCommand({Write("latin.Orv5Save", synthetic.File())}, out, err), 0);
  const json doc = json::parse(out.str());
  EXPECT_EQ(doc["UserName"], "Gr\uFFFD\uFFFD");
}

}  // namespace
}  // namespace orv5::testing
