// Loading: from the path field, by keyboard and by dropping a file; a failed load keeps the
// save on screen; the notice of a partly understood save; "Cure" through its dialog.
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "app/TForm1.h"
#include "savefile/Container.h"
#include "tests/gui/GuiTestSupport.h"

using namespace orv5;

namespace {

// A real save when the folder is set (a fuller test), else the demo save.
QString SomeSave() {
  const QString real = guitest::RealSave(QStringLiteral("qel-poland-t12.Orv5Save"));
  return real.isEmpty() ? guitest::DemoSavePath() : real;
}

// Runs `act` on the next file dialog the window opens, once it is open.
void OnNextFileDialog(TForm1& form, std::function<void(QFileDialog*)> act) {
  QTimer::singleShot(0, &form, [&form, act] {
    for (QFileDialog* dialog : form.findChildren<QFileDialog*>()) {
      if (dialog->isVisible()) return act(dialog);
    }
  });
}

}  // namespace

class LoadingTest : public QObject {
  Q_OBJECT

 private slots:
  void demoSaveLoads();
  void fieldsShowTheGamesRecordInTheirTooltip();
  void emptyPathDoesNothing();
  void failedLoadKeepsTheSaveOnScreen();
  void loadItReadsThePathField();
  void f5ReloadsAndCtrlOOpensTheDialog();
  void droppedFileLoads();
  void partlyUnderstoodSaveShowsANotice();
  void fullyUnderstoodSaveShowsNoNotice();
  void cureWritesARebuiltSave();
  void reloadsTabListsTheSavesFindings();
};

void LoadingTest::demoSaveLoads() {
  TForm1 form;
  QVERIFY2(form.LoadSave(guitest::DemoSavePath()), qPrintable(form.LastLoadError()));
  QCOMPARE(form.Control<QLineEdit>("Edit1")->text(), QFileInfo(guitest::DemoSavePath()).absoluteFilePath());
  QVERIFY(!form.Control<QLineEdit>("Edit2")->text().isEmpty());
  QCOMPARE(form.PageControls()->currentIndex(), 0);
  const QStringList differences = guitest::CompareAfterLoad(form);
  QVERIFY2(differences.isEmpty(), qPrintable(differences.mid(0, 20).join('\n')));
}

// The demo is saved at turn 60: the fields whose value the game records carry the record of
// turn 59 in their tooltip, below the hint a field already has; the QEL save leaves the
// happiness and culture-per-turn fields empty and shows the record alone.
void LoadingTest::fieldsShowTheGamesRecordInTheirTooltip() {
  TForm1 form;
  QVERIFY2(form.LoadSave(guitest::DemoSavePath()), qPrintable(form.LastLoadError()));
  const auto tip = [&](const char* name) { return form.Control<QLineEdit>(name)->toolTip(); };
  QCOMPARE(form.Control<QLineEdit>("HappinessE")->text(), QString());
  QCOMPARE(tip("HappinessE"), QStringLiteral("recorded by the game at the end of turn 59: 6"));
  QCOMPARE(tip("AccGoldE"), QStringLiteral("recorded by the game at the end of turn 59: 345"));
  QCOMPARE(tip("PolicyNumE"), QStringLiteral("recorded by the game at the end of turn 59: 11"));
  QCOMPARE(tip("CulturePerTurnE"), QStringLiteral("recorded by the game at the end of turn 59: 31"));
  QCOMPARE(tip("TotalCultureE"), QString());
  QVERIFY(!tip("FaithPerTurnE").contains(QStringLiteral("recorded")));
}

void LoadingTest::emptyPathDoesNothing() {
  TForm1 form;
  QVERIFY(!form.LoadSave(QString()));
  QVERIFY(!form.Loaded());
  QVERIFY(guitest::TakeErrorMessages(form).isEmpty());
}

