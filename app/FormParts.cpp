#include "app/FormParts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QResizeEvent>
#include <QTableWidget>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/GridCells.h"

namespace orv5::ui {

namespace {

// Items flow top to bottom into a fixed number of equal columns, as list boxes with several
// columns do; the column width follows the box's width.
class ColumnListWidget : public QListWidget {
 public:
  ColumnListWidget(QWidget* parent, int columns) : QListWidget(parent), columns_(columns) {
    setFlow(QListView::TopToBottom);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(true);
  }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QListWidget::resizeEvent(event);
    const int width = std::max(40, viewport()->width() / columns_ - 1);
    setGridSize(QSize(width, fontMetrics().height() + 2));
  }

 private:
  int columns_;
};

template <typename W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

}  // namespace

QFont ColumnFont() {
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  font.setFamilies({QStringLiteral("Courier New"), QFontDatabase::systemFont(QFontDatabase::FixedFont).family()});
  return font;
}

QLineEdit* Edit(QWidget* parent, const char* name, int width) {
  QLineEdit* edit = InputEdit(parent, name, width);
  edit->setReadOnly(true);
  return edit;
}

QLineEdit* InputEdit(QWidget* parent, const char* name, int width) {
  auto* edit = Named(new QLineEdit(parent), name);
  if (width > 0) edit->setMinimumWidth(width);
  return edit;
}

QLabel* Label(QWidget* parent, const QString& caption) { return new QLabel(caption, parent); }

QLabel* FieldLabel(QWidget* parent, const QString& caption, int width) {
  auto* label = new QLabel(caption, parent);
  label->setAlignment(Qt::AlignCenter);
  label->setWordWrap(true);
  if (width > 0) label->setMinimumWidth(width);
  return label;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption) {
  return Named(new QPushButton(caption, parent), name);
}

QCheckBox* CheckBox(QWidget* parent, const char* name, const QString& caption) {
  return Named(new QCheckBox(caption, parent), name);
}

QComboBox* Combo(QWidget* parent, const char* name, int width) {
  auto* combo = Named(new QComboBox(parent), name);
  combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  combo->setMinimumContentsLength(12);
  if (width > 0) combo->setMinimumWidth(width);
  return combo;
}

QListWidget* ListBox(QWidget* parent, const char* name, int columns) {
  QListWidget* list = columns > 1 ? new ColumnListWidget(parent, columns) : new QListWidget(parent);
  return Named(list, name);
}

QTextEdit* RichText(QWidget* parent, const char* name, bool columned, bool wrap) {
  auto* text = Named(new QTextEdit(parent), name);
  text->setReadOnly(true);
  text->setUndoRedoEnabled(false);
  text->setAcceptRichText(false);
  if (columned) text->setFont(ColumnFont());
  text->setLineWrapMode(wrap && !columned ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
  return text;
}

QTableWidget* Grid(QWidget* parent, const char* name, int columns, int rows, bool fixedColumn, int defaultWidth) {
  auto* grid = Named(new QTableWidget(parent), name);
  grid->setProperty("orv5FixedColumn", fixedColumn);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setWordWrap(false);
  grid->horizontalHeader()->setDefaultSectionSize(ScaledWidth(grid, defaultWidth));
  grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  grid->horizontalHeader()->setHighlightSections(false);
  grid->verticalHeader()->setHighlightSections(false);
  grid->verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  grid->verticalHeader()->setVisible(fixedColumn);
  // Row height 16 at an 8-point face; never less than the text needs here.
  const int rowHeight = std::max(16, grid->fontMetrics().height() + 3);
  grid->verticalHeader()->setDefaultSectionSize(rowHeight);
  grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  ResizeGrid(grid, columns, rows);
  return grid;
}

QLabel* LogCaptions(QWidget* parent) {
  // The lines begin with "%4d" and a seven-character year: the captions sit over those columns.
  auto* captions = new QLabel(QStringLiteral("Turn  Date   Event"), parent);
  captions->setFont(ColumnFont());
  captions->setIndent(6);
  return captions;
}

void AddRow(QGridLayout* grid, int row, QWidget* label, QWidget* field, int column) {
  grid->addWidget(label, row, column);
  grid->addWidget(field, row, column + 1);
}

QWidget* Titled(QWidget* parent, const QString& caption, QWidget* control) {
  auto* box = new QWidget(parent);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addWidget(FieldLabel(box, caption));
  control->setParent(box);
  layout->addWidget(control);
  return box;
}

}  // namespace orv5::ui
