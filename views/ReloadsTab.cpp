// The Reloads tab: how often the game was saved and loaded again, and the size of the runaway
// reload list that Cure removes. The session figures follow the pre-session count, which the
// user may correct in `Edit11` (the window then runs CheckValues and rebuilds this tab). Under
// the sessions, what the save says about itself that an organiser should look at.
#include "analysis/SessionFigures.h"
#include "savefile/Format.h"
#include "series/Findings.h"
#include "series/SaveSummary.h"
#include "views/Tabs.h"

namespace orv5 {

TabModel ReloadsTabModel(const SaveAnalysis& save, const ViewSelection&) {
  TabModel tab{"ReloadsTab", TabVisible(save, "ReloadsTab"), {}};
  tab.AddEdit("Edit9", Format("%6d", save.SessionCount));
  tab.AddEdit("Edit11", Format("%3d", save.PreSessionCount)).TextColour = Blue;  // the user's input
  tab.AddEdit("Edit10", Format("%6d", save.PlaySessionCount));
  tab.AddEdit("Edit12", AverageSessionText(save.AverageSessionSeconds));
  ListModel sessions;
  sessions.Name = "SessionListBox";
  sessions.Items = save.SessionListLines;
  tab.Add(std::move(sessions));
  ListModel findings;
  findings.Name = "FindingsListBox";
  for (const Finding& finding :
       SingleSaveFindings({}, save.CurrentTurn, LastHistoryTurn(save.HistoryTable), save.CancerCount)) {
    findings.Items.push_back(finding.Text);
  }
  tab.Add(std::move(findings));
  tab.AddEdit("CancerSizeE", Format("%11d", save.CancerCount));
  return tab;
}

}  // namespace orv5
