// Player Log: the notifications the save keeps for one player, oldest first.
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/FormParts.h"
#include "app/Sheets.h"
#include "app/TForm1.h"

namespace orv5 {

QWidget* BuildPlayerLogTab(TForm1& form) {
  auto* sheet = new QWidget;
  auto* layout = new QVBoxLayout(sheet);
  auto* top = new QHBoxLayout;
  QComboBox* player = ui::Combo(sheet, "PlayerLogSelect", 200);
  top->addWidget(player);
  // Both boxes stand for filters the log does not have; they stay hidden, their clicks only redraw.
  QCheckBox* cityEvents = ui::CheckBox(sheet, "ShowCityEventsCheckBox", QStringLiteral("Show City Events"));
  QCheckBox* combats = ui::CheckBox(sheet, "ShowCombatsCheckBox", QStringLiteral("Show Combats"));
  cityEvents->hide();
  combats->hide();
  top->addWidget(cityEvents);
  top->addWidget(combats);
  top->addStretch(1);
  layout->addLayout(top);
  layout->addWidget(ui::LogCaptions(sheet));
  layout->addWidget(ui::RichText(sheet, "PlayerLog", true), 1);
  QObject::connect(player, &QComboBox::currentIndexChanged, &form, &TForm1::ShowCombatsCheckBoxClick);
  QObject::connect(cityEvents, &QCheckBox::clicked, &form, &TForm1::ShowCombatsCheckBoxClick);
  QObject::connect(combats, &QCheckBox::clicked, &form, &TForm1::ShowCombatsCheckBoxClick);
  return sheet;
}

}  // namespace orv5
