#include "app/SavesPanel.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>
#include <utility>

#include "app/CompareDialog.h"
#include "app/FolderFollower.h"
#include "app/FormParts.h"
#include "app/ModelBinder.h"
#include "app/SaveScanner.h"
#include "app/SavesTreeModel.h"
#include "app/ShownSelection.h"
#include "app/TForm1.h"

namespace orv5::ui {

namespace {

const QString LastFolderKey = QStringLiteral("SavesPanel/LastFolder");
const QString FollowKey = QStringLiteral("SavesPanel/FollowNewest");
const QString HeaderKey = QStringLiteral("SavesPanel/TreeHeader");
const QString WindowStateKey = QStringLiteral("Window/State");
const QString WindowGeometryKey = QStringLiteral("Window/Geometry");

// Rows arrive faster than anyone reads them; regrouping at most this often keeps the window's
// thread free for drawing and input.
constexpr int RegroupDelayMs = 150;

QString Joined(const std::vector<std::string>& lines) {
  QString text;
  for (const std::string& line : lines) text += ToQString(line) + QLatin1Char('\n');
  return text;
}

}  // namespace

SavesPanel::SavesPanel(TForm1& form) : QDockWidget(tr("Saves"), &form), form_(form) {
  setObjectName(QStringLiteral("SavesPanel"));
  setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable | QDockWidget::DockWidgetClosable);
  model_ = new SavesTreeModel(panel_, this);
  proxy_ = new SavesSortProxy(this);
  proxy_->setSourceModel(model_);
  scanner_ = new SaveScanner(this);
  follower_ = new FolderFollower(this);
  regroupTimer_ = new QTimer(this);
  regroupTimer_->setSingleShot(true);
  regroupTimer_->setInterval(RegroupDelayMs);
  setWidget(BuildControls());
  connect(scanner_, &SaveScanner::Analysed, this, &SavesPanel::Analysed);
  connect(scanner_, &SaveScanner::Progress, this, &SavesPanel::ScanProgress);
  connect(scanner_, &SaveScanner::Finished, this, &SavesPanel::ScanFinished);
  connect(follower_, &FolderFollower::FileSettled, this, &SavesPanel::Settled);
  connect(follower_, &FolderFollower::FileRemoved, this, &SavesPanel::Removed);
  connect(regroupTimer_, &QTimer::timeout, this, &SavesPanel::Regroup);
}

SavesPanel::~SavesPanel() { scanner_->Cancel(); }

QWidget* SavesPanel::BuildControls() {
  auto* box = new QWidget(this);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(4, 4, 4, 4);
  folderEdit_ = Edit(box, "PanelFolderE");
  folderEdit_->setPlaceholderText(tr("Open a folder of saves"));
  layout->addWidget(folderEdit_);
  auto* top = new QHBoxLayout;
  filter_ = InputEdit(box, "PanelFilterE");
  filter_->setPlaceholderText(tr("Filter by file name"));
  filter_->setClearButtonEnabled(true);
  connect(filter_, &QLineEdit::textChanged, proxy_, &QSortFilterProxyModel::setFilterFixedString);
  follow_ = CheckBox(box, "FollowNewestCheckBox", tr("Follow newest"));
  follow_->setToolTip(tr("Show each save written into the folder once it is complete"));
  compare_ = Button(box, "CompareButton", tr("Compare"));
  compare_->setEnabled(false);
  connect(compare_, &QPushButton::clicked, this, &SavesPanel::CompareClick);
  top->addWidget(filter_, 1);
  top->addWidget(follow_);
  top->addWidget(compare_);
  layout->addLayout(top);
  tree_ = new QTreeView(box);
  tree_->setObjectName(QStringLiteral("SavesTree"));
  tree_->setModel(proxy_);
  tree_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  tree_->setUniformRowHeights(true);
  tree_->setAlternatingRowColors(true);
  tree_->header()->setSortIndicator(-1, Qt::AscendingOrder);  // the order along the lines of play
  tree_->setSortingEnabled(true);
  tree_->header()->setSectionsMovable(true);
  connect(tree_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &SavesPanel::SelectionChanged);
  layout->addWidget(tree_, 1);
  auto* work = new QHBoxLayout;
  progress_ = new QProgressBar(box);
  progress_->setObjectName(QStringLiteral("PanelProgress"));
  cancel_ = Button(box, "PanelCancelButton", tr("Cancel"));
  cancel_->setToolTip(tr("Stop analysing the folder; the rows made so far stay"));
  connect(cancel_, &QPushButton::clicked, this, &SavesPanel::CancelClick);
  status_ = Label(box, QString());
  status_->setObjectName(QStringLiteral("PanelStatus"));
  work->addWidget(progress_, 1);
  work->addWidget(cancel_);
  work->addWidget(status_, 1);
  layout->addLayout(work);
  progress_->hide();
  cancel_->hide();
  return box;
}

