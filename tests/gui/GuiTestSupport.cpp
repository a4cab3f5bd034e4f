#include "tests/gui/GuiTestSupport.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QMessageBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextEdit>
#include <QValueAxis>

#include "app/GridCells.h"
#include "app/HistoryChartView.h"
#include "app/TForm1.h"

namespace orv5::guitest {

namespace {

// Every window test keeps its settings (last folder, the panel's layout) in a folder of its own
// that is removed at the end, never in the user's.
void UseTemporarySettings() {
  static QTemporaryDir folder;
  QStandardPaths::setTestModeEnabled(true);
  QCoreApplication::setOrganizationName(QStringLiteral("Orv5 tests"));
  QSettings::setDefaultFormat(QSettings::IniFormat);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
}
Q_COREAPP_STARTUP_FUNCTION(UseTemporarySettings)

using ui::ToQString;

QString HexOf(const QColor& colour) { return colour.name(QColor::HexRgb).toUpper(); }
QString HexOf(orv5::Colour colour) { return HexOf(QColor::fromRgb(static_cast<QRgb>(colour & 0xFFFFFFu))); }

template <typename T>
void Expect(QStringList& out, const QString& where, const T& shown, const T& expected) {
  if (shown != expected) out << QStringLiteral("%1: shows [%2], model has [%3]").arg(where).arg(shown).arg(expected);
}

void CompareEdit(QStringList& out, QWidget* widget, const EditValue& model) {
  const QString name = ToQString(model.Name);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    Expect(out, name, edit->text(), ToQString(model.Text));
    Expect(out, name + QStringLiteral(" tooltip"), edit->toolTip(), ToQString(ToolTipText(model)));
    if (model.TextColour) {
      Expect(out, name + QStringLiteral(" colour"), HexOf(edit->palette().color(QPalette::Text)), HexOf(*model.TextColour));
    }
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    Expect(out, name, label->text(), ToQString(model.Text));
  } else {
    out << name + QStringLiteral(": not an edit field");
  }
}

void CompareGrid(QStringList& out, QWidget* widget, const GridModel& model) {
  auto* grid = qobject_cast<QTableWidget*>(widget);
  const QString name = ToQString(model.Name);
  if (!grid) {
    out << name + QStringLiteral(": not a grid");
    return;
  }
  Expect(out, name + QStringLiteral(" rows"), ui::GridRows(grid), model.Rows);
  Expect(out, name + QStringLiteral(" columns"), ui::GridColumns(grid), model.Columns);
  for (int row = 0; row < model.Rows; ++row) {
    for (int col = 0; col < model.Columns; ++col) {
      Expect(out, QStringLiteral("%1[%2,%3]").arg(name).arg(row).arg(col), ui::GridCell(grid, row, col),
             ToQString(model.Cell(row, col)));
    }
  }
}

void CompareListItems(QStringList& out, QListWidget* list, const ListModel& model) {
  const QString name = ToQString(model.Name);
  Expect(out, name + QStringLiteral(" count"), list->count(), static_cast<int>(model.Items.size()));
  for (int i = 0; i < list->count() && i < static_cast<int>(model.Items.size()); ++i) {
    const QString where = QStringLiteral("%1[%2]").arg(name).arg(i);
    Expect(out, where, list->item(i)->text(), ToQString(model.Items[static_cast<size_t>(i)]));
    if (static_cast<size_t>(i) < model.Checked.size()) {
      Expect(out, where + QStringLiteral(" checked"), list->item(i)->checkState() == Qt::Checked,
             static_cast<bool>(model.Checked[static_cast<size_t>(i)]));
    }
    if (static_cast<size_t>(i) < model.ItemColours.size()) {
      Expect(out, where + QStringLiteral(" colour"), HexOf(list->item(i)->foreground().color()),
             HexOf(model.ItemColours[static_cast<size_t>(i)]));
    }
  }
  Expect(out, name + QStringLiteral(" selected"), list->currentRow(), model.Selected);
}

void CompareList(QStringList& out, QWidget* widget, const ListModel& model) {
  const QString name = ToQString(model.Name);
  if (auto* list = qobject_cast<QListWidget*>(widget)) {
    CompareListItems(out, list, model);
    return;
  }
  auto* combo = qobject_cast<QComboBox*>(widget);
  if (!combo) {
    out << name + QStringLiteral(": not a list");
    return;
  }
  Expect(out, name + QStringLiteral(" count"), combo->count(), static_cast<int>(model.Items.size()));
  for (int i = 0; i < combo->count() && i < static_cast<int>(model.Items.size()); ++i) {
    Expect(out, QStringLiteral("%1[%2]").arg(name).arg(i), combo->itemText(i), ToQString(model.Items[static_cast<size_t>(i)]));
  }
  Expect(out, name + QStringLiteral(" selected"), combo->currentIndex(), model.Selected);
}

void CompareRichText(QStringList& out, QWidget* widget, const RichTextModel& model) {
  auto* edit = qobject_cast<QTextEdit*>(widget);
  const QString name = ToQString(model.Name);
  if (!edit) {
    out << name + QStringLiteral(": not a rich-text box");
    return;
  }
  const QTextDocument* document = edit->document();
  const int lines = model.Lines.empty() ? 1 : static_cast<int>(model.Lines.size());  // an empty box has one empty block
  Expect(out, name + QStringLiteral(" lines"), document->blockCount(), lines);
  QTextBlock block = document->begin();
  for (size_t i = 0; i < model.Lines.size() && block.isValid(); ++i, block = block.next()) {
    const QString where = QStringLiteral("%1 line %2").arg(name).arg(i);
    Expect(out, where, block.text(), ToQString(model.Lines[i].Text));
    if (!block.text().isEmpty()) {
      const QColor shown = block.begin().fragment().charFormat().foreground().color();
      Expect(out, where + QStringLiteral(" colour"), HexOf(shown), HexOf(model.Lines[i].LineColour));
    }
  }
}

void CompareChart(QStringList& out, QWidget* widget, const ChartModel& model) {
  auto* chart = qobject_cast<ui::HistoryChartView*>(widget);
  if (!chart) {
    out << QStringLiteral("HistoryChart: not the history chart");
    return;
  }
  for (int s = 0; s < ui::HistorySeriesCount; ++s) {
    const QString where = QStringLiteral("HistoryChart series %1").arg(s);
    const QList<QPointF> points = chart->Series(s)->points();
    const bool modelled = s < static_cast<int>(model.Series.size());
    const auto& expected = modelled ? model.Series[static_cast<size_t>(s)].Points : decltype(ChartSeries::Points){};
    Expect(out, where + QStringLiteral(" points"), static_cast<int>(points.size()), static_cast<int>(expected.size()));
    for (int k = 0; k < points.size() && k < static_cast<int>(expected.size()); ++k) {
      const auto& [turn, value] = expected[static_cast<size_t>(k)];
      if (points[k] != QPointF(turn, value)) out << where + QStringLiteral(" point %1 differs").arg(k);
    }
    if (modelled) {
      Expect(out, where + QStringLiteral(" colour"), HexOf(chart->Series(s)->pen().color()),
             HexOf(model.Series[static_cast<size_t>(s)].LineColour));
    }
  }
  Expect(out, QStringLiteral("HistoryChart bottom min"), chart->BottomAxis().Min, model.Bottom.Min);
  Expect(out, QStringLiteral("HistoryChart bottom max"), chart->BottomAxis().Max, model.Bottom.Max);
  Expect(out, QStringLiteral("HistoryChart left min"), chart->LeftAxis().Min, model.Left.Min);
  Expect(out, QStringLiteral("HistoryChart left max"), chart->LeftAxis().Max, model.Left.Max);
}

struct Comparer {
  QStringList& Out;
  QWidget* Widget;
  void operator()(const EditValue& m) const { CompareEdit(Out, Widget, m); }
  void operator()(const GridModel& m) const { CompareGrid(Out, Widget, m); }
  void operator()(const ListModel& m) const { CompareList(Out, Widget, m); }
  void operator()(const RichTextModel& m) const { CompareRichText(Out, Widget, m); }
  void operator()(const CheckBoxModel& m) const {
    auto* box = qobject_cast<QCheckBox*>(Widget);
    if (!box) Out << ToQString(m.Name) + QStringLiteral(": not a check box");
    if (box) Expect(Out, ToQString(m.Name), box->isChecked(), m.Checked);
  }
  void operator()(const ChartModel& m) const { CompareChart(Out, Widget, m); }
};

}  // namespace

