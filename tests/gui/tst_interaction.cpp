// Selections: each change refills its own sheet, from the views, and leaves the others alone;
// the graph's check marks, zoom and export; the pre-session count; the "Copy" of a Stats line.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include "analysis/Sections.h"
#include "app/HistoryChartView.h"
#include "app/TForm1.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/HeaderBuilder.h"
#include "views/ViewParts.h"

using namespace orv5;

namespace {

const SaveAnalysis& Analysis(const TForm1& form) { return form.Loaded()->Analysis; }

TabModel ModelOf(const TForm1& form, const char* sheet, const ViewSelection& selection) {
  return FindTab(sheet)->Build(Analysis(form), selection);
}

#define REQUIRE_POLAND(form_)                                                                            \
  if (!form_) QSKIP("qel-poland-t12.Orv5Save not available: set ORV5_REAL_SAVES to the folder of real saves"); \
  TForm1& form = *form_

#define COMPARE_SHEET(form, model)                                                  \
  do {                                                                              \
    const QStringList differences_ = guitest::CompareTab(form, model);              \
    QVERIFY2(differences_.isEmpty(), qPrintable(differences_.mid(0, 12).join('\n'))); \
  } while (false)

ui::HistoryChartView* Chart(const TForm1& form) { return form.Control<ui::HistoryChartView>("HistoryChart"); }

int DrawnLines(const TForm1& form) {
  int lines = 0;
  for (int s = 0; s < ui::HistorySeriesCount; ++s) lines += Chart(form)->Series(s)->count() > 0 ? 1 : 0;
  return lines;
}

// Drags the rubber band over the middle of the plot; returns where the drag ended.
QPoint DragOverMiddle(ui::HistoryChartView* chart) {
  const QRectF plot = chart->chart()->plotArea();
  const QPoint from = chart->mapFromScene(plot.topLeft() + QPointF(plot.width() * 0.3, 5));
  const QPoint to = chart->mapFromScene(plot.topLeft() + QPointF(plot.width() * 0.6, plot.height() - 5));
  QTest::mousePress(chart->viewport(), Qt::LeftButton, {}, from);
  QTest::mouseMove(chart->viewport(), to);
  QTest::mouseRelease(chart->viewport(), Qt::LeftButton, {}, to);
  return to;
}

// A QEL save with 39 player rows (22 nations, 16 city-states, the barbarians): more than the
// chart's 25 lines.
QString WriteManyPlayersSave(const QTemporaryDir& folder) {
  testing::SyntheticSave save = testing::MakeSave(testing::Layout::QEL, 8);
  for (int slot = 8; slot < 22; ++slot) {
    save.Header.Slots[slot] = save.Header.Slots[1 + slot % 7];
    save.Header.Slots[slot].Status = 1;
  }
  const testing::Bytes bytes = save.File();
  const QString path = folder.filePath(QStringLiteral("many-players.Orv5Save"));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return {};
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
  return path;
}

}  // namespace

class InteractionTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup() { form_.reset(); }
  void cityPlayerChangeRefillsOnlyTheCitySheet();
  void cityChoiceRefillsTheCity();
  void eachPlayerListRefillsItsSheet_data();
  void eachPlayerListRefillsItsSheet();
  void statsLanguageChangesTheNames();
  void agentChoiceRefillsTheAgent();
  void buildingQueueKeepsShowingTheCurrentProduction();
  void anotherStatisticRefitsTheLeftAxis();
  void checkingAPlayerKeepsTheAxes();
  void unselectAllEmptiesTheChart();
  void twentySixthCheckIsRefused();
  void zoomAndRightClickUndo();
  void zoomSurvivesAnotherStatisticButNotANewLoad();
  void chartExportsPngAndCsv();
  void preSessionEditRecomputesSessions();
  void nonIntegerPreSessionsAreRefused();
  void statsLineCopies();

 private:
  std::unique_ptr<TForm1> form_;
};

void InteractionTest::init() {
  const QString path = guitest::RealSave(QStringLiteral("qel-poland-t12.Orv5Save"));
  if (path.isEmpty()) return;  // the tests that need it skip
  form_ = std::make_unique<TForm1>();
  form_->show();
  QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
  QVERIFY(form_->LoadSave(path));
}

