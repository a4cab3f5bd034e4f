// The window's frame: the controls above and below the tab sheets, loading, and the display
// pass that fills every sheet after a load. The handlers of the sheets' controls are in
// TForm1Handlers.cpp.
#include "app/TForm1.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <exception>

#include "app/FormParts.h"
#include "app/HistoryChartView.h"
#include "app/SaveLoading.h"
#include "app/SavesPanel.h"
#include "app/Sheets.h"
#include "views/LoadNotice.h"
#include "views/Tabs.h"

namespace orv5 {

namespace {

void Merge(ui::BindReport& into, const ui::BindReport& from) {
  into.Missing += from.Missing;
  into.WrongKind += from.WrongKind;
}

// The file's time as the desktop shows dates: the locale's short date and its long time,
// without the time-zone name that some locales add to it.
QString FileDateText(double secondsSinceEpoch) {
  const QDateTime when = QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(secondsSinceEpoch * 1000.0));
  const QLocale locale = QLocale::system();
  QString timeFormat = locale.timeFormat(QLocale::LongFormat);
  timeFormat.remove(QRegularExpression(QStringLiteral("\\s*\\bt\\b")));
  return locale.toString(when.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
         locale.toString(when.time(), timeFormat.trimmed());
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) { FormCreate(); }

TForm1::~TForm1() = default;

void TForm1::FormCreate() {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Orv5 Save Analyzer (version 1.21.0)"));
  resize(918, 634);
  setAcceptDrops(true);
  // The sheets are laid out for an 8-point face; the family stays the desktop's.
  QFont formFont = font();
  formFont.setPointSize(8);
  setFont(formFont);
  BuildMenus();
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(6, 6, 6, 4);
  layout->setSpacing(4);
  layout->addWidget(BuildTopControls());
  pages_ = new QTabWidget(central);
  pages_->setObjectName(QStringLiteral("PageControls"));
  for (const TabInfo& tab : AllTabs()) {
    const SheetWidgets* sheet = FindSheetWidgets(tab.Sheet);
    QWidget* page = sheet ? sheet->Build(*this) : new QWidget;
    page->setObjectName(ui::ToQString(std::string(tab.Sheet)));
    pages_->addTab(page, ui::ToQString(std::string(tab.Caption)));
  }
  pages_->setTabVisible(pages_->indexOf(pages_->findChild<QWidget*>(QStringLiteral("TestTab"))), false);
  layout->addWidget(pages_, 1);
  layout->addWidget(BuildDiagnosticsLine());
  setCentralWidget(central);
  panel_ = new ui::SavesPanel(*this);
  addDockWidget(Qt::TopDockWidgetArea, panel_);  // the rows want the width; the user may move it
  panel_->hide();  // until a folder is opened
  statusBar()->setSizeGripEnabled(true);  // load times and written files are reported here
  controls_.Build(this);
  new QShortcut(QKeySequence::Open, this, this, &TForm1::Button1Click);
  new QShortcut(QKeySequence(Qt::Key_F5), this, this, &TForm1::Button4Click);
  new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), this, panel_, &ui::SavesPanel::OpenFolderClick);
  panel_->RestoreLayout();
}

// The loading buttons stay above the tabs; the menu adds what has no button.
void TForm1::BuildMenus() {
  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->setObjectName(QStringLiteral("FileMenu"));
  QAction* load = file->addAction(tr("Load File…\tCtrl+O"), this, &TForm1::Button1Click);
  load->setObjectName(QStringLiteral("LoadFileAction"));
  // The panel is made after the menus; the shortcut itself is the window's (Ctrl+Shift+O).
  QAction* folder = file->addAction(tr("Open Folder…\tCtrl+Shift+O"), this, [this] { panel_->OpenFolderClick(); });
  folder->setObjectName(QStringLiteral("OpenFolderAction"));
  exportTables_ = file->addAction(tr("Export tables…"), this, &TForm1::ExportTablesClick);
  exportTables_->setObjectName(QStringLiteral("ExportTablesAction"));
  exportTables_->setToolTip(tr("Write every table of the save as CSV files into a folder"));
  exportTables_->setEnabled(false);  // until a save is loaded
  file->addSeparator();
  QAction* quit = file->addAction(tr("Quit"), this, &QWidget::close);
  quit->setObjectName(QStringLiteral("QuitAction"));
  quit->setShortcut(QKeySequence::Quit);
}

