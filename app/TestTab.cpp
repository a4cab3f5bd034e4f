// TestTab: turns a multiplayer save into a single-player one. The sheet is built and its
// handlers work, but the window never shows it.
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/FormParts.h"
#include "app/Sheets.h"
#include "app/TForm1.h"

namespace orv5 {

QWidget* BuildTestTab(TForm1& form) {
  auto* sheet = new QWidget;
  auto* layout = new QVBoxLayout(sheet);
  auto* row = new QHBoxLayout;
  QComboBox* active = ui::Combo(sheet, "ActiveBox", 200);
  QPushButton* single = ui::Button(sheet, "SingleBtn", QStringLiteral("Make Single"));
  QPushButton* save = ui::Button(sheet, "SaveBtn", QStringLiteral("Save"));
  row->addWidget(ui::Label(sheet, QStringLiteral("Select Active Player")));
  row->addWidget(active);
  row->addWidget(single);
  row->addWidget(save);
  row->addStretch(1);
  layout->addLayout(row);
  layout->addStretch(1);
  QObject::connect(active, &QComboBox::currentIndexChanged, &form, &TForm1::ActiveBoxChange);
  QObject::connect(single, &QPushButton::clicked, &form, &TForm1::SingleBtnClick);
  QObject::connect(save, &QPushButton::clicked, &form, &TForm1::SaveBtnClick);
  return sheet;
}

}  // namespace orv5
