#include "app/GridCells.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QTableWidget>

namespace orv5::ui {

namespace {

constexpr const char* kFixedColumn = "orv5FixedColumn";
constexpr const char* kCornerText = "orv5CornerText";
constexpr const char* kStretchColumn = "orv5StretchColumn";

// Paints the corner button like a header section carrying cell (0, 0)'s text ("№").
class CornerPainter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* corner = qobject_cast<QAbstractButton*>(watched);
    if (!corner || event->type() != QEvent::Paint) return false;
    QStyleOptionHeader option;
    option.initFrom(corner);
    option.rect = corner->rect();
    option.text = corner->property(kCornerText).toString();
    option.textAlignment = Qt::AlignCenter;
    option.position = QStyleOptionHeader::OnlyOneSection;
    QPainter painter(corner);
    corner->style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
    return true;
  }
};

QAbstractButton* CornerButton(const QTableWidget* grid) { return grid->findChild<QAbstractButton*>(); }

QTableWidgetItem* EnsureItem(QTableWidget* grid, int row, int col) {
  QTableWidgetItem* item = grid->item(row, col);
  if (!item) {
    item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    grid->setItem(row, col, item);
  }
  return item;
}

QTableWidgetItem* EnsureHeader(QTableWidget* grid, Qt::Orientation orientation, int section) {
  const bool horizontal = orientation == Qt::Horizontal;
  QTableWidgetItem* item = horizontal ? grid->horizontalHeaderItem(section) : grid->verticalHeaderItem(section);
  if (!item) {
    item = new QTableWidgetItem;
    if (horizontal) {
      grid->setHorizontalHeaderItem(section, item);
    } else {
      grid->setVerticalHeaderItem(section, item);
    }
  }
  return item;
}

}  // namespace

bool HasFixedColumn(const QTableWidget* grid) { return grid->property(kFixedColumn).toBool(); }

int GridRows(const QTableWidget* grid) { return grid->rowCount() + 1; }

int GridColumns(const QTableWidget* grid) { return grid->columnCount() + (HasFixedColumn(grid) ? 1 : 0); }

void ResizeGrid(QTableWidget* grid, int columns, int rows) {
  const int fixed = HasFixedColumn(grid) ? 1 : 0;
  grid->setColumnCount(std::max(0, columns - fixed));
  grid->setRowCount(std::max(0, rows - 1));
  // Empty header cells stay empty: without an item Qt would number the sections.
  for (int col = 0; col < grid->columnCount(); ++col) EnsureHeader(grid, Qt::Horizontal, col);
  if (!fixed) return;
  for (int row = 0; row < grid->rowCount(); ++row) EnsureHeader(grid, Qt::Vertical, row);
  if (QAbstractButton* corner = CornerButton(grid); corner && !corner->property(kCornerText).isValid()) {
    corner->setProperty(kCornerText, QString());
    corner->installEventFilter(new CornerPainter(grid));
  }
}

void SetGridCell(QTableWidget* grid, int row, int col, const QString& text) {
  const int fixed = HasFixedColumn(grid) ? 1 : 0;
  if (row < 0 || col < 0 || row >= GridRows(grid) || col >= GridColumns(grid)) return;
  if (row == 0 && col < fixed) {
    if (QAbstractButton* corner = CornerButton(grid); corner && corner->property(kCornerText).toString() != text) {
      corner->setProperty(kCornerText, text);
      corner->update();
    }
    return;
  }
  QTableWidgetItem* item = row == 0   ? EnsureHeader(grid, Qt::Horizontal, col - fixed)
                           : col < fixed ? EnsureHeader(grid, Qt::Vertical, row - 1)
                                         : EnsureItem(grid, row - 1, col - fixed);
  if (item->text() != text) item->setText(text);
}

QString GridCell(const QTableWidget* grid, int row, int col) {
  const int fixed = HasFixedColumn(grid) ? 1 : 0;
  if (row < 0 || col < 0 || row >= GridRows(grid) || col >= GridColumns(grid)) return {};
  if (row == 0 && col < fixed) {
    const QAbstractButton* corner = CornerButton(grid);
    return corner ? corner->property(kCornerText).toString() : QString();
  }
  const QTableWidgetItem* item = row == 0     ? grid->horizontalHeaderItem(col - fixed)
                                 : col < fixed ? grid->verticalHeaderItem(row - 1)
                                               : grid->item(row - 1, col - fixed);
  return item ? item->text() : QString();
}

int ScaledWidth(const QWidget* widget, int width) {
  // Widths are given for digits 6 pixels wide (an 8-point face); wider faces get wider columns.
  const double digit = widget->fontMetrics().horizontalAdvance(QStringLiteral("0123456789")) / 10.0;
  return static_cast<int>(width * std::clamp(digit / 6.0, 1.0, 3.0) + 0.5);
}

void SetGridColumnWidth(QTableWidget* grid, int col, int width) {
  const int fixed = HasFixedColumn(grid) ? 1 : 0;
  width = ScaledWidth(grid, width);
  if (col < fixed) {
    grid->verticalHeader()->setMinimumWidth(width);
  } else if (const QVariant stretch = grid->property(kStretchColumn); stretch.isValid() && stretch.toInt() == col) {
    return;  // it takes the room the other columns leave
  } else if (col - fixed < grid->columnCount()) {
    grid->setColumnWidth(col - fixed, width);
  }
}

void SetStretchColumn(QTableWidget* grid, int col) {
  grid->setProperty(kStretchColumn, col);
  grid->horizontalHeader()->setSectionResizeMode(col - (HasFixedColumn(grid) ? 1 : 0), QHeaderView::Stretch);
}

}  // namespace orv5::ui