void LoadingTest::failedLoadKeepsTheSaveOnScreen() {
  TForm1 form;
  QVERIFY(form.LoadSave(SomeSave()));
  const LoadedSave* shown = form.Loaded();
  const QString turn = form.Control<QLineEdit>("Edit3")->text();
  QTemporaryDir folder;
  const QString missing = folder.filePath(QStringLiteral("missing.Orv5Save"));
  QVERIFY(!form.LoadSave(missing));
  const QStringList messages = guitest::TakeErrorMessages(form);
  QCOMPARE(messages.size(), 1);
  QVERIFY2(messages.first().contains(missing), qPrintable(messages.first()));
  QVERIFY(!form.LastLoadError().isEmpty());
  QCOMPARE(form.Loaded(), shown);
  QCOMPARE(form.Control<QLineEdit>("Edit3")->text(), turn);
  const QStringList differences = guitest::CompareAfterLoad(form);
  QVERIFY2(differences.isEmpty(), qPrintable(differences.mid(0, 20).join('\n')));
  QVERIFY(!QApplication::overrideCursor());  // the busy cursor is gone after a failure too

  // A file that is not a save is refused the same way, with the reason.
  const QString text = folder.filePath(QStringLiteral("notes.Orv5Save"));
  QFile notes(text);
  QVERIFY(notes.open(QIODevice::WriteOnly));
  notes.write("hello world\n");
  notes.close();
  QVERIFY(!form.LoadSave(text));
  const QStringList refusal = guitest::TakeErrorMessages(form);
  QCOMPARE(refusal.size(), 1);
  QVERIFY2(refusal.first().contains(text), qPrintable(refusal.first()));
  QVERIFY2(refusal.first().contains(QStringLiteral("not an Orv5 save: it does not start with ORV5")),
           qPrintable(refusal.first()));
  QCOMPARE(form.Loaded(), shown);
  QCOMPARE(form.Control<QLineEdit>("Edit3")->text(), turn);
}

void LoadingTest::loadItReadsThePathField() {
  TForm1 form;
  form.Control<QLineEdit>("Edit1")->setText(SomeSave());
  QTest::mouseClick(form.Control<QPushButton>("Button4"), Qt::LeftButton);
  QVERIFY(form.Loaded());
  QCOMPARE(QString::fromStdString(form.Loaded()->Container.Path), SomeSave());
  QVERIFY(!QApplication::overrideCursor());
}

void LoadingTest::f5ReloadsAndCtrlOOpensTheDialog() {
  TForm1 form;
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  form.activateWindow();
  form.Control<QLineEdit>("Edit1")->setText(SomeSave());
  QTest::keyClick(&form, Qt::Key_F5);
  const LoadedSave* first = form.Loaded();
  QVERIFY(first);
  QTest::keyClick(&form, Qt::Key_F5);
  QVERIFY(form.Loaded() && form.Loaded() != first);  // a new load replaced the first
  QString shownDialog;
  OnNextFileDialog(form, [&shownDialog](QFileDialog* dialog) {
    shownDialog = dialog->objectName();
    dialog->reject();
  });
  QTest::keyClick(&form, Qt::Key_O, Qt::ControlModifier);
  QCOMPARE(shownDialog, QStringLiteral("OpenDialog1"));
}

void LoadingTest::droppedFileLoads() {
  TForm1 form;
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(SomeSave())});
  const QPoint where = form.rect().center();
  QDragEnterEvent enter(where, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&form, &enter);
  QVERIFY(enter.isAccepted());
  QDropEvent drop(where, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&form, &drop);
  QVERIFY(form.Loaded());
  QCOMPARE(form.Control<QLineEdit>("Edit1")->text(), QFileInfo(SomeSave()).absoluteFilePath());
}

