// Each slot's player record: its espionage agents (QEL), its last 100 notifications and six
// treasury values. Records are found by a marker per layout and told apart from other hits by
// a check value; the QEL layout has two record variants (the final game build stores two more
// entries after the marker), which are probed in order at every hit. The notification list is
// then sought from the marker by a key whose header names the record's slot.
#include <array>
#include <string>
#include <vector>

#include "analysis/AgentSection.h"
#include "analysis/Sections.h"
#include "analysis/SlotRows.h"
#include "refdata/RefTables.h"
#include "savefile/KeyText.h"

namespace orv5 {

namespace {

struct PlayerRecordLayout {
  GameVariant Variant;
  int32_t Marker;
  std::array<int32_t, 2> CheckOffsets;  // record variants: where the check value stands after the marker
  int32_t VariantCount;
  int32_t CheckLow, CheckHigh;          // accepted check values (the record's version)
  bool HasAgents;
  int32_t ListKey;                      // the notification list's key
  int32_t ListKeyAbove379994;           // ... in builds above 379994
};

constexpr PlayerRecordLayout PlayerRecordLayouts[] = {
    {GameVariant::Base, 0x37AEAE99, {12, 0}, 1, 11, 11, false, 257, 513},
    {GameVariant::Expansion1, 0x18BF8791, {12, 0}, 1, 12, 12, false, 257, 513},
    // Slots in use store version 97, empty slots 96, whatever the build.
    {GameVariant::QEL, static_cast<int32_t>(0xF5010319), {8, 24}, 2, 96, 97, true, 513, 513},
};

constexpr int32_t MaxRecordPasses = 10001;
constexpr int32_t MaxHeaderTries = 100;
constexpr int32_t HeaderSearchGap = 16;  // each try searches from 16 bytes after the last one
constexpr int32_t HeaderSlotAt = 5;      // the slot stands 5 bytes after the key

const PlayerRecordLayout& SelectPlayerRecordLayout(const SaveAnalysis& save) {
  const GameVariant variant = SelectVariant(save.IsQEL != 0, save.HasExpansion1 != 0);
  for (const PlayerRecordLayout& layout : PlayerRecordLayouts) {
    if (layout.Variant == variant) return layout;
  }
  return PlayerRecordLayouts[0];
}

// The offset of the variant's check value after the marker, or -1 when no variant matches.
int32_t MatchVariant(const ImageReader& image, const PlayerRecordLayout& layout, int32_t marker, int32_t& value) {
  for (int32_t v = 0; v < layout.VariantCount; ++v) {
    const int32_t offset = layout.CheckOffsets[static_cast<size_t>(v)];
    value = image.IntAt(ImageReader::Advance(marker, offset));
    if (value >= layout.CheckLow && value <= layout.CheckHigh) return offset;
  }
  return -1;
}

// The notification list header of `slot`, sought from the record's marker up to the next record
// (`end`); 0 when not found there.
int32_t FindListHeader(const ImageReader& image, int32_t key, int32_t marker, int32_t slot, int32_t end) {
  int32_t from = marker;
  for (int32_t t = 0; t < MaxHeaderTries; ++t) {
    const int32_t found = image.FindIntBefore(key, ImageReader::Advance(from, HeaderSearchGap), end);
    if (found == 0) return 0;
    if (image.IntAt(ImageReader::Advance(found, HeaderSlotAt)) == slot) return found;
    from = found;
  }
  return 0;
}

TMessageRec ReadMessage(const ImageReader& image, int32_t& cursor) {
  TMessageRec message;
  message.Kind = image.ReadInt(cursor);
  message.Text = CutMacros(image.ReadUStr(cursor));
  message.Summary = CutMacros(image.ReadUStr(cursor));
  message.Value1 = image.ReadInt(cursor);
  message.Value2 = image.ReadInt(cursor);
  message.Value3 = image.ReadInt(cursor);
  message.Value4 = image.ReadInt(cursor);
  message.Turn = image.ReadInt(cursor);
  message.Value5 = image.ReadInt(cursor);
  message.Flag = image.ReadBool(cursor);
  message.Value6 = image.ReadInt(cursor);
  return message;
}

void SkipIntList(const ImageReader& image, int32_t& cursor) {
  const int32_t count = image.ReadInt(cursor);
  if (count > 0) image.Skip(cursor, static_cast<int64_t>(count) * 4);
}

// The treasury values that follow the messages.
void ReadTreasury(const ImageReader& image, int32_t& cursor, TLeaderInfoRec& leader) {
  const int32_t version = image.ReadInt(cursor);
  leader.Gold = image.ReadInt(cursor);
  leader.DiploGold = image.ReadInt(cursor);
  leader.GoldExtra1 = image.ReadInt(cursor);
  image.Skip(cursor, 4);
  leader.GoldExtra2 = image.ReadInt(cursor);
  image.Skip(cursor, 8);
  leader.GoldExtra3 = image.ReadInt(cursor);
  leader.GoldExtra4 = image.ReadInt(cursor);
  SkipIntList(image, cursor);
  SkipIntList(image, cursor);
  if (version > 1) image.Skip(cursor, 4);
}

// From the byte after the key: three int32 (the second is the slot), the ring bounds, exactly
// 100 messages, then the treasury.
void ReadNotificationList(const ImageReader& image, int32_t& cursor, TNotificationLog& log, TLeaderInfoRec& leader) {
  image.Skip(cursor, 12);
  log.First = image.ReadInt(cursor);
  log.Last = image.ReadInt(cursor);
  for (TMessageRec& message : log.Messages) message = ReadMessage(image, cursor);
  ReadTreasury(image, cursor, leader);
}

// A player record found at a marker hit whose check value matches a record variant.
struct RecordHit {
  int32_t Marker = 0;  // 0: no further record
  int32_t CheckOffset = 0;
  int32_t CheckValue = 0;
};

class RecordFinder {
 public:
  RecordFinder(const ImageReader& image, const PlayerRecordLayout& layout) : image_(image), layout_(layout) {}

