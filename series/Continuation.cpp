#include "series/Continuation.h"

#include <algorithm>
#include <limits>

#include "refdata/TextArrays.h"
#include "savefile/Format.h"

namespace orv5 {

namespace {

constexpr int32_t NoTurn = std::numeric_limits<int32_t>::max();

// The game events of one turn: its messages less those that open a play session.
using Events = std::vector<const std::string*>;

Events EventsAt(ReplayByTurn::const_iterator at, ReplayByTurn::const_iterator end, int32_t turn) {
  Events events;
  if (at == end || at->first != turn) return events;
  for (const ReplayText& message : at->second) {
    if (!message.OpensSession) events.push_back(&message.Text);
  }
  return events;
}

bool SameText(const std::string* a, const std::string* b) { return *a == *b; }

std::string Shown(const Events& events, size_t index) {
  if (index >= events.size()) return "(none)";
  return events[index]->empty() ? "a message without text" : "\"" + *events[index] + "\"";
}

Disagreement ReplayDisagreement(int32_t turn, const Events& earlier, const Events& later) {
  const size_t common = std::min(earlier.size(), later.size());
  const auto first =
      std::mismatch(earlier.begin(), earlier.begin() + static_cast<ptrdiff_t>(common), later.begin(), SameText);
  const auto index = static_cast<size_t>(first.first - earlier.begin());
  return {turn, Format("replay message %d of turn %d", {index + 1, turn}), Shown(earlier, index), Shown(later, index)};
}

// Both logs are walked turn by turn in ascending order; a turn only one save has counts as a
// turn on which the other has no message.
std::optional<Disagreement> FirstReplayDisagreement(const ReplayByTurn& earlier, const ReplayByTurn& later,
                                                    int32_t limit) {
  auto a = earlier.begin();
  auto b = later.begin();
  while (a != earlier.end() || b != later.end()) {
    const int32_t turn = std::min(a != earlier.end() ? a->first : NoTurn, b != later.end() ? b->first : NoTurn);
    if (turn >= limit) return std::nullopt;
    const Events eventsA = EventsAt(a, earlier.end(), turn);
    const Events eventsB = EventsAt(b, later.end(), turn);
    if (!std::equal(eventsA.begin(), eventsA.end(), eventsB.begin(), eventsB.end(), SameText)) {
      return ReplayDisagreement(turn, eventsA, eventsB);
    }
    if (a != earlier.end() && a->first == turn) ++a;
    if (b != later.end() && b->first == turn) ++b;
  }
  return std::nullopt;
}

int32_t ValueAt(const std::vector<int32_t>& values, size_t turn) { return turn < values.size() ? values[turn] : 0; }

// The first turn below `limit` at which two datasets differ (a turn past a dataset's end reads
// 0), or NoTurn.
int32_t FirstDifferentTurn(const std::vector<int32_t>& a, const std::vector<int32_t>& b, int32_t limit) {
  const size_t end = std::min(static_cast<size_t>(std::max(limit, 0)), std::max(a.size(), b.size()));
  const size_t common = std::min({a.size(), b.size(), end});
  const auto differs = std::mismatch(a.begin(), a.begin() + static_cast<ptrdiff_t>(common), b.begin()).first;
  if (differs != a.begin() + static_cast<ptrdiff_t>(common)) return static_cast<int32_t>(differs - a.begin());
  const std::vector<int32_t>& longer = a.size() > b.size() ? a : b;
  for (size_t t = common; t < end; ++t) {
    if (longer[t] != 0) return static_cast<int32_t>(t);
  }
  return NoTurn;
}

std::string PlayerNameOf(const SaveSummary& save, size_t row) {
  if (row < save.Players.size() && !save.Players[row].Leader.empty()) return save.Players[row].Leader;
  return Format("player row %d", row);
}

std::optional<Disagreement> FirstHistoryDisagreement(const SaveSummary& earlier, const SaveSummary& later) {
  static const HistoryRow noRow{};
  int32_t best = NoTurn;
  size_t bestRow = 0;
  size_t bestDataset = 0;
  const int32_t limit = std::min(earlier.Turn, HistoryTurns);
  for (size_t r = 0; r < std::max(earlier.History.size(), later.History.size()); ++r) {
    const HistoryRow& a = r < earlier.History.size() ? earlier.History[r] : noRow;
    const HistoryRow& b = r < later.History.size() ? later.History[r] : noRow;
    for (size_t d = 0; d < a.size(); ++d) {
      const int32_t turn = FirstDifferentTurn(a[d], b[d], std::min(limit, best));
      if (turn >= best) continue;
      best = turn;
      bestRow = r;
      bestDataset = d;
    }
  }
  if (best == NoTurn) return std::nullopt;
  const auto names = GraphNames(earlier.Game.Variant == GameVariant::QEL);
  const std::string dataset(TextOrFallback(names, static_cast<int64_t>(bestDataset)));
  const auto turn = static_cast<size_t>(best);
  auto valueIn = [&](const SaveSummary& save) {
    return bestRow < save.History.size() ? std::to_string(ValueAt(save.History[bestRow][bestDataset], turn)) : "(none)";
  };
  return Disagreement{best, Format("%s of %s at turn %d", {dataset, PlayerNameOf(later, bestRow), best}),
                      valueIn(earlier), valueIn(later)};
}

}  // namespace

std::optional<Disagreement> FirstDisagreement(const SaveSummary& earlier, const SaveSummary& later) {
  std::optional<Disagreement> replay = FirstReplayDisagreement(earlier.Replay, later.Replay, earlier.Turn);
  if (!earlier.HasHistory || !later.HasHistory) return replay;
  std::optional<Disagreement> history = FirstHistoryDisagreement(earlier, later);
  if (replay && (!history || replay->Turn <= history->Turn)) return replay;
  return history;
}

}  // namespace orv5
