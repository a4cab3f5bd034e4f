// Files that are not saves: every command refuses them with a message naming the file,
// prints no report for them, writes nothing, and exits 1; usage errors exit 2.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

#include "cli/Commands.h"
#include "cli/ReportCommand.h"
#include "cli/WriteCommands.h"
#include "savefile/Container.h"
#include "tests/support/RealSaves.h"
#include "tests/support/TempFolder.h"

namespace orv5 {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

Bytes RandomBytes(size_t count) {
  std::mt19937 random(20261209);
  Bytes bytes(count);
  for (uint8_t& b : bytes) b = static_cast<uint8_t>(random());
  // Never the magic by chance.
  bytes[0] = 'X';
  return bytes;
}

Bytes PngSignatureAndHeader() {
  return {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R', 0, 0, 0, 1, 0, 0, 0, 1, 8, 2, 0,
          0,    0,   0x90, 0x77, 0x53, 0xDE};
}

class Refusal : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const Bytes& bytes) { return folder_.Write(name, bytes); }
  size_t FilesInFolder() const {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder_.Path()), {}));
  }

  // Every file the issue names, built from the demo save where a save is needed.
  std::vector<std::string> NonSaves() {
    const Bytes demo = ReadAll(ORV5_SOURCE_DIR "/examples/demo.Orv5Save");
    Bytes renamed = demo;
    renamed[0] = 'C';
    std::vector<std::string> files = {
        Write("empty.Orv5Save", {}),
        Write("hello.Orv5Save", Bytes{'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '\n'}),
        Write("random.Orv5Save", RandomBytes(2048)),
        Write("picture.Orv5Save", PngSignatureAndHeader()),
        Write("first-100.Orv5Save", Bytes(demo.begin(), demo.begin() + 100)),
        Write("magic-changed.Orv5Save", renamed),
        Write("magic-only.Orv5Save", Bytes{'O', 'R', 'V', '5', 6, 0, 0}),
    };
    if (const auto real = testing::RealSave("qel-poland-t12.Orv5Save"); !real.empty()) {
      Bytes changed = ReadAll(real);
      changed[3] = '6';
      files.push_back(Write("real-magic-changed.Orv5Save", changed));
    }
    return files;
  }

  testing::TempFolder folder_{"orv5-refusal"};
};

TEST(SaveMagic, TheLoaderRefusesShortFilesAndForeignMagicAndSaysWhy) {
  const auto message = [](const Bytes& bytes) {
    const LoadResult result = LoadSaveFromBytes(bytes, "x");
    const auto* error = std::get_if<LoadError>(&result);
    return error ? error->Message : std::string("loaded");
  };
  const auto withMagic = [](const char* magic, size_t length) {
    Bytes bytes(length, 0);
    std::copy(magic, magic + 4, bytes.begin());
    return bytes;
  };
  EXPECT_EQ(message({}), "not an Orv5 save: it is 0 bytes long, shorter than the smallest header (524 bytes)");
  EXPECT_EQ(message(withMagic("ORV5", 523)),
            "not an Orv5 save: it is 523 bytes long, shorter than the smallest header (524 bytes)");
  EXPECT_EQ(message(withMagic("ORV5", 524)), "loaded") << "a damaged header is still shown as partly understood";
  EXPECT_EQ(message(withMagic("ORV4", 524)), "not an Orv5 save: it does not start with ORV5");
  EXPECT_EQ(message({'O', 'R', 'V'}), "not an Orv5 save: it is 3 bytes long, shorter than the smallest header (524 bytes)");
  EXPECT_EQ(message({'h', 'e', 'l', 'l', 'o'}), "not an Orv5 save: it does not start with ORV5");
  EXPECT_EQ(message(withMagic("orv5", 4000)), "not an Orv5 save: it does not start with ORV5");
}

TEST_F(Refusal, ReadingCommandsPrintTheRefusalOnTheErrorStreamOnlyAndExitOne) {
  using Command = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);
  const std::vector<std::pair<const char*, Command>> commands = {
      {"info", RunInfoCommand},
      {"json", RunJsonCommand},
      {"reloads", RunReloadsCommand},
      {"report", [](const std::vector<std::string>& files, std::ostream& out, std::ostream& err) {
         ReportOptions options;
         options.Files = files;
         return RunReportCommand(options, out, err);
       }}};
  for (const std::string& file : NonSaves()) {
    for (const auto& [name, run] : commands) {
      std::ostringstream out, err;
      EXPECT_EQ(run({file}, out, err), 1) << name << " " << file;
      EXPECT_EQ(out.str(), "") << name << " " << file;
      EXPECT_EQ(err.str().rfind(file + ": not an Orv5 save: ", 0), 0u) << name << ": " << err.str();
    }
  }
}

TEST_F(Refusal, AFileRefusedAmongSavesStillLetsTheOthersPrint) {
  const std::string demo = ORV5_SOURCE_DIR "/examples/demo.Orv5Save";
  const std::string text = Write("notes.Orv5Save", Bytes{'n', 'o', 't', 'e', 's', ' ', 'h', 'e', 'r', 'e'});
  std::ostringstream out, err;
  EXPECT_EQ(RunReloadsCommand({text, demo}, out, err), 1);
  EXPECT_EQ(out.str().rfind(demo + "\tsessions ", 0), 0u) << out.str();
  EXPECT_NE(err.str().find(text + ": not an Orv5 save: it does not start with ORV5"), std::string::npos);
}

TEST_F(Refusal, WritingCommandsRefuseAndWriteNothing) {
  for (const std::string& file : NonSaves()) {
    const size_t before = FilesInFolder();
    const WriteRequest request{file, (folder_.Path() / "out.Orv5Save").string(), false};
    std::ostringstream out, err;
    EXPECT_EQ(RunCureCommand(request, out, err), 1) << file;
    EXPECT_EQ(RunImageCommand(request, out, err), 1) << file;
    EXPECT_EQ(RunSingleCommand(request, 0, out, err), 1) << file;
    EXPECT_EQ(FilesInFolder(), before) << file;
    EXPECT_NE(err.str().find("not an Orv5 save"), std::string::npos) << err.str();
  }
}

// The exit status of the program itself: 2 for a usage error, 1 for a refused file, 0 otherwise.
TEST_F(Refusal, TheProgramExitsTwoOnUsageErrorsOneOnRefusalsZeroOnSaves) {
  const std::string program = ORV5_CLI_PROGRAM;
  const std::string quiet = " >/dev/null 2>&1";
  const auto status = [&](const std::string& arguments) {
    const int raw = std::system((program + " " + arguments + quiet).c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  };
  const std::string demo = ORV5_SOURCE_DIR "/examples/demo.Orv5Save";
  const std::string empty = Write("empty.Orv5Save", {});
  EXPECT_EQ(status("reloads " + demo), 0);
  EXPECT_EQ(status("reloads " + empty + " " + demo), 1);
  EXPECT_EQ(status("json " + empty), 1);
  EXPECT_EQ(status("reloads"), 2) << "no file given";
  EXPECT_EQ(status("nosuchcommand"), 2);
  EXPECT_EQ(status("report --lang de " + demo), 2);
  EXPECT_EQ(status("--help"), 0);
}

}  // namespace
}  // namespace orv5
