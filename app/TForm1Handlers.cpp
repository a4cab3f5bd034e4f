// Handlers of the window's controls. Each one asks views/ for the model of its own sheet,
// for the selections on screen, and copies it into that sheet only.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QStatusBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <charconv>

#include "analysis/SessionFigures.h"
#include "app/HistoryChartView.h"
#include "app/TForm1.h"
#include "savefile/Format.h"
#include "savefile/SaveWriters.h"
#include "views/Tabs.h"
#include "views/ViewParts.h"

namespace orv5 {

namespace {

// A whole number as typed, blanks around it allowed ("%3d" pads with them); nothing else.
std::optional<int32_t> ParseWholeNumber(const QString& text) {
  const std::string trimmed = text.trimmed().toStdString();
  int32_t value = 0;
  const char* first = trimmed.data();
  const char* last = first + trimmed.size();
  if (first != last && *first == '+') ++first;
  const auto [end, error] = std::from_chars(first, last, value);
  if (trimmed.empty() || error != std::errc() || end != last) return std::nullopt;
  return value;
}

// Asks where to write with the dialog `name`, preset to the loaded path, and writes there.
// The dialog confirms before it replaces an existing file, the loaded save included.
// Returns the path written, or empty when the user cancelled or the write failed.
QString AskAndWrite(QWidget* parent, const char* name, const QString& preset, std::span<const uint8_t> bytes) {
  QFileDialog dialog(parent, QObject::tr("Save"), preset, QObject::tr("Orv5 saves (*.Orv5Save);;All files (*)"));
  dialog.setObjectName(QString::fromLatin1(name));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("Orv5Save"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const QString target = dialog.selectedFiles().first();
  if (const auto error = WriteFileReplacing(std::filesystem::path(QFile::encodeName(target).toStdString()), bytes)) {
    QMessageBox::warning(parent, QObject::tr("Save"), ui::ToQString(*error));
    return {};
  }
  return target;
}

}  // namespace

int TForm1::CurrentIndex(const char* control) const {
  QWidget* widget = controls_.Find(QString::fromLatin1(control));
  if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->currentIndex();
  if (auto* list = qobject_cast<QListWidget*>(widget)) return list->currentRow();
  return -1;
}

std::vector<bool> TForm1::GraphChecks() const {
  std::vector<bool> checks;
  if (auto* list = Control<QListWidget>(QStringLiteral("CheckListBox1"))) {
    for (int i = 0; i < list->count(); ++i) checks.push_back(list->item(i)->checkState() == Qt::Checked);
  }
  return checks;
}

void TForm1::Button1Click() {
  const QString current = Control<QLineEdit>(QStringLiteral("Edit1"))->text();
  QFileDialog dialog(this, tr("Load File"), QFileInfo(current).absolutePath(),
                     tr("Orv5 saves (*.Orv5Save);;All files (*)"));
  dialog.setObjectName(QStringLiteral("OpenDialog1"));
  dialog.setFileMode(QFileDialog::ExistingFile);
  if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) LoadSave(dialog.selectedFiles().first());
}

void TForm1::Button4Click() { LoadSave(Control<QLineEdit>(QStringLiteral("Edit1"))->text()); }

void TForm1::Button2Click() {
  if (!ContainerReady()) return;
  const auto built = BuildImageFile(loaded_->Container);
  if (const auto* error = std::get_if<WriteError>(&built)) {
    ReportError(tr("Save File"), ui::ToQString(error->Message));
    return;
  }
  const QString written = AskAndWrite(this, "SaveDialog1", Control<QLineEdit>(QStringLiteral("Edit1"))->text(),
                                     std::get<ByteBuffer>(built));
  if (!written.isEmpty()) statusBar()->showMessage(tr("Wrote %1").arg(written), 10000);
}

void TForm1::Button5Click() {
  if (!ContainerReady()) return;
  const auto cured = BuildCuredSave(loaded_->Container, loaded_->Analysis.CancerPos);
  if (const auto* error = std::get_if<WriteError>(&cured)) {
    ReportError(tr("Cure"), ui::ToQString(error->Message));
    return;
  }
  const CureResult& result = std::get<CureResult>(cured);
  const QString written = AskAndWrite(this, "SaveDialog2", Control<QLineEdit>(QStringLiteral("Edit1"))->text(), result.Bytes);
  if (!written.isEmpty()) {
    statusBar()->showMessage(tr("Wrote %1 without %2 reload records").arg(written).arg(result.RecordsCut), 10000);
  }
}

void TForm1::SingleBtnClick() {
  if (!ContainerReady()) return;
  const SaveAnalysis& save = loaded_->Analysis;
  const HeaderEditOffsets offsets{save.ActivePlayerPos, save.FlagBytePos, save.GameTypePos, save.SlotStatusPos,
                                  save.SlotStatus2Pos};
  auto built = BuildSinglePlayerSave(loaded_->Container, offsets, chosenPlayer_);
  if (const auto* error = std::get_if<WriteError>(&built)) {
    ReportError(tr("Make Single"), ui::ToQString(error->Message));
    return;
  }
  singlePlayerBytes_ = std::move(std::get<ByteBuffer>(built));
}

void TForm1::SaveBtnClick() {
  if (!ContainerReady()) return;
  // "Save" writes the file as loaded, with the edits of "Make Single" when there were any.
  const ByteBuffer& bytes = singlePlayerBytes_.empty() ? loaded_->Container.FileImage : singlePlayerBytes_;
  const QString written = AskAndWrite(this, "SaveDialog2", Control<QLineEdit>(QStringLiteral("Edit1"))->text(), bytes);
  if (!written.isEmpty()) statusBar()->showMessage(tr("Wrote %1").arg(written), 10000);
}

void TForm1::ActiveBoxChange() { chosenPlayer_ = CurrentIndex("ActiveBox"); }

void TForm1::ShowCombatsCheckBoxClick() { RefillTab("PlayerLogTab", SelectionFor(*FindTab("PlayerLogTab"))); }

void TForm1::PlayerCitySelectChange() {
  ViewSelection selection = SelectionFor(*FindTab("CityTab"));
  selection.City = -1;  // another player starts at its first city
  RefillTab("CityTab", selection);
}

void TForm1::CityBoxChange() { RefillTab("CityTab", SelectionFor(*FindTab("CityTab"))); }

void TForm1::BuildingQueueChange() {
  // The list can be opened and read, but it always shows the current production.
  if (auto* queue = Control<QComboBox>(QStringLiteral("BuildingQueue")); queue && queue->count() > 0) {
    const QSignalBlocker blocker(queue);
    queue->setCurrentIndex(0);
  }
}

void TForm1::PlayerPolicySelectChange() { RefillTab("PolicyTab", SelectionFor(*FindTab("PolicyTab"))); }

void TForm1::PlayerTechSelectChange() { RefillTab("PlayerTab", SelectionFor(*FindTab("PlayerTab"))); }

void TForm1::PlayerStatsSelectChange() { RefillTab("StatsTab", SelectionFor(*FindTab("StatsTab"))); }

void TForm1::StatsLangSelectChange() { RefillTab("StatsTab", SelectionFor(*FindTab("StatsTab"))); }

void TForm1::PlayerEspiSelectChange() {
  ViewSelection selection = SelectionFor(*FindTab("EspiTab"));
  selection.Agent = -1;  // the agent list is refilled; its first agent is shown
  RefillTab("EspiTab", selection);
}

void TForm1::AgentSelectChange() { RefillTab("EspiTab", SelectionFor(*FindTab("EspiTab"))); }

void TForm1::GraphSelectChange() { RefillGraph(SelectionFor(*FindTab("GraphTab")), true); }

void TForm1::CheckListBox1ClickCheck() {
  ViewSelection selection = SelectionFor(*FindTab("GraphTab"));
  selection.GraphChecks = LimitGraphChecks(std::move(selection.GraphChecks));
  RefillGraph(selection, false);
}

void TForm1::CheckListBox1Click() {
  if (auto* list = Control<QListWidget>(QStringLiteral("CheckListBox1"))) list->clearSelection();
}

void TForm1::Button3Click() {
  ViewSelection selection = SelectionFor(*FindTab("GraphTab"));
  selection.GraphChecks.assign(selection.GraphChecks.size(), false);
  RefillGraph(selection, false);
}

void TForm1::HistoryChartUndoZoom() {
  ViewSelection selection = SelectionFor(*FindTab("GraphTab"));
  selection.BottomAxis.reset();
  zoomResetPending_ = true;
  selection.ZoomResetPending = true;
  RefillGraph(selection, true);
}

void TForm1::RefillGraph(ViewSelection selection, bool refitLeftAxis) {
  const TabInfo* tab = FindTab("GraphTab");
  auto* chart = Control<ui::HistoryChartView>(QStringLiteral("HistoryChart"));
  if (!loaded_ || !tab || !chart) return;
  TabModel model = tab->Build(loaded_->Analysis, selection);
  if (!refitLeftAxis) {
    // Checking or unchecking a player redraws the lines in the range already shown.
    for (ControlModel& control : model.Controls) {
      if (auto* lines = std::get_if<ChartModel>(&control)) lines->Left = chart->LeftAxis();
    }
  } else {
    zoomResetPending_ = false;
  }
  const ui::BindReport report = ui::BindTab(model, controls_, pages_);
  bindReport_.Missing += report.Missing;
  bindReport_.WrongKind += report.WrongKind;
}

void TForm1::Edit11Change() {
  auto* edit = Control<QLineEdit>(QStringLiteral("Edit11"));
  if (!loaded_ || !edit) return;
  const std::optional<int32_t> preSessions = ParseWholeNumber(edit->text());
  ShowPreSessionsValid(preSessions.has_value());
  if (!preSessions) return;  // a text that is not a whole number changes nothing
  CheckValues(loaded_->Analysis, *preSessions);
  RefillTab("ReloadsTab", {}, {QStringLiteral("Edit11")});
}

void TForm1::ShowPreSessionsValid(bool valid) {
  auto* edit = Control<QLineEdit>(QStringLiteral("Edit11"));
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Base, valid ? QApplication::palette().color(QPalette::Base) : QColor(0xFF, 0xE0, 0xE0));
  edit->setPalette(palette);
  edit->setToolTip(valid ? QString() : tr("Type a whole number of pre-sessions"));
}

