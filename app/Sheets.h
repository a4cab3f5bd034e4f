#pragma once
// The widget side of the tab sheets: one builder per sheet, each in its own source file.
// Sheets.cpp lists them in the window's order; views/Tabs.h gives each sheet its caption
// and its model.
#include <span>
#include <string_view>

class QWidget;

namespace orv5 {

class TForm1;

using SheetWidgetBuilder = QWidget* (*)(TForm1& form);

struct SheetWidgets {
  std::string_view Sheet;  // object name of the sheet, as in views' AllTabs()
  SheetWidgetBuilder Build;
  const char* PlayerSelector;  // the sheet's own player list, or nullptr
};

std::span<const SheetWidgets> AllSheetWidgets();
const SheetWidgets* FindSheetWidgets(std::string_view sheet);

// Each builds its sheet (object name = the sheet name), names every control as the views
// name it, and connects the controls' change signals to the window's handlers.
QWidget* BuildBaseTab(TForm1& form);
QWidget* BuildLeadersTab(TForm1& form);
QWidget* BuildReplayTab(TForm1& form);
QWidget* BuildPlayerLogTab(TForm1& form);
QWidget* BuildReloadsTab(TForm1& form);
QWidget* BuildGraphTab(TForm1& form);
QWidget* BuildCityTab(TForm1& form);
QWidget* BuildPolicyTab(TForm1& form);
QWidget* BuildPlayerTab(TForm1& form);
QWidget* BuildStatsTab(TForm1& form);
QWidget* BuildCSTab(TForm1& form);
QWidget* BuildTestTab(TForm1& form);
QWidget* BuildLeagueTab(TForm1& form);
QWidget* BuildEspiTab(TForm1& form);

}  // namespace orv5
