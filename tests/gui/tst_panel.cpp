// The saves panel: a folder as rows grouped by game, selecting a row without a second load,
// following a folder the game writes into, comparing two saves, and cancelling a large folder.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>
#include <ctime>
#include <malloc.h>

#include "app/AnalysisCache.h"
#include "app/CompareDialog.h"
#include "app/FolderFollower.h"
#include "app/SaveScanner.h"
#include "app/SavesPanel.h"
#include "app/SavesTreeModel.h"
#include "app/TForm1.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/unit/series/LineSaves.h"

using namespace orv5;

namespace {

const SavesPanelModel& PanelOf(const TForm1& form) { return form.Panel()->TreeModel().Panel(); }

// Opens the folder and waits until every file has its row.
void OpenAndWait(TForm1& form, const QString& folder, int files) {
  form.OpenFolder(folder);
  QTRY_VERIFY_WITH_TIMEOUT(!form.Panel()->Scanner().Busy(), 120000);
  QCOMPARE(static_cast<int>(PanelOf(form).Entries().size()), files);
}

void Select(TForm1& form, const QStringList& names) {
  QItemSelectionModel* selection = form.Panel()->Tree()->selectionModel();
  selection->clearSelection();
  for (const QString& name : names) {
    const QModelIndex index = form.Panel()->IndexOfFile(name);
    QVERIFY2(index.isValid(), qPrintable(name));
    selection->setCurrentIndex(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
  }
}

// The texts of the rows under `parent` in the view's order, in one column.
QStringList ColumnUnder(const TForm1& form, const QModelIndex& parent, PanelColumn column) {
  const QAbstractItemModel* model = form.Panel()->Tree()->model();
  QStringList texts;
  for (int row = 0; row < model->rowCount(parent); ++row) {
    texts << model->index(row, static_cast<int>(column), parent).data().toString();
  }
  return texts;
}

QString ShownPath(const TForm1& form) { return form.Control<QLineEdit>(QStringLiteral("Edit1"))->text(); }

bool CopyFile(const QString& from, const QString& to) { return QFile::copy(from, to); }

void WriteBytes(const QString& path, const QByteArray& bytes, QIODevice::OpenMode mode) {
  QFile file(path);
  QVERIFY(file.open(mode));
  QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// `orv5 diff` of two saves of the folder, run in it with their names.
QString DiffCommand(const QString& folder, const QString& earlier, const QString& later) {
  QProcess orv5;
  orv5.setWorkingDirectory(folder);
  orv5.start(QStringLiteral(ORV5_GUI_BUILD_DIR "/cli/orv5"), {QStringLiteral("diff"), earlier, later});
  if (!orv5.waitForFinished(60000)) return QStringLiteral("orv5 did not finish");
  return QString::fromUtf8(orv5.readAllStandardOutput());
}

// A folder of builder-made saves of one game at turns 0 .. count-1.
void WriteLineSaves(const QString& folder, int count) {
  for (int turn = 0; turn < count; ++turn) {
    testing::LineSave line{"", turn, 100 * turn, {{1, "Athens is founded."}}};
    const testing::Bytes bytes = testing::BuildLineSave(line).File();
    WriteBytes(QDir(folder).filePath(QStringLiteral("line-%1.Orv5Save").arg(turn, 3, 10, QLatin1Char('0'))),
               QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())),
               QIODevice::WriteOnly);
  }
}

struct Gaps {
  qint64 WallMs = 0;  // the longest time between two ticks of a 10 ms timer on the window's thread
  qint64 WorkMs = 0;  // the most processor time the window's thread used between two ticks
};

qint64 ThreadCpuMs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<qint64>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// How long the window's thread went without running a 10 ms timer while `busy` held. The wall
// time counts waits for a core on a busy machine too; the processor time is the thread's own work.
Gaps LongestGap(const std::function<bool()>& busy) {
  QElapsedTimer clock;
  clock.start();
  qint64 last = 0;
  qint64 lastCpu = ThreadCpuMs();
  Gaps gaps;
  QTimer tick;
  tick.setInterval(10);
  QObject::connect(&tick, &QTimer::timeout, [&] {
    gaps.WallMs = std::max(gaps.WallMs, clock.elapsed() - last);
    gaps.WorkMs = std::max(gaps.WorkMs, ThreadCpuMs() - lastCpu);
    last = clock.elapsed();
    lastCpu = ThreadCpuMs();
  });
  tick.start();
  while (busy() && clock.elapsed() < 300000) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
  gaps.WallMs = std::max(gaps.WallMs, clock.elapsed() - last);
  return gaps;
}

}  // namespace

