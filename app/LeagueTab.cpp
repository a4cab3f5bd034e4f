// League: each player's contribution to the three world-congress projects, their costs and
// how far each is complete.
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/FormParts.h"
#include "app/Sheets.h"
#include "app/TForm1.h"

namespace orv5 {

QWidget* BuildLeagueTab(TForm1&) {
  auto* sheet = new QWidget;
  auto* layout = new QVBoxLayout(sheet);
  QTableWidget* grid = ui::Grid(sheet, "LeagueProjectGrid", 4, 66, true, 190);
  grid->setFont(ui::ColumnFont());
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  layout->addWidget(grid);
  return sheet;
}

}  // namespace orv5