void InteractionTest::cityPlayerChangeRefillsOnlyTheCitySheet() {
  REQUIRE_POLAND(form_);
  form.Control<QComboBox>("PlayerCitySelect")->setCurrentIndex(2);
  ViewSelection city;
  city.Player = 2;
  COMPARE_SHEET(form, ModelOf(form, "CityTab", city));
  QCOMPARE(form.Control<QComboBox>("CityBox")->currentIndex(), 0);
  QCOMPARE(form.Control<QComboBox>("PlayerPolicySelect")->currentIndex(), 0);
  COMPARE_SHEET(form, ModelOf(form, "PolicyTab", ViewSelection{}));
  COMPARE_SHEET(form, ModelOf(form, "PlayerTab", ViewSelection{}));
}

void InteractionTest::cityChoiceRefillsTheCity() {
  REQUIRE_POLAND(form_);
  form.Control<QComboBox>("PlayerCitySelect")->setCurrentIndex(2);  // Ashurbanipal has two cities
  auto* cities = form.Control<QComboBox>("CityBox");
  QVERIFY(cities->count() >= 2);
  const QString firstPlace = form.Control<QLineEdit>("CityXYE")->text();
  cities->setCurrentIndex(1);
  ViewSelection selection;
  selection.Player = 2;
  selection.City = 1;
  COMPARE_SHEET(form, ModelOf(form, "CityTab", selection));
  QVERIFY(form.Control<QLineEdit>("CityXYE")->text() != firstPlace);  // two cities never share a tile
}

void InteractionTest::eachPlayerListRefillsItsSheet_data() {
  QTest::addColumn<QString>("selector");
  QTest::addColumn<QString>("sheet");
  QTest::addColumn<QString>("untouchedSheet");
  QTest::newRow("log") << "PlayerLogSelect" << "PlayerLogTab" << "StatsTab";
  QTest::newRow("policy") << "PlayerPolicySelect" << "PolicyTab" << "PlayerTab";
  QTest::newRow("tech") << "PlayerTechSelect" << "PlayerTab" << "PolicyTab";
  QTest::newRow("stats") << "PlayerStatsSelect" << "StatsTab" << "PlayerLogTab";
  QTest::newRow("espionage") << "PlayerEspiSelect" << "EspiTab" << "CityTab";
}

void InteractionTest::eachPlayerListRefillsItsSheet() {
  QFETCH(QString, selector);
  QFETCH(QString, sheet);
  QFETCH(QString, untouchedSheet);
  REQUIRE_POLAND(form_);
  const TabModel before = ModelOf(form, sheet.toLatin1().constData(), ViewSelection{});
  form.Control<QComboBox>(selector)->setCurrentIndex(3);
  ViewSelection selection;
  selection.Player = 3;
  const TabModel after = ModelOf(form, sheet.toLatin1().constData(), selection);
  COMPARE_SHEET(form, after);
  QVERIFY(!guitest::CompareTab(form, before).isEmpty() || sheet == QStringLiteral("EspiTab"));  // the sheet changed
  COMPARE_SHEET(form, ModelOf(form, untouchedSheet.toLatin1().constData(), ViewSelection{}));
}

void InteractionTest::statsLanguageChangesTheNames() {
  REQUIRE_POLAND(form_);
  form.Control<QComboBox>("StatsLangSelect")->setCurrentIndex(1);
  ViewSelection selection;
  selection.Language = 1;
  COMPARE_SHEET(form, ModelOf(form, "StatsTab", selection));
  form.Control<QComboBox>("PlayerStatsSelect")->setCurrentIndex(1);  // the language stays
  selection.Player = 1;
  COMPARE_SHEET(form, ModelOf(form, "StatsTab", selection));
}

void InteractionTest::agentChoiceRefillsTheAgent() {
  REQUIRE_POLAND(form_);
  for (int player = 0; player < form.Control<QComboBox>("PlayerEspiSelect")->count(); ++player) {
    form.Control<QComboBox>("PlayerEspiSelect")->setCurrentIndex(player);
    ViewSelection selection;
    selection.Player = player;
    COMPARE_SHEET(form, ModelOf(form, "EspiTab", selection));
    auto* agents = form.Control<QComboBox>("AgentSelect");
    if (agents->count() < 2) continue;
    agents->setCurrentIndex(1);
    selection.Agent = 1;
    COMPARE_SHEET(form, ModelOf(form, "EspiTab", selection));
  }
}