QWidget* TForm1::BuildTopControls() {
  auto* top = new QWidget(this);
  auto* rows = new QVBoxLayout(top);
  rows->setContentsMargins(0, 0, 0, 0);
  auto* pathRow = new QHBoxLayout;
  pathRow->addWidget(ui::Label(top, QStringLiteral("Path")));
  QLineEdit* path = ui::InputEdit(top, "Edit1", 400);
  path->setPlaceholderText(tr("Type the path of a save and press Load It, choose one with Load File, or drop one here"));
  pathRow->addWidget(path, 1);
  rows->addLayout(pathRow);
  auto* dateRow = new QHBoxLayout;
  dateRow->addWidget(ui::Label(top, QStringLiteral("Date")));
  dateRow->addWidget(ui::Edit(top, "Edit2", 160));
  dateRow->addStretch(1);
  QPushButton* loadFile = ui::Button(top, "Button1", QStringLiteral("Load File"));
  loadFile->setToolTip(tr("Choose a save and load it (Ctrl+O); a save can also be dropped on the window"));
  QPushButton* loadIt = ui::Button(top, "Button4", QStringLiteral("Load It"));
  loadIt->setToolTip(tr("Load the save named in Path (F5)"));
  QPushButton* openFolder = ui::Button(top, "OpenFolderButton", tr("Open Folder…"));
  openFolder->setToolTip(tr("List a folder of saves beside the tabs (Ctrl+Shift+O); a folder can also be dropped here"));
  connect(openFolder, &QPushButton::clicked, this, [this] { panel_->OpenFolderClick(); });
  QPushButton* saveFile = ui::Button(top, "Button2", QStringLiteral("Save File"));
  saveFile->setEnabled(false);
  connect(loadFile, &QPushButton::clicked, this, &TForm1::Button1Click);
  connect(loadIt, &QPushButton::clicked, this, &TForm1::Button4Click);
  connect(saveFile, &QPushButton::clicked, this, &TForm1::Button2Click);
  for (QPushButton* button : {loadFile, loadIt, openFolder, saveFile}) dateRow->addWidget(button);
  rows->addLayout(dateRow);
  return top;
}

QWidget* TForm1::BuildDiagnosticsLine() {
  auto* line = new QWidget(this);
  auto* layout = new QHBoxLayout(line);
  layout->setContentsMargins(0, 0, 0, 0);
  diagnosticsLine_ = new QLabel(line);
  diagnosticsLine_->setObjectName(QStringLiteral("DiagnosticsLine"));
  diagnosticsLine_->setWordWrap(true);
  diagnosticsLine_->setStyleSheet(QStringLiteral("color: #8a4b00;"));
  diagnosticsButton_ = ui::Button(line, "DiagnosticsDetails", QStringLiteral("Details"));
  diagnosticsButton_->setToolTip(tr("What each step of the analysis found"));
  connect(diagnosticsButton_, &QPushButton::clicked, this, &TForm1::ShowDiagnosticsDetails);
  layout->addWidget(diagnosticsLine_, 1);
  layout->addWidget(diagnosticsButton_);
  diagnosticsLine_->hide();
  diagnosticsButton_->hide();
  return line;
}

namespace {

// Reads and analyses a save into a new value, in the buffers of `spare`; the one on screen is
// not touched. Returns the reason when the file cannot be loaded.
QString ReadAndAnalyse(const QString& path, std::unique_ptr<LoadedSave>& into, LoadTimings& timings,
                       SaveContainer&& spare) {
  QElapsedTimer clock;
  clock.start();
  try {
    LoadResult result = ui::LoadSaveFile(path, std::move(spare));
    timings.ReadMs = clock.restart();
    if (auto* error = std::get_if<LoadError>(&result)) return ui::ToQString(error->Message);
    into = std::make_unique<LoadedSave>();
    into->Container = std::move(std::get<SaveContainer>(result));
    into->Analysis = Save5Analyse(into->Container);
    timings.AnalyseMs = clock.elapsed();
  } catch (const std::exception& error) {
    return QString::fromLocal8Bit(error.what());
  }
  return {};
}

}  // namespace

bool TForm1::LoadSave(const QString& path) {
  if (path.isEmpty()) return false;
  std::unique_ptr<LoadedSave> loaded;
  LoadTimings timings;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const QString failure = ReadAndAnalyse(path, loaded, timings, std::move(spare_));
  if (!failure.isEmpty()) {
    QApplication::restoreOverrideCursor();
    lastLoadError_ = failure;
    ReportError(tr("Load File"), tr("Could not load %1:\n%2").arg(path, failure));
    return false;
  }
  QElapsedTimer clock;
  clock.start();
  ShowLoaded(path, std::move(loaded));
  containerPending_ = false;
  timings.DisplayMs = clock.elapsed();
  timings_ = timings;
  QApplication::restoreOverrideCursor();
  ShowLoadTimes(QFileInfo(path).fileName());
  return true;
}

bool TForm1::ShowAnalysedSave(const QString& path, SaveAnalysis analysis, double fileDate, int64_t fileLength) {
  auto loaded = std::make_unique<LoadedSave>();
  loaded->Analysis = std::move(analysis);
  loaded->Container.Path = QFile::encodeName(path).toStdString();
  loaded->Container.FileDate = fileDate;
  loaded->Container.FileLength = static_cast<int32_t>(fileLength);
  ShowLoaded(path, std::move(loaded));
  containerPending_ = true;
  statusBar()->showMessage(tr("Showing %1").arg(QFileInfo(path).fileName()), 10000);
  return true;
}

void TForm1::ShowLoaded(const QString& path, std::unique_ptr<LoadedSave> loaded) {
  // The save replaced lends its buffers to the next load.
  if (loaded_) spare_ = std::move(loaded_->Container);
  loaded_ = std::move(loaded);
  lastLoadError_.clear();
  singlePlayerBytes_.clear();
  Control<QLineEdit>(QStringLiteral("Edit1"))->setText(QFileInfo(path).absoluteFilePath());
  Control<QLineEdit>(QStringLiteral("Edit2"))->setText(FileDateText(loaded_->Container.FileDate));
  Print5Data();
}

