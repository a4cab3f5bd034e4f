#include "views/SavesPanel.h"

#include <algorithm>
#include <map>

#include "refdata/TextArrays.h"
#include "savefile/Calendar.h"
#include "savefile/Format.h"
#include "series/SaveDiff.h"
#include "views/SeriesText.h"
#include "views/ViewCommon.h"

namespace orv5 {

namespace {

constexpr std::array<std::string_view, PanelColumnCount> ColumnTitles = {
    "File",  "Civilization", "Leader",   "Turn",           "Date", "Game type",
    "Score", "Play time",    "Sessions", "Reload records", "Line", "Findings"};

size_t At(PanelColumn column) { return static_cast<size_t>(column); }

std::string Lowered(std::string_view text) {
  std::string lowered(text);
  for (char& ch : lowered) {
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  }
  return lowered;
}

std::string Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

void SetText(PanelRow& row, PanelColumn column, std::string text) {
  row.Keys[At(column)].Text = Lowered(text);
  row.Texts[At(column)] = std::move(text);
}

void SetNumber(PanelRow& row, PanelColumn column, int64_t number, std::string text) {
  row.Keys[At(column)].Number = number;
  row.Texts[At(column)] = std::move(text);
}

using FindingsOfFiles = SavesPanelModel::FindingsOfFiles;

// The findings of each save, by file, as the check lists them.
FindingsOfFiles FindingsByFile(const SeriesCheck& check) {
  FindingsOfFiles byFile;
  for (const GameSeries& game : check.Games) {
    for (const Finding& finding : game.Findings) byFile[finding.File].push_back(&finding);
  }
  return byFile;
}

void MarkFindings(PanelRow& row, const std::vector<const Finding*>& findings) {
  std::string kinds;
  for (const Finding* finding : findings) {
    const std::string_view kind = FindingKindName(finding->Kind);
    if (kinds.find(kind) == std::string::npos) kinds += (kinds.empty() ? "" : ", ") + std::string(kind);
    row.FindingsTip += (row.FindingsTip.empty() ? "" : "\n") + FindingLine(*finding);
  }
  SetNumber(row, PanelColumn::Findings, static_cast<int64_t>(findings.size()), "\u26A0 " + kinds);
  row.Keys[At(PanelColumn::Findings)].Text = kinds;
  row.Marked = true;
}

void MarkApart(PanelRow& row, std::string text) {
  row.FindingsTip = text;
  SetText(row, PanelColumn::Findings, std::move(text));
  row.Marked = true;
}

}  // namespace

std::string_view PanelColumnTitle(PanelColumn column) { return ColumnTitles[At(column)]; }

PanelFacts PanelFactsOf(const SaveAnalysis& save) {
  PanelFacts facts;
  const bool hasActiveRow = save.ActivePlayer >= 0 && save.ActivePlayer < save.LeaderCount;
  if (hasActiveRow) {
    facts.Civilization = LeaderAt(save, save.ActivePlayer).CivName;
    facts.Leader = LeaderAt(save, save.ActivePlayer).LeaderName;
  }
  facts.Turn = save.CurrentTurn;
  facts.Date = Trimmed(BaseDateText(save.CurrentYear, save.CurrentDateText));
  facts.GameType = std::string(TextOrFallback(GameTypes(), save.GameType));
  facts.Score = save.GameScore;
  facts.PlayTime = save.PlayTime;
  facts.Sessions = save.SessionCount;
  facts.ReloadRecords = save.CancerCount;
  return facts;
}

int SavesPanelModel::PutSave(std::string file, const PanelFacts& facts, SaveSummary summary) {
  summary.File = file;
  return Put(PanelEntry{std::move(file), {}, facts}, std::move(summary));
}

int SavesPanelModel::PutRefused(std::string file, std::string why) {
  SaveSummary summary;
  summary.File = file;
  summary.NotComparable = why;
  return Put(PanelEntry{std::move(file), std::move(why), {}}, std::move(summary));
}

int SavesPanelModel::Put(PanelEntry entry, SaveSummary summary) {
  int index = FindEntry(entry.File);
  if (index < 0) {
    index = static_cast<int>(entries_.size());
    entries_.emplace_back();
    summaries_.emplace_back();
  }
  entries_[static_cast<size_t>(index)] = std::move(entry);
  summaries_[static_cast<size_t>(index)] = std::move(summary);
  return index;
}

bool SavesPanelModel::Remove(std::string_view file) {
  const int index = FindEntry(file);
  if (index < 0) return false;
  entries_.erase(entries_.begin() + index);
  summaries_.erase(summaries_.begin() + index);
  return true;
}

void SavesPanelModel::Clear() {
  entries_.clear();
  summaries_.clear();
  Regroup();
}

int SavesPanelModel::FindEntry(std::string_view file) const {
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].File == file) return static_cast<int>(i);
  }
  return -1;
}

