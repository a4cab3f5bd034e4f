// Player records: both QEL record variants, the agents before the notification list, the list
// found by the slot in its header, the ring of 100 messages and the treasury after it.
#include <gtest/gtest.h>

#include "analysis/Sections.h"
#include "tests/support/BodyBuilder.h"

namespace orv5::testing {
namespace {

PlayerRecordSpec SlotRecord(int32_t slot) {
  PlayerRecordSpec r;
  r.Slot = slot;
  r.Last = 2;
  r.Messages = {{1996573794, "Warsaw is ready for a new construction project.", "Warsaw", 0},
                {-848341202, "The City of Warsaw now has 2 [ICON_CITIZEN] Citizens!", "", 8}};
  r.Gold = 6900 + slot;
  r.DiploGold = 12;
  r.GoldExtra = {1, 2, 3, 4};
  return r;
}

int32_t MessageCount(const TNotificationLog& log) {
  int32_t count = 0;
  for (const TMessageRec& m : log.Messages) count += !m.Text.empty();
  return count;
}

struct RecordCase {
  GameVariant Variant;
  bool LongVariant;
  int32_t Build;
  const char* Name;
};

class PlayerRecords : public ::testing::TestWithParam<RecordCase> {
 protected:
  bool HasAgents() const { return GetParam().Variant == GameVariant::QEL; }

  void Add(PlayerRecordSpec record) {
    record.LongVariant = GetParam().LongVariant;
    if (GetParam().LongVariant) record.ListCounts = {14, 29, 7, 25};  // the final build's longer lists
    WritePlayerRecord(writer_, GetParam().Variant, record, GetParam().Build > 379994);
  }

  SaveAnalysis Run(const std::vector<int32_t>& slots) {
    image_ = writer_.Take();
    SaveAnalysis save = MakePlayers(GetParam().Variant, GetParam().Build, slots);
    ParseContext ctx = ContextOver(image_);
    ReadNotifications(ctx, save);
    cursorAfter_ = ctx.Cursor;
    return save;
  }

