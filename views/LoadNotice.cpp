#include "views/LoadNotice.h"

#include <string_view>

namespace orv5 {

namespace {

// Sections every save with a body has, whatever the game's state: when one of these is not
// found, the layout was not understood. Others (league, religions, cities, the reload list)
// are simply absent from many saves, early games and empty maps.
bool SectionAlwaysPresent(const SaveAnalysis& save, std::string_view step) {
  constexpr std::string_view always[] = {"players", "body values", "replay",        "policies",
                                         "technologies", "statistics", "notifications"};
  for (std::string_view name : always) {
    if (step == name) return true;
  }
  // A game that has played turns has a history of them.
  return step == "history" && save.ElapsedTurns > 0;
}

void Append(std::string& list, const std::string& item) {
  if (!list.empty()) list += ", ";
  list += item;
}

}  // namespace

std::string LoadNotice(const SaveAnalysis& save) {
  std::string notes;
  std::string missing;
  for (const StepDiagnostic& step : save.Diagnostics) {
    // An early build's save lacks the per-player sections by design; its own note says why.
    if (step.Step == "early build") return step.Stop;
    if (step.Step == "header" && !step.Stop.empty()) notes = step.Stop;
    if (!step.Found && SectionAlwaysPresent(save, step.Step)) Append(missing, step.Step);
  }
  if (notes.empty() && missing.empty()) return {};
  std::string text = "This save was only partly understood: ";
  if (!notes.empty()) text += notes;
  if (!notes.empty() && !missing.empty()) text += "; ";
  if (!missing.empty()) text += "nothing found where the layout should have " + missing;
  return text + ".";
}

}  // namespace orv5
