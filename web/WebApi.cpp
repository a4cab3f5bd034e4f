// The entry points the page calls for the save on show. The page holds one loaded save, as the
// window does: a load builds a new value and replaces the shown one only when it succeeded.
// Every answer is a JSON text, or for a table the CSV text itself, that stays valid until the
// next call.
#include <emscripten.h>

#include <memory>
#include <nlohmann/json.hpp>

#include "analysis/SessionFigures.h"
#include "views/CsvTables.h"
#include "views/LoadNotice.h"
#include "views/ModelJson.h"
#include "views/Tabs.h"
#include "web/WebAnswers.h"

namespace orv5 {

namespace {

std::unique_ptr<LoadedSave> gLoaded;
std::string gAnswer;

}  // namespace

namespace web {

const LoadedSave* ShownSave() { return gLoaded.get(); }

const char* Answer(const nlohmann::json& document) { return AnswerText(DumpJson(document, -1)); }

const char* AnswerText(std::string text) {
  gAnswer = std::move(text);
  return gAnswer.c_str();
}

}  // namespace web

namespace {

using web::Answer;

// The sheets in the window's order; before a load every sheet but `TestTab` is shown.
nlohmann::json TabList(const SaveAnalysis* save) {
  nlohmann::json tabs = nlohmann::json::array();
  for (const TabInfo& tab : AllTabs()) {
    tabs.push_back({{"sheet", tab.Sheet},
                    {"caption", tab.Caption},
                    {"visible", save ? TabVisible(*save, tab.Sheet) : tab.Sheet != "TestTab"},
                    {"uses",
                     {{"player", (tab.Uses & UsesPlayer) != 0},
                      {"city", (tab.Uses & UsesCity) != 0},
                      {"agent", (tab.Uses & UsesAgent) != 0},
                      {"dataset", (tab.Uses & UsesDataset) != 0},
                      {"language", (tab.Uses & UsesLanguage) != 0}}}});
  }
  return tabs;
}

// A field of the selection, or the fallback when it is missing or of another kind (the page
// never sends such, but a wrong kind must not stop the core).
int32_t IntField(const nlohmann::json& j, const char* name, int32_t fallback) {
  const auto it = j.find(name);
  return it != j.end() && it->is_number_integer() ? it->get<int32_t>() : fallback;
}

bool BoolField(const nlohmann::json& j, const char* name, bool fallback) {
  const auto it = j.find(name);
  return it != j.end() && it->is_boolean() ? it->get<bool>() : fallback;
}

bool IsRussian(const nlohmann::json& j) {
  const auto it = j.find("lang");
  return it != j.end() && it->is_string() && it->get<std::string>() == "ru";
}

// The selections on the page: {"player", "city", "agent", "dataset", "lang": "en"|"ru",
// "graphChecks": [bool...], "bottomAxis": [min, max], "zoomResetPending": bool}; anything
// missing is as after a load.
ViewSelection ParseSelection(const nlohmann::json& j) {
  ViewSelection selection;
  if (!j.is_object()) return selection;
  selection.Player = IntField(j, "player", selection.Player);
  selection.City = IntField(j, "city", selection.City);
  selection.Agent = IntField(j, "agent", selection.Agent);
  selection.Dataset = IntField(j, "dataset", selection.Dataset);
  selection.Language = IsRussian(j) ? 1 : 0;
  if (const auto checks = j.find("graphChecks"); checks != j.end() && checks->is_array()) {
    for (const auto& check : *checks) selection.GraphChecks.push_back(check.is_boolean() && check.get<bool>());
  }
  if (const auto axis = j.find("bottomAxis"); axis != j.end() && axis->is_array() && axis->size() == 2 &&
                                              (*axis)[0].is_number() && (*axis)[1].is_number()) {
    selection.BottomAxis = AxisRange{(*axis)[0].get<double>(), (*axis)[1].get<double>()};
  }
  selection.ZoomResetPending = BoolField(j, "zoomResetPending", true);
  return selection;
}

}  // namespace

}  // namespace orv5