void LoadingTest::partlyUnderstoodSaveShowsANotice() {
  const QString path = guitest::RealSave(QStringLiteral("base-v5-france-scenario.Orv5Save"));
  if (path.isEmpty()) QSKIP("base-v5-france-scenario.Orv5Save not available: set ORV5_REAL_SAVES to the folder of real saves");
  TForm1 form;
  form.show();
  QVERIFY(form.LoadSave(path));
  auto* line = form.Control<QLabel>("DiagnosticsLine");
  QVERIFY(line->isVisible());
  // The early build's own note says what its saves cannot hold.
  QVERIFY2(line->text().startsWith(QStringLiteral("This save was written by an early build of the base game")),
           qPrintable(line->text()));
  auto* details = form.Control<QPushButton>("DiagnosticsDetails");
  QVERIFY(details->isVisible());
  QCOMPARE(details->text(), QStringLiteral("Details"));
  QTest::mouseClick(details, Qt::LeftButton);
  auto* table = form.findChild<QTableWidget*>(QStringLiteral("DiagnosticsTable"));
  QVERIFY(table);
  QCOMPARE(table->rowCount(), static_cast<int>(form.Loaded()->Analysis.Diagnostics.size()));
  QCOMPARE(table->item(0, 0)->text(), QString::fromStdString(form.Loaded()->Analysis.Diagnostics.front().Step));
}

void LoadingTest::fullyUnderstoodSaveShowsNoNotice() {
  const QString path = guitest::RealSave(QStringLiteral("qel-poland-t12.Orv5Save"));
  if (path.isEmpty()) QSKIP("qel-poland-t12.Orv5Save not available: set ORV5_REAL_SAVES to the folder of real saves");
  TForm1 form;
  form.show();
  QVERIFY(form.LoadSave(path));
  QVERIFY(!form.Control("DiagnosticsLine")->isVisible());
  QVERIFY(!form.Control("DiagnosticsDetails")->isVisible());
}

void LoadingTest::cureWritesARebuiltSave() {
  TForm1 form;
  QVERIFY(form.LoadSave(SomeSave()));
  QTemporaryDir folder;
  const QString target = folder.filePath(QStringLiteral("cured"));
  QString preset;
  QString suffix;
  OnNextFileDialog(form, [&](QFileDialog* dialog) {
    preset = dialog->selectedFiles().value(0);
    suffix = dialog->defaultSuffix();
    QCOMPARE(dialog->objectName(), QStringLiteral("SaveDialog2"));
    dialog->selectFile(target);
    static_cast<QDialog*>(dialog)->accept();  // QDialog's accept is the public one
  });
  QTest::mouseClick(form.Control<QPushButton>("Button5"), Qt::LeftButton);
  QCOMPARE(preset, form.Control<QLineEdit>("Edit1")->text());
  QCOMPARE(suffix, QStringLiteral("Orv5Save"));
  const QString written = target + QStringLiteral(".Orv5Save");
  QVERIFY2(QFileInfo::exists(written), qPrintable(written));
  const LoadResult cured = orv5::LoadSave(std::filesystem::path(written.toStdString()));
  QVERIFY(std::holds_alternative<SaveContainer>(cured));
  QCOMPARE(std::get<SaveContainer>(cured).BodyLength, form.Loaded()->Container.BodyLength -
                                                           20 * form.Loaded()->Analysis.CancerCount);
}

void LoadingTest::reloadsTabListsTheSavesFindings() {
  TForm1 form;
  QVERIFY(form.LoadSave(guitest::DemoSavePath()));
  auto* findings = form.Control<QListWidget>("FindingsListBox");
  QVERIFY(findings);
  QCOMPARE(findings->count(), 1);
  QCOMPARE(findings->item(0)->text(), QStringLiteral("Holds 5 runaway reload records (the Cure count)."));
  const QString spain = guitest::RealSave(QStringLiteral("exp1-spain.Orv5Save"));
  if (spain.isEmpty()) QSKIP("exp1-spain.Orv5Save not available: set ORV5_REAL_SAVES to the folder of real saves");
  QVERIFY(form.LoadSave(spain));
  QCOMPARE(findings->count(), 1);
  QVERIFY2(findings->item(0)->text().startsWith(QStringLiteral("Saved at turn 12 but holds history samples up to turn 27")),
           qPrintable(findings->item(0)->text()));
}

QTEST_MAIN(LoadingTest)
#include "tst_loading.moc"
