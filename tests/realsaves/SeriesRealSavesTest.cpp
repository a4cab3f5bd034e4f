// Several real saves at once: the four hotseat saves are one line of one game, exp1-spain was
// written after its game had gone further, `orv5 check` over the folder, and `orv5 diff` of
// hotseat saves checked against the two analyses.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <variant>

#include "analysis/Save5Analyse.h"
#include "cli/SeriesCommands.h"
#include "refdata/RefTables.h"
#include "savefile/Container.h"
#include "savefile/KeyText.h"
#include "tests/support/RealSaves.h"
#include "views/Tabs.h"

namespace orv5::testing {
namespace {

const char* const kHotseat[] = {"qel-hotseat-t0.Orv5Save", "qel-hotseat-t1.Orv5Save", "qel-hotseat-t2a.Orv5Save",
                                "qel-hotseat-t26.Orv5Save"};

SaveAnalysis AnalyseReal(const std::filesystem::path& path) {
  LoadResult result = LoadSave(path);
  if (const auto* error = std::get_if<LoadError>(&result)) throw std::runtime_error(error->Message);
  return Save5Analyse(std::get<SaveContainer>(result));
}

std::vector<std::string> RealFiles(std::initializer_list<const char*> names) {
  std::vector<std::string> files;
  for (const char* name : names) files.push_back((RealSavesFolder() / name).string());
  return files;
}

std::vector<std::string> HotseatFiles() { return RealFiles({kHotseat[0], kHotseat[1], kHotseat[2], kHotseat[3]}); }

std::vector<SaveSummary> Summaries(const std::vector<std::string>& files) {
  std::vector<SaveSummary> saves;
  std::ostringstream err;
  EXPECT_EQ(SummariseSaves(files, err, saves), 0) << err.str();
  return saves;
}

int Check(const std::vector<std::string>& arguments, bool json, std::string& out) {
  std::ostringstream text;
  std::ostringstream err;
  const int status = RunCheckCommand({arguments, json}, text, err);
  out = text.str();
  EXPECT_EQ(err.str(), "");
  return status;
}

std::set<std::string> Keys(const nlohmann::json& object) {
  std::set<std::string> keys;
  for (const auto& item : object.items()) keys.insert(item.key());
  return keys;
}

TEST(SeriesRealSaves, TheHotseatSavesAreOneLineOfOneGame) {
  for (const char* name : kHotseat) {
    ORV5_REQUIRE_REAL_SAVE(path, name);
  }
  std::vector<std::string> files = HotseatFiles();
  std::reverse(files.begin(), files.end());  // the order given does not matter
  const std::vector<SaveSummary> saves = Summaries(files);
  const SeriesCheck check = CheckSeries(saves);
  ASSERT_EQ(check.Games.size(), 1u);
  const GameSeries& game = check.Games[0];
  std::vector<std::string> ordered;
  std::vector<int> parents;
  for (const SeriesSave& save : game.Saves) {
    ordered.push_back(std::filesystem::path(saves[save.Index].File).filename().string());
    parents.push_back(save.Parent);
    EXPECT_EQ(save.Line, 1);
  }
  EXPECT_EQ(ordered, std::vector<std::string>(std::begin(kHotseat), std::end(kHotseat)));
  EXPECT_EQ(parents, (std::vector<int>{-1, 0, 1, 2}));
  EXPECT_TRUE(game.Findings.empty());
  std::string out;
  EXPECT_EQ(Check(files, false, out), 0);
}

TEST(SeriesRealSaves, PolandAndSpainAreGamesOfTheirOwnAndSpainWentBack) {
  for (const char* name : kHotseat) {
    ORV5_REQUIRE_REAL_SAVE(path, name);
  }
  ORV5_REQUIRE_REAL_SAVE(poland, "qel-poland-t12.Orv5Save");
  ORV5_REQUIRE_REAL_SAVE(spain, "exp1-spain.Orv5Save");
  std::vector<std::string> files = HotseatFiles();
  files.push_back(poland.string());
  files.push_back(spain.string());
  const SeriesCheck check = CheckSeries(Summaries(files));
  EXPECT_EQ(check.Games.size(), 3u);
  ASSERT_EQ(check.FindingCount(), 1u);
  const Finding& finding = check.Games[2].Findings.at(0);
  EXPECT_EQ(finding.Kind, FindingKind::HistoryAfterSaveTurn);
  EXPECT_EQ(finding.File, spain.string());
  EXPECT_EQ(finding.Turn, 27);
  std::string out;
  EXPECT_EQ(Check(files, false, out), FindingsStatus);
}

TEST(SeriesRealSaves, CheckOfTheWholeFolder) {
  ORV5_REQUIRE_REAL_SAVE(anySave, "qel-hotseat-t0.Orv5Save");
  std::string out;
  ASSERT_EQ(Check({RealSavesFolder().string()}, true, out), FindingsStatus);
  const nlohmann::json report = nlohmann::json::parse(out);
  EXPECT_EQ(Keys(report), (std::set<std::string>{"games", "not_comparable"}));
  ASSERT_EQ(report["games"].size(), 5u);
  size_t findings = 0;
  for (const nlohmann::json& game : report["games"]) {
    EXPECT_EQ(Keys(game), (std::set<std::string>{"saves", "findings"}));
    const size_t saves = game["saves"].size();
    EXPECT_TRUE(saves == 1 || saves == 4) << game.dump();
    for (const nlohmann::json& save : game["saves"]) {
      EXPECT_EQ(Keys(save), (std::set<std::string>{"file", "turn", "play_seconds", "parent"}));
    }
    EXPECT_TRUE(game["saves"][0]["parent"].is_null());
    for (const nlohmann::json& finding : game["findings"]) {
      EXPECT_EQ(Keys(finding), (std::set<std::string>{"kind", "file", "turn", "text"}));
      EXPECT_EQ(finding["kind"], "history-after-save-turn");
      EXPECT_EQ(finding["turn"], 27);
      EXPECT_EQ(std::filesystem::path(finding["file"].get<std::string>()).filename(), "exp1-spain.Orv5Save");
      ++findings;
    }
  }
  EXPECT_EQ(findings, 1u);
  ASSERT_EQ(report["not_comparable"].size(), 1u);
  EXPECT_EQ(std::filesystem::path(report["not_comparable"][0]["file"].get<std::string>()).filename(),
            "header-only-ethiopia.Orv5Save");
  ASSERT_EQ(Check({RealSavesFolder().string()}, false, out), FindingsStatus);
  EXPECT_NE(out.find("\n9 saves: 5 games, 1 not comparable, 1 finding.\n"), std::string::npos) << out;
}

// The names the analysis of a save gives to what `pick` selects of a player, for comparing sets.
template <typename Pick>
std::set<std::string> NamesOf(const SaveAnalysis& save, size_t row, Pick pick) {
  std::set<std::string> names;
  pick(save, row, names);
  return names;
}

std::set<std::string> Minus(const std::set<std::string>& a, const std::set<std::string>& b) {
  std::set<std::string> rest;
  std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::inserter(rest, rest.end()));
  return rest;
}

void KnownTechs(const SaveAnalysis& save, size_t row, std::set<std::string>& names) {
  const auto techs = TechTableQEL();
  for (size_t i = 0; i < techs.size(); ++i) {
    if (save.Leaders[row].TechKnown[i] != 0) names.insert(CutTextKey(techs[i].Key, "TECH_"));
  }
}

void AdoptedPolicies(const SaveAnalysis& save, size_t row, std::set<std::string>& names) {
  const auto policies = PolicyTableQEL();
  for (size_t k = 0; row < save.PolicyFlags.size() && k < policies.size(); ++k) {
    if (save.PolicyFlags[row][k] != 0) names.insert(CutTextKey(policies[k].Key, "POLICY_"));
  }
}

void AllCities(const SaveAnalysis& save, size_t, std::set<std::string>& names) {
  for (const std::string& name : save.CityNameList) names.insert(name);
}

void OwnCities(const SaveAnalysis& save, size_t row, std::set<std::string>& names) {
  if (row >= save.CityTable.size()) return;
  for (const TCityRec& city : save.CityTable[row]) {
    if (!city.Name.empty()) names.insert(city.Name);
  }
}

std::set<std::string> AsSet(const std::vector<std::string>& items) { return {items.begin(), items.end()}; }

void ExpectPlayerChanges(const SaveAnalysis& a, const SaveAnalysis& b, const PlayerChanges& changes) {
  const auto row = static_cast<size_t>(changes.Row);
  SCOPED_TRACE(b.Leaders[row].LeaderName);
  EXPECT_EQ(changes.Leader, b.Leaders[row].LeaderName);
  EXPECT_EQ(AsSet(changes.TechsLearned), Minus(NamesOf(b, row, KnownTechs), NamesOf(a, row, KnownTechs)));
  EXPECT_EQ(AsSet(changes.PoliciesAdopted), Minus(NamesOf(b, row, AdoptedPolicies), NamesOf(a, row, AdoptedPolicies)));
  EXPECT_EQ(AsSet(changes.CitiesFounded), Minus(NamesOf(b, row, OwnCities), NamesOf(a, row, AllCities)));
  EXPECT_EQ(AsSet(changes.CitiesLost), Minus(NamesOf(a, row, OwnCities), NamesOf(b, row, OwnCities)));
  EXPECT_EQ(changes.Gold.From, a.Leaders[row].Gold / 100);
  EXPECT_EQ(changes.Gold.To, b.Leaders[row].Gold / 100);
  EXPECT_EQ(changes.Culture.To, b.Leaders[row].TotalCulture);
  EXPECT_EQ(changes.Cities.To, b.Leaders[row].CityCount);
  int32_t population = 0;
  for (const TCityRec& city : b.CityTable[row]) population += city.Population;
  EXPECT_EQ(changes.Population.To, population);
  if (row < b.HistoryTable.size()) {
    EXPECT_EQ(changes.Score.To, b.HistoryTable[row][0].at(static_cast<size_t>(b.CurrentTurn)));
  }
}

TEST(SeriesRealSaves, DiffOfTheHotseatAtTurns1And2AgreesWithTheAnalyses) {
  ORV5_REQUIRE_REAL_SAVE(t1, "qel-hotseat-t1.Orv5Save");
  ORV5_REQUIRE_REAL_SAVE(t2a, "qel-hotseat-t2a.Orv5Save");
  const SaveAnalysis a = AnalyseReal(t1);
  const SaveAnalysis b = AnalyseReal(t2a);
  const SaveDiff diff = DiffSaves(SummariseSave("t1", a), SummariseSave("t2a", b));
  EXPECT_FALSE(diff.Branch.has_value());
  EXPECT_EQ(diff.FromTurn, a.CurrentTurn);
  EXPECT_EQ(diff.ToTurn, b.CurrentTurn);
  ASSERT_EQ(diff.Players.size(), b.Leaders.size());
  for (const PlayerChanges& changes : diff.Players) ExpectPlayerChanges(a, b, changes);
  // The later log repeats the earlier one; the messages after it, from turn 1 on, are new.
  ASSERT_LE(a.ReplayMessages.size(), b.ReplayMessages.size());
  std::vector<ReplayLine> expected;
  for (size_t i = 0; i < b.ReplayMessages.size(); ++i) {
    const TReplayMsgRec& message = b.ReplayMessages[i];
    if (i < a.ReplayMessages.size()) {
      EXPECT_EQ(message.Text, a.ReplayMessages[i].Text);
    } else if (message.Turn >= a.CurrentTurn && !message.Text.empty()) {
      expected.push_back({message.Turn, message.Text});
    }
  }
  EXPECT_EQ(diff.Replay, expected);
  EXPECT_EQ(diff.Replay, (std::vector<ReplayLine>{{1, "Constantinople is founded."}}));
}

TEST(SeriesRealSaves, EachHotseatPairDiffsWithoutABranchAndBackwardsWithOne) {
  for (const char* name : kHotseat) {
    ORV5_REQUIRE_REAL_SAVE(path, name);
  }
  const std::vector<SaveSummary> saves = Summaries(HotseatFiles());
  for (size_t i = 1; i < saves.size(); ++i) {
    EXPECT_EQ(DiffRefusal(saves[i - 1], saves[i]), "");
    const SaveDiff diff = DiffSaves(saves[i - 1], saves[i]);
    EXPECT_FALSE(diff.Branch.has_value()) << saves[i].File;
    bool changed = false;
    for (const PlayerChanges& player : diff.Players) changed = changed || player.Changed();
    EXPECT_TRUE(changed) << saves[i].File;
  }
  const SaveDiff backwards = DiffSaves(saves[3], saves[1]);
  ASSERT_TRUE(backwards.Branch.has_value());
  EXPECT_EQ(backwards.Branch->Turn, 1);
}

TEST(SeriesRealSaves, PolandAgainstItselfChangesNothing) {
  ORV5_REQUIRE_REAL_SAVE(poland, "qel-poland-t12.Orv5Save");
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunDiffCommand({{poland.string(), poland.string()}, false}, out, err), 0);
  EXPECT_EQ(out.str(), "From " + poland.string() + " (turn 12) to " + poland.string() +
                           " (turn 12)\nNo player changed.\nReplay from turn 12:\n  No new messages.\n");
}

