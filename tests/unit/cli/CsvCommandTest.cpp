// orv5 csv over synthetic saves and the demo save: one header for all saves, folders, refused
// files, the output file, and the exit statuses of the program.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/CsvCommand.h"
#include "tests/support/BodySections.h"
#include "tests/support/CsvReader.h"
#include "tests/support/HeaderBuilder.h"
#include "tests/support/TempFolder.h"
#include "views/CsvTables.h"

namespace orv5::testing {
namespace {

namespace fs = std::filesystem;

const std::string kTrickyText = "Kraków, the \"old\" capital\nМосква";

class CsvCommand : public ::testing::Test {
 protected:
  std::string Write(const fs::path& relative, const Bytes& bytes) { return temp_.Write(relative, bytes); }

  // A QEL game whose replay log holds a session start and `text`.
  static Bytes SaveWithReplay(const std::string& text) {
    SyntheticSave synthetic = MakeSave(Layout::QEL, 8);
    WriteReplayLog(synthetic.Sections, 8, {{0, "Session 2 starts"}, {3, text}}, 3);
    return synthetic.File();
  }

  static CsvOptions Options(std::vector<std::string> files, std::string table = "replay") {
    CsvOptions options;
    options.Files = std::move(files);
    options.Table = std::move(table);
    return options;
  }

  static std::vector<std::vector<std::string>> Parsed(const std::string& text) {
    const CsvDocument document = ReadCsvStrict(text);
    EXPECT_EQ(document.Error, "");
    return document.Rows;
  }

  TempFolder temp_{"orv5-csv"};
  const fs::path& folder_ = temp_.Path();
};

TEST_F(CsvCommand, ListNamesEveryTableWithItsHeader) {
  std::ostringstream out, err;
  CsvOptions options;
  options.List = true;
  EXPECT_EQ(RunCsvCommand(options, out, err), 0);
  for (const CsvTable& table : CsvTables()) {
    EXPECT_NE(out.str().find(std::string(table.Name) + " (" + std::string(table.Rows) + ")\n  " + CsvHeaderLine(table)),
              std::string::npos)
        << table.Name;
  }
}

TEST_F(CsvCommand, TwoSavesGiveOneHeaderAndTheRowsOfBothAndTextsReadBackUnchanged) {
  const std::string a = Write("a.Orv5Save", SaveWithReplay(kTrickyText));
  const std::string b = Write("b.Orv5Save", SaveWithReplay("Warsaw is founded."));
  std::ostringstream out, err;
  ASSERT_EQ(RunCsvCommand(Options({b, a}), out, err), 0) << err.str();
  EXPECT_EQ(err.str(), "");
  EXPECT_EQ(Parsed(out.str()), (std::vector<std::vector<std::string>>{
                                   {"save", "turn", "date", "message"},
                                   {"b.Orv5Save", "0", "4000BC", "Session 2 starts"},
                                   {"b.Orv5Save", "3", "3880BC", "Warsaw is founded."},
                                   {"a.Orv5Save", "0", "4000BC", "Session 2 starts"},
                                   {"a.Orv5Save", "3", "3880BC", kTrickyText},
                               }));
}

TEST_F(CsvCommand, AFolderStandsForItsSavesByNameAndAFolderWithoutSavesIsReported) {
  Write(fs::path("saves") / "b.Orv5Save", SaveWithReplay("b"));
  Write(fs::path("saves") / "a.Orv5Save", SaveWithReplay("a"));
  Write(fs::path("saves") / "notes.txt", {'n'});
  Write(fs::path("saves") / "older" / "c.Orv5Save", SaveWithReplay("c"));
  fs::create_directories(folder_ / "empty");
  std::ostringstream out, err;
  EXPECT_EQ(RunCsvCommand(Options({(folder_ / "saves").string(), (folder_ / "empty").string()}), out, err), 1);
  EXPECT_EQ(err.str(), (folder_ / "empty").string() + ": no *.Orv5Save files in this folder\n");
  std::vector<std::string> messages;
  for (const auto& row : Parsed(out.str())) messages.push_back(row[0] + " " + row[3]);
  EXPECT_EQ(messages, (std::vector<std::string>{"save message", "a.Orv5Save Session 2 starts", "a.Orv5Save a",
                                                "b.Orv5Save Session 2 starts", "b.Orv5Save b"}));
}

TEST_F(CsvCommand, ARefusedFileIsReportedAndTheOthersStillPrint) {
  const std::string bad = Write("bad.Orv5Save", {'n', 'o', 't', 'e', 's'});
  const std::string good = Write("good.Orv5Save", SaveWithReplay("x"));
  std::ostringstream out, err;
  EXPECT_EQ(RunCsvCommand(Options({bad, good}), out, err), 1);
  EXPECT_EQ(err.str().rfind(bad + ": not an Orv5 save: ", 0), 0u) << err.str();
  EXPECT_EQ(Parsed(out.str()).size(), 3u);
}

TEST_F(CsvCommand, OutWritesTheSameTextAndNeverOverASave) {
  const std::string save = Write("a.Orv5Save", SaveWithReplay(kTrickyText));
  std::ostringstream printed, err;
  ASSERT_EQ(RunCsvCommand(Options({save}, "players"), printed, err), 0);
  CsvOptions toFile = Options({save}, "players");
  toFile.Out = (folder_ / "players.csv").string();
  std::ostringstream out;
  ASSERT_EQ(RunCsvCommand(toFile, out, err), 0) << err.str();
  EXPECT_EQ(out.str(), "");
  std::ifstream written(toFile.Out, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(written), {}), printed.str());

  const auto before = fs::file_size(save);
  CsvOptions overSave = Options({folder_.string()}, "players");
  overSave.Out = save;
  std::ostringstream err2;
  EXPECT_EQ(RunCsvCommand(overSave, out, err2), 2);
  EXPECT_EQ(err2.str(), save + ": refusing to write a table over a save that is read\n");
  EXPECT_EQ(fs::file_size(save), before);
}

TEST_F(CsvCommand, AnUnknownTableIsAUsageError) {
  std::ostringstream out, err;
  EXPECT_EQ(RunCsvCommand(Options({"x.Orv5Save"}, "player"), out, err), 2);
  EXPECT_EQ(err.str(), "unknown table player; orv5 csv --list names the tables\n");
  EXPECT_EQ(out.str(), "");
}

TEST_F(CsvCommand, TheProgramExitsTwoOnUsageErrorsOneOnRefusalsZeroOnSaves) {
  const std::string program = ORV5_CLI_PROGRAM;
  const auto status = [&](const std::string& arguments) {
    const int raw = std::system((program + " " + arguments + " >/dev/null 2>&1").c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  };
  const std::string demo = ORV5_SOURCE_DIR "/examples/demo.Orv5Save";
  const std::string bad = Write("bad.Orv5Save", {'x'});
  EXPECT_EQ(status("csv --list"), 0);
  EXPECT_EQ(status("csv " + demo + " --table cities"), 0);
  EXPECT_EQ(status("csv " + bad + " " + demo + " --table cities"), 1);
  EXPECT_EQ(status("csv " + demo), 2) << "no table";
  EXPECT_EQ(status("csv --table cities"), 2) << "no save";
  EXPECT_EQ(status("csv " + demo + " --table towns"), 2);
}

}  // namespace
}  // namespace orv5::testing
