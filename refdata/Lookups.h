#pragma once
// Small pure lookups that turn numbers and hashes from a save into table rows and display texts.
// The per-save player data they need (slot lists, the extra names the package list adds, the
// players' slot numbers) belong to the parser and come in as parameters.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace orv5 {

// Row of the QEL building / unit table whose stored `Hash` equals `hash`; -1 for none, and
// always -1 for 0, which marks rows without a stored hash.
int32_t FindBIndex(int32_t hash);
int32_t FindUIndex(int32_t hash);
// Same over the one project / commerce table.
int32_t FindPIndex(int32_t hash);
int32_t FindCIndex(int32_t hash);

// Row whose key (for projects and commerce: whose display name) hashes to `hash`, ignoring the
// stored hash, so rows stored with hash 0 are found too; -1 for none.
int32_t FindBIndex32(int32_t hash);
int32_t FindUIndex32(int32_t hash);
int32_t FindPIndex32(int32_t hash);
int32_t FindCIndex32(int32_t hash);

// Leaders 0..18 have built-in names; extraLeaderNames[k] names leader 19+k (filled from the
// save's package list). Anything else, or an empty name, gives "Unknown Leader".
std::string GetLeaderName(int32_t n, std::span<const std::string> extraLeaderNames = {});

// Nations 0..19 have built-in names (18 the city-states, 19 the barbarians); extraCivNames[k]
// names nation 20+k. Anything else, or an empty name, gives "Unknown Civ".
std::string GetCivName(int32_t n, std::span<const std::string> extraCivNames = {});

inline constexpr int32_t MinorCiv = 18;
inline constexpr int32_t BarbarianCiv = 19;
inline constexpr int32_t SlotStatusUnused = 4;
inline constexpr int MaxSlots = 64;

// A slot held by a nation that takes part in the game (not a city-state, not the barbarians).
bool IsPlayer(int slot, std::span<const int32_t> slotCiv, std::span<const int32_t> slotStatus);
// A slot held by a city-state, whatever its status.
bool IsMinor(int slot, std::span<const int32_t> slotCiv);

// Row of the player table whose slot is slotId, given the slots of its rows in row order (only
// the first 64 rows count); -1 when slotId is outside 0..63 or no row has it.
int32_t Slot2Index(int32_t slotId, std::span<const int32_t> leaderSlots);

// Agent name n of the nation named civName ("America"); n in decimal when the nation has no
// name list or n is outside 0..9.
std::string GetSpyName(std::string_view civName, int32_t n);

// The score projected to the end of the game: 0 until one percent of it has passed.
int32_t FinalScore(int32_t score, int32_t turn, int32_t maxTurns);

}  // namespace orv5
