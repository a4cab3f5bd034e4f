#pragma once
// Whether one save continues another: everything both record about the turns before the
// earlier save's turn is equal. The earlier save's own turn is left out, since its replay
// messages and history samples may still grow while that turn is played. The messages that
// open a play session are no game event: the session list judges them (loaded-earlier-turn).
#include <cstdint>
#include <optional>
#include <string>

#include "series/SaveSummary.h"

namespace orv5 {

// The first thing two saves record differently.
struct Disagreement {
  int32_t Turn = 0;
  std::string What;     // "replay message 2 of turn 5", "Score of Alexander at turn 3"
  std::string Earlier;  // the value as each save records it; "(none)" where it has none
  std::string Later;
};

// The first disagreement about the turns before `earlier.Turn`, replay messages before history
// samples of the same turn; none when `later` continues `earlier`. History samples are compared
// only when both saves hold a history.
std::optional<Disagreement> FirstDisagreement(const SaveSummary& earlier, const SaveSummary& later);

inline bool Continues(const SaveSummary& later, const SaveSummary& earlier) {
  return !FirstDisagreement(earlier, later).has_value();
}

}  // namespace orv5