  // The next record after `from`; hits that match no variant are passed over.
  RecordHit Next(int32_t from) {
    for (; passes_ < MaxRecordPasses; ++passes_) {
      const int32_t marker = image_.FindInt(layout_.Marker, ImageReader::Advance(from, 1));
      if (marker == 0) return {};
      from = marker;
      RecordHit hit{marker, 0, 0};
      hit.CheckOffset = MatchVariant(image_, layout_, marker, hit.CheckValue);
      if (hit.CheckOffset >= 0) return hit;
    }
    return {};
  }
  bool PassLimitReached() const { return passes_ >= MaxRecordPasses; }

 private:
  const ImageReader& image_;
  const PlayerRecordLayout& layout_;
  int32_t passes_ = 0;
};

struct NotificationRun {
  int32_t Records = 0;         // player records met, one per slot
  int32_t Lists = 0;           // of which held a notification list
  int32_t FirstWithout = -1;   // first slot without a list
  int32_t Agents = 0;          // agents read, all players
};

// The record of `slot`. Its notification list must lie before the next record (`end`); the
// city-state and barbarian slots keep none, and their rows then keep an empty log.
void ReadPlayerRecord(ParseContext& ctx, SaveAnalysis& save, const PlayerRecordLayout& layout, const RecordHit& hit,
                      int32_t end, int32_t row, NotificationRun& run) {
  TLeaderInfoRec scratchLeader;
  TNotificationLog scratchLog;
  TLeaderInfoRec& leader = row >= 0 ? save.Leaders[static_cast<size_t>(row)] : scratchLeader;
  TNotificationLog& log = row >= 0 ? save.NotificationLogs[static_cast<size_t>(row)] : scratchLog;
  if (layout.HasAgents) {
    const int64_t toAgents = static_cast<int64_t>(hit.CheckOffset) + 4 + hit.CheckValue;
    leader.AgentCount = ReadAgents(ctx.Image, ImageReader::Advance(hit.Marker, toAgents), leader.CivName, leader.Agents);
    if (row >= 0) run.Agents += leader.AgentCount;
  }
  const int32_t key = save.BuildAbove379994 ? layout.ListKeyAbove379994 : layout.ListKey;
  const int32_t header = FindListHeader(ctx.Image, key, hit.Marker, run.Records, end);
  if (header == 0) {
    if (run.FirstWithout < 0) run.FirstWithout = run.Records;
    return;
  }
  ctx.Cursor = ImageReader::Advance(header, 1);
  ReadNotificationList(ctx.Image, ctx.Cursor, log, leader);
  ++run.Lists;
}

std::string StopText(const NotificationRun& run, const RecordFinder& finder, const ImageReader& image, int32_t cursor) {
  std::vector<std::string> parts;
  if (cursor >= image.Length()) parts.push_back("a notification list ran past the end of the image");
  if (run.Records == 0) {
    parts.push_back("no player record");
  } else if (run.Records < MaxPlayers) {
    parts.push_back((finder.PassLimitReached() ? "pass limit reached after " : "no further player record after ") +
                    std::to_string(run.Records) + " slots");
  }
  if (run.FirstWithout >= 0) {
    parts.push_back(std::to_string(run.Records - run.Lists) + " slots from slot " + std::to_string(run.FirstWithout) +
                    " on keep no notification list");
  }
  std::string stop;
  for (const std::string& part : parts) stop += (stop.empty() ? "" : "; ") + part;
  return stop;
}

}  // namespace

void ReadNotifications(ParseContext& ctx, SaveAnalysis& save) {
  StepDiagnostic& step = AddStep(ctx, save, "notifications");
  save.NotificationLogs.assign(static_cast<size_t>(std::max(save.LeaderCount, 0)), TNotificationLog{});
  const PlayerRecordLayout& layout = SelectPlayerRecordLayout(save);
  const SlotRows rows(save);
  RecordFinder finder(ctx.Image, layout);
  NotificationRun run;
  RecordHit next = finder.Next(ctx.BodyStart);
  while (next.Marker != 0 && run.Records < MaxPlayers) {
    const RecordHit current = next;
    next = finder.Next(current.Marker);
    const int32_t end = next.Marker != 0 ? next.Marker : ctx.Image.Length();
    ReadPlayerRecord(ctx, save, layout, current, end, rows(run.Records), run);
    ++run.Records;
    if (ctx.Cursor >= ctx.Image.Length()) break;
    // The next search goes on from the end of what was read.
    if (next.Marker != 0 && next.Marker < ctx.Cursor) next = finder.Next(ctx.Cursor);
  }
  step.Found = run.Lists > 0;
  step.Records = run.Records;
  step.Stop = StopText(run, finder, ctx.Image, ctx.Cursor);
  if (!layout.HasAgents) return;
  StepDiagnostic& agents = AddStep(ctx, save, "agents");  // `step` is not used past this point
  agents.Found = run.Records > 0;
  agents.Records = run.Agents;
}

}  // namespace orv5