void InteractionTest::buildingQueueKeepsShowingTheCurrentProduction() {
  REQUIRE_POLAND(form_);
  auto* players = form.Control<QComboBox>("PlayerCitySelect");
  auto* cities = form.Control<QComboBox>("CityBox");
  auto* queue = form.Control<QComboBox>("BuildingQueue");
  for (int player = 0; player < players->count() && queue->count() < 2; ++player) {
    players->setCurrentIndex(player);
    for (int city = 0; city < cities->count() && queue->count() < 2; ++city) cities->setCurrentIndex(city);
  }
  if (queue->count() < 2) QSKIP("no city of this save queues two items");
  queue->setCurrentIndex(1);
  QCOMPARE(queue->currentIndex(), 0);
}

void InteractionTest::anotherStatisticRefitsTheLeftAxis() {
  REQUIRE_POLAND(form_);
  const AxisRange bottom = Chart(form)->BottomAxis();
  form.Control<QComboBox>("GraphSelect")->setCurrentIndex(2);
  ViewSelection selection;
  selection.Dataset = 2;
  selection.BottomAxis = bottom;
  selection.ZoomResetPending = false;  // only the first fit after a load starts at zero
  COMPARE_SHEET(form, ModelOf(form, "GraphTab", selection));
}

void InteractionTest::checkingAPlayerKeepsTheAxes() {
  REQUIRE_POLAND(form_);
  const AxisRange left = Chart(form)->LeftAxis();
  const int lines = DrawnLines(form);
  auto* players = form.Control<QListWidget>("CheckListBox1");
  players->item(0)->setCheckState(Qt::Unchecked);
  QCOMPARE(DrawnLines(form), lines - 1);
  QCOMPARE(Chart(form)->LeftAxis().Min, left.Min);
  QCOMPARE(Chart(form)->LeftAxis().Max, left.Max);
  QCOMPARE(players->item(0)->foreground().color(), QColor(Qt::black));
  // The first checked player now draws the first line, in its colour.
  QCOMPARE(players->item(1)->foreground().color(), Chart(form)->Series(0)->pen().color());
}

void InteractionTest::unselectAllEmptiesTheChart() {
  REQUIRE_POLAND(form_);
  QTest::mouseClick(form.Control<QPushButton>("Button3"), Qt::LeftButton);
  QCOMPARE(DrawnLines(form), 0);
  auto* players = form.Control<QListWidget>("CheckListBox1");
  for (int i = 0; i < players->count(); ++i) QCOMPARE(players->item(i)->checkState(), Qt::Unchecked);
}

void InteractionTest::twentySixthCheckIsRefused() {
  QTemporaryDir folder;
  TForm1 form;
  QVERIFY(form.LoadSave(WriteManyPlayersSave(folder)));
  auto* players = form.Control<QListWidget>("CheckListBox1");
  QVERIFY(players->count() > 26);
  form.Button3Click();
  for (int i = 0; i < 25; ++i) players->item(i)->setCheckState(Qt::Checked);
  for (int i = 0; i < 25; ++i) QCOMPARE(players->item(i)->checkState(), Qt::Checked);
  players->item(30)->setCheckState(Qt::Checked);
  QCOMPARE(players->item(30)->checkState(), Qt::Unchecked);
  QCOMPARE(players->item(30)->foreground().color(), QColor(Qt::black));
  ViewSelection selection = form.SelectionFor(*FindTab("GraphTab"));
  QCOMPARE(std::count(selection.GraphChecks.begin(), selection.GraphChecks.end(), true), 25);
}

void InteractionTest::zoomAndRightClickUndo() {
  REQUIRE_POLAND(form_);
  form.PageControls()->setCurrentWidget(form.Control("GraphTab"));
  QCoreApplication::processEvents();
  ui::HistoryChartView* chart = Chart(form);
  const AxisRange bottom = chart->BottomAxis();
  const QPoint to = DragOverMiddle(chart);
  QVERIFY(chart->Zoomed());
  QVERIFY(chart->BottomAxis().Min > bottom.Min);
  QTest::mousePress(chart->viewport(), Qt::RightButton, {}, to);
  QTest::mouseRelease(chart->viewport(), Qt::RightButton, {}, to);
  QVERIFY(!chart->Zoomed());
  COMPARE_SHEET(form, ModelOf(form, "GraphTab", ViewSelection{}));  // as after the load
}

