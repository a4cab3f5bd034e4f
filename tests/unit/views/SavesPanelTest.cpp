// The saves panel's rows: grouping by game, order along the lines of play, the texts of every
// column, the findings mark, the saves listed apart, sorting and the pairs it compares.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/unit/series/LineSaves.h"
#include "views/SavesPanel.h"
#include "views/SeriesText.h"

namespace orv5::testing {
namespace {

using Lines = std::vector<std::string>;

// a (turn 4) and b (turn 6) are one line; c (turn 8) continues a but not b, so it starts a
// second line from a; d carries reload records.
std::vector<LineSave> BranchingGame() {
  return {{"a.Orv5Save", 4, 100, {{1, "Athens is founded."}}},
          {"b.Orv5Save", 6, 200, {{1, "Athens is founded."}, {5, "Sparta is founded."}}},
          {"c.Orv5Save", 8, 300, {{1, "Athens is founded."}, {5, "Thebes is founded."}}},
          {"d.Orv5Save", 9, 400, {{1, "Athens is founded."}, {5, "Sparta is founded."}}, -1, -1, 3}};
}

// Puts the saves in the order given, as the background work delivers them.
void PutAll(SavesPanelModel& panel, const std::vector<LineSave>& lines) {
  for (const LineSave& line : lines) {
    const SaveAnalysis analysis = Analyse(BuildLineSave(line));
    panel.PutSave(line.File, PanelFactsOf(analysis), SummariseSave(line.File, analysis));
  }
}

std::string Text(const PanelRow& row, PanelColumn column) { return row.Texts[static_cast<size_t>(column)]; }

std::string FileOfRow(const SavesPanelModel& panel, int row) {
  return Text(panel.Rows()[static_cast<size_t>(row)], PanelColumn::File);
}

Lines ChildFiles(const SavesPanelModel& panel, int row) {
  Lines files;
  for (int child : panel.Rows()[static_cast<size_t>(row)].Children) files.push_back(FileOfRow(panel, child));
  return files;
}

TEST(SavesPanel, SavesOfOneGameFollowTheirLinesAndABranchHangsUnderTheSaveItContinues) {
  SavesPanelModel panel;
  std::vector<LineSave> lines = BranchingGame();
  std::reverse(lines.begin(), lines.end());  // arrival order does not matter
  PutAll(panel, lines);
  panel.Regroup();
  ASSERT_EQ(panel.TopRows().size(), 1u);
  const int game = panel.TopRows()[0];
  EXPECT_EQ(panel.Rows()[static_cast<size_t>(game)].Kind, PanelRowKind::Game);
  EXPECT_EQ(FileOfRow(panel, game).rfind("Game 1: Pangaea.lua, Standard, Standard, Ancient start: ", 0), 0u);
  EXPECT_EQ(ChildFiles(panel, game), (Lines{"a.Orv5Save", "b.Orv5Save", "d.Orv5Save"}));
  const int a = panel.RowOfEntry(panel.FindEntry("a.Orv5Save"));
  EXPECT_EQ(ChildFiles(panel, a), (Lines{"c.Orv5Save"}));
  const PanelRow& c = panel.Rows()[static_cast<size_t>(panel.RowOfEntry(panel.FindEntry("c.Orv5Save")))];
  EXPECT_EQ(c.Parent, a);
  EXPECT_EQ(Text(c, PanelColumn::Line), "2");
  EXPECT_EQ(Text(panel.Rows()[static_cast<size_t>(a)], PanelColumn::Line), "1");
  // The game row spans the turns and counts the findings: c and d each leave the save just
  // before them, and d carries reload records.
  EXPECT_EQ(Text(panel.Rows()[static_cast<size_t>(game)], PanelColumn::Turn), "4-9");
  EXPECT_EQ(Text(panel.Rows()[static_cast<size_t>(game)], PanelColumn::Findings), "3 findings");
}

TEST(SavesPanel, ASaveRowShowsEveryColumn) {
  SavesPanelModel panel;
  PutAll(panel, {{"a.Orv5Save", 4, 36612, {{1, "Athens is founded."}}, -1, -1, 3}});
  panel.Regroup();
  const PanelRow& row = panel.Rows()[static_cast<size_t>(panel.RowOfEntry(0))];
  const Lines texts(row.Texts.begin(), row.Texts.end());
  EXPECT_EQ(texts, (Lines{"a.Orv5Save", "France", "Napoleon", "4", "3840BC", "Single Player", "36", "1:01:01", "1",
                          "3", "1", "\u26A0 reload-records"}));
  EXPECT_TRUE(row.Marked);
  EXPECT_EQ(row.FindingsTip, FindingLine(panel.Check().Games[0].Findings[0]));
  EXPECT_EQ(row.FindingsTip.rfind("reload-records  a.Orv5Save", 0), 0u) << row.FindingsTip;
}

TEST(SavesPanel, FindingsOfSeveralKindsAreNamedOnceAndEachSentenceIsATipLine) {
  SavesPanelModel panel;
  // Saved at turn 6 with history samples to turn 9, and reload records.
  PutAll(panel, {{"a.Orv5Save", 6, 100, {}, 9, -1, 2}});
  panel.Regroup();
  const PanelRow& row = panel.Rows()[static_cast<size_t>(panel.RowOfEntry(0))];
  EXPECT_EQ(Text(row, PanelColumn::Findings), "\u26A0 history-after-save-turn, reload-records");
  EXPECT_EQ(std::count(row.FindingsTip.begin(), row.FindingsTip.end(), '\n'), 1);
  EXPECT_EQ(row.Keys[static_cast<size_t>(PanelColumn::Findings)].Number, 2);
}

TEST(SavesPanel, SavesThatCannotBeComparedAndRefusedFilesAreListedApartWithTheReason) {
  SavesPanelModel panel;
  PutAll(panel, {{"a.Orv5Save", 4, 100, {}}});
  SyntheticSave setUp = BuildLineSave({"setup.Orv5Save", 0, 0, {}});
  setUp.WithBody = false;
  const SaveAnalysis setUpAnalysis = Analyse(setUp);
  panel.PutSave("setup.Orv5Save", PanelFactsOf(setUpAnalysis), SummariseSave("x", setUpAnalysis));
  panel.PutRefused("notes.Orv5Save", "not an Orv5 save: it does not start with ORV5");
  panel.Regroup();
  ASSERT_EQ(panel.TopRows().size(), 2u);
  const int apart = panel.TopRows()[1];
  EXPECT_EQ(FileOfRow(panel, apart), "Not compared (2)");
  EXPECT_EQ(ChildFiles(panel, apart), (Lines{"setup.Orv5Save", "notes.Orv5Save"}));
  const PanelRow& setUpRow = panel.Rows()[static_cast<size_t>(panel.RowOfEntry(1))];
  EXPECT_EQ(Text(setUpRow, PanelColumn::Findings),
            "not compared: it holds a header only, no compressed body (a multiplayer set-up)");
  EXPECT_EQ(Text(setUpRow, PanelColumn::Turn), "0");  // the header's facts are still shown
  const PanelRow& refused = panel.Rows()[static_cast<size_t>(panel.RowOfEntry(2))];
  EXPECT_EQ(Text(refused, PanelColumn::Findings), "not loaded: not an Orv5 save: it does not start with ORV5");
  EXPECT_EQ(Text(refused, PanelColumn::Turn), "");
  EXPECT_TRUE(refused.Marked);
  EXPECT_EQ(panel.PairOf(0, 1).Refusal, "setup.Orv5Save is not compared with other saves.");
  EXPECT_EQ(panel.PreviousOf(2), -1);
  EXPECT_EQ(panel.ParentOf(2), -1);
  EXPECT_EQ(panel.ParentOf(3), -1);  // no such entry
}

TEST(SavesPanel, TheCheckTextIsWhatOrv5CheckPrintsWithARefusedFileAmongTheSavesNotComparable) {
  SavesPanelModel panel;
  PutAll(panel, BranchingGame());
  panel.Regroup();
  const std::vector<SaveSummary> summaries = SummariesOf(BranchingGame());
  EXPECT_EQ(panel.CheckText(), CheckLines(summaries, CheckSeries(summaries)));
  panel.PutRefused("notes.Orv5Save", "not an Orv5 save: it does not start with ORV5");
  panel.Regroup();
  const Lines text = panel.CheckText();
  ASSERT_GE(text.size(), 3u);
  EXPECT_EQ(Lines(text.end() - 3, text.end()),
            (Lines{"Not comparable:", "  notes.Orv5Save: not an Orv5 save: it does not start with ORV5",
                   "5 saves: 1 game, 1 not comparable, 3 findings."}));
}

TEST(SavesPanel, SortKeysAreNumbersForNumbersTextsWithoutCaseAndTheLineOrder) {
  SavesPanelModel panel;
  PutAll(panel, BranchingGame());
  panel.Regroup();
  const auto key = [&](const char* file, PanelColumn column) {
    return panel.Rows()[static_cast<size_t>(panel.RowOfEntry(panel.FindEntry(file)))].Keys[static_cast<size_t>(column)];
  };
  EXPECT_EQ(key("d.Orv5Save", PanelColumn::Turn).Number, 9);
  EXPECT_EQ(key("d.Orv5Save", PanelColumn::Date).Number, 9);  // dates sort as their turns
  EXPECT_EQ(key("c.Orv5Save", PanelColumn::PlayTime).Number, 300);
  EXPECT_EQ(key("d.Orv5Save", PanelColumn::ReloadRecords).Number, 3);
  EXPECT_EQ(key("a.Orv5Save", PanelColumn::File).Text, "a.orv5save");
  EXPECT_EQ(key("a.Orv5Save", PanelColumn::Civilization).Text, "france");
  // Sorting by line puts the saves under one row back in the game's order: a, b, d under the
  // game, c under a.
  EXPECT_LT(key("a.Orv5Save", PanelColumn::Line), key("b.Orv5Save", PanelColumn::Line));
  EXPECT_LT(key("b.Orv5Save", PanelColumn::Line), key("d.Orv5Save", PanelColumn::Line));
  EXPECT_LT((PanelSortKey{2, "b"}), (PanelSortKey{10, "a"}));
  EXPECT_LT((PanelSortKey{2, "a"}), (PanelSortKey{2, "b"}));
}

TEST(SavesPanel, PairsAreOrderedAsTheGameAndPreviousIsTheSaveContinued) {
  SavesPanelModel panel;
  PutAll(panel, BranchingGame());
  panel.Regroup();
  const int a = panel.FindEntry("a.Orv5Save");
  const int b = panel.FindEntry("b.Orv5Save");
  const int c = panel.FindEntry("c.Orv5Save");
  const int d = panel.FindEntry("d.Orv5Save");
  const PanelPair pair = panel.PairOf(d, b);
  EXPECT_EQ(pair.Earlier, b);
  EXPECT_EQ(pair.Later, d);
  EXPECT_TRUE(pair.Refusal.empty());
  EXPECT_EQ(panel.PairOf(b, b).Refusal, "Choose two different saves.");
  EXPECT_EQ(panel.PreviousOf(c), a);  // the save it continues, not b just before it
  EXPECT_EQ(panel.PreviousOf(d), b);
  EXPECT_EQ(panel.PreviousOf(a), -1);
  EXPECT_EQ(panel.ParentOf(c), a);
  EXPECT_EQ(panel.ParentOf(d), b);
  EXPECT_EQ(panel.ParentOf(b), a);
  EXPECT_EQ(panel.ParentOf(a), -1);
  const std::vector<SaveSummary> summaries = SummariesOf(BranchingGame());
  EXPECT_EQ(panel.DiffText(pair), DiffLines(DiffSaves(summaries[1], summaries[3])));
  EXPECT_EQ(panel.DiffText(panel.PairOf(a, a)), (Lines{"Choose two different saves."}));
}

TEST(SavesPanel, ASaveWrittenAgainReplacesItsEntryAndARemovedFileLeaves) {
  SavesPanelModel panel;
  PutAll(panel, {{"a.Orv5Save", 4, 100, {}}, {"b.Orv5Save", 6, 200, {}}});
  PutAll(panel, {{"b.Orv5Save", 7, 250, {}}});
  panel.Regroup();
  ASSERT_EQ(panel.Entries().size(), 2u);
  EXPECT_EQ(panel.Entries()[1].Facts.Turn, 7);
  EXPECT_TRUE(panel.Remove("a.Orv5Save"));
  EXPECT_FALSE(panel.Remove("a.Orv5Save"));
  panel.Regroup();
  ASSERT_EQ(panel.TopRows().size(), 1u);
  EXPECT_EQ(ChildFiles(panel, panel.TopRows()[0]), (Lines{"b.Orv5Save"}));
  panel.Clear();
  EXPECT_TRUE(panel.Rows().empty());
}

TEST(SavesPanel, EveryColumnHasATitle) {
  Lines titles;
  for (int column = 0; column < PanelColumnCount; ++column) {
    titles.emplace_back(PanelColumnTitle(static_cast<PanelColumn>(column)));
  }
  EXPECT_EQ(titles, (Lines{"File", "Civilization", "Leader", "Turn", "Date", "Game type", "Score", "Play time",
                           "Sessions", "Reload records", "Line", "Findings"}));
}

}  // namespace
}  // namespace orv5::testing
