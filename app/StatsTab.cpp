// Stats: one player in four lines (cities, wonders, policies, beliefs), in English or
// Russian, meant to be copied into a forum post; each line has its own "Copy".
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/FormParts.h"
#include "app/Sheets.h"
#include "app/TForm1.h"

namespace orv5 {

namespace {

struct StatsLine {
  const char* Caption;
  const char* Name;
};

constexpr StatsLine kLines[] = {
    {"Cities", "CitiesStats"}, {"Wonders", "WondersStats"}, {"Policies", "PoliciesStats"}, {"Beliefs", "BeliefStats"}};

QWidget* BuildLines(QWidget* sheet) {
  auto* box = new QWidget(sheet);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  int row = 0;
  for (const StatsLine& line : kLines) {
    QTextEdit* text = ui::RichText(box, line.Name, false);
    QPushButton* copy = ui::Button(box, (std::string(line.Name) + "Copy").c_str(), QStringLiteral("Copy"));
    copy->setToolTip(QObject::tr("Copy this line to the clipboard"));
    QObject::connect(copy, &QPushButton::clicked, text,
                     [text] { QApplication::clipboard()->setText(text->toPlainText()); });
    grid->addWidget(ui::Label(box, QString::fromLatin1(line.Caption)), row, 0, Qt::AlignTop);
    grid->addWidget(text, row, 1);
    grid->addWidget(copy, row, 2, Qt::AlignTop);
    grid->setRowStretch(row++, 1);
  }
  grid->setColumnStretch(1, 1);
  return box;
}

}  // namespace

QWidget* BuildStatsTab(TForm1& form) {
  auto* sheet = new QWidget;
  auto* layout = new QVBoxLayout(sheet);
  auto* top = new QHBoxLayout;
  QComboBox* player = ui::Combo(sheet, "PlayerStatsSelect", 200);
  QComboBox* language = ui::Combo(sheet, "StatsLangSelect", 100);
  language->addItems({QStringLiteral("English"), QStringLiteral("Русский")});
  language->setCurrentIndex(0);
  top->addWidget(player);
  top->addWidget(language);
  top->addStretch(1);
  layout->addLayout(top);
  layout->addWidget(BuildLines(sheet), 1);
  QObject::connect(player, &QComboBox::currentIndexChanged, &form, &TForm1::PlayerStatsSelectChange);
  QObject::connect(language, &QComboBox::currentIndexChanged, &form, &TForm1::StatsLangSelectChange);
  return sheet;
}

}  // namespace orv5
