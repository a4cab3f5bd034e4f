#pragma once
// Small factories for the window's controls. Every control gets its object name here, so
// that the binder and the tests can find it; captions are passed exactly as shown.
#include <QFont>
#include <QString>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;
class QTextEdit;
class QWidget;

namespace orv5::ui {

// The fixed-pitch face the columned texts are laid out for, with the system's fixed font as
// fallback where that face is not installed.
QFont ColumnFont();

// A read-only line edit: the analyser shows values, it does not take them (except Edit1, Edit11).
QLineEdit* Edit(QWidget* parent, const char* name, int width = 0);
QLineEdit* InputEdit(QWidget* parent, const char* name, int width = 0);

QLabel* Label(QWidget* parent, const QString& caption);
// A caption above or beside a field, centred and word-wrapped.
QLabel* FieldLabel(QWidget* parent, const QString& caption, int width = 0);

QPushButton* Button(QWidget* parent, const char* name, const QString& caption);
QCheckBox* CheckBox(QWidget* parent, const char* name, const QString& caption);
QComboBox* Combo(QWidget* parent, const char* name, int width = 0);

// A list box whose items flow into `columns` equal columns.
QListWidget* ListBox(QWidget* parent, const char* name, int columns = 1);

// A read-only rich-text box. Columned texts use the fixed-pitch face and do not wrap.
QTextEdit* RichText(QWidget* parent, const char* name, bool columned, bool wrap = true);

// A string grid of `columns` x `rows` cells counted as the views count them: row 0 is the
// header row and, with `fixedColumn`, column 0 is the row header column. Both stay on screen
// while the body scrolls.
QTableWidget* Grid(QWidget* parent, const char* name, int columns, int rows, bool fixedColumn, int defaultWidth);

// "Turn", "Date" and "Event" over the columns of a fixed-pitch log (replay, player log).
QLabel* LogCaptions(QWidget* parent);

// Label + field in one row of a grid layout.
void AddRow(QGridLayout* grid, int row, QWidget* label, QWidget* field, int column = 0);
// Caption and control stacked.
QWidget* Titled(QWidget* parent, const QString& caption, QWidget* control);

}  // namespace orv5::ui
