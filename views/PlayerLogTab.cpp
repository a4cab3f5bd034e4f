// The Player Log tab: the last notifications the save keeps for one player, oldest first.
#include "savefile/Calendar.h"
#include "savefile/Format.h"
#include "views/Tabs.h"
#include "views/ViewCommon.h"
#include "views/ViewParts.h"

namespace orv5 {

std::vector<const TMessageRec*> PlayerLogMessages(const TNotificationLog& log) {
  std::vector<const TMessageRec*> messages;
  // A ring position outside the ring (a damaged save) starts at its beginning.
  int32_t i = log.First >= 0 && log.First < NotificationRing ? log.First : 0;
  for (int pass = 0; pass < NotificationRing; ++pass) {
    const TMessageRec& message = log.Messages[static_cast<size_t>(i)];
    if (!message.Text.empty()) messages.push_back(&message);
    i = i + 1 > NotificationRing - 1 ? 0 : i + 1;
    if (i == log.Last) break;
  }
  return messages;
}

std::vector<RichTextLine> DrawPlayerLog(int32_t speedIndex, const TNotificationLog& log) {
  std::vector<RichTextLine> lines;
  for (const TMessageRec* message : PlayerLogMessages(log)) {
    std::string month;
    const int32_t year = Turn2Date(speedIndex, message->Turn, month);
    lines.push_back({Black, Format("%4d%s %s %s", message->Turn, YearText(year), month, message->Text)});
  }
  return lines;
}

TabModel PlayerLogTabModel(const SaveAnalysis& save, const ViewSelection& selection) {
  const int32_t p = SelectedRow(selection.Player);
  TabModel tab{"PlayerLogTab", TabVisible(save, "PlayerLogTab"), {}};
  tab.Add(PlayerSelector(save, "PlayerLogSelect", p));
  RichTextModel& log = tab.Add(RichTextModel{"PlayerLog", {}});
  if (static_cast<size_t>(p) < save.NotificationLogs.size()) {
    log.Lines = DrawPlayerLog(save.SpeedIndex, save.NotificationLogs[static_cast<size_t>(p)]);
  }
  return tab;
}

}  // namespace orv5
