#include "series/SaveSeries.h"

#include <algorithm>

#include "savefile/Format.h"
#include "series/Continuation.h"

namespace orv5 {

namespace {

std::string SessionList(const std::vector<int32_t>& turns) {
  if (turns.empty()) return "none";
  std::string list;
  for (int32_t turn : turns) list += (list.empty() ? "" : ", ") + std::to_string(turn);
  return list;
}

// The sessions of a save that goes on from `parent` are the parent's followed by further loads,
// none of them at a turn before the parent's: a load at the parent's own turn is how one goes
// on from it.
std::optional<Finding> LoadedEarlierTurnFinding(const SaveSummary& parent, const SaveSummary& save) {
  const std::vector<int32_t>& before = parent.SessionTurns;
  const std::vector<int32_t>& after = save.SessionTurns;
  const std::string lists = Format("its sessions are at turns %s, those of %s at turns %s",
                                   {SessionList(after), parent.File, SessionList(before)});
  const auto differs = std::mismatch(before.begin(), before.end(), after.begin(), after.end());
  if (differs.first != before.end()) {
    std::optional<int32_t> turn;
    if (differs.second != after.end()) turn = *differs.second;
    return Finding{FindingKind::LoadedEarlierTurn, save.File, turn,
                   "Its sessions are not those of the save it continues followed by further loads: " + lists + "."};
  }
  for (auto load = differs.second; load != after.end(); ++load) {
    if (*load >= parent.Turn) continue;
    return Finding{FindingKind::LoadedEarlierTurn, save.File, *load,
                   Format("Loaded at turn %d, before turn %d of %s, which it continues: %s.",
                          {*load, parent.Turn, parent.File, lists})};
  }
  return std::nullopt;
}

std::optional<Finding> PlayTimeFinding(const SaveSummary& parent, const SaveSummary& save) {
  if (save.PlayTime >= parent.PlayTime) return std::nullopt;
  return Finding{FindingKind::PlayTimeWentBack, save.File, save.Turn,
                 Format("Has %s of play time, less than the %s of %s, which it continues.",
                        {PlayTimeClock(save.PlayTime), PlayTimeClock(parent.PlayTime), parent.File})};
}

void Append(std::vector<Finding>& findings, std::optional<Finding> finding) {
  if (finding) findings.push_back(std::move(*finding));
}

}  // namespace

size_t SeriesCheck::FindingCount() const {
  size_t count = 0;
  for (const GameSeries& game : Games) count += game.Findings.size();
  return count;
}

std::optional<Finding> BranchFinding(const SaveSummary& earlier, const SaveSummary& later) {
  const std::optional<Disagreement> first = FirstDisagreement(earlier, later);
  if (!first) return std::nullopt;
  return Finding{FindingKind::Branch, later.File, first->Turn,
                 Format("Does not continue %s (turn %d): they differ from turn %d on, first in %s, which reads %s "
                        "there and %s here.",
                        {earlier.File, earlier.Turn, first->Turn, first->What, first->Earlier, first->Later})};
}

std::vector<std::vector<size_t>> GroupIntoGames(std::span<const SaveSummary> saves) {
  std::vector<std::vector<size_t>> games;
  for (size_t i = 0; i < saves.size(); ++i) {
    if (!saves[i].Comparable()) continue;
    auto game = std::find_if(games.begin(), games.end(),
                             [&](const std::vector<size_t>& g) { return saves[g.front()].Game == saves[i].Game; });
    if (game == games.end()) {
      games.push_back({i});
    } else {
      game->push_back(i);
    }
  }
  for (std::vector<size_t>& game : games) {
    std::stable_sort(game.begin(), game.end(), [&](size_t a, size_t b) {
      if (saves[a].Turn != saves[b].Turn) return saves[a].Turn < saves[b].Turn;
      return saves[a].PlayTime < saves[b].PlayTime;
    });
  }
  return games;
}

std::vector<SeriesSave> OrderIntoLines(std::span<const SaveSummary> saves, std::span<const size_t> game) {
  std::vector<SeriesSave> ordered;
  std::vector<bool> hasChild(game.size(), false);
  int lines = 0;
  for (size_t i = 0; i < game.size(); ++i) {
    SeriesSave save{game[i], -1, 0};
    for (size_t j = i; j-- > 0;) {
      if (!Continues(saves[game[i]], saves[game[j]])) continue;
      save.Parent = static_cast<int>(j);
      break;
    }
    const bool firstChild = save.Parent >= 0 && !hasChild[static_cast<size_t>(save.Parent)];
    save.Line = firstChild ? ordered[static_cast<size_t>(save.Parent)].Line : ++lines;
    if (save.Parent >= 0) hasChild[static_cast<size_t>(save.Parent)] = true;
    ordered.push_back(save);
  }
  return ordered;
}

std::vector<Finding> GameFindings(std::span<const SaveSummary> saves, std::span<const SeriesSave> game) {
  std::vector<Finding> findings;
  for (size_t i = 0; i < game.size(); ++i) {
    const SaveSummary& save = saves[game[i].Index];
    const SaveSummary* parent = game[i].Parent >= 0 ? &saves[game[static_cast<size_t>(game[i].Parent)].Index] : nullptr;
    if (i > 0 && game[i].Parent != static_cast<int>(i) - 1) {
      std::optional<Finding> branch = BranchFinding(saves[game[i - 1].Index], save);
      if (branch) branch->Text += parent ? " It continues " + parent->File + "." : " It continues no earlier save.";
      Append(findings, std::move(branch));
    }
    if (parent) {
      Append(findings, LoadedEarlierTurnFinding(*parent, save));
      Append(findings, PlayTimeFinding(*parent, save));
    }
    for (Finding& finding : SingleSaveFindings(save.File, save.Turn, save.LastHistoryTurn, save.CancerCount)) {
      findings.push_back(std::move(finding));
    }
  }
  return findings;
}

SeriesCheck CheckSeries(std::span<const SaveSummary> saves) {
  SeriesCheck check;
  for (size_t i = 0; i < saves.size(); ++i) {
    if (!saves[i].Comparable()) check.NotComparable.push_back(i);
  }
  for (const std::vector<size_t>& group : GroupIntoGames(saves)) {
    GameSeries game;
    game.Title = saves[group.front()].GameTitle;
    game.Saves = OrderIntoLines(saves, group);
    game.Findings = GameFindings(saves, game.Saves);
    check.Games.push_back(std::move(game));
  }
  return check;
}

}  // namespace orv5