void SavesPanel::OpenFolderClick() {
  const QString start = folder_.isEmpty() ? QSettings().value(LastFolderKey).toString() : folder_;
  QFileDialog dialog(&form_, tr("Open Folder"), start);
  dialog.setObjectName(QStringLiteral("OpenFolderDialog"));
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly, true);
  if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) OpenFolder(dialog.selectedFiles().first());
}

void SavesPanel::OpenFolder(const QString& folder) {
  scanner_->Cancel();
  folder_ = QFileInfo(folder).absoluteFilePath();
  panel_.Clear();
  cache_.Clear();
  stamps_.clear();
  written_.clear();
  shownFile_.clear();
  showWhenAnalysed_.clear();
  followWhenListed_.clear();
  refused_ = 0;
  model_->Regroup();
  folderEdit_->setText(QDir::toNativeSeparators(folder_));
  follower_->Watch(folder_);
  const QStringList files = SaveFilesIn(folder_);
  status_->setText(files.isEmpty() ? tr("No *.Orv5Save files in this folder") : QString());
  scanner_->Add(files);
  QSettings().setValue(LastFolderKey, folder_);
  ShowBesideTabs();
}

// The first time the panel opens above the sheets, the window grows by the panel's height as
// far as the screen allows (never shrinking), so that the sheets keep their room.
void SavesPanel::ShowBesideTabs() {
  if (isVisible() || isFloating()) return show();
  constexpr int PanelHeight = 300;
  const QScreen* screen = form_.screen();
  const int room = screen ? screen->availableGeometry().height() : form_.height() + PanelHeight;
  if (!form_.isMaximized() && !form_.isFullScreen()) {
    form_.resize(form_.width(), std::max(form_.height(), std::min(room, form_.height() + PanelHeight)));
  }
  show();
  form_.resizeDocks({this}, {PanelHeight}, Qt::Vertical);
}

void SavesPanel::Analysed(std::shared_ptr<const AnalysedFile> file) {
  if (QFileInfo(file->Path).absolutePath() != folder_) return;  // a folder opened before this one
  const std::string name = file->Name.toStdString();
  if (file->Analysis) {
    panel_.PutSave(name, file->Facts, file->Summary);
    cache_.Put(name, file->Analysis, file->AnalysisBytes);
    stamps_.insert(file->Name, {file->FileLength, file->FileDate});
  } else {
    panel_.PutRefused(name, file->Refusal.toStdString());
    cache_.Remove(name);
    ++refused_;
  }
  if (written_.remove(file->Name) && follow_->isChecked() && file->Analysis) followWhenListed_ = file->Name;
  if (file->Name == shownFile_ && file->Analysis && !follow_->isChecked()) {
    // The save on screen was written again: its row changes, the tabs keep what they show.
    form_.statusBar()->showMessage(tr("%1 was written again; select its row to see it").arg(file->Name), 10000);
  }
  ScheduleRegroup();
}

