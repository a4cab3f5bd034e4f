// The replay log: every notable event with its turn. Messages that announce a play session
// ("Session 3 starts") tell how often the game was saved and loaded again.
#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <string>
#include <string_view>

#include "analysis/ListReads.h"
#include "analysis/SessionFigures.h"
#include "analysis/Sections.h"
#include "savefile/Calendar.h"
#include "savefile/Format.h"
#include "savefile/KeyText.h"

namespace orv5 {

namespace {

// The log stands after a fixed run of four values: -1, 0, 1 and a value of at least 10,000
// in size; the search starts this far into the body, past the fixed values at its start.
constexpr int32_t kLogSearchStart = 500;
constexpr char kLogPattern[] = {'\xFF', '\xFF', '\xFF', '\xFF', 0, 0, 0, 0, 1, 0, 0, 0};
constexpr int64_t kLogMarkerAbove = 9999;

using MessageReader = TReplayMsgRec (*)(ListReader&);

// Save versions before 7 store the turn second and no markup; later ones store it first, add a
// list of values, and mark up their texts.
TReplayMsgRec ReadMessageBefore7(ListReader& lists) {
  TReplayMsgRec message;
  lists.Int();
  message.Turn = lists.Int();
  lists.SkipInts(4);
  message.Text = lists.UText();
  lists.Int();
  return message;
}

TReplayMsgRec ReadMessageFrom7(ListReader& lists) {
  TReplayMsgRec message;
  message.Turn = lists.Int();
  lists.Int();
  lists.Ints();
  lists.Int();
  message.Text = CutMacros(lists.UText());
  return message;
}

struct ReplayLayout {
  int32_t FirstVersion;
  int32_t CountOffset;  // from the start of the four-value run to the message count
  MessageReader ReadMessage;
};

constexpr ReplayLayout kReplayLayouts[] = {
    {7, 46, ReadMessageFrom7},
    {0, 42, ReadMessageBefore7},
};

const ReplayLayout& LayoutFor(int32_t saveVersion) {
  for (const ReplayLayout& layout : kReplayLayouts) {
    if (saveVersion >= layout.FirstVersion) return layout;
  }
  return kReplayLayouts[std::size(kReplayLayouts) - 1];
}

int32_t FindReplayLog(const ImageReader& image, int32_t start) {
  const std::string_view pattern(kLogPattern, sizeof kLogPattern);
  for (int32_t q = image.FindStr(pattern, start); q > 0; q = image.FindStr(pattern, q + 1)) {
    if (std::llabs(static_cast<int64_t>(image.IntAt(q + 12))) > kLogMarkerAbove) return q;
  }
  return 0;
}

void RecordSession(const TReplayMsgRec& message, int32_t& sessions, SaveAnalysis& save) {
  if (message.Turn == save.StartTurn) ++save.PreSessionCount;
  ++sessions;
  if (save.SessionTurns.size() >= static_cast<size_t>(MaxSessionTurns)) return;
  save.SessionTurns.push_back(message.Turn);
  std::string month;
  const int32_t year = Turn2Date(save.SpeedIndex, message.Turn, month);
  save.SessionListLines.push_back(Format("%3d%5d%6d %s | ", {save.SessionTurns.size(), message.Turn, year, month}));
}

}  // namespace

void ReadReplayLog(ParseContext& ctx, SaveAnalysis& save) {
  StepDiagnostic& step = AddStep(save, "replay");
  const int32_t q = FindReplayLog(ctx.Image, ImageReader::Advance(ctx.BodyStart, kLogSearchStart));
  if (q == 0) {
    step.Stop = "no replay log found";
    return;
  }
  step.Found = true;
  const ReplayLayout& layout = LayoutFor(save.SaveVersion);
  ctx.Cursor = q + layout.CountOffset;
  ListReader lists(ctx.Image, ctx.Cursor);
  const int32_t count = lists.Int();
  int32_t sessions = 0;
  save.ReplayCount = lists.Each(std::min(count, MaxReplayMessages), [&](int32_t) {
    save.ReplayMessages.push_back(layout.ReadMessage(lists));
    if (IsSessionMessage(save.ReplayMessages.back().Text)) RecordSession(save.ReplayMessages.back(), sessions, save);
  });
  save.SessionCount = lists.Int();
  save.SessionLines = static_cast<int32_t>(save.SessionTurns.size()) + 1;
  step.Records = save.ReplayCount;
  if (count > MaxReplayMessages) step.Stop = std::to_string(count) + " messages, the first 65536 kept";
  if (sessions > MaxSessionTurns) step.Stop = std::to_string(sessions) + " session messages, the first 4097 kept";
  if (lists.Overran()) step.Stop = "the replay log runs past the end of the image";
}

}  // namespace orv5