extern "C" {

// Loads a save from the `length` bytes the page read; `name` is only shown. Answers
// {"ok": true, "notice", "diagnostics", "tabs": [{"sheet", "caption", "visible", "uses"}],
//  "times": {"readMs", "analyseMs"}} or {"ok": false, "error": reason}.
EMSCRIPTEN_KEEPALIVE const char* orv5_load(const uint8_t* bytes, int length, const char* name) {
  using namespace orv5;
  const double start = emscripten_get_now();
  LoadResult result = LoadSaveFromBytes({bytes, static_cast<size_t>(std::max(length, 0))}, name ? name : "");
  const double read = emscripten_get_now();
  if (const auto* error = std::get_if<LoadError>(&result)) return Answer({{"ok", false}, {"error", error->Message}});
  auto loaded = std::make_unique<LoadedSave>();
  loaded->Container = std::move(std::get<SaveContainer>(result));
  loaded->Analysis = Save5Analyse(loaded->Container);
  gLoaded = std::move(loaded);
  const SaveAnalysis& save = gLoaded->Analysis;
  return Answer({{"ok", true},
                 {"notice", LoadNotice(save)},
                 {"diagnostics", DiagnosticsJson(save)},
                 {"tabs", TabList(&save)},
                 {"times", {{"readMs", read - start}, {"analyseMs", emscripten_get_now() - read}}}});
}

EMSCRIPTEN_KEEPALIVE const char* orv5_tabs() { return orv5::Answer(orv5::TabList(nullptr)); }

// The model of one sheet for the page's selections: {"sheet", "visible", "controls": [...]}.
EMSCRIPTEN_KEEPALIVE const char* orv5_tab(const char* sheet, const char* selection) {
  using namespace orv5;
  const TabInfo* tab = FindTab(sheet ? sheet : "");
  if (!gLoaded || !tab) return Answer(nullptr);
  const ViewSelection chosen = ParseSelection(nlohmann::json::parse(selection ? selection : "", nullptr, false));
  const TabModel model = tab->Build(gLoaded->Analysis, chosen);
  return Answer({{"sheet", model.Sheet}, {"visible", model.Visible}, {"controls", TabControlsJson(model)}});
}

// The user corrected the pre-session count on the Reloads sheet: the session figures follow.
EMSCRIPTEN_KEEPALIVE void orv5_presessions(int count) {
  if (orv5::gLoaded) orv5::CheckValues(orv5::gLoaded->Analysis, count);
}

// The tables a save gives as CSV, in `orv5 csv --list` order: [{"name", "rows", "file"}], each
// file named after the save's file name `saveName` as the window's "Export tables…" names it.
EMSCRIPTEN_KEEPALIVE const char* orv5_csv_tables(const char* saveName) {
  using namespace orv5;
  nlohmann::json tables = nlohmann::json::array();
  for (const CsvTable& table : CsvTables()) {
    tables.push_back({{"name", table.Name}, {"rows", table.Rows}, {"file", CsvFileName(saveName ? saveName : "", table)}});
  }
  return Answer(tables);
}

// One table of the shown save, as `orv5 csv SAVE --table NAME` prints it for a save of the file
// name `saveName`; empty when no save is shown or there is no such table.
EMSCRIPTEN_KEEPALIVE const char* orv5_csv(const char* name, const char* saveName) {
  using namespace orv5;
  const CsvTable* table = FindCsvTable(name ? name : "");
  if (!gLoaded || !table) return web::AnswerText({});
  return web::AnswerText(CsvTableText(*table, saveName ? saveName : "", gLoaded->Analysis));
}

// The length in bytes of the last answer (a CSV text is taken as bytes, whatever it holds).
EMSCRIPTEN_KEEPALIVE int orv5_answer_length() { return static_cast<int>(orv5::gAnswer.size()); }

}  // extern "C"
