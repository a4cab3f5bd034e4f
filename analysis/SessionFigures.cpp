// Session figures: the sessions the save counts, less those that began on the starting turn
// before any turn was played, give the play sessions over which the playing time is averaged.
#include "analysis/SessionFigures.h"

#include <algorithm>
#include <limits>

#include "analysis/Sections.h"
#include "savefile/Format.h"

namespace orv5 {

namespace {

// Session messages in the languages the game writes them in (UTF-8, case-sensitive).
constexpr std::string_view kSessionWords[] = {"Session", "\xD1\x81\xD0\xB5\xD1\x81\xD1\x81\xD0\xB8\xD1\x8F"};

}  // namespace

bool IsSessionMessage(std::string_view text) {
  for (std::string_view word : kSessionWords) {
    if (text.find(word) != std::string_view::npos) return true;
  }
  return false;
}

void CheckValues(SaveAnalysis& save, int32_t preSessionCount) {
  save.PreSessionCount = preSessionCount;
  const int64_t playSessions = static_cast<int64_t>(save.SessionCount) - preSessionCount;
  save.PlaySessionCount = static_cast<int32_t>(std::clamp<int64_t>(playSessions, 0, std::numeric_limits<int32_t>::max()));
  save.AverageSessionSeconds = save.PlaySessionCount > 0 ? save.PlaySeconds / save.PlaySessionCount : 0;
}

std::string AverageSessionText(int32_t seconds) {
  return Format("%6d:%02.2d:%02.2d", {seconds / 3600, seconds / 60 % 60, seconds % 60});
}

}  // namespace orv5