  ByteWriter writer_ = [] {
    ByteWriter w;
    w.Zeros(32);
    return w;
  }();
  Bytes image_;
  int32_t cursorAfter_ = 0;
};

// ---- Notifications and treasury.

TEST_P(PlayerRecords, MessagesAndTreasuryOfEachSlotGoToItsRow) {
  for (int32_t s = 0; s < 4; ++s) Add(SlotRecord(s));
  const SaveAnalysis save = Run({0, 2});
  ASSERT_EQ(save.NotificationLogs.size(), 2u);
  const TNotificationLog& log = save.NotificationLogs[1];
  EXPECT_EQ(log.First, 0);
  EXPECT_EQ(log.Last, 2);
  EXPECT_EQ(MessageCount(log), 2);
  EXPECT_EQ(log.Messages[0].Kind, 1996573794);
  EXPECT_EQ(log.Messages[0].Summary, "Warsaw");
  EXPECT_EQ(log.Messages[1].Text, "The City of Warsaw now has 2 @ Citizens!");
  EXPECT_EQ(log.Messages[1].Turn, 8);
  EXPECT_EQ(log.Messages[1].Value6, 6);
  EXPECT_EQ(log.Messages[2].Turn, -1);
  EXPECT_EQ(save.Leaders[0].Gold, 6900);
  EXPECT_EQ(save.Leaders[1].Gold, 6902);  // slot 2, not the empty slot 1
  EXPECT_EQ(save.Leaders[1].DiploGold, 12);
  EXPECT_EQ(save.Leaders[1].GoldExtra1, 1);
  EXPECT_EQ(save.Leaders[1].GoldExtra4, 4);
  const StepDiagnostic step = StepNamed(save, "notifications");
  EXPECT_TRUE(step.Found);
  EXPECT_EQ(step.Records, 4);
}

TEST_P(PlayerRecords, RingBoundsAreStoredAsRead) {
  PlayerRecordSpec record = SlotRecord(0);
  record.First = 97;
  record.Last = 3;
  Add(record);
  const SaveAnalysis save = Run({0});
  EXPECT_EQ(save.NotificationLogs[0].First, 97);
  EXPECT_EQ(save.NotificationLogs[0].Last, 3);
}

TEST_P(PlayerRecords, SlotsWithoutAListArePassedOver) {
  // City-state slots keep no notification list; later slots are still read.
  Add(SlotRecord(0));
  PlayerRecordSpec minor = SlotRecord(1);
  minor.HasList = false;
  Add(minor);
  Add(SlotRecord(2));
  const SaveAnalysis save = Run({0, 1, 2});
  EXPECT_EQ(MessageCount(save.NotificationLogs[1]), 0);
  EXPECT_EQ(save.Leaders[1].Gold, 0);
  EXPECT_EQ(save.Leaders[2].Gold, 6902);
  const StepDiagnostic step = StepNamed(save, "notifications");
  EXPECT_EQ(step.Records, 3);
  EXPECT_NE(step.Stop.find("from slot 1"), std::string::npos) << step.Stop;
}

TEST_P(PlayerRecords, LaterTreasuryVersionsReadOneMoreValue) {
  PlayerRecordSpec record = SlotRecord(0);
  record.TreasuryVersion = 2;
  Add(record);
  Add(SlotRecord(1));
  const SaveAnalysis save = Run({0, 1});
  EXPECT_EQ(save.Leaders[0].Gold, 6900);
  EXPECT_EQ(save.Leaders[1].Gold, 6901);
  EXPECT_EQ(cursorAfter_, static_cast<int32_t>(image_.size()) - 64);  // just after slot 1's treasury
}

// ---- Agents.

TEST_P(PlayerRecords, AgentsAreReadWithTheirNames) {
  PlayerRecordSpec record = SlotRecord(0);
  record.Agents = {{1, 3, 2, 10, 11, 4, 0, true, false}, {2, 9, 0, 5, 6, 1, 3, false, true}};
  Add(record);
  const SaveAnalysis save = Run({0});
  const TLeaderInfoRec& r = save.Leaders[0];
  if (!HasAgents()) {
    EXPECT_EQ(r.AgentCount, 0);
    return;
  }
  ASSERT_EQ(r.AgentCount, 2);
  EXPECT_EQ(r.Agents[0].NameIndex, 3);
  EXPECT_EQ(r.Agents[0].Name, "Edward");
  EXPECT_EQ(r.Agents[0].Rank, 2);
  EXPECT_EQ(r.Agents[0].X, 10);
  EXPECT_EQ(r.Agents[0].Y, 11);
  EXPECT_EQ(r.Agents[0].State, 4);
  EXPECT_EQ(r.Agents[0].IsDiplomat, 1);
  EXPECT_EQ(r.Agents[1].ReviveTurns, 3);
  EXPECT_EQ(r.Agents[1].Reassign, 1);
  EXPECT_EQ(r.Agents[1].CityOwner, -1);
  EXPECT_EQ(r.Agents[2].NameIndex, -1);
  EXPECT_EQ(r.Gold, 6900);  // the list after the agents is still found
  EXPECT_EQ(StepNamed(save, "agents").Records, 2);
}

TEST_P(PlayerRecords, AnAgentWithoutTheDiplomatByte) {
  if (!HasAgents()) GTEST_SKIP() << "only the QEL layout has agents";
  PlayerRecordSpec record = SlotRecord(0);
  record.Agents = {{0, 1, 0, 0, 0, 0, 0, false, true}, {1, 2, 0, 0, 0, 0, 0, true, false}};
  Add(record);
  const SaveAnalysis save = Run({0});
  EXPECT_EQ(save.Leaders[0].Agents[0].IsDiplomat, 0);
  EXPECT_EQ(save.Leaders[0].Agents[0].Reassign, 1);  // the byte after ReviveTurns
  EXPECT_EQ(save.Leaders[0].Agents[1].NameIndex, 2);
  EXPECT_EQ(save.Leaders[0].Agents[1].IsDiplomat, 1);
}

TEST_P(PlayerRecords, TwelveAgentsKeepNine) {
  if (!HasAgents()) GTEST_SKIP() << "only the QEL layout has agents";
  PlayerRecordSpec record = SlotRecord(0);
  for (int32_t a = 0; a < 12; ++a) record.Agents.push_back({1, a % 10, 1, a, a, 0, 0, false, false});
  Add(record);
  const SaveAnalysis save = Run({0});
  const TLeaderInfoRec& r = save.Leaders[0];
  EXPECT_EQ(r.AgentCount, 9);
  EXPECT_EQ(r.Agents[8].X, 8);
  EXPECT_EQ(r.Agents[9].NameIndex, -1);
  EXPECT_EQ(r.Agents[9].ReviveTurns, -1);
  EXPECT_EQ(r.Agents[9].AgentOwner, -1);
  EXPECT_EQ(r.Agents[9].Reassign, 0);
  EXPECT_EQ(r.Agents[9].Name, "");
}

TEST_P(PlayerRecords, DamagedAgentListCountsDoNotHang) {
  if (!HasAgents()) GTEST_SKIP() << "only the QEL layout has agents";
  PlayerRecordSpec record = SlotRecord(0);
  record.ListCounts = {14, 27, 7, 25};
  Add(record);
  image_ = writer_.Take();
  // The second list's count, 0x7FFFFFFF: the agents are then sought far past the image.
  const size_t listCount = 32 + (GetParam().LongVariant ? 28 : 12) + 97 + 4 + 4 + 14 * 8;
  ByteWriter patched;
  patched.Raw(image_);
  patched.PutInt(listCount, 0x7FFFFFFF);
  writer_ = std::move(patched);
  const SaveAnalysis save = Run({0});
  EXPECT_EQ(save.Leaders[0].AgentCount, 0);
  EXPECT_EQ(save.Leaders[0].Gold, 6900);
}

INSTANTIATE_TEST_SUITE_P(Layouts, PlayerRecords,
                         ::testing::Values(RecordCase{GameVariant::QEL, false, 395131, "QELVariantA"},
                                           RecordCase{GameVariant::QEL, true, 403694, "QELVariantB"},
                                           RecordCase{GameVariant::Expansion1, false, 341540, "Expansion1"},
                                           RecordCase{GameVariant::Expansion1, false, 380000, "Expansion1Late"},
                                           RecordCase{GameVariant::Base, false, 0, "Base"}),
                         [](const auto& info) { return info.param.Name; });

// ---- Record variants and checks.

TEST(RecordChecks, EmptySlotsStoreVersion96) {
  ByteWriter w;
  w.Zeros(32);
  PlayerRecordSpec used = SlotRecord(0);
  PlayerRecordSpec empty = SlotRecord(1);
  empty.Version = 96;
  PlayerRecordSpec next = SlotRecord(2);
  for (const PlayerRecordSpec* r : {&used, &empty, &next}) WritePlayerRecord(w, GameVariant::QEL, *r);
  const Bytes image = w.Take();
  SaveAnalysis save = MakePlayers(GameVariant::QEL, 395131, {0, 2});
  ParseContext ctx = ContextOver(image);
  ReadNotifications(ctx, save);
  EXPECT_EQ(save.Leaders[1].Gold, 6902);
  EXPECT_EQ(StepNamed(save, "notifications").Records, 3);
}

TEST(RecordChecks, AHitMatchingNoVariantIsPassedOver) {
  ByteWriter w;
  w.Zeros(32);
  PlayerRecordSpec stray = SlotRecord(0);
  stray.Version = 98;  // no record version: passed over, takes no slot
  WritePlayerRecord(w, GameVariant::QEL, stray);
  WritePlayerRecord(w, GameVariant::QEL, SlotRecord(0));
  const Bytes image = w.Take();
  SaveAnalysis save = MakePlayers(GameVariant::QEL, 395131, {0});
  ParseContext ctx = ContextOver(image);
  ReadNotifications(ctx, save);
  EXPECT_EQ(save.Leaders[0].Gold, 6900);
  EXPECT_EQ(MessageCount(save.NotificationLogs[0]), 2);
  EXPECT_EQ(StepNamed(save, "notifications").Records, 1);
}

TEST(RecordChecks, AListOfAnotherSlotIsNotTaken) {
  // A record whose list names slot 5 belongs to no record read as slot 0.
  ByteWriter w;
  w.Zeros(32);
  PlayerRecordSpec wrong = SlotRecord(5);
  WritePlayerRecord(w, GameVariant::QEL, wrong);
  const Bytes image = w.Take();
  SaveAnalysis save = MakePlayers(GameVariant::QEL, 395131, {0});
  ParseContext ctx = ContextOver(image);
  ReadNotifications(ctx, save);
  EXPECT_EQ(save.Leaders[0].Gold, 0);
  EXPECT_FALSE(StepNamed(save, "notifications").Found);
}

TEST(RecordChecks, LogsAreSizedToThePlayerTable) {
  const Bytes image(64, 0);
  SaveAnalysis save = MakePlayers(GameVariant::QEL, 395131, {0, 1, 22});
  ParseContext ctx = ContextOver(image);
  ReadNotifications(ctx, save);
  EXPECT_EQ(save.NotificationLogs.size(), 3u);
  EXPECT_FALSE(StepNamed(save, "notifications").Found);
}

}  // namespace
}  // namespace orv5::testing
