#pragma once
// The analyser's main window. It owns the loaded save (replaced only when a new load
// succeeds) and fills every tab by copying the models of views/ into its widgets.
#include <QMainWindow>
#include <QStringList>
#include <memory>

#include "analysis/Save5Analyse.h"
#include "app/ModelBinder.h"
#include "views/ViewModel.h"

class QAction;
class QCloseEvent;
class QLabel;
class QPushButton;
class QTabWidget;

namespace orv5 {

struct TabInfo;
namespace ui {
class SavesPanel;
}

// Where the time of the last successful load went, in milliseconds.
struct LoadTimings {
  qint64 ReadMs = 0;     // reading the file, joining and inflating the body
  qint64 AnalyseMs = 0;  // the parser
  qint64 DisplayMs = 0;  // making every sheet's model and copying it into the widgets
};

class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  // Loads and shows a save; on failure reports why and keeps the save on screen.
  // An empty path does nothing. Returns whether a new save is shown.
  bool LoadSave(const QString& path);

  const LoadedSave* Loaded() const { return loaded_.get(); }

  // Shows an analysis made by the saves panel's background work, without reading the file
  // again. The file's buffers are read only when a writer needs them (Cure, Save). Returns
  // whether the save is shown.
  bool ShowAnalysedSave(const QString& path, SaveAnalysis analysis, double fileDate, int64_t fileLength);
  // Opens a folder of saves in the saves panel.
  void OpenFolder(const QString& folder);
  ui::SavesPanel* Panel() const { return panel_; }
  QWidget* Control(const QString& name) const { return controls_.Find(name); }
  template <typename W>
  W* Control(const QString& name) const {
    return controls_.Find<W>(name);
  }
  QTabWidget* PageControls() const { return pages_; }
  const ui::ControlIndex& Controls() const { return controls_; }
  // Model controls the last fill could not place (empty when window and views agree).
  const ui::BindReport& LastBindReport() const { return bindReport_; }
  const LoadTimings& LastLoadTimings() const { return timings_; }
  // The message of the last load that failed, as the message box showed it.
  const QString& LastLoadError() const { return lastLoadError_; }
  // The player's or statistic's selection the views are asked for on this sheet.
  ViewSelection SelectionFor(const TabInfo& tab) const;
  // Writes every table of the loaded save as a CSV file into `folder`, named after the save and
  // the table, the same text `orv5 csv` prints. Returns the files written; a failure is reported
  // in a message and ends the export.
  QStringList ExportTables(const QString& folder);

 public slots:
  void Button1Click();
  void Button4Click();
  void Button2Click();
  void Button5Click();
  void SingleBtnClick();
  void SaveBtnClick();
  void ActiveBoxChange();
  void ShowCombatsCheckBoxClick();
  void PlayerCitySelectChange();
  void CityBoxChange();
  void BuildingQueueChange();
  void PlayerPolicySelectChange();
  void PlayerTechSelectChange();
  void PlayerStatsSelectChange();
  void StatsLangSelectChange();
  void PlayerEspiSelectChange();
  void AgentSelectChange();
  void GraphSelectChange();
  void CheckListBox1ClickCheck();
  void CheckListBox1Click();
  void Button3Click();
  void HistoryChartUndoZoom();
  void Edit11Change();
  void ShowDiagnosticsDetails();
  // File -> "Export tables…": asks for a folder, then ExportTables.
  void ExportTablesClick();

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate();
  void BuildMenus();
  QWidget* BuildTopControls();
  QWidget* BuildDiagnosticsLine();
  void ShowLoaded(const QString& path, std::unique_ptr<LoadedSave> loaded);
  // The loaded save's buffers, read again when the save was shown from an analysis alone;
  // false (and a message) when the file is gone or changed since it was analysed.
  bool ContainerReady();
  void Print5Data();
  void ShowDiagnostics();
  void ShowLoadTimes(const QString& file);
  void ShowPreSessionsValid(bool valid);
  // Rebuilds one sheet's model for the current selections and copies it into the widgets.
  void RefillTab(const char* sheet, ViewSelection selection, const QStringList& skip = {});
  void RefillGraph(ViewSelection selection, bool refitLeftAxis);
  void ReportError(const QString& title, const QString& message);
  int CurrentIndex(const char* control) const;
  std::vector<bool> GraphChecks() const;

  std::unique_ptr<LoadedSave> loaded_;
  SaveContainer spare_;  // the buffers of the save shown before, for the next load to fill
  bool containerPending_ = false;  // loaded_ holds the analysis only, not yet the file's buffers
  ui::SavesPanel* panel_ = nullptr;
  ui::ControlIndex controls_;
  ui::BindReport bindReport_;
  QTabWidget* pages_ = nullptr;
  QLabel* diagnosticsLine_ = nullptr;
  QPushButton* diagnosticsButton_ = nullptr;
  QAction* exportTables_ = nullptr;
  QString lastLoadError_;
  LoadTimings timings_;
  bool zoomResetPending_ = true;
  int32_t chosenPlayer_ = 0;
  ByteBuffer singlePlayerBytes_;  // the last "Make Single" result, written by "Save"
};

}  // namespace orv5
