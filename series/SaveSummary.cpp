#include "series/SaveSummary.h"

#include <algorithm>
#include <string_view>

#include "analysis/SessionFigures.h"
#include "refdata/Lookups.h"
#include "savefile/Format.h"

namespace orv5 {

namespace {

const StepDiagnostic* FindStep(const SaveAnalysis& save, std::string_view name) {
  for (const StepDiagnostic& step : save.Diagnostics) {
    if (step.Step == name) return &step;
  }
  return nullptr;
}

// What keeps a save out of every comparison: its past cannot be read. An early build's body
// is understood only in part, but its replay log, sessions and play time are read as in any
// other build, and the saves of its game lack the same sections alike.
std::string WhyNotComparable(const SaveAnalysis& save) {
  const StepDiagnostic* header = FindStep(save, "header");
  if (!header || header->Stop.find("header not understood") != std::string::npos)
    return "its header was not understood";
  if (!FindStep(save, "body values")) return "it holds a header only, no compressed body (a multiplayer set-up)";
  const StepDiagnostic* replay = FindStep(save, "replay");
  if (!replay || !replay->Found) return "no replay log was found in its body";
  if (replay->Stop.find("runs past the end") != std::string::npos)
    return "its replay log runs past the end of the body";
  return {};
}

std::string Lowered(std::string_view text) {
  std::string lowered(text);
  for (char& ch : lowered) {
    if (ch == '\\') ch = '/';
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  }
  return lowered;
}

GameIdentity IdentityOf(const SaveAnalysis& save) {
  GameIdentity game;
  game.Variant = SelectVariant(save.IsQEL != 0, save.HasExpansion1 != 0);
  game.MapScript = Lowered(save.MapScriptText);
  game.WorldSize = save.WorldSizeText;
  game.GameSpeed = save.GameSpeedText;
  game.StartingEra = save.StartingEraText;
  game.StartTurn = save.StartTurn;
  game.TurnLimit = save.TurnLimit;
  for (const TLeaderInfoRec& leader : save.Leaders) {
    game.Players.push_back(Format("slot %d: %s (%s)", {leader.Slot, leader.CivName, leader.LeaderName}));
  }
  return game;
}

// "continents.lua, Tiny, Quick, Ancient start: Greece, Aztec, Byzantium, Celts".
std::string TitleOf(const SaveAnalysis& save) {
  std::string_view map = save.MapScriptText;
  const size_t folder = map.find_last_of("/\\");
  if (folder != std::string_view::npos) map.remove_prefix(folder + 1);
  std::string title =
      std::string(map) + ", " + save.WorldSizeText + ", " + save.GameSpeedText + ", " + save.StartingEraText + " start";
  std::string nations;
  for (const TLeaderInfoRec& leader : save.Leaders) {
    if (leader.IsMinorCiv != 0 || leader.CivIndex == MinorCiv || leader.CivIndex == BarbarianCiv) continue;
    nations += (nations.empty() ? "" : ", ") + leader.CivName;
  }
  return nations.empty() ? title : title + ": " + nations;
}

ReplayByTurn ReplayTexts(const SaveAnalysis& save) {
  ReplayByTurn replay;
  for (const TReplayMsgRec& message : save.ReplayMessages) {
    replay[message.Turn].push_back({message.Text, IsSessionMessage(message.Text)});
  }
  return replay;
}

bool IsEarlyBuild(const SaveAnalysis& save) { return FindStep(save, "early build") != nullptr; }

}  // namespace

int32_t LastHistoryTurn(const std::vector<HistoryRow>& history) {
  size_t longest = 0;
  for (const HistoryRow& row : history) {
    for (const std::vector<int32_t>& dataset : row) longest = std::max(longest, dataset.size());
  }
  return static_cast<int32_t>(longest) - 1;
}

SaveSummary SummariseSave(std::string file, const SaveAnalysis& save) {
  SaveSummary summary;
  summary.File = std::move(file);
  summary.NotComparable = WhyNotComparable(save);
  summary.Game = IdentityOf(save);
  summary.GameTitle = TitleOf(save);
  summary.Turn = save.CurrentTurn;
  summary.PlayTime = save.PlayTime;
  summary.PlaySeconds = save.PlaySeconds;
  summary.CancerCount = save.CancerCount;
  summary.LastHistoryTurn = LastHistoryTurn(save.HistoryTable);
  if (!summary.Comparable()) return summary;  // listed only: its past is not kept
  summary.Replay = ReplayTexts(save);
  summary.HasHistory = !save.HistoryTable.empty();
  summary.History = save.HistoryTable;
  summary.SessionTurns = save.SessionTurns;
  summary.HasPlayerFacts = !IsEarlyBuild(save);
  if (summary.HasPlayerFacts) {
    for (size_t row = 0; row < save.Leaders.size(); ++row) {
      summary.Players.push_back(FactsOfPlayer(save, static_cast<int32_t>(row)));
    }
  }
  return summary;
}

}  // namespace orv5
