// CS Points: every player's influence with every city-state, with friend and ally marks.
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/FormParts.h"
#include "app/Sheets.h"
#include "app/TForm1.h"

namespace orv5 {

QWidget* BuildCSTab(TForm1&) {
  auto* sheet = new QWidget;
  auto* layout = new QVBoxLayout(sheet);
  layout->addWidget(ui::Grid(sheet, "CSGrid", 65, 65, true, 81));
  return sheet;
}

}  // namespace orv5