class PanelTest : public QObject {
  Q_OBJECT

 private slots:
  void realSavesFolderGroupsMarksAndListsApart();
  void selectingARowShowsItWithoutASecondLoad();
  void selectionOfSheetPlayerAndCityIsKept();
  void writerReadsTheFileOnceWhenNeeded();
  void compareShowsTheDiffCommandsText();
  void filterAndSort();
  void damagedFileGetsARowSayingWhy();
  void followShowsEachNewSaveOnceComplete();
  void cancelKeepsTheRowsAlreadyMade();
  void windowStaysResponsiveDuringALargeFolder();
  void layoutAndFolderAreRemembered();
  void droppedFolderOpens();
  void cacheKeepsTheBudget();
  void analysisSizeIsEstimatedClosely();
  void pictures();
};

void PanelTest::realSavesFolderGroupsMarksAndListsApart() {
  if (guitest::RealSavesFolder().isEmpty()) QSKIP("ORV5_REAL_SAVES is not set: the real saves folder is not opened");
  TForm1 form;
  OpenAndWait(form, guitest::RealSavesFolder(), guitest::RealSaveFiles().size());
  QVERIFY(form.Panel()->isVisibleTo(&form));
  const QModelIndex t0 = form.Panel()->IndexOfFile(QStringLiteral("qel-hotseat-t0.Orv5Save"));
  QVERIFY(t0.isValid());
  // The four hotseat saves are one game, in turn order, on one line.
  QCOMPARE(ColumnUnder(form, t0.parent(), PanelColumn::File),
           (QStringList{"qel-hotseat-t0.Orv5Save", "qel-hotseat-t1.Orv5Save", "qel-hotseat-t2a.Orv5Save",
                        "qel-hotseat-t26.Orv5Save"}));
  QCOMPARE(ColumnUnder(form, t0.parent(), PanelColumn::Turn), (QStringList{"0", "1", "2", "27"}));
  QCOMPARE(ColumnUnder(form, t0.parent(), PanelColumn::Line), (QStringList{"1", "1", "1", "1"}));
  QVERIFY(t0.parent().data().toString().startsWith(QStringLiteral("Game ")));
  const QModelIndex spain = form.Panel()->IndexOfFile(QStringLiteral("exp1-spain.Orv5Save"));
  const QModelIndex mark = spain.siblingAtColumn(static_cast<int>(PanelColumn::Findings));
  QCOMPARE(mark.data().toString(), QStringLiteral("\u26A0 history-after-save-turn"));
  QVERIFY(mark.data(Qt::ToolTipRole).toString().startsWith(QStringLiteral("history-after-save-turn  exp1-spain")));
  const QModelIndex setUp = form.Panel()->IndexOfFile(QStringLiteral("header-only-ethiopia.Orv5Save"));
  QVERIFY(setUp.parent().data().toString().startsWith(QStringLiteral("Not compared")));
  QCOMPARE(setUp.siblingAtColumn(static_cast<int>(PanelColumn::Findings)).data().toString(),
           QStringLiteral("not compared: it holds a header only, no compressed body (a multiplayer set-up)"));
  Select(form, {QStringLiteral("header-only-ethiopia.Orv5Save")});
  QVERIFY(!form.Control<QPushButton>(QStringLiteral("CompareButton"))->isEnabled());
  QVERIFY(!form.Control<QProgressBar>(QStringLiteral("PanelProgress"))->isVisible());
}

