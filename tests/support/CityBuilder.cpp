#include "tests/support/CityBuilder.h"

#include <stdexcept>

#include "savefile/KeyText.h"

namespace orv5::testing {

namespace {

// Distances of one layout. Name anchor and list start count from the marker; the name's
// length field is sought back from the anchor; every other field counts from the owner slot.
struct ShapeOffsets {
  int32_t NameAnchor;
  int32_t ListStart;
  int32_t OwnerFromName;
  int32_t FoodStored;     // then FoodValue2 +4, a skipped int32, ProductionOverflow +12
  int32_t Strength;       // then StrengthA +4, StrengthB +8, WltkdTurns +20, Disorder +36
  int32_t CultureStored;  // then CultureStep, CultureYieldA..C, and the layout's yield values
  int32_t X;              // then Y +4, Founded +16, CapturedTurn +20, Population +24, MaxPopulation +28
  int32_t ResearchShape;
  int32_t Research;       // -32 further when the shape value is -1
  int32_t ListGap;        // bytes between the yield list and the first building list
};

constexpr ShapeOffsets QELOffsets{-968, 8, -680, -142, -74, -226, -270, -334, -352, 33};
constexpr ShapeOffsets QELLongerOffsets{-1000, 24, -680, -142, -74, -226, -270, -334, -352, 33};
constexpr ShapeOffsets Expansion1Offsets{-848, 32, -652, -134, -74, -218, -266, -330, -348, 25};
constexpr ShapeOffsets SlotNameOffsets{-680, 32, -512, -134, -74, -202, -250, -314, -332, 21};
constexpr ShapeOffsets BaseOffsets{-680, 32, -504, -134, -74, -202, -250, -314, -332, 21};

const ShapeOffsets& OffsetsOf(CityShape shape) {
  switch (shape) {
    case CityShape::QEL: return QELOffsets;
    case CityShape::QELLonger: return QELLongerOffsets;
    case CityShape::Expansion1: return Expansion1Offsets;
    case CityShape::SlotNames: return SlotNameOffsets;
    case CityShape::Base: return BaseOffsets;
  }
  throw std::logic_error("unknown city shape");
}

constexpr int32_t QueueAnchorQEL = 0x57E5BD65;
constexpr size_t PreRecordBytes = 2400;  // room for everything the record keeps before its marker

void Put(Bytes& bytes, int64_t at, int32_t value) {
  const auto v = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) bytes.at(static_cast<size_t>(at) + i) = static_cast<uint8_t>(v >> (8 * i));
}

int32_t HashOf(const std::string& key, int32_t hash) { return hash != 0 ? hash : Crc32String(key); }

}  // namespace

int32_t CityMarker(CityShape shape) {
  if (IsQELShape(shape)) return QELCityMarker;
  return shape == CityShape::Expansion1 ? Expansion1CityMarker : BaseCityMarker;
}

bool IsQELShape(CityShape shape) { return shape == CityShape::QEL || shape == CityShape::QELLonger; }

CityImageBuilder::CityImageBuilder(CityShape shape, bool buildAbove341539)
    : shape_(shape), buildAbove341539_(buildAbove341539) {
  image_.Zeros(BodyStart);
}

CityImageBuilder& CityImageBuilder::AddBytes(const Bytes& bytes) {
  image_.Raw(bytes);
  return *this;
}

CityImageBuilder& CityImageBuilder::AddStrayMarker() {
  image_.Zeros(64).Int(CityMarker(shape_)).Zeros(1100);
  return *this;
}

CityImageBuilder& CityImageBuilder::Add(const CitySpec& city) {
  Bytes pre(PreRecordBytes, 0);
  WriteBefore(pre, city);
  image_.Raw(pre);
  markers_.push_back(static_cast<int32_t>(image_.Size()));
  image_.Int(CityMarker(shape_));  // the marker the search finds
  WriteAfter(city);
  return *this;
}

// Everything before the marker; `pre` ends where the marker starts.
void CityImageBuilder::WriteBefore(Bytes& pre, const CitySpec& city) const {
  const ShapeOffsets& at = OffsetsOf(shape_);
  const auto marker = static_cast<int64_t>(pre.size());
  const int64_t anchor = marker + at.NameAnchor;
  if (!city.WriteName) {
    for (int64_t b = anchor - 99; b < anchor; ++b) pre.at(static_cast<size_t>(b)) = 'A';  // no zero byte: no name
    return;
  }
  // The name ends at the anchor; the high byte of its length is the zero the parser seeks.
  const auto length = static_cast<int32_t>(city.NameKey.size());
  const int64_t name = anchor - length - 4;
  Put(pre, name, length);
  for (int32_t i = 0; i < length; ++i) pre.at(static_cast<size_t>(name + 4 + i)) = static_cast<uint8_t>(city.NameKey[i]);
  const int64_t owner = name + at.OwnerFromName;
  WriteOwnerBlock(pre, owner, city);
  WriteYieldBlock(pre, owner, city);
}