bool TForm1::ContainerReady() {
  if (!loaded_) return false;
  if (!containerPending_) return true;
  const QString path = QFile::decodeName(QByteArray::fromStdString(loaded_->Container.Path));
  LoadResult result = ui::LoadSaveFile(path);
  QString failure;
  if (auto* error = std::get_if<LoadError>(&result)) {
    failure = ui::ToQString(error->Message);
  } else if (const SaveContainer& read = std::get<SaveContainer>(result);
             read.FileLength != loaded_->Container.FileLength || read.FileDate != loaded_->Container.FileDate) {
    failure = tr("the file was written again since it was analysed; select its row again");
  }
  if (!failure.isEmpty()) {
    ReportError(tr("Load File"), tr("Could not read %1:\n%2").arg(path, failure));
    return false;
  }
  loaded_->Container = std::move(std::get<SaveContainer>(result));
  containerPending_ = false;
  return true;
}

void TForm1::OpenFolder(const QString& folder) { panel_->OpenFolder(folder); }

void TForm1::ShowLoadTimes(const QString& file) {
  const qint64 total = timings_.ReadMs + timings_.AnalyseMs + timings_.DisplayMs;
  statusBar()->showMessage(tr("Loaded %1 in %2 ms (reading %3, analysis %4, display %5)")
                               .arg(file)
                               .arg(total)
                               .arg(timings_.ReadMs)
                               .arg(timings_.AnalyseMs)
                               .arg(timings_.DisplayMs),
                           10000);
}

void TForm1::Print5Data() {
  pages_->setCurrentIndex(0);
  zoomResetPending_ = true;
  chosenPlayer_ = loaded_->Analysis.ActivePlayer;
  bindReport_ = {};
  const int language = std::max(0, CurrentIndex("StatsLangSelect"));
  for (const TabInfo& tab : AllTabs()) {
    ViewSelection selection;  // a new load starts every list at its first entry
    selection.Language = language;
    Merge(bindReport_, ui::BindTab(tab.Build(loaded_->Analysis, selection), controls_, pages_));
  }
  zoomResetPending_ = false;
  exportTables_->setEnabled(true);
  ShowPreSessionsValid(true);
  ShowDiagnostics();
}

void TForm1::RefillTab(const char* sheet, ViewSelection selection, const QStringList& skip) {
  const TabInfo* tab = FindTab(sheet);
  if (!loaded_ || !tab) return;
  Merge(bindReport_, ui::BindTab(tab->Build(loaded_->Analysis, selection), controls_, pages_, skip));
}

ViewSelection TForm1::SelectionFor(const TabInfo& tab) const {
  ViewSelection selection;
  const SheetWidgets* sheet = FindSheetWidgets(tab.Sheet);
  if ((tab.Uses & UsesPlayer) && sheet && sheet->PlayerSelector) selection.Player = CurrentIndex(sheet->PlayerSelector);
  if (tab.Uses & UsesCity) selection.City = CurrentIndex("CityBox");
  if (tab.Uses & UsesAgent) selection.Agent = CurrentIndex("AgentSelect");
  if (tab.Uses & UsesLanguage) selection.Language = std::max(0, CurrentIndex("StatsLangSelect"));
  if (tab.Uses & UsesDataset) {
    selection.Dataset = std::max(0, CurrentIndex("GraphSelect"));
    selection.GraphChecks = GraphChecks();
    if (auto* chart = Control<ui::HistoryChartView>(QStringLiteral("HistoryChart"))) {
      selection.BottomAxis = chart->BottomAxis();
    }
    selection.ZoomResetPending = zoomResetPending_;
  }
  return selection;
}

void TForm1::ShowDiagnostics() {
  const QString notice = ui::ToQString(LoadNotice(loaded_->Analysis));
  diagnosticsLine_->setText(notice);
  diagnosticsLine_->setVisible(!notice.isEmpty());
  diagnosticsButton_->setVisible(!notice.isEmpty());
}

void TForm1::ReportError(const QString& title, const QString& message) {
  // Window-modal and not blocking: the window stays as it was behind the message.
  auto* box = new QMessageBox(QMessageBox::Warning, title, message, QMessageBox::Ok, this);
  box->setObjectName(QStringLiteral("ErrorMessage"));
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
  const QMimeData* data = event->mimeData();
  if (data->hasUrls() && !data->urls().isEmpty() && data->urls().first().isLocalFile()) event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.isEmpty() || !urls.first().isLocalFile()) return;
  event->acceptProposedAction();
  const QString path = urls.first().toLocalFile();
  if (QFileInfo(path).isDir()) {
    OpenFolder(path);
  } else {
    LoadSave(path);
  }
}

void TForm1::closeEvent(QCloseEvent* event) {
  panel_->SaveLayout();
  QMainWindow::closeEvent(event);
}

}  // namespace orv5
