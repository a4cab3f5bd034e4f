#include "tests/support/BodySections.h"

namespace orv5::testing {

namespace {

// An 8-bit text as the game stores replay texts; a single character is always one 16-bit unit.
void ReplayText(ByteWriter& w, const std::string& text) { w.UStr(text, text.size() == 1); }

void WriteMessage(ByteWriter& w, int32_t saveVersion, const ReplayEntry& message) {
  if (saveVersion < 7) {
    w.Int(0).Int(message.Turn);           // a value, the turn
    w.Int(1).Int(2).Int(3).Int(4);        // four values
    ReplayText(w, message.Text);          // the text
    w.Int(0);                             // a value
  } else {
    w.Int(message.Turn).Int(5);           // the turn, a value
    w.IntList({11, 12});                  // a counted list of values
    w.Int(0);                             // a value
    ReplayText(w, message.Text);          // the text, with markup
  }
}

void DatasetNames(ByteWriter& w, int32_t nameCount, bool withScore) {
  w.Int(nameCount);
  for (int32_t i = 0; i < nameCount - 1; ++i) {
    w.Str(i == 0 && withScore ? "REPLAYDATASET_SCORE" : "REPLAYDATASET_DATASET" + std::to_string(i));
  }
  w.Str("REPLAYDATASET_MILITARYMIGHT");
}

}  // namespace

void WriteReplayLog(ByteWriter& w, int32_t saveVersion, const std::vector<ReplayEntry>& messages,
                    int32_t sessionCount, int32_t count) {
  w.Int(-1).Int(0).Int(1).Int(20000);         // the run the log is found by
  w.Zeros(saveVersion > 6 ? 30 : 26);          // up to the message count
  w.Int(count >= 0 ? count : static_cast<int32_t>(messages.size()));
  for (const ReplayEntry& message : messages) WriteMessage(w, saveVersion, message);
  w.Int(sessionCount);                         // the session total after the last message
}

void WriteHistoryBlock(ByteWriter& w, const std::vector<HistoryPoints>& datasets) {
  DatasetNames(w, static_cast<int32_t>(datasets.size()), true);
  w.Int(static_cast<int32_t>(datasets.size()));
  for (const HistoryPoints& points : datasets) {
    w.Int(static_cast<int32_t>(points.size()));
    for (const auto& [turn, value] : points) w.Int(turn).Int(value);
  }
}

void WriteClosingDatasetList(ByteWriter& w, int32_t nameCount) {
  DatasetNames(w, nameCount, false);
  w.Int(nameCount).Zeros(static_cast<size_t>(nameCount) * 4);
}

void WriteRelationBlock(ByteWriter& w, int32_t kind, int32_t gap, const std::array<int32_t, 64>& influence) {
  w.Int(static_cast<int32_t>(0xF1A0EAB7)).Int(0).Int(kind);  // marker, a value, the kind
  w.Zeros(static_cast<size_t>(gap));
  for (int32_t value : influence) w.Int(value);
}

}  // namespace orv5::testing

namespace orv5::testing {

void WriteCancerBlock(ByteWriter& w, int32_t records) {
  w.Int(records);  // count of 20-byte records
  for (int32_t r = 0; r < records; ++r) {
    if (r == 0) {
      w.Int(56).Int(41).Int(0).Int(1).Int(-1);  // the run that marks the list
    } else {
      w.Int(r).Int(r * 7).Int(-r).Int(1000 + r).Int(0);  // a reload record
    }
  }
}

}  // namespace orv5::testing
