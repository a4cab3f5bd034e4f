// File -> "Export tables…": every table of the loaded save as a CSV file, the same texts as
// `orv5 csv` prints, named "<save>-<table>.csv" in a folder the user picks.
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStatusBar>
#include <filesystem>
#include <span>

#include "app/TForm1.h"
#include "savefile/SaveWriters.h"
#include "views/CsvTables.h"

namespace orv5 {

namespace {

std::string SaveFileName(const LoadedSave& loaded) {
  return std::filesystem::path(loaded.Container.Path).filename().string();
}

// File names are bytes in the file system's encoding, as the loader got them.
QString DecodedName(const std::string& name) { return QFile::decodeName(QByteArray::fromStdString(name)); }

QString TablePath(const QDir& folder, const std::string& saveName, const CsvTable& table) {
  return folder.filePath(DecodedName(CsvFileName(saveName, table)));
}

QStringList ExistingTableFiles(const QDir& folder, const std::string& saveName) {
  QStringList existing;
  for (const CsvTable& table : CsvTables()) {
    const QString path = TablePath(folder, saveName, table);
    if (QFileInfo::exists(path)) existing.push_back(path);
  }
  return existing;
}

}  // namespace

QStringList TForm1::ExportTables(const QString& folder) {
  QStringList written;
  if (!loaded_) return written;
  const std::string saveName = SaveFileName(*loaded_);
  const QDir target(folder);
  for (const CsvTable& table : CsvTables()) {
    const QString path = TablePath(target, saveName, table);
    const std::string text = CsvTableText(table, saveName, loaded_->Analysis);
    const auto bytes = std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    if (const auto error = WriteFileReplacing(std::filesystem::path(QFile::encodeName(path).toStdString()), bytes)) {
      ReportError(tr("Export tables"), QString::fromStdString(*error));
      return written;
    }
    written.push_back(path);
  }
  return written;
}

void TForm1::ExportTablesClick() {
  if (!loaded_) return;
  QFileDialog dialog(this, tr("Export tables"),
                     QFileInfo(DecodedName(loaded_->Container.Path)).absolutePath());
  dialog.setObjectName(QStringLiteral("ExportDialog"));
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const QString folder = dialog.selectedFiles().first();
  const QStringList existing = ExistingTableFiles(QDir(folder), SaveFileName(*loaded_));
  if (!existing.isEmpty()) {
    QMessageBox ask(QMessageBox::Question, tr("Export tables"),
                    tr("%1 of the table files of this save are already in %2. Replace them?")
                        .arg(existing.size())
                        .arg(QDir::toNativeSeparators(folder)),
                    QMessageBox::Yes | QMessageBox::No, this);
    ask.setObjectName(QStringLiteral("ReplaceTablesQuestion"));
    if (ask.exec() != QMessageBox::Yes) return;
  }
  const QStringList written = ExportTables(folder);
  if (written.size() == static_cast<qsizetype>(CsvTables().size())) {
    statusBar()->showMessage(tr("Wrote %1 tables to %2").arg(written.size()).arg(QDir::toNativeSeparators(folder)),
                             10000);
  }
}

}  // namespace orv5
