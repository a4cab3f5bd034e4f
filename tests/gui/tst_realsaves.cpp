// The window over every real save: each sheet shows exactly what the views make of it, a
// multiplayer game shows only Base and Reloads, and pictures of the sheets for review.
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTabWidget>
#include <QtTest>

#include "app/SheetPictures.h"
#include "app/TForm1.h"
#include "tests/gui/GuiTestSupport.h"

using namespace orv5;

class RealSavesTest : public QObject {
  Q_OBJECT

 private slots:
  void everySheetShowsItsModel_data();
  void everySheetShowsItsModel();
  void multiplayerGameShowsOnlyBaseAndReloads();
  void largestSaveLoadsQuickly();
  void screenshotsOfEverySheet();
};

void RealSavesTest::everySheetShowsItsModel_data() {
  QTest::addColumn<QString>("path");
  QTest::newRow("demo") << guitest::DemoSavePath();
  for (const QString& path : guitest::RealSaveFiles()) QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
}

void RealSavesTest::everySheetShowsItsModel() {
  QFETCH(QString, path);
  TForm1 form;
  QVERIFY2(form.LoadSave(path), qPrintable(form.LastLoadError()));
  QVERIFY2(form.LastBindReport().Clean(),
           qPrintable((form.LastBindReport().Missing + form.LastBindReport().WrongKind).join(QStringLiteral(", "))));
  const QStringList differences = guitest::CompareAfterLoad(form);
  QVERIFY2(differences.isEmpty(), qPrintable(differences.mid(0, 20).join(QLatin1Char('\n'))));
  if (guitest::RealSavesFolder().isEmpty()) qInfo("ORV5_REAL_SAVES is not set: only the demo save was loaded");
}

void RealSavesTest::multiplayerGameShowsOnlyBaseAndReloads() {
  const QString path = guitest::RealSave(QStringLiteral("qel-hotseat-t26.Orv5Save"));
  if (path.isEmpty()) QSKIP("qel-hotseat-t26.Orv5Save not available: set ORV5_REAL_SAVES to the folder of real saves");
  TForm1 form;
  QVERIFY(form.LoadSave(path));
  QTabWidget* pages = form.PageControls();
  QStringList shown;
  for (int i = 0; i < pages->count(); ++i) {
    if (pages->isTabVisible(i)) shown << pages->widget(i)->objectName();
  }
  QCOMPARE(shown, QStringList({QStringLiteral("BaseTab"), QStringLiteral("ReloadsTab")}));
  QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("BaseTab"));
}

void RealSavesTest::largestSaveLoadsQuickly() {
  // Timed, not asserted: the numbers depend on the machine. Each save goes into a new window,
  // so every load pays for a first display pass.
  const QStringList paths = guitest::RealSaveFiles();
  if (paths.isEmpty()) QSKIP("ORV5_REAL_SAVES is not set: no real save to time");
  for (const QString& path : paths) {
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QElapsedTimer timer;
    timer.start();
    QVERIFY(form.LoadSave(path));
    const qint64 loadMs = timer.elapsed();
    QCoreApplication::processEvents();  // the first paint of the filled window
    const LoadTimings& parts = form.LastLoadTimings();
    qInfo("%-34s %7lld bytes, body %9d: %4lld ms to all sheets (reading %lld, analysis %lld, display %lld), "
          "%lld ms with the first paint",
          qPrintable(QFileInfo(path).fileName()), QFileInfo(path).size(), form.Loaded()->Container.BodyLength, loadMs,
          parts.ReadMs, parts.AnalyseMs, parts.DisplayMs, timer.elapsed());
  }
}

void RealSavesTest::screenshotsOfEverySheet() {
  const QString path = guitest::RealSave(QStringLiteral("qel-poland-t12.Orv5Save"));
  if (path.isEmpty()) QSKIP("qel-poland-t12.Orv5Save not available: set ORV5_REAL_SAVES to the folder of real saves");
  const QString folder = guitest::ScreenshotFolder();
  TForm1 form;
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  QVERIFY(QDir().mkpath(folder));
  QVERIFY(form.grab().save(QDir(folder).filePath(QStringLiteral("before-load.png")), "PNG"));
  QVERIFY(form.LoadSave(path));
  const QStringList pictures = SaveSheetPictures(form, folder, QStringLiteral("qel-poland-t12"));
  QCOMPARE(pictures.size(), 13);  // every sheet but TestTab
  // A partly understood save, for its notice under the sheets.
  const QString early = guitest::RealSave(QStringLiteral("base-v5-france-scenario.Orv5Save"));
  if (!early.isEmpty() && form.LoadSave(early)) {
    QVERIFY(form.grab().save(QDir(folder).filePath(QStringLiteral("base-v5-france-scenario.png")), "PNG"));
  }
  qInfo("pictures of the window in %s", qPrintable(folder));
}

QTEST_MAIN(RealSavesTest)
#include "tst_realsaves.moc"
