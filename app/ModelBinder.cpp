#include "app/ModelBinder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include "app/GridCells.h"
#include "app/HistoryChartView.h"

namespace orv5::ui {

namespace {

QColor ToQColor(Colour colour) { return QColor::fromRgb(static_cast<QRgb>(colour & 0xFFFFFFu)); }

bool BindEdit(const EditValue& model, QWidget* widget) {
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    if (edit->text() != ToQString(model.Text)) edit->setText(ToQString(model.Text));
    edit->setCursorPosition(0);  // a long text shows its beginning
    edit->setToolTip(ToQString(ToolTipText(model)));
    if (model.TextColour) {
      QPalette palette = edit->palette();
      palette.setColor(QPalette::Text, ToQColor(*model.TextColour));
      edit->setPalette(palette);
    }
    return true;
  }
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(ToQString(model.Text));
    label->setToolTip(ToQString(ToolTipText(model)));
    return true;
  }
  return false;
}

bool BindGrid(const GridModel& model, QWidget* widget) {
  auto* grid = qobject_cast<QTableWidget*>(widget);
  if (!grid) return false;
  grid->setUpdatesEnabled(false);
  ResizeGrid(grid, model.Columns, model.Rows);
  for (int row = 0; row < model.Rows; ++row) {
    for (int col = 0; col < model.Columns; ++col) SetGridCell(grid, row, col, ToQString(model.Cell(row, col)));
  }
  for (int col = 0; col < static_cast<int>(model.ColumnWidths.size()); ++col) {
    SetGridColumnWidth(grid, col, model.ColumnWidths[static_cast<size_t>(col)]);
  }
  grid->setUpdatesEnabled(true);
  return true;
}

void BindComboBox(const ListModel& model, QComboBox* combo) {
  QStringList items;
  items.reserve(static_cast<qsizetype>(model.Items.size()));
  for (const std::string& item : model.Items) items.append(ToQString(item));
  bool same = combo->count() == items.size();
  for (int i = 0; same && i < items.size(); ++i) same = combo->itemText(i) == items[i];
  if (!same) {
    combo->clear();
    combo->addItems(items);
  }
  combo->setCurrentIndex(model.Selected);
  if (model.DropDownCount > 0) combo->setMaxVisibleItems(model.DropDownCount);
}

void BindListWidget(const ListModel& model, QListWidget* list) {
  list->setUpdatesEnabled(false);
  while (list->count() > static_cast<int>(model.Items.size())) delete list->takeItem(list->count() - 1);
  while (list->count() < static_cast<int>(model.Items.size())) list->addItem(new QListWidgetItem);
  for (size_t i = 0; i < model.Items.size(); ++i) {
    QListWidgetItem* item = list->item(static_cast<int>(i));
    item->setText(ToQString(model.Items[i]));
    if (i < model.Checked.size()) {
      item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
      item->setCheckState(model.Checked[i] ? Qt::Checked : Qt::Unchecked);
    }
    if (i < model.ItemColours.size()) item->setForeground(ToQColor(model.ItemColours[i]));
  }
  list->setCurrentRow(model.Selected);
  list->setUpdatesEnabled(true);
}

bool BindList(const ListModel& model, QWidget* widget) {
  if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    BindComboBox(model, combo);
    return true;
  }
  if (auto* list = qobject_cast<QListWidget*>(widget)) {
    BindListWidget(model, list);
    return true;
  }
  return false;
}

bool BindRichText(const RichTextModel& model, QWidget* widget) {
  auto* edit = qobject_cast<QTextEdit*>(widget);
  if (!edit) return false;
  QTextDocument* document = edit->document();
  document->clear();
  QTextCursor cursor(document);
  cursor.beginEditBlock();
  QTextCharFormat format;
  for (size_t i = 0; i < model.Lines.size(); ++i) {
    if (i > 0) cursor.insertBlock();
    format.setForeground(ToQColor(model.Lines[i].LineColour));
    cursor.insertText(ToQString(model.Lines[i].Text), format);
  }
  cursor.endEditBlock();
  edit->moveCursor(QTextCursor::Start);
  return true;
}

bool BindCheckBox(const CheckBoxModel& model, QWidget* widget) {
  auto* box = qobject_cast<QCheckBox*>(widget);
  if (!box) return false;
  box->setChecked(model.Checked);
  return true;
}

bool BindChart(const ChartModel& model, QWidget* widget) {
  auto* chart = qobject_cast<HistoryChartView*>(widget);
  if (!chart) return false;
  chart->Show(model);
  return true;
}

struct Placer {
  QWidget* Widget;
  bool operator()(const EditValue& m) const { return BindEdit(m, Widget); }
  bool operator()(const GridModel& m) const { return BindGrid(m, Widget); }
  bool operator()(const ListModel& m) const { return BindList(m, Widget); }
  bool operator()(const RichTextModel& m) const { return BindRichText(m, Widget); }
  bool operator()(const CheckBoxModel& m) const { return BindCheckBox(m, Widget); }
  bool operator()(const ChartModel& m) const { return BindChart(m, Widget); }
};

}  // namespace

void ControlIndex::Build(QWidget* root) {
  controls_.clear();
  duplicates_.clear();
  const auto widgets = root->findChildren<QWidget*>();
  for (QWidget* widget : widgets) {
    const QString name = widget->objectName();
    // Qt names some of its own inner widgets ("qt_scrollarea_viewport"); those are not ours.
    if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) continue;
    if (controls_.contains(name)) duplicates_.append(name);
    controls_.insert(name, widget);
  }
}

QString ToQString(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void BindControl(const ControlModel& control, const ControlIndex& controls, BindReport& report) {
  const QString name = ToQString(ControlName(control));
  QWidget* widget = controls.Find(name);
  if (!widget) {
    report.Missing.append(name);
    return;
  }
  const QSignalBlocker blocker(widget);
  if (!std::visit(Placer{widget}, control)) report.WrongKind.append(name);
}

BindReport BindTab(const TabModel& tab, const ControlIndex& controls, QTabWidget* pages, const QStringList& skip) {
  BindReport report;
  for (const ControlModel& control : tab.Controls) {
    if (skip.contains(ToQString(ControlName(control)))) continue;
    BindControl(control, controls, report);
  }
  if (QWidget* sheet = controls.Find(ToQString(tab.Sheet)); sheet && pages) {
    const int index = pages->indexOf(sheet);
    if (index >= 0 && pages->isTabVisible(index) != tab.Visible) pages->setTabVisible(index, tab.Visible);
  } else {
    report.Missing.append(ToQString(tab.Sheet));
  }
  return report;
}

}  // namespace orv5::ui
