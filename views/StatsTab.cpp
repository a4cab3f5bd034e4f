// The Stats tab (`PlayerStats`): four one-line summaries of a player, to paste into a forum
// post: cities with their populations, wonders in build order, policies by branch, beliefs.
// Names are the shortened game keys in English, or the Russian names.
#include <algorithm>

#include "refdata/RefTables.h"
#include "savefile/Format.h"
#include "savefile/KeyText.h"
#include "views/Tabs.h"
#include "views/ViewCommon.h"
#include "views/ViewParts.h"

namespace orv5 {

namespace {

constexpr int32_t Russian = 1;

std::string Joined(const std::vector<std::string>& parts, std::string_view separator) {
  std::string text;
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) text += separator;
    text += parts[i];
  }
  return text;
}

std::string PopulationList(const std::vector<int32_t>& populations) {
  std::vector<std::string> parts;
  for (int32_t population : populations) parts.push_back(Format("%d", population));
  return Format("%d (", populations.size()) + Joined(parts, ",") + ")";
}

struct Wonder {
  int32_t Turn = 0;
  std::string Name;
  bool Marked = false;  // built before the city became a puppet or was occupied
};

// A row without a Russian name keeps its English one rather than leaving a gap in the line.
std::string PolicyText(const TPolicyInfoRec& row, int32_t language) {
  return language == Russian && !row.RusName.empty() ? std::string(row.RusName) : CutTextKey(row.Key, "POLICY_");
}

// One branch's part: the title (the opener or the ideology), then the other names in brackets,
// or "(all)" for a completed branch.
struct BranchPart {
  int Count = 0;
  std::string Title;
  std::vector<std::string> Names;

  std::string Text(bool complete, int32_t language) const {
    if (Count == 0) return {};
    if (complete) return Title + (language == Russian ? " (вся)" : " (all)");
    return Names.empty() ? Title : Title + " (" + Joined(Names, ", ") + ")";
  }
};

// QEL: branches 0..11 by each row's `Branch`; an ideology's title is its own name.
std::vector<std::string> PolicyPartsQEL(const std::array<int32_t, MaxPolicies>& flags, int32_t language) {
  const char* ideologies[2][3] = {{"Freedom", "Order", "Autocracy"}, {"Свобода", "Порядок", "Автократия"}};
  const auto table = PolicyTable(true);
  std::vector<std::string> parts;
  for (int32_t j = 0; j < 12; ++j) {
    BranchPart part;
    for (size_t row = 0; row < table.size() && row < flags.size(); ++row) {
      if (table[row].Branch != j || flags[row] == 0) continue;
      if (part.Count == 0 && j >= 9) {
        part.Title = ideologies[language == Russian ? 1 : 0][j - 9];
        part.Count = 1;
      }
      if (part.Count == 0) {
        part.Title = PolicyText(table[row], language);
      } else {
        part.Names.push_back(PolicyText(table[row], language));
      }
      ++part.Count;
    }
    const bool complete = j < 9 ? part.Count > 5 : part.Count > 14;
    if (part.Count > 0) parts.push_back(part.Text(complete, language));
  }
  return parts;
}

// Older table: ten groups of six rows, the opener first. A group whose opener is not adopted
// has no title and its part begins with the bracket.
std::vector<std::string> PolicyPartsOlder(const std::array<int32_t, MaxPolicies>& flags, int32_t language) {
  const auto table = PolicyTable(false);
  std::vector<std::string> parts;
  for (size_t j = 0; j < 10; ++j) {
    BranchPart part;
    for (size_t k = 0; k < 6; ++k) {
      const size_t row = j * 6 + k;
      if (row >= table.size() || flags[row] == 0) continue;
      ++part.Count;
      if (k == 0) {
        part.Title = PolicyText(table[row], language);
      } else {
        part.Names.push_back(PolicyText(table[row], language));
      }
    }
    if (part.Count > 0) parts.push_back(part.Text(part.Count == 6, language));
  }
  return parts;
}

}  // namespace