void PanelTest::selectingARowShowsItWithoutASecondLoad() {
  if (guitest::RealSavesFolder().isEmpty()) QSKIP("ORV5_REAL_SAVES is not set: the real saves folder is not opened");
  TForm1 form;
  OpenAndWait(form, guitest::RealSavesFolder(), guitest::RealSaveFiles().size());
  const int64_t loads = ui::SaveLoadCount();
  for (const QString& path : guitest::RealSaveFiles()) {
    const QString name = QFileInfo(path).fileName();
    Select(form, {name});
    QCOMPARE(ShownPath(form), QFileInfo(path).absoluteFilePath());
    QCOMPARE(form.Panel()->ShownFile(), name);
    const QStringList differences = guitest::CompareAfterLoad(form);
    QVERIFY2(differences.isEmpty(), qPrintable(name + QLatin1Char('\n') + differences.mid(0, 10).join('\n')));
  }
  QCOMPARE(ui::SaveLoadCount(), loads);
  Select(form, {QStringLiteral("qel-hotseat-t26.Orv5Save")});
  QCOMPARE(form.Control<QLineEdit>(QStringLiteral("Edit3"))->text().trimmed(), QStringLiteral("27/330"));
  QVERIFY(!form.Control<QLineEdit>(QStringLiteral("Edit2"))->text().isEmpty());
}

void PanelTest::selectionOfSheetPlayerAndCityIsKept() {
  if (guitest::RealSavesFolder().isEmpty()) QSKIP("ORV5_REAL_SAVES is not set: no real saves to copy");
  QTemporaryDir folder;
  const QString poland = guitest::RealSave(QStringLiteral("qel-poland-t12.Orv5Save"));
  QVERIFY(CopyFile(poland, folder.filePath(QStringLiteral("a.Orv5Save"))));
  QVERIFY(CopyFile(poland, folder.filePath(QStringLiteral("b.Orv5Save"))));
  QVERIFY(CopyFile(guitest::RealSave(QStringLiteral("exp1-spain.Orv5Save")), folder.filePath(QStringLiteral("c.Orv5Save"))));
  TForm1 form;
  OpenAndWait(form, folder.path(), 3);
  Select(form, {QStringLiteral("a.Orv5Save")});
  auto* player = form.Control<QComboBox>(QStringLiteral("PlayerCitySelect"));
  auto* city = form.Control<QComboBox>(QStringLiteral("CityBox"));
  for (int row = 1; row < player->count() && city->count() < 2; ++row) player->setCurrentIndex(row);
  QVERIFY(city->count() > 1);
  city->setCurrentIndex(city->count() - 1);
  const QString playerName = player->currentText();
  const QString cityName = city->currentText();
  form.PageControls()->setCurrentWidget(form.Control(QStringLiteral("CityTab")));
  Select(form, {QStringLiteral("b.Orv5Save")});
  QCOMPARE(form.PageControls()->currentWidget()->objectName(), QStringLiteral("CityTab"));
  QCOMPARE(player->currentText(), playerName);
  QCOMPARE(city->currentText(), cityName);
  // The city's own fields follow the list, as after choosing it by hand.
  const TabInfo& cities = *FindTab("CityTab");
  const QStringList differences = guitest::CompareTab(form, cities.Build(form.Loaded()->Analysis, form.SelectionFor(cities)));
  QVERIFY2(differences.isEmpty(), qPrintable(differences.mid(0, 10).join('\n')));
  // Another game's save has other players: its lists start at their first entries; the sheet stays.
  Select(form, {QStringLiteral("c.Orv5Save")});
  QCOMPARE(form.PageControls()->currentWidget()->objectName(), QStringLiteral("CityTab"));
  QCOMPARE(form.Loaded()->Analysis.CurrentTurn, 12);
}

