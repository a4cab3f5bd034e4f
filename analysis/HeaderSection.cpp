// The uncompressed save header: the game version, the setup texts, the package list and the
// per-slot lists that become the player table; and the fixed values at the start of the body.
// Field numbers in the comments count the header's fields in the order the game writes them.
#include <array>
#include <charconv>
#include <optional>
#include <string_view>
#include <vector>

#include "analysis/ListReads.h"
#include "analysis/Sections.h"
#include "analysis/SetupParts.h"
#include "refdata/TextArrays.h"
#include "savefile/Calendar.h"
#include "savefile/KeyText.h"

namespace orv5 {

namespace {

using VersionNumbers = std::array<int64_t, 4>;

// Build numbers above which the layouts change. Saves written on some platforms carry build
// numbers of another series ("1.0.3.279 (180925)"), so a flag is also set when the version text
// is at least the first version known to lie above the threshold.
struct BuildThreshold {
  int32_t Build;
  VersionNumbers FirstVersionAbove;
  int32_t SaveAnalysis::*Flag;
};

constexpr BuildThreshold kBuildThresholds[] = {
    {341539, {1, 0, 2, 13}, &SaveAnalysis::BuildAbove341539},
    {379994, {1, 0, 3, 142}, &SaveAnalysis::BuildAbove379994},
    {395069, {1, 0, 3, 142}, &SaveAnalysis::BuildAbove395069},
};

constexpr int32_t kTrue = -1;
constexpr int32_t kFirstNameTableCount = 64;  // field 23: a smaller count means no name tables
constexpr std::string_view kTurnTimerKey = "TXT_KEY_TURNTIMER_";

// The per-slot lists the player table and the save editors rely on; the header is understood
// only when each has as many entries as SlotCiv.
struct SlotListCount {
  std::string_view Name;
  int32_t Count;
};

struct HeaderState {
  HeaderState(const ImageReader& image, int32_t& cursor) : Lists(image, cursor) {}

