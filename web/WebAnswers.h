#pragma once
// What the page's entry points share: the one save on show, as the window holds one, and the
// answer of the last call, which stays valid until the next call.
#include <cstddef>
#include <nlohmann/json.hpp>
#include <string>

#include "analysis/Save5Analyse.h"

namespace orv5::web {

// The save on show; nullptr before a load succeeded.
const LoadedSave* ShownSave();

// The document as a JSON text.
const char* Answer(const nlohmann::json& document);
// The text as it is, bytes the page takes whole (orv5_answer_length gives its length).
const char* AnswerText(std::string text);

}  // namespace orv5::web