void PanelTest::writerReadsTheFileOnceWhenNeeded() {
  if (guitest::RealSavesFolder().isEmpty()) QSKIP("ORV5_REAL_SAVES is not set: no real save to copy");
  QTemporaryDir folder;
  const QString save = folder.filePath(QStringLiteral("qel-poland-t12.Orv5Save"));
  QVERIFY(CopyFile(guitest::RealSave(QStringLiteral("qel-poland-t12.Orv5Save")), save));
  TForm1 form;
  OpenAndWait(form, folder.path(), 1);
  Select(form, {QStringLiteral("qel-poland-t12.Orv5Save")});
  // Cure reads the file's buffers once, when it first needs them.
  const int64_t loads = ui::SaveLoadCount();
  for (int i = 0; i < 2; ++i) {
    QTimer::singleShot(0, &form, [&form] {
      for (QFileDialog* dialog : form.findChildren<QFileDialog*>()) dialog->reject();
    });
    form.Button5Click();
  }
  QCOMPARE(ui::SaveLoadCount(), loads + 1);
  QVERIFY(guitest::TakeErrorMessages(form).isEmpty());
  // Written again after its analysis: Cure does not cut the new file at the old offsets.
  Select(form, {});
  Select(form, {QStringLiteral("qel-poland-t12.Orv5Save")});
  QFile file(save);
  QVERIFY(file.open(QIODevice::ReadWrite));
  QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
  file.close();
  form.Button5Click();
  QCOMPARE(ui::SaveLoadCount(), loads + 2);
  const QStringList messages = guitest::TakeErrorMessages(form);
  QCOMPARE(messages.size(), 1);
  QVERIFY2(messages[0].contains(QStringLiteral("written again since it was analysed")), qPrintable(messages[0]));
}

void PanelTest::compareShowsTheDiffCommandsText() {
  if (guitest::RealSavesFolder().isEmpty()) QSKIP("ORV5_REAL_SAVES is not set: the real saves folder is not opened");
  TForm1 form;
  OpenAndWait(form, guitest::RealSavesFolder(), guitest::RealSaveFiles().size());
  auto* compare = form.Control<QPushButton>(QStringLiteral("CompareButton"));
  const struct {
    QStringList Selected;
    QString Earlier, Later;
  } cases[] = {
      {{"qel-hotseat-t2a.Orv5Save", "qel-hotseat-t1.Orv5Save"}, "qel-hotseat-t1.Orv5Save", "qel-hotseat-t2a.Orv5Save"},
      {{"qel-hotseat-t26.Orv5Save"}, "qel-hotseat-t2a.Orv5Save", "qel-hotseat-t26.Orv5Save"},
  };
  for (const auto& pair : cases) {
    Select(form, pair.Selected);
    QVERIFY(compare->isEnabled());
    QCOMPARE(compare->text(), pair.Selected.size() == 1 ? QStringLiteral("Compare with previous") : QStringLiteral("Compare"));
    compare->click();
    auto* dialog = form.findChild<ui::CompareDialog*>(QStringLiteral("CompareDialog"));
    QVERIFY(dialog && dialog->isVisible());
    const QString expected = DiffCommand(guitest::RealSavesFolder(), pair.Earlier, pair.Later);
    QVERIFY(expected.startsWith(QStringLiteral("From ") + pair.Earlier));
    QCOMPARE(dialog->Text(), expected);
    QCOMPARE(dialog->findChild<QPlainTextEdit*>(QStringLiteral("CompareText"))->toPlainText(), expected);
    dialog->findChild<QPushButton*>(QStringLiteral("CopyButton"))->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), expected);
    delete dialog;
  }
  // Saves of two games are not compared.
  Select(form, {QStringLiteral("qel-hotseat-t1.Orv5Save"), QStringLiteral("qel-poland-t12.Orv5Save")});
  QVERIFY(!compare->isEnabled());
  QVERIFY(!compare->toolTip().isEmpty());
}

