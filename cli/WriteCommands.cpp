#include "cli/WriteCommands.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <variant>

#include "analysis/Save5Analyse.h"
#include "savefile/SaveWriters.h"

namespace orv5 {

namespace {

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  if (std::filesystem::equivalent(a, b, ec)) return true;
  return std::filesystem::weakly_canonical(a, ec) == std::filesystem::weakly_canonical(b, ec);
}

// Loads and analyses the save; on failure prints why and returns nothing.
std::optional<LoadedSave> LoadForWriting(const WriteRequest& request, std::ostream& err) {
  if (!request.Force && SameFile(request.Save, request.Out)) {
    err << request.Out << ": refusing to write over the save that is read; use --force to replace it\n";
    return std::nullopt;
  }
  LoadResult result = LoadSave(request.Save);
  if (const auto* error = std::get_if<LoadError>(&result)) {
    err << request.Save << ": " << error->Message << "\n";
    return std::nullopt;
  }
  LoadedSave loaded{std::get<SaveContainer>(std::move(result)), {}};
  loaded.Analysis = Save5Analyse(loaded.Container);
  return loaded;
}

int Write(const std::string& target, const ByteBuffer& bytes, std::ostream& err) {
  if (auto error = WriteFileReplacing(target, bytes)) {
    err << *error << "\n";
    return 1;
  }
  return 0;
}

template <class Result>
const Result* Checked(const std::variant<Result, WriteError>& built, const std::string& save, std::ostream& err) {
  if (const auto* error = std::get_if<WriteError>(&built)) {
    err << save << ": " << error->Message << "\n";
    return nullptr;
  }
  return &std::get<Result>(built);
}

}  // namespace

int RunCureCommand(const WriteRequest& request, std::ostream& out, std::ostream& err) {
  const auto loaded = LoadForWriting(request, err);
  if (!loaded) return 1;
  const auto built = BuildCuredSave(loaded->Container, loaded->Analysis.CancerPos);
  const CureResult* cured = Checked(built, request.Save, err);
  if (!cured || Write(request.Out, cured->Bytes, err) != 0) return 1;
  out << request.Out << ": " << cured->RecordsCut << " records of 20 bytes cut, body " << cured->BodyLength
      << " bytes deflated to " << cured->PackedLength << " in " << cured->ChunkCount << " chunks, "
      << cured->Bytes.size() << " bytes written\n";
  return 0;
}

int RunImageCommand(const WriteRequest& request, std::ostream& out, std::ostream& err) {
  const auto loaded = LoadForWriting(request, err);
  if (!loaded) return 1;
  const auto built = BuildImageFile(loaded->Container);
  const ByteBuffer* image = Checked(built, request.Save, err);
  if (!image || Write(request.Out, *image, err) != 0) return 1;
  out << request.Out << ": analysis image of " << image->size() << " bytes written\n";
  return 0;
}

int RunSingleCommand(const WriteRequest& request, int32_t player, std::ostream& out, std::ostream& err) {
  const auto loaded = LoadForWriting(request, err);
  if (!loaded) return 1;
  const SaveAnalysis& a = loaded->Analysis;
  const HeaderEditOffsets offsets{a.ActivePlayerPos, a.FlagBytePos, a.GameTypePos, a.SlotStatusPos, a.SlotStatus2Pos};
  const auto built = BuildSinglePlayerSave(loaded->Container, offsets, player);
  const ByteBuffer* file = Checked(built, request.Save, err);
  if (!file || Write(request.Out, *file, err) != 0) return 1;
  out << request.Out << ": single-player game with slot " << player << " as the human player, " << file->size()
      << " bytes written\n";
  return 0;
}

}  // namespace orv5
