// The Replay tab: every message of the replay log with its turn and date; the messages that
// open a play session stand out in purple.
#include <algorithm>
#include <string_view>

#include "savefile/Calendar.h"
#include "savefile/Format.h"
#include "views/Tabs.h"
#include "views/ViewParts.h"

namespace orv5 {

namespace {

// English, Russian and French games name a session start differently.
bool OpensSession(std::string_view text) {
  for (std::string_view mark :
       {std::string_view("Session"), std::string_view("сессия"), std::string_view("Lancement de la session")}) {
    if (text.find(mark) != std::string_view::npos) return true;
  }
  return false;
}

}  // namespace

RichTextLine ReplayLine(int32_t speedIndex, const TReplayMsgRec& message) {
  std::string month;
  const int32_t year = Turn2Date(speedIndex, message.Turn, month);
  return RichTextLine{OpensSession(message.Text) ? Purple : Black,
                      Format("%4d%s %s %s", message.Turn, ReplayYearText(year), month, message.Text)};
}

TabModel ReplayTabModel(const SaveAnalysis& save, const ViewSelection&) {
  TabModel tab{"ReplayTab", TabVisible(save, "ReplayTab"), {}};
  RichTextModel& list = tab.Add(RichTextModel{"ReplayList", {}});
  const size_t count = std::min(save.ReplayMessages.size(), static_cast<size_t>(std::max(save.ReplayCount, 0)));
  for (size_t i = 0; i < count; ++i) {
    if (!save.ReplayMessages[i].Text.empty()) list.Lines.push_back(ReplayLine(save.SpeedIndex, save.ReplayMessages[i]));
  }
  return tab;
}

}  // namespace orv5
