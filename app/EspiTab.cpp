// Espionage: the spies of one player, one at a time: where, rank and state, and the
// progress of the current operation in the city the spy sits in.
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/FormParts.h"
#include "app/Sheets.h"
#include "app/TForm1.h"

namespace orv5 {

namespace {

struct AgentField {
  const char* Caption;
  const char* Name;
};

// The agent itself on the left, its operation in the city on the right.
constexpr AgentField kAgentFields[] = {{"X,Y", "AgentCityXYE"},       {"Rank", "AgentRankE"},
                                       {"State", "AgentStateE"},      {"Revive", "AgentReviveE"},
                                       {"Diplomat", "AgentDiplomatE"}, {"Reassign", "AgentReassignE"},
                                       {"City", "AgentCityE"}};
constexpr AgentField kOperationFields[] = {
    {"Progress", "SpyAmountProgressE"}, {"Per Turn", "SpyRateProgressE"}, {"Goal", "SpyGoalProgressE"},
    {"Last", "LastProgressE"},          {"Potential", "LastPotentialE"},  {"Base", "LastBasePotentialE"},
    {"Result", "SpyResultE"},           {"Robbed", "NumTimesCityRobbedE"}};

QWidget* BuildFields(QWidget* sheet) {
  auto* box = new QWidget(sheet);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setHorizontalSpacing(10);
  int row = 0;
  for (const AgentField& field : kAgentFields) {
    ui::AddRow(grid, row++, ui::Label(box, QString::fromLatin1(field.Caption)), ui::Edit(box, field.Name, 160), 0);
  }
  row = 0;
  for (const AgentField& field : kOperationFields) {
    ui::AddRow(grid, row++, ui::Label(box, QString::fromLatin1(field.Caption)), ui::Edit(box, field.Name, 120), 2);
  }
  grid->setColumnStretch(4, 1);
  grid->setRowStretch(row, 1);
  return box;
}

}  // namespace

QWidget* BuildEspiTab(TForm1& form) {
  auto* sheet = new QWidget;
  auto* layout = new QVBoxLayout(sheet);
  auto* top = new QHBoxLayout;
  QComboBox* player = ui::Combo(sheet, "PlayerEspiSelect", 200);
  QComboBox* agent = ui::Combo(sheet, "AgentSelect", 160);
  top->addWidget(player);
  top->addWidget(agent);
  top->addStretch(1);
  layout->addLayout(top);
  layout->addWidget(BuildFields(sheet), 1);
  QObject::connect(player, &QComboBox::currentIndexChanged, &form, &TForm1::PlayerEspiSelectChange);
  QObject::connect(agent, &QComboBox::currentIndexChanged, &form, &TForm1::AgentSelectChange);
  return sheet;
}

}  // namespace orv5
