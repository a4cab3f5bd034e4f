#pragma once
// The pieces of the views that carry a rule of their own (a cost formula, a sort, a text
// layout), named after the operations of the window they come from, so that each can be
// checked on its own. The tab builders of Tabs.h are made of these.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/SaveAnalysis.h"
#include "refdata/RefRecords.h"
#include "views/ViewModel.h"

namespace orv5 {

// --- Base, Replay, Player Log --------------------------------------------------------------

// Playing time from tenths of a second: "%6d:%02.2d:%02.2d,%1d".
std::string PlayTimeText(int32_t tenths);
// `Edit7`: "Incomplete" while the game runs, else the victory type's name.
std::string GameStatusText(int32_t gameOver, int32_t victoryType);
// One line of `ReplayList`, with its colour (session starts are purple).
RichTextLine ReplayLine(int32_t speedIndex, const TReplayMsgRec& message);
// The notifications `DrawPlayerLog` shows, oldest first: the ring from `First` up to, not
// including, `Last` (all 100 when equal), without the empty entries.
std::vector<const TMessageRec*> PlayerLogMessages(const TNotificationLog& log);
// `DrawPlayerLog`: one line per message of PlayerLogMessages, with its turn and date.
std::vector<RichTextLine> DrawPlayerLog(int32_t speedIndex, const TNotificationLog& log);

// --- City view -----------------------------------------------------------------------------

// Production cost shown in `ProductionGrid`: each percentage applied with integer division.
int32_t ProductionCost(int32_t baseCost, int32_t aiPercent, int32_t minorPercent, int32_t speedPercent,
                       int32_t eraPercent);
// `CityBox`'s item -> column of the player's row of the city table (cities without a name are
// not listed); -1 when the item does not exist.
int32_t CityColumnOfItem(std::span<const TCityRec> cities, int32_t item);
// The building, unit and project rows of `ProductionGrid` (rows 1.., at most 15).
std::vector<std::array<std::string, 4>> ProductionRows(const SaveAnalysis& save, const TLeaderInfoRec& owner,
                                                       const TCityRec& city);
// Whether entry k of the building lists carries a date (a date of -9999 or less means none).
bool HasBuildingDate(const TCityRec& city, size_t k);
// The list positions of the standing buildings, by date (equal dates in list order).
std::vector<size_t> StandingBuildings(const TCityRec& city);
// `BuildingsList`: the standing buildings with date and turn, then the blue ones.
std::vector<RichTextLine> BuildingsListLines(const TCityRec& city);
// The status flags the city has, in words: "Never Lost", "Puppet", "Occupied", "Ever Capital",
// "Railroad", in that order.
std::vector<std::string_view> CityStatusWords(const TCityRec& city);
// The texts of `BuildingQueue`.
std::vector<std::string> BuildQueueTexts(bool isQEL, const TCityRec& city);

// --- City-state and league grids -----------------------------------------------------------

// "%7.2f" of the influence in hundredths, then " (Friends)" and " (Allies)" as flagged.
std::string InfluenceText(int32_t influence, int32_t isFriend, int32_t isAlly);
// `LeagueProjectCost`: World's Fair, World's Games, International Space Station.
std::array<int32_t, 3> LeagueProjectCost(int32_t majorPlayers, int32_t speedPercent, int32_t eraPercent);
// Row 2 of the league grid: the share of the cost the contributions reach.
std::string LeaguePercentText(int32_t total, int32_t cost);

// --- History graph -------------------------------------------------------------------------

inline constexpr int GraphSeriesCount = 25;

// The check marks as the parser leaves them: every player but city-states and barbarians.
std::vector<bool> DefaultGraphChecks(const SaveAnalysis& save);
// `CheckListBox1ClickCheck`: every checked item after the 25th is unchecked.
std::vector<bool> LimitGraphChecks(std::vector<bool> checks);
// `CheckGraphIndexes`: line number of each checked item, -1 for unchecked ones.
std::vector<int32_t> CheckGraphIndexes(const std::vector<bool>& checks);
// `DrawGraph`: the lines of dataset `dataset` for the items with a line number.
std::vector<ChartSeries> DrawGraph(const SaveAnalysis& save, int32_t dataset, const std::vector<int32_t>& graphIndex);
// The bottom axis after a load or an undone zoom: 0 to the last turn plotted.
AxisRange DefaultBottomAxis(const SaveAnalysis& save);
// `HistoryChartFitSize`: the left axis for the points within the bottom axis.
AxisRange HistoryChartFitSize(const std::vector<ChartSeries>& series, AxisRange bottom, int32_t startTurn,
                              int32_t elapsedTurns, bool zoomResetPending);

// --- Policies and technologies -------------------------------------------------------------

// Research cost of a technology for a player (`PlayerTechChoose`).
int32_t TechCost(const SaveAnalysis& save, const TLeaderInfoRec& player, int32_t baseCost);
// The era name of a technology of the game version's table ("Ancient"); empty for an unknown era.
std::string TechEraText(const SaveAnalysis& save, const TTechInfoRec& tech);
// Row of the technology table the player researches; a number outside the table is row 0.
int32_t ResearchRow(const SaveAnalysis& save, const TLeaderInfoRec& player);
// `ResearchE`: the technology's name, "Unknown" for row 0.
std::string ResearchText(const SaveAnalysis& save, const TLeaderInfoRec& player);

// --- Statistics (`PlayerStats`); language 1 is Russian ------------------------------------

std::string CitiesStatsLine(std::span<const TCityRec> cities);
std::string WondersStatsLine(const SaveAnalysis& save, std::span<const TCityRec> cities, int32_t language);
std::string PoliciesStatsLine(bool isQEL, const std::array<int32_t, MaxPolicies>& flags, int32_t language);
std::string BeliefStatsLine(const std::array<int32_t, 7>& beliefs, int32_t language);

}  // namespace orv5