void PanelTest::filterAndSort() {
  if (guitest::RealSavesFolder().isEmpty()) QSKIP("ORV5_REAL_SAVES is not set: the real saves folder is not opened");
  TForm1 form;
  OpenAndWait(form, guitest::RealSavesFolder(), guitest::RealSaveFiles().size());
  const auto game = [&] { return form.Panel()->IndexOfFile(QStringLiteral("qel-hotseat-t0.Orv5Save")).parent(); };
  form.Panel()->Tree()->sortByColumn(static_cast<int>(PanelColumn::Turn), Qt::DescendingOrder);
  QCOMPARE(ColumnUnder(form, game(), PanelColumn::Turn), (QStringList{"27", "2", "1", "0"}));
  form.Panel()->Tree()->sortByColumn(static_cast<int>(PanelColumn::PlayTime), Qt::DescendingOrder);
  QCOMPARE(ColumnUnder(form, game(), PanelColumn::Turn), (QStringList{"27", "2", "1", "0"}));
  form.Panel()->Tree()->sortByColumn(static_cast<int>(PanelColumn::Line), Qt::AscendingOrder);
  QCOMPARE(ColumnUnder(form, game(), PanelColumn::Turn), (QStringList{"0", "1", "2", "27"}));
  form.Control<QLineEdit>(QStringLiteral("PanelFilterE"))->setText(QStringLiteral("HOTSEAT-T2"));
  const QAbstractItemModel* model = form.Panel()->Tree()->model();
  QCOMPARE(model->rowCount(), 1);  // the hotseat game alone, with the saves that match
  QCOMPARE(ColumnUnder(form, model->index(0, 0), PanelColumn::File),
           (QStringList{"qel-hotseat-t2a.Orv5Save", "qel-hotseat-t26.Orv5Save"}));
  form.Control<QLineEdit>(QStringLiteral("PanelFilterE"))->clear();
  QVERIFY(model->rowCount() >= 4);
}

void PanelTest::damagedFileGetsARowSayingWhy() {
  QTemporaryDir folder;
  WriteBytes(folder.filePath(QStringLiteral("notes.Orv5Save")), QByteArray(600, 'x'), QIODevice::WriteOnly);
  QVERIFY(CopyFile(guitest::DemoSavePath(), folder.filePath(QStringLiteral("demo.orv5save"))));
  TForm1 form;
  OpenAndWait(form, folder.path(), 2);
  const QModelIndex notes = form.Panel()->IndexOfFile(QStringLiteral("notes.Orv5Save"));
  QCOMPARE(notes.siblingAtColumn(static_cast<int>(PanelColumn::Findings)).data().toString(),
           QStringLiteral("not loaded: not an Orv5 save: it does not start with ORV5"));
  Select(form, {QStringLiteral("demo.orv5save")});
  const QString shown = ShownPath(form);
  Select(form, {QStringLiteral("notes.Orv5Save")});
  QCOMPARE(ShownPath(form), shown);  // the save on screen stays
  QVERIFY(guitest::TakeErrorMessages(form).isEmpty());
}

