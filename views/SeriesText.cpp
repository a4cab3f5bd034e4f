#include "views/SeriesText.h"

#include "savefile/Format.h"

namespace orv5 {

namespace {

std::string Counted(size_t count, const char* one, const char* many) {
  return Format("%d %s", {count, count == 1 ? one : many});
}

std::string ParentText(const GameSeries& game, std::span<const SaveSummary> saves, size_t position) {
  const int parent = game.Saves[position].Parent;
  if (parent >= 0) return "  continues " + saves[game.Saves[static_cast<size_t>(parent)].Index].File;
  return position == 0 ? std::string() : "  continues no earlier save";
}

void AppendGame(std::span<const SaveSummary> saves, const GameSeries& game, size_t number,
                std::vector<std::string>& lines) {
  lines.push_back(Format("Game %d: %s", {number, game.Title}));
  lines.emplace_back("  turn  play time  line  save");
  for (size_t i = 0; i < game.Saves.size(); ++i) {
    const SaveSummary& save = saves[game.Saves[i].Index];
    lines.push_back(Format("  %4d  %9s  %4d  %s%s", {save.Turn, PlayTimeClock(save.PlayTime), game.Saves[i].Line,
                                                     save.File, ParentText(game, saves, i)}));
  }
  if (game.Findings.empty()) {
    lines.emplace_back("  No findings.");
    return;
  }
  lines.emplace_back("  Findings:");
  for (const Finding& finding : game.Findings) lines.push_back("    " + FindingLine(finding));
}

std::string Listed(const char* label, const std::vector<std::string>& items) {
  std::string line = Format("  %s: ", label);
  for (size_t i = 0; i < items.size(); ++i) line += (i ? ", " : "") + items[i];
  return line;
}

std::string ValueChanges(const PlayerChanges& player) {
  const std::pair<const char*, const ValueChange*> values[] = {{"score", &player.Score},
                                                               {"gold", &player.Gold},
                                                               {"culture", &player.Culture},
                                                               {"population", &player.Population},
                                                               {"cities", &player.Cities}};
  std::string line;
  for (const auto& [name, value] : values) {
    if (!value->Changed()) continue;
    line += Format("%s%s %d -> %d", {line.empty() ? "  " : ", ", name, value->From, value->To});
  }
  return line;
}

void AppendPlayer(const PlayerChanges& player, std::vector<std::string>& lines) {
  lines.push_back(Format("%s (%s):", {player.Leader, player.Civ}));
  if (std::string values = ValueChanges(player); !values.empty()) lines.push_back(std::move(values));
  std::vector<std::string> buildings;
  for (const BuildingCompleted& b : player.BuildingsCompleted) buildings.push_back(b.Building + " (" + b.City + ")");
  const std::pair<const char*, const std::vector<std::string>*> lists[] = {
      {"cities founded", &player.CitiesFounded},
      {"cities captured", &player.CitiesCaptured},
      {"cities lost", &player.CitiesLost},
      {"buildings completed", &buildings},
      {"technologies learned", &player.TechsLearned},
      {"policies adopted", &player.PoliciesAdopted},
      {"beliefs adopted", &player.BeliefsAdopted},
      {"spies gained", &player.SpiesGained},
      {"spies lost", &player.SpiesLost}};
  for (const auto& [label, items] : lists) {
    if (!items->empty()) lines.push_back(Listed(label, *items));
  }
}

void AppendPlayers(const SaveDiff& diff, std::vector<std::string>& lines) {
  if (!diff.HasPlayerFacts) {
    lines.emplace_back("Players: an early build's save keeps no per-player sections, so only the replay is compared.");
    return;
  }
  bool any = false;
  for (const PlayerChanges& player : diff.Players) {
    if (!player.Changed()) continue;
    AppendPlayer(player, lines);
    any = true;
  }
  if (!any) lines.emplace_back("No player changed.");
}

}  // namespace

std::string FindingLine(const Finding& finding) {
  std::string line = std::string(FindingKindName(finding.Kind)) + "  " + finding.File;
  if (finding.Turn) line += Format("  turn %d", *finding.Turn);
  return line + ": " + finding.Text;
}

std::vector<std::string> CheckLines(std::span<const SaveSummary> saves, const SeriesCheck& check) {
  std::vector<std::string> lines;
  for (size_t g = 0; g < check.Games.size(); ++g) AppendGame(saves, check.Games[g], g + 1, lines);
  if (!check.NotComparable.empty()) {
    lines.emplace_back("Not comparable:");
    for (size_t index : check.NotComparable)
      lines.push_back("  " + saves[index].File + ": " + saves[index].NotComparable);
  }
  lines.push_back(Format("%s: %s, %d not comparable, %s.",
                         {Counted(saves.size(), "save", "saves"), Counted(check.Games.size(), "game", "games"),
                          check.NotComparable.size(), Counted(check.FindingCount(), "finding", "findings")}));
  return lines;
}

std::vector<std::string> DiffLines(const SaveDiff& diff) {
  std::vector<std::string> lines;
  lines.push_back(Format("From %s (turn %d) to %s (turn %d)", {diff.From, diff.FromTurn, diff.To, diff.ToTurn}));
  if (diff.Branch) lines.push_back(FindingLine(*diff.Branch));
  AppendPlayers(diff, lines);
  lines.push_back(Format("Replay from turn %d:", diff.FromTurn));
  for (const ReplayLine& message : diff.Replay) lines.push_back(Format("  %4d  %s", {message.Turn, message.Text}));
  if (diff.Replay.empty()) lines.emplace_back("  No new messages.");
  return lines;
}

}  // namespace orv5
