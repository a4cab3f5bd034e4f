// Policy: the social policies one player adopted, one box per branch or ideology, with the
// player's culture figures.
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/FormParts.h"
#include "app/Sheets.h"
#include "app/TForm1.h"

namespace orv5 {

namespace {

// Two rows of five branch boxes and a third row with the three ideologies.
constexpr const char* kBranchRows[3][5] = {
    {"TraditionBranch", "LibertyBranch", "HonorBranch", "PietyBranch", "PatronageBranch"},
    {"OrderBranch", "AutocracyBranch", "FreedomBranch", "RationalismBranch", "CommerceBranch"},
    {"FreedomIdeology", "OrderIdeology", "AutocracyIdeology", nullptr, nullptr},
};

QWidget* BuildBranches(QWidget* sheet) {
  auto* box = new QWidget(sheet);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 5; ++col) {
      if (kBranchRows[row][col]) grid->addWidget(ui::RichText(box, kBranchRows[row][col], false), row, col);
    }
    grid->setRowStretch(row, 1);
  }
  return box;
}

QWidget* BuildCultureFields(QWidget* sheet) {
  auto* box = new QWidget(sheet);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  const std::pair<const char*, const char*> fields[] = {{"Policy Culture", "PolicyCultureE"},
                                                        {"Total Culture", "TotalCultureE"},
                                                        {"Per Turn", "CulturePerTurnE"},
                                                        {"Culture from CS", "CSCultureE"},
                                                        {"Policy Number", "PolicyNumE"}};
  for (const auto& [caption, name] : fields) {
    row->addWidget(ui::Titled(box, QString::fromLatin1(caption), ui::Edit(box, name, 90)));
  }
  row->addStretch(1);
  return box;
}

}  // namespace

QWidget* BuildPolicyTab(TForm1& form) {
  auto* sheet = new QWidget;
  auto* layout = new QVBoxLayout(sheet);
  auto* top = new QHBoxLayout;
  QComboBox* player = ui::Combo(sheet, "PlayerPolicySelect", 200);
  top->addWidget(player);
  top->addStretch(1);
  layout->addLayout(top);
  layout->addWidget(BuildBranches(sheet), 1);
  layout->addWidget(BuildCultureFields(sheet));
  QObject::connect(player, &QComboBox::currentIndexChanged, &form, &TForm1::PlayerPolicySelectChange);
  return sheet;
}

}  // namespace orv5