int SavesPanelModel::RowOfEntry(int entry) const {
  if (entry < 0 || static_cast<size_t>(entry) >= rowOfEntry_.size()) return -1;
  return rowOfEntry_[static_cast<size_t>(entry)];
}

std::vector<int> SavesPanelModel::TopRows() const {
  std::vector<int> top;
  for (size_t i = 0; i < rows_.size(); ++i) {
    if (rows_[i].Parent < 0) top.push_back(static_cast<int>(i));
  }
  return top;
}

int SavesPanelModel::AddRow(PanelRow row) {
  const int index = static_cast<int>(rows_.size());
  if (row.Parent >= 0) rows_[static_cast<size_t>(row.Parent)].Children.push_back(index);
  if (row.Entry >= 0) rowOfEntry_[static_cast<size_t>(row.Entry)] = index;
  // Sorting by line restores the order along the lines of play.
  row.Keys[At(PanelColumn::Line)].Number = index;
  rows_.push_back(std::move(row));
  return index;
}

PanelRow SavesPanelModel::SaveRow(int entry, PanelRowKind kind, int parent) const {
  const PanelEntry& file = entries_[static_cast<size_t>(entry)];
  const PanelFacts& facts = file.Facts;
  PanelRow row;
  row.Kind = kind;
  row.Parent = parent;
  row.Entry = entry;
  SetText(row, PanelColumn::File, file.File);
  if (!file.Loaded()) {
    MarkApart(row, "not loaded: " + file.Refusal);
    return row;
  }
  SetText(row, PanelColumn::Civilization, facts.Civilization);
  SetText(row, PanelColumn::Leader, facts.Leader);
  SetNumber(row, PanelColumn::Turn, facts.Turn, Format("%d", facts.Turn));
  SetNumber(row, PanelColumn::Date, facts.Turn, facts.Date);
  SetText(row, PanelColumn::GameType, facts.GameType);
  SetNumber(row, PanelColumn::Score, facts.Score, Format("%d", facts.Score));
  SetNumber(row, PanelColumn::PlayTime, facts.PlayTime, PlayTimeClock(facts.PlayTime));
  SetNumber(row, PanelColumn::Sessions, facts.Sessions, Format("%d", facts.Sessions));
  SetNumber(row, PanelColumn::ReloadRecords, facts.ReloadRecords, Format("%d", facts.ReloadRecords));
  const SaveSummary& summary = summaries_[static_cast<size_t>(entry)];
  if (!summary.Comparable()) MarkApart(row, "not compared: " + summary.NotComparable);
  return row;
}

// The game's row, then its saves: the first line directly under the game, and each later line
// under the save it continues (or under the game when it continues none).
void SavesPanelModel::AddGameRows(const GameSeries& game, size_t number, const FindingsOfFiles& findings) {
  PanelRow head;
  head.Kind = PanelRowKind::Game;
  SetText(head, PanelColumn::File, Format("Game %d: %s", {number, game.Title}));
  const SaveSummary& first = summaries_[game.Saves.front().Index];
  const SaveSummary& last = summaries_[game.Saves.back().Index];
  SetNumber(head, PanelColumn::Turn, first.Turn, Format("%d-%d", {first.Turn, last.Turn}));
  if (!game.Findings.empty()) {
    SetNumber(head, PanelColumn::Findings, static_cast<int64_t>(game.Findings.size()),
              Format("%d %s", {game.Findings.size(), game.Findings.size() == 1 ? "finding" : "findings"}));
    head.Marked = true;
  }
  const int headRow = AddRow(std::move(head));
  std::map<int, int> anchorOfLine;  // line -> the row its saves hang under
  std::vector<int> rowOfPosition;
  for (const SeriesSave& save : game.Saves) {
    if (!anchorOfLine.contains(save.Line)) {
      anchorOfLine[save.Line] = save.Parent >= 0 ? rowOfPosition[static_cast<size_t>(save.Parent)] : headRow;
    }
    const int entry = static_cast<int>(save.Index);
    PanelRow row = SaveRow(entry, PanelRowKind::Save, anchorOfLine[save.Line]);
    SetNumber(row, PanelColumn::Line, 0, Format("%d", save.Line));
    if (auto found = findings.find(entries_[save.Index].File); found != findings.end()) MarkFindings(row, found->second);
    rowOfPosition.push_back(AddRow(std::move(row)));
    gameOfEntry_[save.Index] = static_cast<int>(number - 1);
    positionOfEntry_[save.Index] = static_cast<int>(rowOfPosition.size() - 1);
  }
}

