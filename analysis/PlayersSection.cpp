// Players and game setup: the packages the save lists, the player table built from the header's
// per-slot lists, the game options, and the difficulty, era and world-size values.
#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "analysis/ListReads.h"
#include "analysis/Sections.h"
#include "analysis/SetupParts.h"
#include "refdata/Lookups.h"
#include "refdata/RefTables.h"
#include "refdata/TextArrays.h"
#include "savefile/KeyText.h"

namespace orv5 {

namespace {

constexpr int32_t kTrue = -1;
constexpr int32_t kHumanStatus = 3;
constexpr int32_t kMaxCivIndex = 27;        // larger civilization numbers show as unknown
constexpr int32_t kBuiltInLeaders = 19;     // leaders 0..18 have names of their own
constexpr int32_t kUnknownLeader = 26;
constexpr int32_t kUnknownCityState = 28;   // the last entry of the city-state name array
constexpr int32_t kBaseCityStateRows = 28;
constexpr int32_t kDefaultLevel = 3;        // Prince, for a difficulty outside the table

// Packages that add nations. Each added nation takes the next civilization number from 20 and
// the next leader number from 19, in the order the packages are listed; the Spain and Inca
// package numbers its nations Inca, Spain but its leaders Isabella, Pachacuti.
struct NationPackage {
  int32_t Id;
  std::array<std::string_view, 2> Civs;
  std::array<std::string_view, 2> Leaders;
};

constexpr NationPackage kNationPackages[] = {
    {288105138, {"Korea"}, {"Sejong"}},
    {691805923, {"Mongolia"}, {"Genghis Khan"}},
    {1952037426, {"Babylon"}, {"Navuhodonosor II"}},
    {-1291645639, {"Vikings"}, {"Harald Bluetooth"}},
    {-1232742946, {"Inca", "Spain"}, {"Isabella", "Pachacuti"}},
    {-319306235, {"Polynesia"}, {"Kamehameha"}},
};

// Packages that switch the save to another game version's layout.
struct ExpansionPackage {
  int32_t Id;
  int32_t SaveAnalysis::*Flag;
};

constexpr ExpansionPackage kExpansionPackages[] = {
    {238506401, &SaveAnalysis::HasExpansion1},
    {1839232566, &SaveAnalysis::IsQEL},
};

// World sizes 4 and 5 (large and huge) scale city-state bonuses by smaller factors.
constexpr std::array<int32_t, 6> kWorldSizeFactors = {5, 5, 5, 5, 3, 2};

void ApplyPackage(int32_t id, int32_t& nations, SaveAnalysis& save) {
  for (const ExpansionPackage& expansion : kExpansionPackages) {
    if (expansion.Id == id) save.*expansion.Flag = kTrue;
  }
  for (const NationPackage& package : kNationPackages) {
    if (package.Id != id) continue;
    for (size_t n = 0; n < package.Civs.size() && !package.Civs[n].empty(); ++n, ++nations) {
      if (nations >= ExtraNameCount) continue;
      save.ExtraCivNames[static_cast<size_t>(nations)] = package.Civs[n];
      save.ExtraLeaderNames[static_cast<size_t>(nations)] = package.Leaders[n];
    }
  }
}

int32_t EraIndex(std::span<const TEraInfoRec> eras, std::string_view key) {
  for (size_t i = 0; i < eras.size(); ++i) {
    if (eras[i].Key == key) return static_cast<int32_t>(i);
  }
  return 0;
}

int32_t WorldSizeIndex(std::string_view name) {
  const auto sizes = WorldSizeTable();
  for (size_t i = 0; i < sizes.size(); ++i) {
    if (sizes[i].Name == name) return static_cast<int32_t>(i);
  }
  return DefaultWorldSizeRow;
}

// A city-state table row matches when its key, shortened as the city-state's name was, is that name.
void MatchCityStateTrait(std::span<const TCSInfoRec> rows, TLeaderInfoRec& row) {
  for (const TCSInfoRec& cityState : rows) {
    if (CutTextKey(CutTextKey(cityState.Key, "MINOR_CIV_"), "MINOR_") == row.LeaderName) {
      row.Trait = CutTextKey(cityState.Trait, "MINOR_TRAIT_");
    }
  }
}

void NameCityState(const SaveAnalysis& save, size_t s, TLeaderInfoRec& row) {
  // The name-table layouts carry no city-state numbers, only keys: the number counts as unknown.
  const int32_t m = save.HasSlotNameTables ? kUnknownCityState : std::min(save.SlotMinorCiv[s], kUnknownCityState);
  std::string name(TextOrFallback(CityStateNames(), m));
  if (!save.SlotMinorKeys[s].empty()) name = CutTextKey(save.SlotMinorKeys[s], "MINOR_CIV_");
  row.LeaderName = CutTextKey(name, "MINOR_");
  row.Trait = std::string(TextOrFallback(CityStateTraits(), m));
  if (save.HasSlotNameTables && !save.HasExpansion1 && !save.IsQEL) {
    const auto names = CityStateNames();
    for (int32_t i = 0; i < kBaseCityStateRows; ++i) {
      if (names[static_cast<size_t>(i)] == row.LeaderName) row.Trait = std::string(CityStateTraits()[static_cast<size_t>(i)]);
    }
  }
  if (save.HasExpansion1) MatchCityStateTrait(CityStateTableExpansion1().first(CityStateSearchRowsExpansion1), row);
  if (save.IsQEL) MatchCityStateTrait(CityStateTableQEL().first(CityStateSearchRowsQEL), row);
}

TLeaderInfoRec MakePlayerRow(const SaveAnalysis& save, size_t s) {
  TLeaderInfoRec row;
  row.CivIndex = std::min(save.SlotCiv[s], kMaxCivIndex);
  row.CivName = GetCivName(row.CivIndex, save.ExtraCivNames);
  if (!save.SlotCivKeys[s].empty()) row.CivName = CutTextKey(save.SlotCivKeys[s], "CIVILIZATION_");
  row.LeaderIndex = save.HasSlotNameTables ? LeaderIndexFromKey(save.SlotLeaderKeys[s])
                                           : std::min(save.SlotLeader[s], kUnknownLeader);
  row.LeaderName = GetLeaderName(row.LeaderIndex, save.ExtraLeaderNames);
  if (!save.SlotLeaderKeys[s].empty()) row.LeaderName = CutTextKey(save.SlotLeaderKeys[s], "LEADER_");
  row.Slot = static_cast<int32_t>(s);
  row.Status = save.SlotStatus[s];
  row.IsMinorCiv = save.SlotIsMinor[s];
  row.Trait = row.Status == kHumanStatus ? "Human" : "";
  if (row.IsMinorCiv != 0) NameCityState(save, s, row);
  return row;
}

}  // namespace

void ReadPackageList(ListReader& lists, SaveAnalysis& save) {
  int32_t nations = 0;
  lists.Each(lists.Int(), [&](int32_t i) {
    const int32_t id = lists.Int();
    lists.SkipInts(3);
    std::string name;
    lists.Each(lists.Int(), [&](int32_t t) {
      std::string text = lists.Text();
      if (t == 0) name = std::move(text);
    });
    if (i < MaxDlc) {
      save.DlcNames.push_back(std::move(name));
      save.DlcPresent.push_back(kTrue);
    }
    ApplyPackage(id, nations, save);
  });
}

void ApplyHeaderSetup(SaveAnalysis& save) {
  const auto eras = EraTable(save.HasExpansion1 != 0);
  save.StartingEraIndex = EraIndex(eras, save.StartingEraText);
  save.CurrentEraIndex = EraIndex(eras, save.CurrentEraText);
  save.StartingEraText = CutTextKey(save.StartingEraText, "ERA_");
  save.CurrentEraText = CutTextKey(save.CurrentEraText, "ERA_");
  const TEraInfoRec& era = eras[static_cast<size_t>(save.StartingEraIndex)];
  save.EraCityPercent = era.CityPercent;
  save.EraSparePercent = era.SparePercent;
  save.EraLeaguePercent = era.LeaguePercent;
  save.EraResearchPercent = era.ResearchPercent;
  save.WorldSizeIndex = WorldSizeIndex(save.WorldSizeText);
  save.WorldSizePercent = WorldSizeTable()[static_cast<size_t>(save.WorldSizeIndex)].SizePercent;
  save.WorldSizeFactor = kWorldSizeFactors[static_cast<size_t>(save.WorldSizeIndex)];
}

void ReadSetupValues(const ParseContext& ctx, SaveAnalysis& save) {
  const ImageReader& image = ctx.Image;
  int32_t d = ImageReader::Advance(ctx.BodyStart, 138);
  if (save.HasSlotNameTables) {  // these layouts insert a counted list of texts first
    d = ImageReader::Advance(ctx.BodyStart, 130);
    ListReader(image, d).Texts();
  }
  const int32_t level = image.IntAt(d);
  save.LevelIndex = (level >= 0 && level < static_cast<int32_t>(LevelTable().size())) ? level : kDefaultLevel;
  save.VictoryType = image.IntAt(ImageReader::Advance(d, 20));
  save.GameOver = image.IntAt(ImageReader::Advance(d, 24));
  save.GameScore = image.IntAt(ImageReader::Advance(d, 820));
  const TLevelInfoRec& row = LevelTable()[static_cast<size_t>(save.LevelIndex)];
  save.DifficultyPercent1 = row.LevelPercent1;
  save.DifficultyPercent2 = row.LevelPercent2;
  save.DifficultyPercent4 = row.LevelPercent4;
  save.DifficultyPercent5 = row.LevelPercent5;
  save.DifficultyPercent6 = row.LevelPercent6;
  save.DifficultyPercent7 = row.LevelPercent7;
}

int32_t LeaderIndexFromKey(std::string_view leaderKey) {
  const std::string name = CutTextKey(leaderKey, "LEADER_");
  const auto names = LeaderNames();
  for (int32_t i = 0; i < kBuiltInLeaders; ++i) {
    if (names[static_cast<size_t>(i)] == name) return i;
  }
  return kUnknownLeader;
}

void BuildPlayerTable(SaveAnalysis& save) {
  StepDiagnostic& step = AddStep(save, "players");
  save.Leaders.clear();
  save.MajorPlayerCount = 0;
  for (size_t s = 0; s < MaxPlayers; ++s) {
    if (save.SlotCiv[s] < 0 || save.SlotStatus[s] == SlotStatusUnused) continue;
    save.Leaders.push_back(MakePlayerRow(save, s));
    if (IsPlayer(static_cast<int>(s), save.SlotCiv, save.SlotStatus)) ++save.MajorPlayerCount;
  }
  save.LeaderCount = static_cast<int32_t>(save.Leaders.size());
  step.Found = save.LeaderCount > 0;
  step.Records = save.LeaderCount;
}

void ReadGameOptions(ParseContext& ctx, SaveAnalysis& save) {
  StepDiagnostic& step = AddStep(save, "game options");
  const int32_t hit = ctx.Image.FindStr("GAMEOPTION_", ImageReader::Advance(ctx.Cursor, 1));
  if (hit < 8) {
    step.Stop = "no game options";
    return;
  }
  step.Found = true;
  ctx.Cursor = hit - 8;  // the option count stands before the first option's text count
  ListReader lists(ctx.Image, ctx.Cursor);
  const int32_t count = lists.Int();
  lists.Each(std::min(count, MaxGameOptions), [&](int32_t) {
    save.GameOptionNames.push_back(CutTextKey(lists.Text(), "GAMEOPTION_"));
    save.GameOptionValues.push_back(lists.Int());
  });
  step.Records = static_cast<int32_t>(save.GameOptionNames.size());
  if (count > MaxGameOptions) step.Stop = std::to_string(count) + " options, the first 24 kept";
  if (lists.Overran()) step.Stop = "the option list runs past the end of the image";
}

}  // namespace orv5
