// Player: every technology of the game version with its era, this player's research cost
// and progress, and the player's research, golden-age, great-people, faith and gold figures.
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/FormParts.h"
#include "app/GridCells.h"
#include "app/Sheets.h"
#include "app/TForm1.h"
#include "savefile/Format.h"

namespace orv5 {

namespace {

QTableWidget* BuildTechGrid(QWidget* parent) {
  QTableWidget* grid = ui::Grid(parent, "TechGrid", 5, 82, true, 64);
  ui::SetStretchColumn(grid, 1);
  const char* headers[] = {"№", "Tech", "Era", "Cost", "Known"};
  const int widths[] = {20, 200, 70, 50, 50};
  for (int col = 0; col < 5; ++col) {
    ui::SetGridCell(grid, 0, col, QString::fromUtf8(headers[col]));
    ui::SetGridColumnWidth(grid, col, widths[col]);
  }
  for (int row = 1; row <= 81; ++row) ui::SetGridCell(grid, row, 0, ui::ToQString(Format("%2d", row)));
  return grid;
}

struct PlayerField {
  const char* Caption;
  const char* Name;
};

constexpr PlayerField kEconomy[] = {
    {"Research", "ResearchE"},         {"Science", "AccScienceE"},      {"Overflow", "OverflowResearchE"},
    {"Golden Age turns", "GATurnsE"},  {"Happiness", "AccHappinessE"},  {"Happiness per turn", "HappinessE"},
    {"Great General", "GGPointsE"},    {"Great Admiral", "GAPointsE"},  {"Total GG points", "TGGPointsE"},
    {"Faith", "AccFaithE"},            {"Total Faith", "TotalFaithE"},  {"Faith per turn", "FaithPerTurnE"},
    {"Gold", "AccGoldE"},              {"Diplo Gold", "DiploGoldE"},
};

// Faith prices of the great people, by kind.
constexpr PlayerField kFaithPrices[] = {
    {"GWr", "GWrFaithE"}, {"GAr", "GArFaithE"}, {"GMu", "GMuFaithE"}, {"GG", "GGFaithE"},
    {"GS", "GSFaithE"},   {"GM", "GMFaithE"},   {"GE", "GEFaithE"},   {"GA", "GAFaithE"},
};

QWidget* BuildEconomy(QWidget* sheet) {
  auto* box = new QWidget(sheet);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setVerticalSpacing(2);
  int row = 0;
  for (const PlayerField& field : kEconomy) {
    ui::AddRow(grid, row++, ui::Label(box, QString::fromLatin1(field.Caption)), ui::Edit(box, field.Name, 140));
  }
  grid->addWidget(ui::Label(box, QStringLiteral("Great people for faith")), row++, 0, 1, 2);
  auto* prices = new QGridLayout;
  for (int i = 0; i < 8; ++i) {
    prices->addWidget(ui::Label(box, QString::fromLatin1(kFaithPrices[i].Caption)), (i / 4) * 2, i % 4, Qt::AlignHCenter);
    prices->addWidget(ui::Edit(box, kFaithPrices[i].Name, 45), (i / 4) * 2 + 1, i % 4);
  }
  grid->addLayout(prices, row++, 0, 1, 2);
  grid->setRowStretch(row, 1);
  return box;
}

}  // namespace

QWidget* BuildPlayerTab(TForm1& form) {
  auto* sheet = new QWidget;
  auto* layout = new QVBoxLayout(sheet);
  auto* top = new QHBoxLayout;
  QComboBox* player = ui::Combo(sheet, "PlayerTechSelect", 200);
  top->addWidget(player);
  top->addStretch(1);
  layout->addLayout(top);
  auto* body = new QHBoxLayout;
  body->addWidget(BuildTechGrid(sheet), 3);
  body->addWidget(BuildEconomy(sheet), 2);
  layout->addLayout(body, 1);
  QObject::connect(player, &QComboBox::currentIndexChanged, &form, &TForm1::PlayerTechSelectChange);
  return sheet;
}

}  // namespace orv5
