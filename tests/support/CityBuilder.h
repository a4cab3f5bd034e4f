#pragma once
// Synthetic city records for each save layout and both QEL record variants. A record is a
// marker with fields at fixed distances before it (name, owner block, yields, position) and
// the building and unit lists, build queue and religion block after it. The builder writes
// every field at the distance the game uses, independently of the parser's own tables.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "analysis/Sections.h"
#include "tests/support/SaveBuilder.h"

namespace orv5::testing {

enum class CityShape {
  QEL,          // QEL, records of builds before the final one
  QELLonger,    // QEL, the final build's records: two more entries after the marker
  Expansion1,   // first expansion
  SlotNames,    // base game 1.0.1.217-221 with slot-name tables
  Base,         // base game
};

inline constexpr int32_t QELCityMarker = static_cast<int32_t>(0xF5010319);
inline constexpr int32_t Expansion1CityMarker = 0x18BF8791;
inline constexpr int32_t BaseCityMarker = 0x37AEAE99;
inline constexpr int32_t FloatingGardensHash = 0x40B10B7E;  // Crc32String("BUILDING_FLOATING_GARDENS")

int32_t CityMarker(CityShape shape);
bool IsQELShape(CityShape shape);

// One building as all six building lists name it; Values[k] is its value in list k + 1.
struct BuildingEntry {
  std::string Key;                  // older layouts write it; QEL writes its hash
  int32_t Hash = 0;                 // QEL: written instead of the key's hash when not 0
  std::array<int32_t, 6> Values{};
  bool Lone = false;                // QEL: a lone 0 hash with no value
};

struct UnitEntry {
  std::string Key;
  int32_t Hash = 0;  // QEL: written instead of the key's hash when not 0
  int32_t Value1 = 0;
  int32_t Value2 = 0;
};

struct QueueEntry {
  int32_t Type = 0;
  int32_t Item = 0;
  int32_t Data = 0;
  bool Flag1 = false;
  bool Flag2 = false;
};

struct ReligionEntry {
  int32_t Kind = 1;
  int32_t Religion = 0;
  bool Holy = false;
  int32_t Followers = 0;
  int32_t Points = 0;
};

struct CitySpec {
  std::string NameKey = "TXT_KEY_CITY_NAME_ROME";
  bool WriteName = true;  // false: no zero byte near the anchor, so the hit holds no city

  // Owner block: ten status bytes, then owner, previous and original owner slots and a value.
  std::array<uint8_t, 10> StatusFlags{1, 0, 0, 0, 0, 0, 0, 1, 0, 0};
  int32_t OwnerSlot = 0;
  int32_t PreviousOwnerSlot = -1;
  int32_t OriginalOwnerSlot = 0;
  int32_t OwnerValue = -1;
  std::vector<std::vector<int32_t>> PlotGroups;  // written in order; a count above 6 ends them

  int32_t FoodStored = 0, FoodValue2 = 0, ProductionOverflow = 0;
  int32_t Strength = 0, StrengthA = 0, StrengthB = 0, WltkdTurns = 0, Disorder = 0;
  int32_t CultureStored = 0, CultureStep = 0, CultureYieldA = 0, CultureYieldB = 0, CultureYieldC = 0;
  int32_t CultureYieldD = 0, FaithYieldA = 0, FaithYieldB = 0, FaithYieldC = 0;  // expansions only
  int32_t CultureYieldE = 0;  // base game only (the expansions keep it in plot group 4)
  int32_t CultureModifier = 0;
  int32_t X = 0, Y = 0, Founded = 0, CapturedTurn = 0, Population = 1, MaxPopulation = 1;
  int32_t ResearchShape = 0;  // -1 stores the research 32 bytes further back
  int32_t CurrentResearch = 0;

  // After the marker.
  std::vector<int32_t> SkippedInts = std::vector<int32_t>(7);  // QEL only
  std::vector<int32_t> Yields;                                  // default: 6 (QEL) or 7 zeros
  std::vector<BuildingEntry> Buildings;                         // default: BUILDING_FLOATING_GARDENS
  std::vector<UnitEntry> Units;
  bool WriteQueueAnchor = true;
  std::optional<int32_t> QueueCount;  // default: the number of Queue entries
  std::vector<QueueEntry> Queue;

  bool WriteReligionBlock = true;
  std::array<int32_t, 7> Specialists{};          // QEL 7 types, older 5
  std::array<int32_t, 7> GreatPersonProgress{};  // QEL [0] is written but is no type; older [1..4]
  std::optional<int32_t> ReligionCount;          // default: the number of Religions entries
  std::vector<ReligionEntry> Religions;
  std::array<std::vector<int32_t>, 9> SpyLists;  // QEL: each indexed by slot
  int32_t StrengthC = 0;
};

// A body image holding city records one after the other.
class CityImageBuilder {
 public:
  explicit CityImageBuilder(CityShape shape, bool buildAbove341539 = false);

  CityImageBuilder& Add(const CitySpec& city);
  // The marker with nothing around it that a city record would hold.
  CityImageBuilder& AddStrayMarker();
  CityImageBuilder& AddBytes(const Bytes& bytes);

  static constexpr int32_t BodyStart = 16;
  const Bytes& Image() const { return image_.Data(); }
  const std::vector<int32_t>& Markers() const { return markers_; }

 private:
  void WriteBefore(Bytes& pre, const CitySpec& city) const;
  void WriteOwnerBlock(Bytes& pre, int64_t owner, const CitySpec& city) const;
  void WriteYieldBlock(Bytes& pre, int64_t owner, const CitySpec& city) const;
  void WriteAfter(const CitySpec& city);
  void WriteBuildingLists(const CitySpec& city);
  void WriteUnitsAndQueue(const CitySpec& city);
  void WriteReligionBlockQEL(const CitySpec& city);
  void WriteReligionBlockOlder(const CitySpec& city);

  CityShape shape_;
  bool buildAbove341539_;
  ByteWriter image_;
  std::vector<int32_t> markers_;
};

// An analysis with the version flags of the shape and one player row per slot, in slot order
// (slots from 22 on are city-states, as in the game), ready for the city step.
SaveAnalysis SaveWithPlayers(CityShape shape, const std::vector<int32_t>& slots);

// A parse context over a built image, with the body at CityImageBuilder::BodyStart.
ParseContext ContextFor(const Bytes& image);

}  // namespace orv5::testing