void PanelTest::followShowsEachNewSaveOnceComplete() {
  if (guitest::RealSavesFolder().isEmpty()) QSKIP("ORV5_REAL_SAVES is not set: no real saves to copy");
  QTemporaryDir folder;
  TForm1 form;
  form.Panel()->Follower().SetSettleTime(300);
  OpenAndWait(form, folder.path(), 0);
  QSignalSpy shown(form.Panel(), &ui::SavesPanel::SaveShown);
  auto* follow = form.Control<QCheckBox>(QStringLiteral("FollowNewestCheckBox"));
  // With the switch off a new save gets its row; the tabs stay as they are.
  QVERIFY(CopyFile(guitest::RealSave(QStringLiteral("qel-hotseat-t0.Orv5Save")), folder.filePath("t0.Orv5Save")));
  QTRY_COMPARE_WITH_TIMEOUT(PanelOf(form).Entries().size(), size_t{1}, 20000);
  QVERIFY(!form.Loaded());
  follow->setChecked(true);
  const QString names[] = {"qel-hotseat-t1.Orv5Save", "qel-hotseat-t2a.Orv5Save", "qel-hotseat-t26.Orv5Save"};
  for (const QString& name : names) {
    QVERIFY(CopyFile(guitest::RealSave(name), folder.filePath(name)));
    QTRY_COMPARE_WITH_TIMEOUT(form.Panel()->ShownFile(), name, 20000);
    QCOMPARE(ShownPath(form), QFileInfo(folder.filePath(name)).absoluteFilePath());
    if (name == names[0]) {
      // A hotseat game shows the Base and Reloads sheets only.
      form.PageControls()->setCurrentWidget(form.Control(QStringLiteral("ReloadsTab")));
      form.Control<QComboBox>(QStringLiteral("PlayerStatsSelect"))->setCurrentIndex(2);
    }
    QCOMPARE(form.PageControls()->currentWidget()->objectName(), QStringLiteral("ReloadsTab"));
    QCOMPARE(form.Control<QComboBox>(QStringLiteral("PlayerStatsSelect"))->currentIndex(), 2);
  }
  QCOMPARE(PanelOf(form).Entries().size(), size_t{4});
  // Written in two steps: half, then the rest; shown only once whole.
  const QByteArray whole = ReadBytes(guitest::RealSave(QStringLiteral("qel-poland-t12.Orv5Save")));
  const QString poland = folder.filePath(QStringLiteral("poland.Orv5Save"));
  WriteBytes(poland, whole.left(whole.size() / 2), QIODevice::WriteOnly);
  QTest::qWait(100);
  QCOMPARE(PanelOf(form).FindEntry("poland.Orv5Save"), -1);
  WriteBytes(poland, whole.mid(whole.size() / 2), QIODevice::Append);
  QTRY_COMPARE_WITH_TIMEOUT(form.Panel()->ShownFile(), QStringLiteral("poland.Orv5Save"), 20000);
  QCOMPARE(form.Loaded()->Analysis.CurrentTurn, 12);
  QCOMPARE(shown.count(), 4);  // t1, t2a, t26 and the whole poland save, each once
  // A save that leaves the folder loses its row.
  QVERIFY(QFile::remove(folder.filePath("t0.Orv5Save")));
  QTRY_COMPARE_WITH_TIMEOUT(PanelOf(form).FindEntry("t0.Orv5Save"), -1, 20000);
}

void PanelTest::cancelKeepsTheRowsAlreadyMade() {
  QTemporaryDir folder;
  WriteLineSaves(folder.path(), 200);
  TForm1 form;
  int delivered = 0;
  connect(&form.Panel()->Scanner(), &ui::SaveScanner::Analysed, &form, [&] {
    if (++delivered == 3) form.Control<QPushButton>(QStringLiteral("PanelCancelButton"))->click();
  });
  form.OpenFolder(folder.path());
  QTRY_VERIFY_WITH_TIMEOUT(delivered >= 3 && !form.Panel()->Scanner().Busy(), 60000);
  form.Panel()->Scanner().WaitForWorkers();
  QTest::qWait(200);  // results of the saves under way at the Cancel would have arrived by now
  QCOMPARE(delivered, 3);
  QCOMPARE(PanelOf(form).Entries().size(), size_t{3});
  QCOMPARE(PanelOf(form).TopRows().size(), size_t{1});  // the rows made stay, as one game
  QVERIFY(!form.Control<QProgressBar>(QStringLiteral("PanelProgress"))->isVisibleTo(&form));
  QVERIFY(form.Control<QLabel>(QStringLiteral("PanelStatus"))->text().startsWith(QStringLiteral("Cancelled")));
}

