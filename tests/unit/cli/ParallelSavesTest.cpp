// Work over many saves on every core: results in the order given, refusals in their turn,
// exceptions where one file at a time would have thrown them, and the commands printing what
// one call per file prints.
#include <gtest/gtest.h>
#include <unistd.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <random>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "cli/Commands.h"
#include "cli/ParallelSaves.h"
#include "cli/ReportCommand.h"

namespace orv5 {
namespace {

TEST(RunInOrder, EmitsEveryItemOnceInOrderAfterItsWorkAndKeepsWorkersClose) {
  constexpr size_t Count = 60;
  for (unsigned workers : {1u, 2u, 3u}) {
    std::mutex mutex;
    std::vector<bool> worked(Count, false);
    std::vector<size_t> emitted;
    size_t started = 0;
    size_t furthestAhead = 0;
    std::mt19937 random(workers);
    std::vector<int> pauses(Count);
    for (int& pause : pauses) pause = static_cast<int>(random() % 300);
    RunInOrder(
        Count, workers,
        [&](size_t item, unsigned worker) {
          EXPECT_LT(worker, workers);
          {
            std::lock_guard lock(mutex);
            ++started;
            furthestAhead = std::max(furthestAhead, started - emitted.size());
          }
          std::this_thread::sleep_for(std::chrono::microseconds(pauses[item]));
          std::lock_guard lock(mutex);
          worked[item] = true;
        },
        [&](size_t item) {
          std::lock_guard lock(mutex);
          EXPECT_TRUE(worked[item]) << item;
          emitted.push_back(item);
        });
    ASSERT_EQ(emitted.size(), Count);
    for (size_t i = 0; i < Count; ++i) EXPECT_EQ(emitted[i], i);
    EXPECT_LE(furthestAhead, 2 * workers) << "results waiting to be emitted stay few";
  }
}

TEST(RunInOrder, OneWorkerRunsOnTheCallingThread) {
  const auto caller = std::this_thread::get_id();
  RunInOrder(
      3, 1, [&](size_t, unsigned) { EXPECT_EQ(std::this_thread::get_id(), caller); },
      [&](size_t) { EXPECT_EQ(std::this_thread::get_id(), caller); });
}

TEST(RunInOrder, AnExceptionComesWhereOneFileAtATimeWouldThrowIt) {
  for (unsigned workers : {1u, 2u, 4u}) {
    std::vector<size_t> emitted;
    try {
      RunInOrder(
          40, workers,
          [](size_t item, unsigned) {
            if (item == 7 || item == 20) throw std::runtime_error("item " + std::to_string(item));
          },
          [&](size_t item) { emitted.push_back(item); });
      ADD_FAILURE() << "no exception";
    } catch (const std::runtime_error& error) {
      EXPECT_STREQ(error.what(), "item 7");
    }
    EXPECT_EQ(emitted.size(), 7u) << workers << " workers";
  }
}

class ParallelCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / ("orv5-parallel-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
    const std::string demo = ORV5_SOURCE_DIR "/examples/demo.Orv5Save";
    const std::string empty = Write("empty.Orv5Save", "");
    const std::string text = Write("notes.Orv5Save", "notes, not a save");
    files_ = {demo, empty, demo, text, demo, (folder_ / "missing.Orv5Save").string(), demo};
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string Write(const std::string& name, const std::string& bytes) {
    const auto path = folder_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
  }

  std::filesystem::path folder_;
  std::vector<std::string> files_;
};

using Command = std::function<int(const std::vector<std::string>&, std::ostream&, std::ostream&)>;

// Many files in one call print what one call per file prints, one after the other.
void ExpectSameAsOneCallPerFile(const Command& run, const std::vector<std::string>& files, const char* name) {
  std::string out, err;
  int status = 0;
  for (const std::string& file : files) {
    std::ostringstream oneOut, oneErr;
    status = std::max(status, run({file}, oneOut, oneErr));
    out += oneOut.str();
    err += oneErr.str();
  }
  std::ostringstream allOut, allErr;
  EXPECT_EQ(run(files, allOut, allErr), status) << name;
  EXPECT_TRUE(allOut.str() == out) << name;
  EXPECT_EQ(allErr.str(), err) << name;
}

TEST_F(ParallelCommands, InfoReloadsAndReportPrintWhatOneCallPerFilePrints) {
  ExpectSameAsOneCallPerFile(RunInfoCommand, files_, "info");
  ExpectSameAsOneCallPerFile(RunReloadsCommand, files_, "reloads");
  ExpectSameAsOneCallPerFile(
      [](const std::vector<std::string>& files, std::ostream& out, std::ostream& err) {
        ReportOptions options;
        options.Files = files;
        return RunReportCommand(options, out, err);
      },
      files_, "report");
}

TEST_F(ParallelCommands, AFolderStandsForItsSavesInEveryReadingCommand) {
  const auto saves = folder_ / "saves";
  std::filesystem::create_directories(saves / "deeper");
  for (const char* name : {"b.Orv5Save", "a.ORV5SAVE", "deeper/c.Orv5Save"}) {
    std::filesystem::copy_file(files_[0], saves / name);
  }
  std::ofstream(saves / "notes.txt") << "not a save";
  const std::vector<std::string> byName = {(saves / "a.ORV5SAVE").string(), (saves / "b.Orv5Save").string()};
  const Command report = [](const std::vector<std::string>& files, std::ostream& out, std::ostream& err) {
    ReportOptions options;
    options.Files = files;
    return RunReportCommand(options, out, err);
  };
  for (const auto& [name, run] : std::vector<std::pair<const char*, Command>>{
           {"info", RunInfoCommand}, {"json", RunJsonCommand}, {"reloads", RunReloadsCommand}, {"report", report}}) {
    std::ostringstream folderOut, folderErr, filesOut, filesErr;
    EXPECT_EQ(run({saves.string()}, folderOut, folderErr), 0) << name;
    EXPECT_EQ(run(byName, filesOut, filesErr), 0) << name;
    EXPECT_TRUE(folderOut.str() == filesOut.str()) << name << ": the folder's saves by name, not its subfolders";
    EXPECT_EQ(folderErr.str(), "") << name;

    std::ostringstream emptyOut, emptyErr;
    EXPECT_EQ(run({(saves / "deeper" / "..").string(), (folder_ / "nothing").string()}, emptyOut, emptyErr), 1) << name;
    std::filesystem::create_directories(folder_ / "none");
    std::ostringstream noneOut, noneErr;
    EXPECT_EQ(run({(folder_ / "none").string()}, noneOut, noneErr), 1) << name;
    EXPECT_NE(noneErr.str().find("no *.Orv5Save files in this folder"), std::string::npos) << name;
  }
  std::filesystem::remove(saves / "b.Orv5Save");
  std::ostringstream out, err;
  RunJsonCommand({saves.string()}, out, err);
  EXPECT_TRUE(nlohmann::json::parse(out.str()).is_array()) << "a folder of one save still gives an array";
}

TEST_F(ParallelCommands, ReportJsonListsEveryFileInOrderWithItsRefusal) {
  ReportOptions options;
  options.Files = files_;
  options.Json = true;
  options.Tabs = {"BaseTab"};
  std::ostringstream out, err;
  EXPECT_EQ(RunReportCommand(options, out, err), 1);
  const nlohmann::json report = nlohmann::json::parse(out.str());
  ASSERT_EQ(report["files"].size(), files_.size());
  for (size_t i = 0; i < files_.size(); ++i) {
    EXPECT_EQ(report["files"][i]["path"], files_[i]);
    EXPECT_EQ(report["files"][i].contains("error"), i == 1 || i == 3 || i == 5) << i;
  }
  std::ostringstream expectedErr;
  for (size_t i : {1, 3, 5}) {
    std::ostringstream oneOut, oneErr;
    RunInfoCommand({files_[i]}, oneOut, oneErr);
    expectedErr << oneErr.str();
  }
  EXPECT_EQ(err.str(), expectedErr.str());
}

TEST_F(ParallelCommands, EachWorkerAnalysesOnOneThreadAndReusesItsBuffers) {
  std::mutex mutex;
  int reused = 0;
  std::vector<const uint8_t*> images;
  MapSaves<int>(
      std::vector<std::string>(8, files_[0]),
      [&](const std::string&, const SaveContainer& save, AnalysisThreads threads) {
        EXPECT_EQ(threads, AnalysisThreads::One) << "a save analysed on the worker's thread alone";
        std::lock_guard lock(mutex);
        if (std::find(images.begin(), images.end(), save.SaveImage.data()) != images.end()) ++reused;
        images.push_back(save.SaveImage.data());
        return 0;
      },
      [&](const std::string&, SaveOutcome<int>&) {}, 2);
  EXPECT_GE(reused, 6) << "after its first save a worker loads into the buffers of its last";
}

}  // namespace
}  // namespace orv5
