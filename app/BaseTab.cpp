// Base: the game's settings, turn, dates, score, play time and status, with the options,
// allowed victories and packages of the game.
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/FormParts.h"
#include "app/Sheets.h"
#include "app/TForm1.h"

namespace orv5 {

namespace {

struct FieldRow {
  const char* Caption;
  const char* Field;
  const char* Second;  // a second field in the same row, or nullptr
};

// Captions keep their blanks: they centre the words of the two languages over each other.
constexpr FieldRow kFieldRows[] = {
    {"Game Version (Версия игры)", "GameVersionE", nullptr},
    {"     Save Version       (Версия сейва)", "SaveIndexE", nullptr},
    {"CivName (Цивилизация)", "CivNameE", nullptr},
    {"      Handicap       (Ур-нь сложности)", "LevelE", nullptr},
    {"Starting Era (Стартовая Эра)", "StartingEraE", nullptr},
    {"Current Era (Текущая Эра)", "CurrentEraE", nullptr},
    {"Game Speed (Скорость Игры)", "Game5SpeedE", nullptr},
    {" World Size  (Размер Карты)", "World5SizeE", nullptr},
    {"    Map Script     (Тип Карты)", "Map5ScriptE", nullptr},
    {"Current turn (Текущий ход)", "Edit3", "Edit4"},
    {"Starting turn (Стартовый ход)", "StartTurnE", "StartDateE"},
    {"Game score  (Очки)", "Edit6", "Edit13"},
    {"Game Type (Тип Игры)", "Edit8", nullptr},
    {"Active Player (Активный Игрок)", "Edit14", nullptr},
    {"Playing time  (Время игры)", "Edit5", nullptr},
    {"Game status (Состояние игры)", "Edit7", nullptr},
    {"User Name (Пользователь)", "UserNameE", nullptr},
};

QWidget* BuildFields(QWidget* sheet) {
  auto* box = new QWidget(sheet);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setVerticalSpacing(2);
  int row = 0;
  for (const FieldRow& field : kFieldRows) {
    grid->addWidget(ui::FieldLabel(box, QString::fromUtf8(field.Caption), 150), row, 0);
    QLineEdit* first = ui::Edit(box, field.Field, 120);
    if (field.Second) {
      grid->addWidget(first, row, 1);
      grid->addWidget(ui::Edit(box, field.Second, 100), row, 2);
    } else {
      grid->addWidget(first, row, 1, 1, 2);
    }
    ++row;
  }
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(2, 1);
  grid->setRowStretch(row, 1);
  return box;
}

QWidget* BuildVictories(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addWidget(ui::FieldLabel(box, QStringLiteral("Allowed Victories (Разрешенные победы)")));
  auto* checks = new QGridLayout;
  const char* names[] = {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5"};
  const char* captions[] = {"Time", "Science", "Domination", "Cultural", "Diplomatic"};
  for (int i = 0; i < 5; ++i) {
    QCheckBox* check = ui::CheckBox(box, names[i], QString::fromLatin1(captions[i]));
    check->setAttribute(Qt::WA_TransparentForMouseEvents);  // shows the save's choice; not an input
    check->setFocusPolicy(Qt::NoFocus);
    checks->addWidget(check, i / 3, i % 3);
  }
  layout->addLayout(checks);
  return box;
}

QWidget* BuildLists(QWidget* sheet) {
  auto* box = new QWidget(sheet);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(ui::Titled(box, QStringLiteral(" Game Options  (Опции Игры)"), ui::ListBox(box, "GameOptionBox", 2)), 3);
  layout->addWidget(BuildVictories(box));
  layout->addWidget(
      ui::Titled(box, QStringLiteral("     DLC Installed     (Установленные дополнения)"), ui::ListBox(box, "DLCBox", 2)),
      4);
  return box;
}

}  // namespace

QWidget* BuildBaseTab(TForm1&) {
  auto* sheet = new QWidget;
  auto* layout = new QHBoxLayout(sheet);
  layout->addWidget(BuildFields(sheet), 4);
  layout->addWidget(BuildLists(sheet), 5);
  return sheet;
}

}  // namespace orv5