void CityImageBuilder::WriteOwnerBlock(Bytes& pre, int64_t owner, const CitySpec& city) const {
  for (size_t i = 0; i < city.StatusFlags.size(); ++i) pre.at(static_cast<size_t>(owner - 10) + i) = city.StatusFlags[i];
  Put(pre, owner, city.OwnerSlot);               // owner slot
  Put(pre, owner + 4, city.PreviousOwnerSlot);   // previous owner slot
  Put(pre, owner + 8, city.OriginalOwnerSlot);   // original owner slot
  Put(pre, owner + 12, city.OwnerValue);         // a value the game keeps with them
  int64_t group = owner + 16;                    // plot groups: count, then that many values
  for (const std::vector<int32_t>& values : city.PlotGroups) {
    Put(pre, group, static_cast<int32_t>(values.size()));
    group += 4;
    if (values.size() > 6) break;
    for (int32_t v : values) {
      Put(pre, group, v);
      group += 4;
    }
  }
}

void CityImageBuilder::WriteYieldBlock(Bytes& pre, int64_t owner, const CitySpec& city) const {
  const ShapeOffsets& at = OffsetsOf(shape_);
  Put(pre, owner + at.FoodStored, city.FoodStored);
  Put(pre, owner + at.FoodStored + 4, city.FoodValue2);
  Put(pre, owner + at.FoodStored + 12, city.ProductionOverflow);
  Put(pre, owner + at.Strength, city.Strength);
  Put(pre, owner + at.Strength + 4, city.StrengthA);
  Put(pre, owner + at.Strength + 8, city.StrengthB);
  Put(pre, owner + at.Strength + 20, city.WltkdTurns);
  Put(pre, owner + at.Strength + 36, city.Disorder);
  const std::vector<int32_t> culture =
      shape_ == CityShape::SlotNames || shape_ == CityShape::Base
          ? std::vector<int32_t>{city.CultureStored, city.CultureStep, city.CultureYieldA, city.CultureYieldB,
                                 city.CultureYieldC, city.CultureYieldE, city.CultureModifier}
          : std::vector<int32_t>{city.CultureStored, city.CultureStep, city.CultureYieldA, city.CultureYieldB,
                                 city.CultureYieldC, city.CultureYieldD, city.FaithYieldA, city.FaithYieldB,
                                 city.FaithYieldC, city.CultureModifier};
  for (size_t i = 0; i < culture.size(); ++i) Put(pre, owner + at.CultureStored + 4 * static_cast<int64_t>(i), culture[i]);
  Put(pre, owner + at.X, city.X);
  Put(pre, owner + at.X + 4, city.Y);
  Put(pre, owner + at.X + 16, city.Founded);
  Put(pre, owner + at.X + 20, city.CapturedTurn);
  Put(pre, owner + at.X + 24, city.Population);
  Put(pre, owner + at.X + 28, city.MaxPopulation);
  Put(pre, owner + at.ResearchShape, city.ResearchShape);
  Put(pre, owner + at.Research - (city.ResearchShape == -1 ? 32 : 0), city.CurrentResearch);
}

// Everything after the marker: the lists, the queue and the religion block.
void CityImageBuilder::WriteAfter(const CitySpec& city) {
  const ShapeOffsets& at = OffsetsOf(shape_);
  for (int32_t filler = 4; filler < at.ListStart; filler += 4) image_.Int(0x11111111);  // entries before the lists
  if (IsQELShape(shape_)) image_.IntList(city.SkippedInts);
  const bool qel = IsQELShape(shape_);
  image_.IntList(!city.Yields.empty() ? city.Yields : std::vector<int32_t>(qel ? 6 : 7));
  image_.Zeros(static_cast<size_t>(at.ListGap));
  WriteBuildingLists(city);
  WriteUnitsAndQueue(city);
  if (!city.WriteReligionBlock) return;
  if (qel) {
    WriteReligionBlockQEL(city);
  } else {
    WriteReligionBlockOlder(city);
  }
}

void CityImageBuilder::WriteBuildingLists(const CitySpec& city) {
  const std::vector<BuildingEntry> fallback{{"BUILDING_FLOATING_GARDENS"}};
  const std::vector<BuildingEntry>& buildings = city.Buildings.empty() ? fallback : city.Buildings;
  for (size_t list = 0; list < 6; ++list) {
    image_.Int(static_cast<int32_t>(buildings.size()));  // entries of this list
    for (const BuildingEntry& b : buildings) {
      if (!IsQELShape(shape_)) {
        image_.Str(b.Key).Int(b.Values[list]);  // key text, value
      } else if (b.Lone) {
        image_.Int(0);  // a lone 0 hash
      } else {
        image_.Int(HashOf(b.Key, b.Hash)).Int(b.Values[list]);  // hash, value
      }
    }
  }
}