std::string CitiesStatsLine(std::span<const TCityRec> cities) {
  std::vector<int32_t> own;
  std::vector<int32_t> puppets;
  for (const TCityRec& city : cities) {
    if (city.Name.empty()) continue;
    (city.StatusFlags[3] != 0 ? puppets : own).push_back(city.Population);
  }
  std::string line = PopulationList(own);
  if (!puppets.empty()) line += " + " + PopulationList(puppets);
  return line;
}

std::string WondersStatsLine(const SaveAnalysis& save, std::span<const TCityRec> cities, int32_t language) {
  const GameVariant variant = VariantOf(save);
  const BuildingRows table = BuildingTable(variant);
  std::vector<Wonder> wonders;
  for (const TCityRec& city : cities) {
    if (city.Name.empty()) continue;
    for (size_t k = 0; k < MaxCityLists; ++k) {
      if (city.BuildingValue5[k] <= 0) continue;
      const int32_t row = BuildingRowByName(variant, city.BuildingName[k]);
      if (row < 0) continue;
      const TBuildingInfoRec& building = table[static_cast<size_t>(row)];
      if (building.Kind < 2 || building.Kind > 4) continue;  // national and world wonders, guilds
      const int32_t turn = city.BuildingTurn[k];
      const bool useRussian = language == Russian && !building.RusName.empty();
      const bool marked = city.StatusFlags[3] != 0 || (city.StatusFlags[5] != 0 && city.CapturedTurn > turn);
      wonders.push_back({turn, useRussian ? std::string(building.RusName) : city.BuildingName[k], marked});
    }
  }
  std::stable_sort(wonders.begin(), wonders.end(), [](const Wonder& a, const Wonder& b) { return a.Turn < b.Turn; });
  std::vector<std::string> parts;
  for (const Wonder& wonder : wonders)
    parts.push_back((wonder.Marked ? "*" : "") + wonder.Name + Format(" (%d)", wonder.Turn));
  return Joined(parts, ", ");
}

std::string PoliciesStatsLine(bool isQEL, const std::array<int32_t, MaxPolicies>& flags, int32_t language) {
  return Joined(isQEL ? PolicyPartsQEL(flags, language) : PolicyPartsOlder(flags, language), ", ");
}

std::string BeliefStatsLine(const std::array<int32_t, 7>& beliefs, int32_t language) {
  const auto table = BeliefTable();
  std::vector<std::string> parts;
  for (size_t i = 0; i < 6; ++i) {
    const int32_t id = beliefs[i];
    if (id == 0) continue;
    const auto row = std::find_if(table.begin(), table.begin() + BeliefSearchRows,
                                  [id](const TBeliefInfoRec& belief) { return belief.Hash == id; });
    if (row == table.begin() + BeliefSearchRows) {
      parts.push_back(Format("%08x", id));
    } else {
      parts.push_back(language == Russian && !row->RusName.empty() ? std::string(row->RusName)
                                                                   : CutTextKey(row->Key, "BELIEF_"));
    }
  }
  return Joined(parts, ", ");
}

TabModel StatsTabModel(const SaveAnalysis& save, const ViewSelection& selection) {
  const int32_t p = SelectedRow(selection.Player);
  const int32_t language = selection.Language == Russian ? Russian : 0;
  TabModel tab{"StatsTab", TabVisible(save, "StatsTab"), {}};
  tab.Add(PlayerSelector(save, "PlayerStatsSelect", p));
  tab.Add(ListModel{"StatsLangSelect", {"English", "Русский"}, language, 0, {}, {}});
  const std::span<const TCityRec> cities = CitiesOf(save, p);
  tab.Add(RichTextModel{"CitiesStats", {{Black, CitiesStatsLine(cities)}}});
  tab.Add(RichTextModel{"WondersStats", {{Black, WondersStatsLine(save, cities, language)}}});
  tab.Add(
      RichTextModel{"PoliciesStats", {{Black, PoliciesStatsLine(save.IsQEL != 0, PolicyFlagsOf(save, p), language)}}});
  tab.Add(RichTextModel{"BeliefStats", {{Black, BeliefStatsLine(LeaderAt(save, p).Beliefs, language)}}});
  return tab;
}

}  // namespace orv5