void TForm1::ShowDiagnosticsDetails() {
  if (!loaded_) return;
  // Not modal: the list can stay open beside the tabs it explains.
  auto* dialog = new QDialog(this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setObjectName(QStringLiteral("DiagnosticsDialog"));
  dialog->setWindowTitle(tr("What the analysis found"));
  auto* layout = new QVBoxLayout(dialog);
  const std::vector<StepDiagnostic>& steps = loaded_->Analysis.Diagnostics;
  auto* table = new QTableWidget(static_cast<int>(steps.size()), 4, dialog);
  table->setObjectName(QStringLiteral("DiagnosticsTable"));
  table->setHorizontalHeaderLabels({tr("Step"), tr("Found"), tr("Records"), tr("Why it stopped")});
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  for (int row = 0; row < static_cast<int>(steps.size()); ++row) {
    const StepDiagnostic& step = steps[static_cast<size_t>(row)];
    const QString cells[] = {ui::ToQString(step.Step), step.Found ? tr("yes") : tr("no"),
                             ui::ToQString(Format("%d", step.Records)), ui::ToQString(step.Stop)};
    for (int col = 0; col < 4; ++col) table->setItem(row, col, new QTableWidgetItem(cells[col]));
  }
  table->horizontalHeader()->setStretchLastSection(true);
  table->resizeColumnsToContents();
  layout->addWidget(table);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
  connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  layout->addWidget(buttons);
  dialog->resize(720, 420);
  dialog->show();
}

}  // namespace orv5
