// Graph: one per-turn statistic as a line per checked player. The check list paints each
// player in the colour of its line, so it doubles as the chart's legend.
#include <QComboBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "app/FormParts.h"
#include "app/HistoryChartView.h"
#include "app/Sheets.h"
#include "app/TForm1.h"

namespace orv5 {

namespace {

// Draws an item in its own colour and never as selected, focused or hovered: a highlight
// would hide the colour that tells which line is whose.
class LineColourDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem plain(option);
    plain.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus | QStyle::State_MouseOver);
    QStyledItemDelegate::paint(painter, plain, index);
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(std::max(16, size.height()));
    return size;
  }
};

QListWidget* BuildCheckList(QWidget* parent, TForm1& form) {
  QListWidget* list = ui::ListBox(parent, "CheckListBox1");
  list->setItemDelegate(new LineColourDelegate(list));
  list->setSelectionMode(QAbstractItemView::NoSelection);
  list->setMinimumWidth(150);
  QObject::connect(list, &QListWidget::itemChanged, &form, &TForm1::CheckListBox1ClickCheck);
  QObject::connect(list, &QListWidget::itemClicked, &form, &TForm1::CheckListBox1Click);
  return list;
}

ui::HistoryChartView* BuildChart(QWidget* parent, TForm1& form, QListWidget* players) {
  auto* chart = new ui::HistoryChartView(parent);
  chart->setObjectName(QStringLiteral("HistoryChart"));
  chart->setMinimumSize(300, 200);
  chart->SetItemNamer([players](int32_t item) {
    const QListWidgetItem* entry = players->item(item);
    return entry ? entry->text() : QString();
  });
  QObject::connect(chart, &ui::HistoryChartView::undoZoomRequested, &form, &TForm1::HistoryChartUndoZoom);
  return chart;
}

}  // namespace

QWidget* BuildGraphTab(TForm1& form) {
  auto* sheet = new QWidget;
  auto* layout = new QVBoxLayout(sheet);
  QComboBox* dataset = ui::Combo(sheet, "GraphSelect", 220);
  dataset->addItem(QStringLiteral("Score"));
  auto* top = new QHBoxLayout;
  top->addWidget(dataset);
  top->addStretch(1);
  layout->addLayout(top);
  auto* body = new QHBoxLayout;
  QListWidget* players = BuildCheckList(sheet, form);
  body->addWidget(BuildChart(sheet, form, players), 1);
  auto* side = new QVBoxLayout;
  side->addWidget(players, 1);
  QPushButton* none = ui::Button(sheet, "Button3", QStringLiteral("Unselect all"));
  side->addWidget(none);
  body->addLayout(side);
  layout->addLayout(body, 1);
  QObject::connect(dataset, &QComboBox::currentIndexChanged, &form, &TForm1::GraphSelectChange);
  QObject::connect(none, &QPushButton::clicked, &form, &TForm1::Button3Click);
  return sheet;
}

}  // namespace orv5
