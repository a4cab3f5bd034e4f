#include "app/Sheets.h"

namespace orv5 {

namespace {

constexpr SheetWidgets kSheets[] = {
    {"BaseTab", BuildBaseTab, nullptr},
    {"LeadersTab", BuildLeadersTab, nullptr},
    {"ReplayTab", BuildReplayTab, nullptr},
    {"PlayerLogTab", BuildPlayerLogTab, "PlayerLogSelect"},
    {"ReloadsTab", BuildReloadsTab, nullptr},
    {"GraphTab", BuildGraphTab, nullptr},
    {"CityTab", BuildCityTab, "PlayerCitySelect"},
    {"PolicyTab", BuildPolicyTab, "PlayerPolicySelect"},
    {"PlayerTab", BuildPlayerTab, "PlayerTechSelect"},
    {"StatsTab", BuildStatsTab, "PlayerStatsSelect"},
    {"CSTab", BuildCSTab, nullptr},
    {"TestTab", BuildTestTab, nullptr},
    {"LeagueTab", BuildLeagueTab, nullptr},
    {"EspiTab", BuildEspiTab, "PlayerEspiSelect"},
};

}  // namespace

std::span<const SheetWidgets> AllSheetWidgets() { return kSheets; }

const SheetWidgets* FindSheetWidgets(std::string_view sheet) {
  for (const SheetWidgets& widgets : kSheets) {
    if (widgets.Sheet == sheet) return &widgets;
  }
  return nullptr;
}

}  // namespace orv5
