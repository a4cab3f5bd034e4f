// File -> "Export tables…": one CSV file per table, named after the save and the table, each the
// very text `orv5 csv SAVE --table NAME` prints; files of an earlier export are replaced only when
// the user agrees.
#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include "app/TForm1.h"
#include "tests/gui/GuiTestSupport.h"
#include "views/CsvTables.h"

using namespace orv5;

namespace {

QAction* ExportAction(TForm1& form) { return form.findChild<QAction*>(QStringLiteral("ExportTablesAction")); }

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(cannot read)");
}

QByteArray CsvCommandOutput(const QString& save, const char* table) {
  QProcess orv5;
  orv5.start(QStringLiteral(ORV5_CLI_PROGRAM), {QStringLiteral("csv"), save, QStringLiteral("--table"),
                                                QString::fromLatin1(table)});
  orv5.waitForFinished(-1);
  return orv5.readAllStandardOutput();
}

// Picks `folder` in the next folder dialog, then answers the replace question, if one comes,
// with `answer`; `asked` tells whether it came.
void ExportInto(TForm1& form, const QString& folder, QMessageBox::StandardButton answer = QMessageBox::Yes,
                bool* asked = nullptr) {
  if (asked) *asked = false;
  QTimer::singleShot(0, &form, [&form, folder, answer, asked] {
    for (QFileDialog* dialog : form.findChildren<QFileDialog*>()) {
      if (!dialog->isVisible()) continue;
      QCOMPARE(dialog->objectName(), QStringLiteral("ExportDialog"));
      dialog->setDirectory(folder);
      QTimer::singleShot(0, &form, [&form, answer, asked] {
        auto* question = form.findChild<QMessageBox*>(QStringLiteral("ReplaceTablesQuestion"));
        if (!question) return;
        if (asked) *asked = true;
        question->button(answer)->click();
      });
      static_cast<QDialog*>(dialog)->accept();  // QDialog's accept is the public one
    }
  });
  ExportAction(form)->trigger();
}

}  // namespace

class ExportTest : public QObject {
  Q_OBJECT

 private slots:
  void exportIsInTheFileMenuOnceASaveIsLoaded();
  void everyTableIsTheTextOfOrv5Csv_data();
  void everyTableIsTheTextOfOrv5Csv();
  void earlierFilesAreReplacedOnlyWhenTheUserAgrees();
  void aTableThatCannotBeWrittenIsReported();
};

void ExportTest::exportIsInTheFileMenuOnceASaveIsLoaded() {
  TForm1 form;
  QAction* action = ExportAction(form);
  QVERIFY(action);
  QCOMPARE(action->text(), QStringLiteral("Export tables…"));
  auto* file = form.menuBar()->findChild<QMenu*>(QStringLiteral("FileMenu"));
  QVERIFY(file && file->actions().contains(action));
  QVERIFY(!action->isEnabled());
  QVERIFY(form.LoadSave(guitest::DemoSavePath()));
  QVERIFY(action->isEnabled());
}

void ExportTest::everyTableIsTheTextOfOrv5Csv_data() {
  QTest::addColumn<QString>("save");
  QTest::newRow("demo") << guitest::DemoSavePath();
  for (const QString& path : guitest::RealSaveFiles()) QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
  if (guitest::RealSavesFolder().isEmpty()) qInfo("ORV5_REAL_SAVES is not set: only the demo save is exported");
}

void ExportTest::everyTableIsTheTextOfOrv5Csv() {
  QFETCH(QString, save);
  TForm1 form;
  QVERIFY(form.LoadSave(save));
  QTemporaryDir folder;
  bool asked = true;
  ExportInto(form, folder.path(), QMessageBox::No, &asked);
  QVERIFY(!asked);
  QStringList expected;
  const QString stem = QFileInfo(save).completeBaseName();
  for (const CsvTable& table : CsvTables()) {
    const QString name = stem + QLatin1Char('-') + QString::fromLatin1(table.Name.data(), table.Name.size()) +
                         QStringLiteral(".csv");
    expected << name;
    const QByteArray written = Contents(folder.filePath(name));
    QVERIFY2(written.startsWith("save,"), qPrintable(name));
    QVERIFY2(written == CsvCommandOutput(save, table.Name.data()), qPrintable(name));
  }
  expected.sort();
  QCOMPARE(QDir(folder.path()).entryList(QDir::Files, QDir::Name), expected);
}

void ExportTest::earlierFilesAreReplacedOnlyWhenTheUserAgrees() {
  TForm1 form;
  QVERIFY(form.LoadSave(guitest::DemoSavePath()));
  QTemporaryDir folder;
  const QString players = folder.filePath(QStringLiteral("demo-players.csv"));
  QFile stale(players);
  QVERIFY(stale.open(QIODevice::WriteOnly));
  stale.write("old\n");
  stale.close();
  bool asked = false;
  ExportInto(form, folder.path(), QMessageBox::No, &asked);
  QVERIFY(asked);
  QCOMPARE(Contents(players), QByteArray("old\n"));
  QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 1);
  ExportInto(form, folder.path(), QMessageBox::Yes, &asked);
  QVERIFY(asked);
  QCOMPARE(Contents(players), CsvCommandOutput(guitest::DemoSavePath(), "players"));
  QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), static_cast<int>(CsvTables().size()));
}

void ExportTest::aTableThatCannotBeWrittenIsReported() {
  TForm1 form;
  QVERIFY(form.LoadSave(guitest::DemoSavePath()));
  QTemporaryDir folder;
  QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("demo-cities.csv")));  // a folder where a table goes
  ExportInto(form, folder.path(), QMessageBox::Yes);
  const QStringList messages = guitest::TakeErrorMessages(form);
  QCOMPARE(messages.size(), 1);
  QVERIFY2(messages.first().contains(QStringLiteral("demo-cities.csv")), qPrintable(messages.first()));
  QVERIFY(form.statusBar()->currentMessage().startsWith(QStringLiteral("Loaded")));
}

QTEST_MAIN(ExportTest)
#include "tst_export.moc"