void InteractionTest::zoomSurvivesAnotherStatisticButNotANewLoad() {
  REQUIRE_POLAND(form_);
  form.PageControls()->setCurrentWidget(form.Control("GraphTab"));
  QCoreApplication::processEvents();
  DragOverMiddle(Chart(form));
  const AxisRange zoomed = Chart(form)->BottomAxis();
  form.Control<QComboBox>("GraphSelect")->setCurrentIndex(1);
  QVERIFY(Chart(form)->Zoomed());
  QCOMPARE(Chart(form)->BottomAxis().Min, zoomed.Min);
  QVERIFY(form.LoadSave(form.Control<QLineEdit>("Edit1")->text()));
  QVERIFY(!Chart(form)->Zoomed());
}

void InteractionTest::chartExportsPngAndCsv() {
  REQUIRE_POLAND(form_);
  QTemporaryDir folder;
  const QString png = folder.filePath(QStringLiteral("chart.png"));
  QVERIFY(Chart(form)->SavePng(png));
  QVERIFY(!QImage(png).isNull());
  const QString csv = folder.filePath(QStringLiteral("chart.csv"));
  QVERIFY(Chart(form)->SaveCsv(csv));
  QFile file(csv);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
  const SaveAnalysis& save = Analysis(form);
  QCOMPARE(lines.size(), 1 + save.ElapsedTurns);  // the header, then turns StartTurn .. CurrentTurn - 1
  QVERIFY2(lines.first().startsWith(QStringLiteral("Turn,Casimir,Pedro")), qPrintable(lines.first()));
  const std::vector<ChartSeries> series = DrawGraph(save, 0, CheckGraphIndexes(DefaultGraphChecks(save)));
  QCOMPARE(lines[1].split(',').value(1).toInt(), series.front().Points.front().second);
}

void InteractionTest::preSessionEditRecomputesSessions() {
  REQUIRE_POLAND(form_);
  SaveAnalysis expected = Analysis(form);
  CheckValues(expected, 1);
  const TabModel model = ReloadsTabModel(expected, ViewSelection{});
  form.Control<QLineEdit>("Edit11")->setText(QStringLiteral("1"));
  QCOMPARE(form.Control<QLineEdit>("Edit10")->text(), QString::fromStdString(model.Text("Edit10")));
  QCOMPARE(form.Control<QLineEdit>("Edit12")->text(), QString::fromStdString(model.Text("Edit12")));
  QCOMPARE(form.Control<QLineEdit>("Edit11")->text(), QStringLiteral("1"));  // the user's text is left as typed
}

void InteractionTest::nonIntegerPreSessionsAreRefused() {
  REQUIRE_POLAND(form_);
  auto* edit = form.Control<QLineEdit>("Edit11");
  edit->setText(QStringLiteral("  3"));
  const QString sessions = form.Control<QLineEdit>("Edit10")->text();
  const QString average = form.Control<QLineEdit>("Edit12")->text();
  for (const char* text : {"abc", "2.5", "", "3x"}) {
    edit->setText(QString::fromLatin1(text));
    QCOMPARE(form.Control<QLineEdit>("Edit10")->text(), sessions);
    QCOMPARE(form.Control<QLineEdit>("Edit12")->text(), average);
    QCOMPARE(Analysis(form).PreSessionCount, 3);
    QVERIFY(!edit->toolTip().isEmpty());
  }
  edit->setText(QStringLiteral("2"));
  QCOMPARE(Analysis(form).PreSessionCount, 2);
  QVERIFY(edit->toolTip().isEmpty());
}

void InteractionTest::statsLineCopies() {
  REQUIRE_POLAND(form_);
  QTest::mouseClick(form.Control<QPushButton>("CitiesStatsCopy"), Qt::LeftButton);
  QCOMPARE(QApplication::clipboard()->text(), form.Control<QTextEdit>("CitiesStats")->toPlainText());
  QVERIFY(!QApplication::clipboard()->text().isEmpty());
}

QTEST_MAIN(InteractionTest)
#include "tst_interaction.moc"