void SavesPanel::Settled(const QString& path) {
  written_.insert(QFileInfo(path).fileName());
  scanner_->Add({path});
}

void SavesPanel::Removed(const QString& name) {
  panel_.Remove(name.toStdString());
  cache_.Remove(name.toStdString());
  stamps_.remove(name);
  ScheduleRegroup();
}

void SavesPanel::ScheduleRegroup() {
  if (!regroupTimer_->isActive()) regroupTimer_->start();
}

// Rebuilds the rows; the rows selected stay selected (without showing their save again), and
// a save waiting to be shown is chosen once it has its row.
void SavesPanel::Regroup() {
  QStringList selected;
  for (int entry : SelectedEntries()) selected.push_back(ToQString(panel_.Entries()[static_cast<size_t>(entry)].File));
  restoringSelection_ = true;
  model_->Regroup();
  tree_->expandAll();
  // A game's title and the group apart run across the row.
  for (int row = 0; row < proxy_->rowCount(); ++row) tree_->setFirstColumnSpanned(row, {}, true);
  for (const QString& name : selected) {
    const QModelIndex index = IndexOfFile(name);
    if (index.isValid()) {
      tree_->selectionModel()->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
  }
  if (const QModelIndex current = IndexOfFile(shownFile_); current.isValid()) {
    tree_->selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
  }
  restoringSelection_ = false;
  UpdateCompareButton();
  // A save followed into the folder goes before a row chosen while its analysis was read again.
  QString& waiting = followWhenListed_.isEmpty() ? showWhenAnalysed_ : followWhenListed_;
  if (!waiting.isEmpty()) SelectFile(std::exchange(waiting, QString()));
}

QModelIndex SavesPanel::IndexOfFile(const QString& name) const {
  const int entry = panel_.FindEntry(name.toStdString());
  return entry < 0 ? QModelIndex() : proxy_->mapFromSource(model_->IndexOfEntry(entry));
}

void SavesPanel::SelectFile(const QString& name) {
  const QModelIndex index = IndexOfFile(name);
  if (!index.isValid()) return;
  tree_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  tree_->scrollTo(index);
}

QList<int> SavesPanel::SelectedEntries() const {
  QList<int> entries;
  for (const QModelIndex& index : tree_->selectionModel()->selectedRows()) {
    const int entry = proxy_->data(index, SavesTreeModel::EntryRole).toInt();
    if (entry >= 0) entries.push_back(entry);
  }
  return entries;
}

void SavesPanel::SelectionChanged() {
  UpdateCompareButton();
  if (restoringSelection_) return;
  const QModelIndex current = tree_->selectionModel()->currentIndex();
  if (!current.isValid() || !tree_->selectionModel()->isSelected(current)) return;
  const int entry = proxy_->data(current, SavesTreeModel::EntryRole).toInt();
  if (entry >= 0) ShowEntry(entry);
}

void SavesPanel::ShowEntry(int entry) {
  const PanelEntry& file = panel_.Entries()[static_cast<size_t>(entry)];
  const QString name = ToQString(file.File);
  if (!file.Loaded()) {
    form_.statusBar()->showMessage(tr("%1 was not loaded: %2").arg(name, ToQString(file.Refusal)), 10000);
    return;
  }
  const std::shared_ptr<const SaveAnalysis> analysis = cache_.Get(file.File);
  if (!analysis) {
    // Dropped to keep within the memory budget: read once more, then shown.
    showWhenAnalysed_ = name;
    scanner_->Add({QDir(folder_).filePath(name)});
    return;
  }
  const ShownSelection shown = ShownSelection::Of(form_);
  const FileStamp stamp = stamps_.value(name);
  if (!form_.ShowAnalysedSave(QDir(folder_).filePath(name), *analysis, stamp.Date, stamp.Length)) return;
  shown.RestoreIn(form_);
  shownFile_ = name;
  emit SaveShown(name);
}

void SavesPanel::UpdateCompareButton() {
  const QList<int> entries = SelectedEntries();
  PanelPair pair;
  pair.Refusal = tr("Select two saves of one game, or one save to compare with the save it continues").toStdString();
  if (entries.size() == 2) pair = panel_.PairOf(entries[0], entries[1]);
  if (entries.size() == 1) {
    const int previous = panel_.PreviousOf(entries[0]);
    if (previous >= 0) pair = panel_.PairOf(previous, entries[0]);
  }
  compare_->setText(entries.size() == 1 ? tr("Compare with previous") : tr("Compare"));
  compare_->setEnabled(pair.Refusal.empty());
  compare_->setToolTip(pair.Refusal.empty() ? tr("What changed between the two saves") : ToQString(pair.Refusal));
}

void SavesPanel::CompareClick() {
  const QList<int> entries = SelectedEntries();
  PanelPair pair;
  if (entries.size() == 2) pair = panel_.PairOf(entries[0], entries[1]);
  if (entries.size() == 1) pair = panel_.PairOf(panel_.PreviousOf(entries[0]), entries[0]);
  if (pair.Earlier < 0) return;
  const QString title = tr("What changed from %1 to %2")
                            .arg(ToQString(panel_.Entries()[static_cast<size_t>(pair.Earlier)].File),
                                 ToQString(panel_.Entries()[static_cast<size_t>(pair.Later)].File));
  auto* dialog = new CompareDialog(title, Joined(panel_.DiffText(pair)), &form_);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->show();
}

void SavesPanel::CancelClick() { scanner_->Cancel(); }

void SavesPanel::ScanProgress(int done, int total) {
  progress_->setRange(0, total);
  progress_->setValue(done);
  progress_->setVisible(total > 0);
  cancel_->setVisible(total > 0);
  if (total > 0) status_->setText(tr("Analysing %1 of %2").arg(done + 1 > total ? total : done + 1).arg(total));
}

void SavesPanel::ScanFinished(bool cancelled) {
  progress_->hide();
  cancel_->hide();
  written_.clear();
  regroupTimer_->stop();
  Regroup();
  if (!layoutRestored_) FitColumns();
  const int saves = static_cast<int>(panel_.Entries().size());
  QString text = cancelled ? tr("Cancelled: %1 files analysed").arg(saves) : tr("%1 files").arg(saves);
  if (refused_ > 0) text += tr(", %1 not loaded").arg(refused_);
  status_->setText(text);
}

// Columns as wide as their texts; the file column as wide as the longest file name, since the
// games' titles run across the row.
void SavesPanel::FitColumns() {
  for (int column = 1; column < PanelColumnCount; ++column) tree_->resizeColumnToContents(column);
  int widest = 0;
  for (const PanelEntry& entry : panel_.Entries()) {
    widest = std::max(widest, tree_->fontMetrics().horizontalAdvance(ToQString(entry.File)));
  }
  tree_->setColumnWidth(0, widest + 3 * tree_->indentation() + 8);
}

void SavesPanel::SaveLayout() const {
  QSettings settings;
  settings.setValue(FollowKey, follow_->isChecked());
  settings.setValue(HeaderKey, tree_->header()->saveState());
  settings.setValue(WindowStateKey, form_.saveState());
  settings.setValue(WindowGeometryKey, form_.saveGeometry());
}

void SavesPanel::RestoreLayout() {
  QSettings settings;
  follow_->setChecked(settings.value(FollowKey, false).toBool());
  if (settings.contains(HeaderKey)) {
    layoutRestored_ = tree_->header()->restoreState(settings.value(HeaderKey).toByteArray());
  }
  if (settings.contains(WindowGeometryKey)) form_.restoreGeometry(settings.value(WindowGeometryKey).toByteArray());
  if (settings.contains(WindowStateKey)) form_.restoreState(settings.value(WindowStateKey).toByteArray());
}

}  // namespace orv5::ui
