#pragma once
// The one-line notice under the tabs when a save was only partly understood.
#include <string>

#include "analysis/SaveAnalysis.h"

namespace orv5 {

// Empty for a save every step understood; otherwise what went wrong, briefly.
std::string LoadNotice(const SaveAnalysis& save);

}  // namespace orv5