void SavesPanelModel::Regroup() {
  check_ = CheckSeries(summaries_);
  rows_.clear();
  rowOfEntry_.assign(entries_.size(), -1);
  gameOfEntry_.assign(entries_.size(), -1);
  positionOfEntry_.assign(entries_.size(), -1);
  const FindingsOfFiles findings = FindingsByFile(check_);
  for (size_t g = 0; g < check_.Games.size(); ++g) AddGameRows(check_.Games[g], g + 1, findings);
  if (check_.NotComparable.empty()) return;
  PanelRow apart;
  apart.Kind = PanelRowKind::Apart;
  SetText(apart, PanelColumn::File, Format("Not compared (%d)", check_.NotComparable.size()));
  apart.Keys[At(PanelColumn::File)].Number = 1;  // after the games when sorted by name
  const int apartRow = AddRow(std::move(apart));
  for (size_t index : check_.NotComparable) AddRow(SaveRow(static_cast<int>(index), PanelRowKind::Apart, apartRow));
}

PanelPair SavesPanelModel::PairOf(int first, int second) const {
  PanelPair pair;
  const auto game = [&](int entry) {
    return entry >= 0 && static_cast<size_t>(entry) < gameOfEntry_.size() ? gameOfEntry_[static_cast<size_t>(entry)] : -1;
  };
  if (first == second) {
    pair.Refusal = "Choose two different saves.";
  } else if (game(first) < 0 || game(second) < 0) {
    const int apart = game(first) < 0 ? first : second;
    pair.Refusal = apart < 0 || static_cast<size_t>(apart) >= entries_.size()
                       ? "Choose two saves."
                       : entries_[static_cast<size_t>(apart)].File + " is not compared with other saves.";
  } else if (game(first) != game(second)) {
    pair.Refusal = DiffRefusal(summaries_[static_cast<size_t>(first)], summaries_[static_cast<size_t>(second)]);
  } else {
    const bool inOrder = positionOfEntry_[static_cast<size_t>(first)] < positionOfEntry_[static_cast<size_t>(second)];
    pair.Earlier = inOrder ? first : second;
    pair.Later = inOrder ? second : first;
  }
  return pair;
}

std::pair<const GameSeries*, int> SavesPanelModel::PlaceInGame(int entry) const {
  if (entry < 0 || static_cast<size_t>(entry) >= gameOfEntry_.size() || gameOfEntry_[static_cast<size_t>(entry)] < 0)
    return {nullptr, -1};
  return {&check_.Games[static_cast<size_t>(gameOfEntry_[static_cast<size_t>(entry)])],
          positionOfEntry_[static_cast<size_t>(entry)]};
}

int SavesPanelModel::ParentOf(int entry) const {
  const auto [game, position] = PlaceInGame(entry);
  if (!game) return -1;
  const int parent = game->Saves[static_cast<size_t>(position)].Parent;
  return parent >= 0 ? static_cast<int>(game->Saves[static_cast<size_t>(parent)].Index) : -1;
}

int SavesPanelModel::PreviousOf(int entry) const {
  const auto [game, position] = PlaceInGame(entry);
  if (!game) return -1;
  const int parent = game->Saves[static_cast<size_t>(position)].Parent;
  const int previous = parent >= 0 ? parent : position - 1;
  return previous >= 0 ? static_cast<int>(game->Saves[static_cast<size_t>(previous)].Index) : -1;
}

std::vector<std::string> SavesPanelModel::DiffText(const PanelPair& pair) const {
  if (pair.Earlier < 0 || pair.Later < 0) return {pair.Refusal};
  return DiffLines(
      DiffSaves(summaries_[static_cast<size_t>(pair.Earlier)], summaries_[static_cast<size_t>(pair.Later)]));
}

std::vector<std::string> SavesPanelModel::CheckText() const { return CheckLines(summaries_, check_); }

}  // namespace orv5
