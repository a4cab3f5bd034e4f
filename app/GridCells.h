#pragma once
// Cells of a string grid addressed as the views address them: (row, column) with the header
// row 0 and, in grids with a fixed column, the row header column 0. In the widget the header
// row is the horizontal header, the fixed column the vertical header and cell (0, 0) the
// corner, so that both stay visible while the body scrolls.
#include <QString>

class QWidget;
class QTableWidget;

namespace orv5::ui {

bool HasFixedColumn(const QTableWidget* grid);
int GridRows(const QTableWidget* grid);     // including the header row
int GridColumns(const QTableWidget* grid);  // including the fixed column

// Gives the grid `columns` x `rows` cells (header and fixed column included).
void ResizeGrid(QTableWidget* grid, int columns, int rows);
void SetGridCell(QTableWidget* grid, int row, int col, const QString& text);
QString GridCell(const QTableWidget* grid, int row, int col);
// Widths in pixels of an 8-point face, widened to the grid's face.
void SetGridColumnWidth(QTableWidget* grid, int col, int width);
int ScaledWidth(const QWidget* widget, int width);
// Column `col` takes the room the others leave instead of its model width, so that a grid
// fits a narrow window without hiding its short columns.
void SetStretchColumn(QTableWidget* grid, int col);

}  // namespace orv5::ui