void PanelTest::windowStaysResponsiveDuringALargeFolder() {
  QTemporaryDir folder;
  WriteLineSaves(folder.path(), 200);
  TForm1 form;
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  form.OpenFolder(folder.path());
  const Gaps builder = LongestGap([&] { return form.Panel()->Scanner().Busy(); });
  QCOMPARE(PanelOf(form).Entries().size(), size_t{200});
  QCOMPARE(PanelOf(form).Check().Games.size(), size_t{1});
  qInfo("200 builder-made saves: the window's thread went at most %lld ms without its 10 ms timer, working at most "
        "%lld ms of it",
        builder.WallMs, builder.WorkMs);
  if (guitest::RealSavesFolder().isEmpty()) return;
  // 198 real saves: each of the nine 22 times, as a folder of a long game would be.
  QTemporaryDir real;
  for (int copy = 0; copy < 22; ++copy) {
    for (const QString& path : guitest::RealSaveFiles()) {
      QVERIFY(CopyFile(path, real.filePath(QStringLiteral("%1-%2").arg(copy, 2, 10, QLatin1Char('0')).arg(QFileInfo(path).fileName()))));
    }
  }
  QElapsedTimer clock;
  clock.start();
  form.OpenFolder(real.path());
  const Gaps real198 = LongestGap([&] { return form.Panel()->Scanner().Busy(); });
  QCOMPARE(PanelOf(form).Entries().size(), size_t{198});
  qInfo("198 real saves in %lld ms with %d workers: the window's thread went at most %lld ms without its 10 ms "
        "timer, working at most %lld ms of it; analyses kept: %zu, %.1f MB",
        clock.elapsed(), form.Panel()->Scanner().Workers(), real198.WallMs, real198.WorkMs, form.Panel()->Cache().Count(),
        static_cast<double>(form.Panel()->Cache().Bytes()) / (1 << 20));
}

void PanelTest::layoutAndFolderAreRemembered() {
  QTemporaryDir folder;
  {
    TForm1 form;
    form.OpenFolder(folder.path());
    form.Control<QCheckBox>(QStringLiteral("FollowNewestCheckBox"))->setChecked(true);
    form.Panel()->Tree()->header()->resizeSection(0, 333);
    form.Panel()->SaveLayout();
  }
  QCOMPARE(QSettings().value(QStringLiteral("SavesPanel/LastFolder")).toString(), QFileInfo(folder.path()).absoluteFilePath());
  TForm1 again;
  QVERIFY(again.Control<QCheckBox>(QStringLiteral("FollowNewestCheckBox"))->isChecked());
  QCOMPARE(again.Panel()->Tree()->header()->sectionSize(0), 333);
  QVERIFY(QSettings().fileName().startsWith(QDir::tempPath()));  // never the user's settings
}

void PanelTest::droppedFolderOpens() {
  QTemporaryDir folder;
  QVERIFY(CopyFile(guitest::DemoSavePath(), folder.filePath(QStringLiteral("demo.Orv5Save"))));
  TForm1 form;
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(folder.path())});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&form, &enter);
  QVERIFY(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&form, &drop);
  QTRY_VERIFY_WITH_TIMEOUT(!form.Panel()->Scanner().Busy(), 20000);
  QCOMPARE(form.Panel()->Folder(), QFileInfo(folder.path()).absoluteFilePath());
  QCOMPARE(PanelOf(form).Entries().size(), size_t{1});
}

