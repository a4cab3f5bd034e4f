// Leaders: one row per player slot with nation, leader, trait, whether alive, and cities.
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/FormParts.h"
#include "app/GridCells.h"
#include "app/Sheets.h"
#include "app/TForm1.h"

namespace orv5 {

QWidget* BuildLeadersTab(TForm1&) {
  auto* sheet = new QWidget;
  auto* layout = new QVBoxLayout(sheet);
  QTableWidget* grid = ui::Grid(sheet, "LeadersGrid", 11, 65, true, 50);
  const char* headers[] = {"№", "Civilization", "Leader", "Trait", "Alive", "Cities (Nat/Occ/Pup)"};
  for (int col = 0; col < 6; ++col) ui::SetGridCell(grid, 0, col, QString::fromUtf8(headers[col]));
  const int widths[] = {20, 115, 115, 70, 70, 110, 125};
  for (int col = 0; col < 7; ++col) ui::SetGridColumnWidth(grid, col, widths[col]);
  layout->addWidget(grid);
  return sheet;
}

}  // namespace orv5