  ListReader Lists;
  int32_t ClosingValue = 0;  // the value after the name tables; decides field 48's entry type
  std::vector<SlotListCount> SlotLists;
  std::string Notes;
};

// The first four dot-separated numbers at the start of a version text ("1.0.3.279(130961)").
std::optional<VersionNumbers> VersionOf(std::string_view text) {
  VersionNumbers numbers{};
  size_t pos = 0;
  for (size_t k = 0; k < numbers.size(); ++k) {
    if (k > 0) {
      if (pos >= text.size() || text[pos] != '.') return std::nullopt;
      ++pos;
    }
    const size_t first = pos;
    int64_t value = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && pos - first < 12) {
      value = value * 10 + (text[pos] - '0');
      ++pos;
    }
    if (pos == first) return std::nullopt;
    numbers[k] = value;
  }
  return numbers;
}

// The build text as a decimal number (surrounding blanks allowed); nullopt when it is none.
std::optional<int32_t> DecimalOf(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

void SetBuildFlags(HeaderState& state, SaveAnalysis& save) {
  save.BuildNumber = 0;
  if (!save.BuildText.empty()) {
    if (const auto number = DecimalOf(save.BuildText)) {
      save.BuildNumber = *number;
    } else {
      state.Notes += "build text \"" + save.BuildText + "\" is not a number; ";
    }
  }
  const auto version = VersionOf(save.GameVersionText);
  for (const BuildThreshold& threshold : kBuildThresholds) {
    const bool above = save.BuildNumber > threshold.Build || (version && *version >= threshold.FirstVersionAbove);
    save.*threshold.Flag = above ? kTrue : 0;
  }
}

// Fields 1 and 2.
void ReadVersion(HeaderState& state, SaveAnalysis& save) {
  ListReader& lists = state.Lists;
  save.SaveVersion = lists.Int();
  save.GameVersionText = save.SaveVersion < 5 ? "Before 1.0.1.217" : "1.0.1.217-221";
  save.BuildText.clear();
  if (save.SaveVersion > 5) {
    save.GameVersionText = lists.UText();
    save.BuildText = lists.UText();
  }
  SetBuildFlags(state, save);
}

// Fields 3 to 12: the game's setup as the set-up screen chose it, and the packages.
void ReadSetup(HeaderState& state, SaveAnalysis& save) {
  ListReader& lists = state.Lists;
  lists.Int();
  save.FlagBytePos = lists.Cursor();  // the single-player edit clears this byte
  lists.Byte();
  save.CivNameText = CutTextKey(lists.Text(), "CIVILIZATION_");
  save.LevelText = CutTextKey(lists.Text(), "HANDICAP_");
  save.StartingEraText = lists.Text();  // stays a key until the era lookup
  save.CurrentEraText = lists.Text();
  save.GameSpeedText = CutTextKey(lists.Text(), "GAMESPEED_");
  save.WorldSizeText = CutTextKey(lists.Text(), "WORLDSIZE_");
  save.MapScriptText = lists.Text();
  ReadPackageList(lists, save);
  ApplyHeaderSetup(save);
}

// Fields 13 to 17: mods, player colours and map details, all skipped.
void SkipSetupDetails(HeaderState& state, const SaveAnalysis& save) {
  ListReader& lists = state.Lists;
  lists.Each(lists.Int(), [&](int32_t) {  // 13: (text, int32, text) per entry
    lists.Text();
    lists.Int();
    lists.Text();
  });
  lists.SkipTexts(3);  // 14
  if (save.SaveVersion > 7) {  // 15
    lists.SkipInts(4);
    lists.Text();
    lists.SkipInts(5);
  }
  if (save.SaveVersion > 6) lists.Int();  // 16
  lists.SkipInts(2);                      // 17
  lists.Text();
}

// Field 23: from save version 7 a count k; 64 or more announces k civilization keys, the leader
// keys and the closing value that field 48 tests.
void ReadNameTables(HeaderState& state, SaveAnalysis& save) {
  ListReader& lists = state.Lists;
  save.HasSlotNameTables = 0;
  if (save.SaveVersion <= 6) return;
  const int32_t k = lists.Int();
  if (k < kFirstNameTableCount) return;
  save.HasSlotNameTables = kTrue;
  state.SlotLists.push_back({"SlotCivKeys", lists.TextsOf(k, save.SlotCivKeys)});
  state.SlotLists.push_back({"SlotLeaderKeys", lists.Texts(save.SlotLeaderKeys)});
  state.ClosingValue = lists.Int();
}

// Fields 18 to 24: the first run of per-slot lists.
void ReadSlotLists(HeaderState& state, SaveAnalysis& save) {
  ListReader& lists = state.Lists;
  state.SlotLists.push_back({"SlotCiv", lists.Ints(save.SlotCiv)});  // 18
  lists.Texts();                                                       // 19
  save.SlotStatusPos = lists.Cursor();
  state.SlotLists.push_back({"SlotStatus", lists.Ints(save.SlotStatus)});  // 20
  lists.Ints();                                                             // 21
  lists.Ints();
  if (save.SaveVersion > 7) lists.Ints(save.SlotHandicap);  // 22
  ReadNameTables(state, save);             // 23
  save.ActivePlayerPos = lists.Cursor();
  save.ActivePlayer = lists.Int();  // 24
}

// Fields 25 to 40, up to the game type and the build-dependent list.
void ReadGameDetails(HeaderState& state, SaveAnalysis& save) {
  ListReader& lists = state.Lists;
  lists.Text();  // 25
  lists.Int();
  lists.Text();
  lists.Ints();  // 26
  lists.Byte();  // 27
  lists.SkipInts(13);
  lists.Texts();  // 28
  lists.Texts();
  if (!save.HasSlotNameTables) lists.Ints();  // 29
  lists.Texts();                              // 30
  lists.Texts();
  lists.SkipInts(3);  // 31
  lists.Text();
  lists.SkipInts(3);
  lists.SkipTexts(3);
  lists.SkipInts(12);
  lists.Ints();  // 32
  lists.Int();
  lists.Ints();
  lists.Bytes();  // 33
  lists.Int();    // 34
  lists.Text();
  lists.Int();
  lists.Byte();
  lists.Int();
  save.GameTypePos = lists.Cursor();
  save.GameType = lists.Int();               // 35
  if (save.SaveVersion > 6) lists.Byte();    // 36
  lists.Int();                               // 37
  lists.Ints();
  if (save.BuildAbove395069) lists.Ints();   // 38
  lists.Image().ReadShort(lists.Cursor());   // 39
  if (save.SaveVersion < 7) lists.Byte();    // 40
}

// Fields 41 to 46: leaders, the user's name, city-states.
void ReadSlotKinds(HeaderState& state, SaveAnalysis& save) {
  ListReader& lists = state.Lists;
  if (!save.HasSlotNameTables) state.SlotLists.push_back({"SlotLeader", lists.Ints(save.SlotLeader)});  // 41
  lists.Texts();                // 42
  lists.Text();                 // 43
  save.UserName = lists.Text();
  lists.Byte();  // 44
  lists.Int();
  lists.SkipBytes(2);
  lists.Text();
  lists.SkipInts(3);
  if (save.HasSlotNameTables) {  // 45
    state.SlotLists.push_back({"SlotMinorKeys", lists.Texts(save.SlotMinorKeys)});
  } else {
    state.SlotLists.push_back({"SlotMinorCiv", lists.Ints(save.SlotMinorCiv)});
  }
  state.SlotLists.push_back({"SlotIsMinor", lists.Bytes(save.SlotIsMinor)});  // 46
}

// Fields 47 to 51, up to the second status list that the single-player edit rewrites.
void ReadSlotDetails(HeaderState& state, SaveAnalysis& save) {
  ListReader& lists = state.Lists;
  lists.Byte();  // 47
  lists.Bytes();
  lists.Ints();
  lists.Texts();
  lists.SkipInts(2);
  lists.Bytes();
  if (state.ClosingValue < 3) {  // 48: colour numbers in older saves, colour keys in newer
    lists.Ints();
  } else {
    lists.Texts();
  }
  lists.SkipBytes(3);  // 49
  lists.Int();
  lists.SkipBytes(3);
  lists.Bytes();
  lists.SkipInts(3);  // 50
  lists.Text();
  lists.SkipInts(3);
  lists.SkipTexts(3);
  lists.Int();
  lists.Byte();
  lists.Ints();
  save.SlotStatus2Pos = lists.Cursor();
  state.SlotLists.push_back({"SlotStatus2", lists.Ints()});  // 51
}

// Fields 52 to 55. The stretch before the turn-timer key is not understood, so the key is
// found by searching; false when it is missing.
bool ReadTurnTimerAndVictories(HeaderState& state, SaveAnalysis& save) {
  ListReader& lists = state.Lists;
  lists.Text();  // 52
  lists.Int();
  const int32_t key = lists.Image().FindStr(kTurnTimerKey, ImageReader::Advance(lists.Cursor(), 1));  // 53
  if (key < 4) return false;
  lists.Cursor() = key - 4;  // on the key's count
  lists.SkipTexts(2);        // 54
  lists.SkipInts(5);
  lists.Byte();
  lists.Bytes(save.VictoryAllowed);  // 55
  return true;
}

// Why the header cannot be trusted, or empty when it can.
std::string HeaderProblem(const HeaderState& state, bool foundTurnTimer) {
  if (state.Lists.Overran()) return "a list runs past the end of the image";
  if (!foundTurnTimer) return "no turn-timer key after the slot lists";
  const int32_t slots = state.SlotLists.front().Count;
  for (const SlotListCount& list : state.SlotLists) {
    if (list.Count != slots) {
      return std::string(list.Name) + " has " + std::to_string(list.Count) + " entries, SlotCiv " + std::to_string(slots);
    }
  }
  return {};
}

}  // namespace

bool ReadSaveHeader(ParseContext& ctx, SaveAnalysis& save) {
  StepDiagnostic& step = AddStep(save, "header");
  HeaderState state(ctx.Image, ctx.Cursor);
  ReadVersion(state, save);
  ReadSetup(state, save);
  SkipSetupDetails(state, save);
  ReadSlotLists(state, save);
  ReadGameDetails(state, save);
  ReadSlotKinds(state, save);
  ReadSlotDetails(state, save);
  const bool foundTurnTimer = ReadTurnTimerAndVictories(state, save);
  const std::string problem = HeaderProblem(state, foundTurnTimer);
  step.Found = foundTurnTimer;
  step.Records = state.SlotLists.front().Count;
  step.Stop = state.Notes + (problem.empty() ? "" : "header not understood: " + problem);
  return problem.empty();
}

void ReadBodyValues(ParseContext& ctx, SaveAnalysis& save) {
  StepDiagnostic& step = AddStep(save, "body values");
  const ImageReader& image = ctx.Image;
  const int32_t body = ctx.BodyStart;
  save.ElapsedTurns = image.IntAt(body + 8);
  save.StartTurn = image.IntAt(body + 12);
  save.TurnLimit = image.IntAt(body + 24);
  save.CurrentTurn = static_cast<int32_t>(static_cast<int64_t>(save.ElapsedTurns) + save.StartTurn);
  save.SpeedIndex = SpeedIndexFromTurnLimit(save.TurnLimit);
  save.CurrentYear = Turn2Date(save.SpeedIndex, save.CurrentTurn, save.CurrentDateText);
  save.SpeedPercent = SpeedPercents()[static_cast<size_t>(save.SpeedIndex)];
  save.PlayTime = image.IntAt(body + 32);  // tenths of a second
  save.PlaySeconds = save.PlayTime / 10 + (save.PlayTime % 10 > 1 ? 1 : 0);
  ReadSetupValues(ctx, save);
  step.Found = ctx.HasBody;
  step.Records = 1;
}

}  // namespace orv5