void PanelTest::cacheKeepsTheBudget() {
  ui::AnalysisCache cache(300);
  const auto analysis = std::make_shared<const SaveAnalysis>();
  cache.Put("a", analysis, 100);
  cache.Put("b", analysis, 100);
  cache.Put("c", analysis, 100);
  QCOMPARE(cache.Count(), size_t{3});  // exactly the budget: all stay
  QCOMPARE(cache.Bytes(), size_t{300});
  QVERIFY(cache.Get("a"));  // now used last: b is the oldest
  cache.Put("d", analysis, 1);
  QVERIFY(!cache.Contains("b"));
  QVERIFY(cache.Contains("a") && cache.Contains("c") && cache.Contains("d"));
  cache.Put("a", analysis, 50);  // put again: counted once, with its new size
  QCOMPARE(cache.Bytes(), size_t{151});
  cache.Put("huge", analysis, 1000);  // larger than the budget alone: kept, the rest dropped
  QCOMPARE(cache.Count(), size_t{1});
  QVERIFY(cache.Get("huge"));
  QVERIFY(!cache.Get("a"));
  cache.Remove("huge");
  QCOMPARE(cache.Bytes(), size_t{0});
}

void PanelTest::analysisSizeIsEstimatedClosely() {
  const QString path = guitest::RealSave(QStringLiteral("qel-poland-t12.Orv5Save"));
  if (path.isEmpty()) QSKIP("ORV5_REAL_SAVES is not set: no real save to measure");
  const ui::AnalysedFile file = ui::AnalyseFile(path);
  QVERIFY(file.Analysis);
  const size_t before = mallinfo2().uordblks;
  auto copy = std::make_unique<SaveAnalysis>(*file.Analysis);
  const size_t held = mallinfo2().uordblks - before;
  QVERIFY2(file.AnalysisBytes > held / 2 && file.AnalysisBytes < held * 2,
           qPrintable(QStringLiteral("estimated %1, held %2").arg(file.AnalysisBytes).arg(held)));
}

// Pictures of the panel on the real saves, of the comparison and of the window following a folder.
void PanelTest::pictures() {
  if (guitest::RealSavesFolder().isEmpty()) QSKIP("ORV5_REAL_SAVES is not set: no pictures of the panel");
  const QDir pictures(guitest::ScreenshotFolder());
  QVERIFY(QDir().mkpath(pictures.path()));
  TForm1 form;
  form.resize(1180, 900);
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  OpenAndWait(form, guitest::RealSavesFolder(), guitest::RealSaveFiles().size());
  form.resizeDocks({form.Panel()}, {320}, Qt::Vertical);
  Select(form, {QStringLiteral("exp1-spain.Orv5Save")});
  QApplication::processEvents();
  QVERIFY(form.grab().save(pictures.filePath(QStringLiteral("panel.png")), "PNG"));
  Select(form, {QStringLiteral("qel-hotseat-t1.Orv5Save"), QStringLiteral("qel-hotseat-t2a.Orv5Save")});
  form.Control<QPushButton>(QStringLiteral("CompareButton"))->click();
  auto* dialog = form.findChild<ui::CompareDialog*>(QStringLiteral("CompareDialog"));
  QVERIFY(dialog && QTest::qWaitForWindowExposed(dialog));
  QVERIFY(dialog->grab().save(pictures.filePath(QStringLiteral("compare.png")), "PNG"));
  delete dialog;
  QTemporaryDir folder;
  form.Panel()->Follower().SetSettleTime(300);
  form.Control<QCheckBox>(QStringLiteral("FollowNewestCheckBox"))->setChecked(true);
  OpenAndWait(form, folder.path(), 0);
  for (const char* name : {"qel-hotseat-t0.Orv5Save", "qel-hotseat-t1.Orv5Save", "qel-hotseat-t2a.Orv5Save"}) {
    QVERIFY(CopyFile(guitest::RealSave(QLatin1String(name)), folder.filePath(QLatin1String(name))));
    QTRY_COMPARE_WITH_TIMEOUT(form.Panel()->ShownFile(), QLatin1String(name), 20000);
  }
  form.PageControls()->setCurrentWidget(form.Control(QStringLiteral("ReloadsTab")));
  QApplication::processEvents();
  QVERIFY(form.grab().save(pictures.filePath(QStringLiteral("following.png")), "PNG"));
  qInfo("pictures of the saves panel in %s", qPrintable(pictures.path()));
}

QTEST_MAIN(PanelTest)
#include "tst_panel.moc"