QString DemoSavePath() { return QStringLiteral(ORV5_DEMO_SAVE); }

QString RealSavesFolder() { return qEnvironmentVariable("ORV5_REAL_SAVES"); }

QString RealSave(const QString& name) {
  const QString folder = RealSavesFolder();
  if (folder.isEmpty()) return {};
  const QString path = QDir(folder).filePath(name);
  return QFileInfo::exists(path) ? path : QString();
}

QStringList RealSaveFiles() {
  const QString folder = RealSavesFolder();
  if (folder.isEmpty()) return {};
  QStringList paths;
  for (const QFileInfo& file : QDir(folder).entryInfoList({QStringLiteral("*.Orv5Save")}, QDir::Files, QDir::Name)) {
    paths << file.absoluteFilePath();
  }
  return paths;
}

QStringList CompareTab(const TForm1& form, const TabModel& model) {
  QStringList out;
  for (const ControlModel& control : model.Controls) {
    QWidget* widget = form.Control(ToQString(ControlName(control)));
    if (!widget) {
      out << ToQString(ControlName(control)) + QStringLiteral(": no such control");
      continue;
    }
    std::visit(Comparer{out, widget}, control);
  }
  QWidget* sheet = form.Control(ToQString(model.Sheet));
  const int index = sheet ? form.PageControls()->indexOf(sheet) : -1;
  if (index < 0) {
    out << ToQString(model.Sheet) + QStringLiteral(": no such sheet");
  } else {
    Expect(out, ToQString(model.Sheet) + QStringLiteral(" visible"), form.PageControls()->isTabVisible(index), model.Visible);
  }
  return out;
}

QStringList CompareAfterLoad(const TForm1& form) {
  QStringList out;
  if (!form.Loaded()) return {QStringLiteral("no save loaded")};
  for (const TabInfo& tab : AllTabs()) {
    ViewSelection selection;
    selection.Language = form.Control<QComboBox>(QStringLiteral("StatsLangSelect"))->currentIndex();
    out += CompareTab(form, tab.Build(form.Loaded()->Analysis, selection));
  }
  return out;
}

QStringList TakeErrorMessages(TForm1& form) {
  QStringList texts;
  for (QMessageBox* box : form.findChildren<QMessageBox*>()) {
    if (!box->isVisible()) continue;
    texts << box->text();
    box->close();
  }
  return texts;
}

QString ScreenshotFolder() {
  const QString folder = qEnvironmentVariable("ORV5_SCREENSHOT_DIR");
  return folder.isEmpty() ? QStringLiteral(ORV5_GUI_BUILD_DIR "/screenshots") : folder;
}

}  // namespace orv5::guitest