TEST(SeriesRealSaves, SavesOfDifferentGamesAreNotDiffed) {
  ORV5_REQUIRE_REAL_SAVE(poland, "qel-poland-t12.Orv5Save");
  ORV5_REQUIRE_REAL_SAVE(hotseat, "qel-hotseat-t1.Orv5Save");
  ORV5_REQUIRE_REAL_SAVE(ethiopia, "header-only-ethiopia.Orv5Save");
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunDiffCommand({{poland.string(), hotseat.string()}, false}, out, err), 1);
  EXPECT_EQ(err.str(), poland.string() + " and " + hotseat.string() +
                           " are saves of different games: they differ in their map script (assets/maps/pangaea.lua "
                           "against assets/maps/continents.lua).\n");
  EXPECT_EQ(RunDiffCommand({{ethiopia.string(), hotseat.string()}, true}, out, err), 1);
  EXPECT_EQ(out.str(), "");
}

TEST(SeriesRealSaves, TheReloadsTabShowsSpainsHistoryAfterItsTurn) {
  ORV5_REQUIRE_REAL_SAVE(spain, "exp1-spain.Orv5Save");
  ORV5_REQUIRE_REAL_SAVE(poland, "qel-poland-t12.Orv5Save");
  const TabModel tab = ReloadsTabModel(AnalyseReal(spain), {});
  const ListModel* findings = tab.Find<ListModel>("FindingsListBox");
  ASSERT_NE(findings, nullptr);
  EXPECT_EQ(findings->Items, std::vector<std::string>{"Saved at turn 12 but holds history samples up to turn 27: it "
                                                      "was written after the game had been played on to turn 27 and "
                                                      "taken back."});
  const TabModel clean = ReloadsTabModel(AnalyseReal(poland), {});
  EXPECT_TRUE(clean.Find<ListModel>("FindingsListBox")->Items.empty());
}

}  // namespace
}  // namespace orv5::testing
