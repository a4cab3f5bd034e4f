// Cities: one city of one player: founding, ownership, status, food, culture, strength,
// the build queue, the buildings in build order, stored production, great-person progress,
// per-turn yields, religions and the foreign spies inside.
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/FormParts.h"
#include "app/GridCells.h"
#include "app/Sheets.h"
#include "app/TForm1.h"

namespace orv5 {

namespace {

struct LabelledField {
  const char* Caption;
  const char* Name;
};

constexpr LabelledField kCityFields[] = {
    {"Founded", "CityFoundE"},         {"X,Y", "CityXYE"},
    {"Population (Max)", "PopE"},      {"Culture", "CultureE"},
    {"Food", "FoodE"},                 {"Overflow Production", "CityOverflowE"},
    {"Status", "CityStatusE"},         {"Strength", "CityStrengthE"},
    {"WLTKD turns", "WLTKDE"},         {"Disorder turns", "DisorderE"},
    {"Previous Owner", "PreviousOwnerE"}, {"Original Owner", "OriginalOwnerE"},
    {"Captured", "LastCapturedE"},
};

QWidget* BuildCityFields(QWidget* sheet, TForm1& form) {
  auto* box = new QWidget(sheet);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setVerticalSpacing(2);
  int row = 0;
  for (const LabelledField& field : kCityFields) {
    ui::AddRow(grid, row++, ui::Label(box, QString::fromLatin1(field.Caption)), ui::Edit(box, field.Name, 130));
  }
  box->findChild<QLineEdit*>(QStringLiteral("CityStatusE"))
      ->setText(QStringLiteral("Never Lost, Puppet, Occupied, Ever Capital, Railroad"));
  QComboBox* queue = ui::Combo(box, "BuildingQueue", 130);
  ui::AddRow(grid, row++, ui::Label(box, QStringLiteral("Building Queue")), queue);
  ui::AddRow(grid, row++, ui::Label(box, QStringLiteral("Spies")), ui::Combo(box, "CitySpyBox", 130));
  grid->setRowStretch(row, 1);
  QObject::connect(queue, &QComboBox::currentIndexChanged, &form, &TForm1::BuildingQueueChange);
  return box;
}

QTableWidget* BuildReligionGrid(QWidget* parent) {
  QTableWidget* grid = ui::Grid(parent, "ReligionGrid", 5, 14, false, 50);
  ui::SetStretchColumn(grid, 0);
  const char* headers[] = {"Religion", "Followers", "Points", "Percent", "Holy"};
  const int widths[] = {100, 50, 50, 50, 35};
  for (int col = 0; col < 5; ++col) {
    ui::SetGridCell(grid, 0, col, QString::fromLatin1(headers[col]));
    ui::SetGridColumnWidth(grid, col, widths[col]);
  }
  return grid;
}

QTableWidget* BuildProductionGrid(QWidget* parent) {
  QTableWidget* grid = ui::Grid(parent, "ProductionGrid", 4, 16, true, 64);
  ui::SetStretchColumn(grid, 1);
  const char* headers[] = {"№", "Production", "Hammers", "Delay"};
  const int widths[] = {20, 201, 80, 35};
  for (int col = 0; col < 4; ++col) {
    ui::SetGridCell(grid, 0, col, QString::fromUtf8(headers[col]));
    ui::SetGridColumnWidth(grid, col, widths[col]);
  }
  return grid;
}

struct GreatPersonRow {
  const char* Caption;
  const char* Points;
  const char* Rate;
  const char* Limit;  // nullptr: no limit field in this row
};

constexpr GreatPersonRow kGreatPeople[] = {
    {"GWr", "GWrPointsE", "GWrRateE", "GWrLimitE"}, {"GAr", "GArPointsE", "GArRateE", "GArLimitE"},
    {"GMu", "GMuPointsE", "GMuRateE", "GMuLimitE"}, {"GS", "GSPointsE", "GSRateE", nullptr},
    {"GM", "GMPointsE", "GMRateE", "GPLimitE"},     {"GE", "GEPointsE", "GERateE", nullptr},
};

QWidget* BuildGreatPeople(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setVerticalSpacing(2);
  grid->addWidget(ui::Label(box, QStringLiteral("Accum")), 0, 1);
  grid->addWidget(ui::Label(box, QStringLiteral("Per turn")), 0, 3);
  grid->addWidget(ui::Label(box, QStringLiteral("Limit")), 0, 4);
  int row = 1;
  for (const GreatPersonRow& person : kGreatPeople) {
    grid->addWidget(ui::Label(box, QString::fromLatin1(person.Caption)), row, 0);
    grid->addWidget(ui::Edit(box, person.Points, 60), row, 1);
    grid->addWidget(ui::Label(box, QStringLiteral("+")), row, 2);
    grid->addWidget(ui::Edit(box, person.Rate, 50), row, 3);
    if (person.Limit) grid->addWidget(ui::Edit(box, person.Limit, 50), row, 4);
    ++row;
  }
  return box;
}

QWidget* BuildYields(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setVerticalSpacing(2);
  grid->addWidget(ui::Label(box, QStringLiteral("Per turn")), 0, 0, 1, 6, Qt::AlignHCenter);
  const LabelledField yields[] = {{"Food", "OutFoodE"},       {"Product", "OutProdE"}, {"Gold", "OutGoldE"},
                                  {"Science", "OutScienceE"}, {"Culture", "OutCultureE"}, {"Faith", "OutFaithE"}};
  for (int i = 0; i < 6; ++i) {
    grid->addWidget(ui::Label(box, QString::fromLatin1(yields[i].Caption)), 1, i, Qt::AlignHCenter);
    grid->addWidget(ui::Edit(box, yields[i].Name, 40), 2, i);
  }
  return box;
}

// The buildings in build order above what the city has stored production for.
QWidget* BuildBuildings(QWidget* sheet) {
  auto* box = new QWidget(sheet);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  // Names are padded to 24 characters, then " %5d" of the date and " %5d" of the turn.
  auto* caption = new QLabel(QStringLiteral("Buildings").leftJustified(24) + QStringLiteral("  Date  Turn"), box);
  caption->setFont(ui::ColumnFont());
  caption->setIndent(6);
  layout->addWidget(caption);
  layout->addWidget(ui::RichText(box, "BuildingsList", true), 2);
  layout->addWidget(BuildProductionGrid(box), 3);
  return box;
}

// Great people and yields per turn above the religions of the city.
QWidget* BuildPeopleAndFaith(QWidget* sheet) {
  auto* box = new QWidget(sheet);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(BuildGreatPeople(box));
  layout->addWidget(BuildYields(box));
  layout->addWidget(ui::Titled(box, QStringLiteral("Religions"), BuildReligionGrid(box)), 1);
  return box;
}

QWidget* BuildSelectors(QWidget* sheet, TForm1& form) {
  auto* box = new QWidget(sheet);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  QComboBox* player = ui::Combo(box, "PlayerCitySelect", 180);
  QComboBox* city = ui::Combo(box, "CityBox", 180);
  row->addWidget(ui::Label(box, QStringLiteral("Player Select")));
  row->addWidget(player);
  row->addSpacing(16);
  row->addWidget(ui::Label(box, QStringLiteral("City Select")));
  row->addWidget(city);
  row->addStretch(1);
  QObject::connect(player, &QComboBox::currentIndexChanged, &form, &TForm1::PlayerCitySelectChange);
  QObject::connect(city, &QComboBox::currentIndexChanged, &form, &TForm1::CityBoxChange);
  return box;
}

}  // namespace

QWidget* BuildCityTab(TForm1& form) {
  auto* sheet = new QWidget;
  auto* layout = new QVBoxLayout(sheet);
  layout->addWidget(BuildSelectors(sheet, form));
  auto* columns = new QHBoxLayout;
  columns->addWidget(BuildCityFields(sheet, form), 2);
  columns->addWidget(BuildBuildings(sheet), 3);
  columns->addWidget(BuildPeopleAndFaith(sheet), 3);
  layout->addLayout(columns, 1);
  return sheet;
}

}  // namespace orv5
