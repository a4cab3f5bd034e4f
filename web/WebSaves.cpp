// The entry points for several saves dropped together, as the window's saves panel holds a
// folder: each save is loaded, summarised and let go, so that the core keeps a summary and the
// facts of its row per save (a few hundred KB), never the loaded saves (tens of MB each); the
// page opens a listed save again from the file it still holds.
#include <emscripten.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <variant>

#include "series/SaveSummary.h"
#include "views/SavesPanel.h"
#include "web/WebAnswers.h"

namespace orv5 {

namespace {

using nlohmann::json;
using web::Answer;

SavesPanelModel gPanel;

const char* RowKindName(PanelRowKind kind) {
  switch (kind) {
    case PanelRowKind::Game:
      return "game";
    case PanelRowKind::Apart:
      return "apart";
    case PanelRowKind::Save:
      break;
  }
  return "save";
}

json Lines(const std::string& text) {
  json lines = json::array();
  if (text.empty()) return lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// {"kind", "parent", "entry", "texts": [one per column], "tip": [lines], "marked", "continues"}:
// rows are listed parents first, so the page can nest each under its parent.
json RowJson(const PanelRow& row) {
  return {{"kind", RowKindName(row.Kind)},
          {"parent", row.Parent},
          {"entry", row.Entry},
          {"texts", row.Texts},
          {"tip", Lines(row.FindingsTip)},
          {"marked", row.Marked},
          {"continues", row.Entry >= 0 ? gPanel.ParentOf(row.Entry) : -1}};
}

json PanelJson() {
  json columns = json::array();
  for (int c = 0; c < PanelColumnCount; ++c) columns.push_back(PanelColumnTitle(static_cast<PanelColumn>(c)));
  json rows = json::array();
  for (const PanelRow& row : gPanel.Rows()) rows.push_back(RowJson(row));
  json entries = json::array();
  for (const PanelEntry& entry : gPanel.Entries()) entries.push_back({{"file", entry.File}, {"refusal", entry.Refusal}});
  return {{"columns", std::move(columns)},
          {"rows", std::move(rows)},
          {"entries", std::move(entries)},
          {"findings", gPanel.Check().FindingCount()},
          {"check", gPanel.CheckText()}};
}

}  // namespace

}  // namespace orv5

extern "C" {

// Forgets every save of the last drop.
EMSCRIPTEN_KEEPALIVE void orv5_saves_clear() { orv5::gPanel.Clear(); }

// Loads one save of the `length` bytes the page read, keeps its summary under the file name
// `name` and lets the loaded save go. Answers {"ok": true} or {"ok": false, "error": reason};
// a refused file is kept too, to be listed apart with the reason.
EMSCRIPTEN_KEEPALIVE const char* orv5_saves_add(const uint8_t* bytes, int length, const char* name) {
  using namespace orv5;
  const std::string file = name ? name : "";
  LoadResult result = LoadSaveFromBytes({bytes, static_cast<size_t>(std::max(length, 0))}, file);
  if (const auto* error = std::get_if<LoadError>(&result)) {
    gPanel.PutRefused(file, error->Message);
    return Answer({{"ok", false}, {"error", error->Message}});
  }
  const SaveAnalysis analysis = Save5Analyse(std::get<SaveContainer>(result));
  gPanel.PutSave(file, PanelFactsOf(analysis), SummariseSave(file, analysis));
  return Answer({{"ok", true}});
}

// Keeps the summary of the save on show under the file name `name`, without loading it again.
EMSCRIPTEN_KEEPALIVE bool orv5_saves_add_shown(const char* name) {
  using namespace orv5;
  const LoadedSave* shown = web::ShownSave();
  if (!shown) return false;
  const std::string file = name ? name : "";
  gPanel.PutSave(file, PanelFactsOf(shown->Analysis), SummariseSave(file, shown->Analysis));
  return true;
}

// A file the page could not hand to the core (the browser could not read it, or reading it
// stopped the core): listed apart with the reason.
EMSCRIPTEN_KEEPALIVE void orv5_saves_refuse(const char* name, const char* why) {
  orv5::gPanel.PutRefused(name ? name : "", why ? why : "");
}

// Groups the saves kept into games and lines of play and answers the panel: {"columns",
// "rows", "entries": [{"file", "refusal"}], "findings": count, "check": [the lines of
// `orv5 check`]}.
EMSCRIPTEN_KEEPALIVE const char* orv5_saves_check() {
  orv5::gPanel.Regroup();
  return orv5::web::Answer(orv5::PanelJson());
}

// Two entries compared as `orv5 diff EARLIER LATER` compares them, in their game's order:
// {"earlier", "later", "lines"}; when they cannot be compared, earlier and later are -1 and
// the one line says why. With `second` -1, the entry is compared with the save before it.
EMSCRIPTEN_KEEPALIVE const char* orv5_saves_compare(int first, int second) {
  using namespace orv5;
  const PanelPair pair = second < 0 ? gPanel.PairOf(gPanel.PreviousOf(first), first) : gPanel.PairOf(first, second);
  return Answer({{"earlier", pair.Earlier}, {"later", pair.Later}, {"lines", gPanel.DiffText(pair)}});
}

// The save an entry is compared with when it is compared alone: the save it continues, else the
// one before it in its game; -1 when there is none.
EMSCRIPTEN_KEEPALIVE int orv5_saves_previous(int entry) { return orv5::gPanel.PreviousOf(entry); }

}  // extern "C"
