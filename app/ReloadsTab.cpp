// Reloads: how often the game was saved and loaded again, the sessions one by one, what the save
// says about itself that an organiser should look at, and the runaway reload list that "Cure"
// removes.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/FormParts.h"
#include "app/Sheets.h"
#include "app/TForm1.h"

namespace orv5 {

namespace {

QWidget* BuildCounts(QWidget* sheet, TForm1& form) {
  auto* box = new QWidget(sheet);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  ui::AddRow(grid, 0, ui::FieldLabel(box, QStringLiteral("       Sessions       (Число сессий)"), 160),
             ui::Edit(box, "Edit9", 100));
  // The pre-session count is the user's to correct: its label and text are blue, as input is.
  QLabel* preLabel = ui::FieldLabel(box, QStringLiteral("    PreSessions     (Число пресессий)"), 160);
  preLabel->setStyleSheet(QStringLiteral("color: blue;"));
  QLineEdit* pre = ui::InputEdit(box, "Edit11", 100);
  QPalette palette = pre->palette();
  palette.setColor(QPalette::Text, Qt::blue);
  pre->setPalette(palette);
  ui::AddRow(grid, 1, preLabel, pre);
  ui::AddRow(grid, 2, ui::FieldLabel(box, QStringLiteral("    Play Sessions     (Игровые сессии)"), 160),
             ui::Edit(box, "Edit10", 100));
  ui::AddRow(grid, 3, ui::FieldLabel(box, QStringLiteral("  Average Session time   (Ср. время сессии)"), 160),
             ui::Edit(box, "Edit12", 100));
  grid->setRowStretch(4, 1);
  QObject::connect(pre, &QLineEdit::textChanged, &form, &TForm1::Edit11Change);
  return box;
}

QWidget* BuildCancer(QWidget* sheet, TForm1& form) {
  auto* box = new QWidget(sheet);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(ui::FieldLabel(box, QStringLiteral("     Cancer Size       (Размер опухоли)"), 160));
  row->addWidget(ui::Edit(box, "CancerSizeE", 100));
  row->addWidget(ui::Label(box, QStringLiteral("x20 bytes")));
  QPushButton* cure = ui::Button(box, "Button5", QStringLiteral("Cure"));
  cure->setToolTip(QObject::tr("Write a copy of the save without the runaway reload records"));
  row->addWidget(cure);
  row->addStretch(1);
  QObject::connect(cure, &QPushButton::clicked, &form, &TForm1::Button5Click);
  return box;
}

}  // namespace

QWidget* BuildReloadsTab(TForm1& form) {
  auto* sheet = new QWidget;
  auto* layout = new QVBoxLayout(sheet);
  auto* top = new QHBoxLayout;
  top->addWidget(BuildCounts(sheet, form));
  auto* lists = new QVBoxLayout;
  QListWidget* sessions = ui::ListBox(sheet, "SessionListBox", 4);
  sessions->setFont(ui::ColumnFont());
  lists->addWidget(sessions, 2);
  lists->addWidget(ui::Label(sheet, QStringLiteral("Findings (Замечания)")));
  QListWidget* findings = ui::ListBox(sheet, "FindingsListBox");
  findings->setWordWrap(true);
  lists->addWidget(findings, 1);
  top->addLayout(lists, 1);
  layout->addLayout(top, 1);
  layout->addWidget(BuildCancer(sheet, form));
  return sheet;
}

}  // namespace orv5
