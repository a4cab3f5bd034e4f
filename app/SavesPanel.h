#pragma once
// The saves panel: a folder of saves beside the tabs. Its files are analysed in the background
// (progress and Cancel), each gets a row grouped by game along its lines of play, and selecting
// a row shows that save in the tabs from the analysis already made. "Follow newest" shows each
// save the game writes into the folder once it is complete; "Compare" shows what changed
// between two saves of one game.
#include <QDockWidget>
#include <QHash>
#include <QSet>
#include <QString>
#include <memory>

#include "app/AnalysisCache.h"
#include "app/SaveLoading.h"
#include "views/SavesPanel.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;
class QTreeView;

namespace orv5 {
class TForm1;
}

namespace orv5::ui {

class FolderFollower;
class SaveScanner;
class SavesSortProxy;
class SavesTreeModel;

class SavesPanel : public QDockWidget {
  Q_OBJECT

 public:
  // Analyses kept for the tabs, in bytes: a few hundred saves of early games, or dozens of long ones.
  static constexpr size_t AnalysisBudget = size_t{384} << 20;

  explicit SavesPanel(TForm1& form);
  ~SavesPanel() override;

  // Lists the folder's saves and starts their analysis; the panel shows itself.
  void OpenFolder(const QString& folder);
  const QString& Folder() const { return folder_; }

  SaveScanner& Scanner() const { return *scanner_; }
  FolderFollower& Follower() const { return *follower_; }
  const SavesTreeModel& TreeModel() const { return *model_; }
  const AnalysisCache& Cache() const { return cache_; }
  QTreeView* Tree() const { return tree_; }
  // The view's index of a file's row (through sorting and the filter); invalid when unlisted.
  QModelIndex IndexOfFile(const QString& name) const;
  // The entry whose save the tabs show last, by file name; empty when none.
  const QString& ShownFile() const { return shownFile_; }

  // The panel's layout and switches, and the folder, in the application's settings.
  void SaveLayout() const;
  void RestoreLayout();

 public slots:
  void OpenFolderClick();
  void CompareClick();
  void CancelClick();

 signals:
  // Emitted when the tabs show a save chosen or followed in the panel.
  void SaveShown(const QString& name);

 private:
  QWidget* BuildControls();
  void ShowBesideTabs();
  void FitColumns();
  void Analysed(std::shared_ptr<const AnalysedFile> file);
  void Settled(const QString& path);
  void Removed(const QString& name);
  void ScheduleRegroup();
  void Regroup();
  void SelectionChanged();
  void ShowEntry(int entry);
  void SelectFile(const QString& name);
  void ScanProgress(int done, int total);
  void ScanFinished(bool cancelled);
  QList<int> SelectedEntries() const;
  void UpdateCompareButton();

  TForm1& form_;
  SavesPanelModel panel_;
  AnalysisCache cache_{AnalysisBudget};
  struct FileStamp {
    int64_t Length = 0;
    double Date = 0;
  };
  QHash<QString, FileStamp> stamps_;  // file name -> what its analysis was made from
  SavesTreeModel* model_ = nullptr;
  SavesSortProxy* proxy_ = nullptr;
  SaveScanner* scanner_ = nullptr;
  FolderFollower* follower_ = nullptr;
  QTimer* regroupTimer_ = nullptr;
  QTreeView* tree_ = nullptr;
  QLineEdit* folderEdit_ = nullptr;
  QLineEdit* filter_ = nullptr;
  QCheckBox* follow_ = nullptr;
  QPushButton* compare_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QLabel* status_ = nullptr;
  QString folder_;
  QString shownFile_;
  QString showWhenAnalysed_;  // a row chosen whose analysis was dropped: read again, then shown
  QString followWhenListed_;  // the newest save written while following: shown once it has a row
  QSet<QString> written_;     // files handed on by the follower, not yet analysed
  bool restoringSelection_ = false;
  bool layoutRestored_ = false;  // the columns keep the widths of the last run
  int refused_ = 0;
};

}  // namespace orv5::ui