void CityImageBuilder::WriteUnitsAndQueue(const CitySpec& city) {
  const bool qel = IsQELShape(shape_);
  image_.Int(0);  // skipped int32
  if (qel) image_.Int(1).Int(0).Int(0).Int(0);  // one entry of three skipped int32
  for (int list = 0; list < (qel ? 2 : 1); ++list) {
    image_.Int(static_cast<int32_t>(city.Units.size()));
    for (const UnitEntry& u : city.Units) {
      if (qel) {
        image_.Int(HashOf(u.Key, u.Hash)).Int(list == 0 ? u.Value1 : u.Value2);  // hash, value of this list
      } else {
        image_.Str(u.Key).Int(u.Value1).Int(u.Value2).Int(0).Int(0);  // key, two values, two skipped
      }
    }
  }
  image_.Zeros(16);  // other city data before the promotions
  if (!city.WriteQueueAnchor) return;
  if (qel) {
    image_.Int(3).Int(QueueAnchorQEL).Int(5).Int(0).Int(7).Int(9);  // (x; value when x != 0) x 3
  } else {
    image_.Int(2).Str("PROMOTION_INSTA_HEAL").Int(0).Str("PROMOTION_MARCH").Int(1);  // (key, value) x 2
  }
  image_.Int(city.QueueCount.value_or(static_cast<int32_t>(city.Queue.size())));
  for (const QueueEntry& q : city.Queue) image_.Int(q.Type).Int(q.Item).Int(q.Data).Bool(q.Flag1).Bool(q.Flag2);
}

void CityImageBuilder::WriteReligionBlockQEL(const CitySpec& city) {
  image_.Int(1).Int(FloatingGardensHash).Int(0);  // an earlier per-building list: the first hit
  image_.Int(7);                                   // specialists: (type hash, count) x 7
  for (size_t i = 0; i < 7; ++i) image_.Int(1000 + static_cast<int32_t>(i)).Int(city.Specialists[i]);
  image_.Int(7);                                   // great-person progress: (type hash, points) x 7
  for (size_t i = 0; i < 7; ++i) image_.Int(2000 + static_cast<int32_t>(i)).Int(city.GreatPersonProgress[i]);
  image_.Int(1).Int(FloatingGardensHash).Int(0);  // the second hit, 124 bytes after the specialists
  image_.Int(2).Int(0).Int(123).Int(4);           // (x; value when x != 0): a lone 0, then (123, 4)
  image_.Int(1).Int(1).Int(2);                     // one pair of int32
  image_.Zeros(9);
  image_.Int(city.ReligionCount.value_or(static_cast<int32_t>(city.Religions.size())));
  for (const ReligionEntry& r : city.Religions) {
    image_.Int(r.Kind).Int(r.Religion).Bool(r.Holy).Int(r.Followers).Int(r.Points);
    if (r.Kind > 1) image_.Int(0);  // one more value for kinds above 1
  }
  for (int i = 0; i < 9; ++i) image_.Int(0);  // nine skipped int32
  image_.Int(1).Int(5).Bool(true);             // one (int32, bool)
  image_.Int(0);                               // skipped int32
  for (const std::vector<int32_t>& list : city.SpyLists) image_.IntList(list);  // entry n = slot n
  image_.Int(city.StrengthC);
}

void CityImageBuilder::WriteReligionBlockOlder(const CitySpec& city) {
  image_.Int(1).Str("BUILDING_FLOATING_GARDENS").Int(0);  // the first hit
  for (size_t k = 0; k < 5; ++k) image_.Int(city.Specialists[k]);
  image_.Int(0);  // skipped
  for (size_t k = 1; k <= 4; ++k) image_.Int(city.GreatPersonProgress[k]);
  image_.Int(1).Str("BUILDING_FLOATING_GARDENS").Int(0);  // the second hit, 48 bytes after the specialists
  if (shape_ != CityShape::Expansion1) return;
  image_.Zeros(12);
  image_.Int(1).Str("BUILDING_FLOATING_GARDENS").Int(0);  // the religions follow this list
  image_.Zeros(buildAbove341539_ ? 29 : 25);
  image_.Int(city.ReligionCount.value_or(static_cast<int32_t>(city.Religions.size())));
  for (const ReligionEntry& r : city.Religions) image_.Int(r.Kind).Int(r.Religion).Bool(r.Holy).Int(r.Followers).Int(r.Points);
}

SaveAnalysis SaveWithPlayers(CityShape shape, const std::vector<int32_t>& slots) {
  SaveAnalysis save;
  save.IsQEL = IsQELShape(shape) ? -1 : 0;
  save.HasExpansion1 = (IsQELShape(shape) || shape == CityShape::Expansion1) ? -1 : 0;
  save.HasSlotNameTables = shape == CityShape::Base ? 0 : -1;
  save.SlotStatus.fill(4);
  for (int32_t slot : slots) {
    TLeaderInfoRec& row = save.Leaders.emplace_back();
    row.Slot = slot;
    row.LeaderName = "Leader " + std::to_string(slot);
    row.Status = 1;
    row.IsMinorCiv = slot >= 22 ? 1 : 0;
    save.SlotCiv[static_cast<size_t>(slot)] = slot >= 22 ? 18 : slot;
    save.SlotStatus[static_cast<size_t>(slot)] = 1;
  }
  save.LeaderCount = static_cast<int32_t>(save.Leaders.size());
  return save;
}

ParseContext ContextFor(const Bytes& image) {
  return ParseContext{ImageReader(std::span<const uint8_t>(image.data(), image.size())), CityImageBuilder::BodyStart,
                      true, 4};
}

}  // namespace orv5::testing
