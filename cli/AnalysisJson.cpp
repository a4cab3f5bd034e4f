// The analysis as JSON. Keys and record fields carry the parser's names; the large tables hold
// only their non-zero entries, keyed by row, then column or dataset, then turn (numbers as
// texts), and every row the parser found appears even when it holds nothing but zeros.
#include <span>
#include <string>

#include "analysis/SessionFigures.h"
#include "cli/AnalysisJson.h"
#include "refdata/Lookups.h"

namespace orv5 {

namespace {

using nlohmann::json;

json DiagnosticsJson(const std::vector<StepDiagnostic>& steps) {
  json out = json::array();
  for (const StepDiagnostic& step : steps) {
    out.push_back({{"Step", step.Step}, {"Found", step.Found}, {"Records", step.Records}, {"Stop", step.Stop}});
  }
  return out;
}

// Names by the number the save uses for them: ExtraCivNames from 20, ExtraLeaderNames from 19.
json NumberedNamesJson(std::span<const std::string> names, int32_t firstNumber) {
  json out = json::object();
  for (size_t k = 0; k < names.size(); ++k) {
    if (!names[k].empty()) out[std::to_string(firstNumber + static_cast<int32_t>(k))] = names[k];
  }
  return out;
}

json NonZeroJson(std::span<const int32_t> values) {
  json out = json::object();
  for (size_t i = 0; i < values.size(); ++i) {
    if (values[i] != 0) out[std::to_string(i)] = values[i];
  }
  return out;
}

json GridJson(const std::vector<PlayerGrid>& rows) {
  json out = json::object();
  for (size_t r = 0; r < rows.size(); ++r) out[std::to_string(r)] = NonZeroJson(rows[r]);
  return out;
}

json HistoryJson(const std::vector<HistoryRow>& rows) {
  json out = json::object();
  for (size_t r = 0; r < rows.size(); ++r) {
    json datasets = json::object();
    for (size_t d = 0; d < rows[r].size(); ++d) {
      json turns = NonZeroJson(rows[r][d]);
      if (!turns.empty()) datasets[std::to_string(d)] = std::move(turns);
    }
    out[std::to_string(r)] = std::move(datasets);
  }
  return out;
}

void AddVersionAndSetup(json& out, const SaveAnalysis& save) {
  out["SaveVersion"] = save.SaveVersion;
  out["GameVersionText"] = save.GameVersionText;
  out["BuildText"] = save.BuildText;
  out["BuildNumber"] = save.BuildNumber;
  out["BuildAbove341539"] = save.BuildAbove341539;
  out["BuildAbove379994"] = save.BuildAbove379994;
  out["BuildAbove395069"] = save.BuildAbove395069;
  out["HasExpansion1"] = save.HasExpansion1;
  out["IsQEL"] = save.IsQEL;
  out["HasSlotNameTables"] = save.HasSlotNameTables;
  out["CivNameText"] = save.CivNameText;
  out["LevelText"] = save.LevelText;
  out["StartingEraText"] = save.StartingEraText;
  out["CurrentEraText"] = save.CurrentEraText;
  out["GameSpeedText"] = save.GameSpeedText;
  out["WorldSizeText"] = save.WorldSizeText;
  out["MapScriptText"] = save.MapScriptText;
  out["UserName"] = save.UserName;
}

void AddSlotsAndPackages(json& out, const SaveAnalysis& save) {
  out["SlotCiv"] = save.SlotCiv;
  out["SlotStatus"] = save.SlotStatus;
  out["SlotHandicap"] = save.SlotHandicap;
  out["SlotLeader"] = save.SlotLeader;
  out["SlotMinorCiv"] = save.SlotMinorCiv;
  out["SlotIsMinor"] = save.SlotIsMinor;
  out["SlotCivKeys"] = save.SlotCivKeys;
  out["SlotLeaderKeys"] = save.SlotLeaderKeys;
  out["SlotMinorKeys"] = save.SlotMinorKeys;
  out["DlcNames"] = save.DlcNames;
  out["DlcPresent"] = save.DlcPresent;
  out["ExtraCivNames"] = NumberedNamesJson(save.ExtraCivNames, 20);
  out["ExtraLeaderNames"] = NumberedNamesJson(save.ExtraLeaderNames, 19);
}

void AddGameValues(json& out, const SaveAnalysis& save) {
  out["ActivePlayer"] = save.ActivePlayer;
  out["GameType"] = save.GameType;
  out["VictoryAllowed"] = save.VictoryAllowed;
  out["GameOptionNames"] = save.GameOptionNames;
  out["GameOptionValues"] = save.GameOptionValues;
  out["StartingEraIndex"] = save.StartingEraIndex;
  out["CurrentEraIndex"] = save.CurrentEraIndex;
  out["LevelIndex"] = save.LevelIndex;
  out["VictoryType"] = save.VictoryType;
  out["GameOver"] = save.GameOver;
  out["GameScore"] = save.GameScore;
  out["FinalScore"] = FinalScore(save.GameScore, save.CurrentTurn, save.TurnLimit);  // as the main page projects it
  out["WorldSizeIndex"] = save.WorldSizeIndex;
  out["WorldSizePercent"] = save.WorldSizePercent;
  out["WorldSizeFactor"] = save.WorldSizeFactor;
  out["DifficultyPercent1"] = save.DifficultyPercent1;
  out["DifficultyPercent2"] = save.DifficultyPercent2;
  out["DifficultyPercent4"] = save.DifficultyPercent4;
  out["DifficultyPercent5"] = save.DifficultyPercent5;
  out["DifficultyPercent6"] = save.DifficultyPercent6;
  out["DifficultyPercent7"] = save.DifficultyPercent7;
  out["EraCityPercent"] = save.EraCityPercent;
  out["EraSparePercent"] = save.EraSparePercent;
  out["EraLeaguePercent"] = save.EraLeaguePercent;
  out["EraResearchPercent"] = save.EraResearchPercent;
}

void AddBodyValuesAndOffsets(json& out, const SaveAnalysis& save) {
  out["ElapsedTurns"] = save.ElapsedTurns;
  out["StartTurn"] = save.StartTurn;
  out["TurnLimit"] = save.TurnLimit;
  out["CurrentTurn"] = save.CurrentTurn;
  out["SpeedIndex"] = save.SpeedIndex;
  out["CurrentYear"] = save.CurrentYear;
  out["CurrentDateText"] = save.CurrentDateText;
  out["SpeedPercent"] = save.SpeedPercent;
  out["PlayTime"] = save.PlayTime;
  out["PlaySeconds"] = save.PlaySeconds;
  out["FlagBytePos"] = save.FlagBytePos;
  out["SlotStatusPos"] = save.SlotStatusPos;
  out["ActivePlayerPos"] = save.ActivePlayerPos;
  out["GameTypePos"] = save.GameTypePos;
  out["SlotStatus2Pos"] = save.SlotStatus2Pos;
}

void AddPlayersAndReplay(json& out, const SaveAnalysis& save) {
  json leaders = json::array();
  for (size_t r = 0; r < save.Leaders.size(); ++r) {
    leaders.push_back(RecordJson(PlayerFields(), {save, static_cast<int32_t>(r)}, save.Leaders[r]));
  }
  out["Leaders"] = std::move(leaders);
  out["LeaderCount"] = save.LeaderCount;
  out["MajorPlayerCount"] = save.MajorPlayerCount;
  json messages = json::array();
  for (size_t i = 0; i < save.ReplayMessages.size(); ++i) {
    messages.push_back(RecordJson(ReplayMessageFields(), {save, static_cast<int32_t>(i)}, save.ReplayMessages[i]));
  }
  out["ReplayMessages"] = std::move(messages);
  out["ReplayCount"] = save.ReplayCount;
  out["SessionTurns"] = save.SessionTurns;
  out["SessionLines"] = save.SessionLines;
  out["SessionListLines"] = save.SessionListLines;
  out["PreSessionCount"] = save.PreSessionCount;
  out["SessionCount"] = save.SessionCount;
  out["PlaySessionCount"] = save.PlaySessionCount;
  out["AverageSessionSeconds"] = save.AverageSessionSeconds;
  out["AverageSessionText"] = AverageSessionText(save.AverageSessionSeconds);
}

}  // namespace

nlohmann::json LoadJson(const SaveContainer& container) {
  return {{"Path", container.Path},
          {"FileLength", container.FileLength},
          {"BodyStart", container.BodyStart},
          {"HasBody", container.HasBody()},
          {"PackedLength", container.PackedLength},
          {"ChunkCount", container.ChunkCount},
          {"BodyLength", container.BodyLength},
          {"TailLength", container.TailLength},
          {"ImageLength", container.ImageLength},
          {"StreamFinished", container.StreamFinished},
          {"HasTerminator", container.HasTerminator}};
}

nlohmann::json AnalysisJson(const SaveContainer& container, const SaveAnalysis& save) {
  json out = json::object();
  out["load"] = LoadJson(container);
  out["diagnostics"] = DiagnosticsJson(save.Diagnostics);
  AddVersionAndSetup(out, save);
  AddSlotsAndPackages(out, save);
  AddGameValues(out, save);
  AddBodyValuesAndOffsets(out, save);
  AddPlayersAndReplay(out, save);
  out["HistoryTable"] = HistoryJson(save.HistoryTable);
  out["MinorInfluence"] = GridJson(save.MinorInfluence);
  out["MinorFriend"] = GridJson(save.MinorFriend);
  out["MinorAlly"] = GridJson(save.MinorAlly);
  AddLaterSectionsJson(out, save);
  return out;
}

}  // namespace orv5
