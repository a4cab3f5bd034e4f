// The Policy tab (`PlayerPolicyChoose`): the adopted policies in one box per branch or ideology,
// and the player's culture figures.
#include <span>
#include <vector>

#include "refdata/RefTables.h"
#include "savefile/Format.h"
#include "savefile/KeyText.h"
#include "views/Tabs.h"
#include "views/ViewCommon.h"

namespace orv5 {

namespace {

// The thirteen boxes in the window's order: two rows of five branches, then the ideologies.
constexpr const char* kBoxes[] = {"TraditionBranch",   "LibertyBranch",  "HonorBranch",     "PietyBranch",
                                  "PatronageBranch",   "OrderBranch",    "AutocracyBranch", "FreedomBranch",
                                  "RationalismBranch", "CommerceBranch", "FreedomIdeology", "OrderIdeology",
                                  "AutocracyIdeology"};

// Box of each `Branch` number. The QEL table numbers Commerce 5, Rationalism 6, Aesthetics 7 and
// Exploration 8, and the window shows them in the second row's fourth, second, fifth and third
// boxes (`OrderBranch` stays empty); the older table numbers Autocracy 8 and Order 9.
constexpr const char* kBoxOfBranchQEL[] = {
    "TraditionBranch", "LibertyBranch",  "HonorBranch",   "PietyBranch",     "PatronageBranch", "RationalismBranch",
    "AutocracyBranch", "CommerceBranch", "FreedomBranch", "FreedomIdeology", "OrderIdeology",   "AutocracyIdeology"};
constexpr const char* kBoxOfBranchOlder[] = {"TraditionBranch", "LibertyBranch",  "HonorBranch",       "PietyBranch",
                                             "PatronageBranch", "CommerceBranch", "RationalismBranch", "FreedomBranch",
                                             "AutocracyBranch", "OrderBranch"};

const char* BoxOfBranch(bool isQEL, int32_t branch) {
  const std::span<const char* const> boxes =
      isQEL ? std::span<const char* const>(kBoxOfBranchQEL) : std::span<const char* const>(kBoxOfBranchOlder);
  if (branch < 0 || static_cast<size_t>(branch) >= boxes.size()) return nullptr;
  return boxes[static_cast<size_t>(branch)];
}

void AddBranchBoxes(bool isQEL, const std::array<int32_t, MaxPolicies>& flags, TabModel& tab) {
  std::vector<RichTextModel> boxes;
  for (const char* name : kBoxes) boxes.push_back(RichTextModel{name, {}});
  const auto table = PolicyTable(isQEL);
  for (size_t k = 0; k < table.size() && k < flags.size(); ++k) {
    if (flags[k] == 0) continue;
    const char* box = BoxOfBranch(isQEL, table[k].Branch);
    for (RichTextModel& target : boxes) {
      if (box && target.Name == box) target.Lines.push_back({Black, CutTextKey(table[k].Key, "POLICY_")});
    }
  }
  for (RichTextModel& box : boxes) tab.Add(std::move(box));
}

// QEL saves carry no culture from city-states in this block, so both fields stay empty; the
// game's record of the culture per turn still shows in the tooltip. What the game records as
// "Total Culture" is the culture toward the next policy, so that record goes with PolicyCultureE.
void AddCultureFields(const SaveAnalysis& save, int32_t p, const TLeaderInfoRec& player, TabModel& tab) {
  tab.AddEdit("PolicyCultureE", Format("%6d/%d", player.PolicyCulture, player.PolicyCultureNeeded)).Record =
      RecordText(save, p, RecordedValue::PolicyCulture);
  tab.AddEdit("TotalCultureE", Format("%7d", player.TotalCulture));
  tab.AddEdit("PolicyNumE", Format("%3d", player.PolicyCount)).Record = RecordText(save, p, RecordedValue::PolicyCount);
  const std::string perTurnRecord = RecordText(save, p, RecordedValue::CulturePerTurn);
  if (save.IsQEL) {
    tab.AddEdit("CSCultureE", {});
    tab.AddEdit("CulturePerTurnE", {}).Record = perTurnRecord;
    return;
  }
  tab.AddEdit("CSCultureE", Format("%5d", player.CSCulture));
  tab.AddEdit(
         "CulturePerTurnE", Format("%7d", player.CulturePerTurn),
         Format("%d,%d,%d,%d", player.CityCulture, player.HappinessCulture, player.CSCulture, player.GoldenAgeCulture))
      .Record = perTurnRecord;
}

}  // namespace

TabModel PolicyTabModel(const SaveAnalysis& save, const ViewSelection& selection) {
  const int32_t p = SelectedRow(selection.Player);
  TabModel tab{"PolicyTab", TabVisible(save, "PolicyTab"), {}};
  tab.Add(PlayerSelector(save, "PlayerPolicySelect", p));
  AddBranchBoxes(save.IsQEL != 0, PolicyFlagsOf(save, p), tab);
  AddCultureFields(save, p, LeaderAt(save, p), tab);
  return tab;
}

}  // namespace orv5
