// The window as it opens: names, captions and kinds of every control, the sheets in order,
// what shows before any save is loaded, and handlers that do nothing without a save.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QtTest>

#include "app/Application.h"
#include "app/GridCells.h"
#include "app/HistoryChartView.h"
#include "app/TForm1.h"

using namespace orv5;

namespace {

// Every control the views fill or the user works, by kind.
const QStringList kEdits = {
    "Edit1", "Edit2", "GameVersionE", "SaveIndexE", "CivNameE", "LevelE", "StartingEraE", "CurrentEraE",
    "Game5SpeedE", "World5SizeE", "Map5ScriptE", "Edit3", "Edit4", "StartTurnE", "StartDateE", "Edit6", "Edit13",
    "Edit8", "Edit14", "Edit5", "Edit7", "UserNameE", "Edit9", "Edit11", "Edit10", "Edit12", "CancerSizeE",
    "CityFoundE", "CityXYE", "PopE", "CultureE", "FoodE", "CityOverflowE", "CityStatusE", "CityStrengthE", "WLTKDE",
    "DisorderE", "PreviousOwnerE", "OriginalOwnerE", "LastCapturedE", "GWrPointsE", "GArPointsE", "GMuPointsE",
    "GSPointsE", "GMPointsE", "GEPointsE", "GWrRateE", "GArRateE", "GMuRateE", "GSRateE", "GMRateE", "GERateE",
    "GWrLimitE", "GArLimitE", "GMuLimitE", "GPLimitE", "OutFoodE", "OutProdE", "OutGoldE", "OutScienceE",
    "OutCultureE", "OutFaithE", "PolicyCultureE", "TotalCultureE", "CulturePerTurnE", "CSCultureE", "PolicyNumE",
    "ResearchE", "AccScienceE", "OverflowResearchE", "GATurnsE", "GGPointsE", "GAPointsE", "TGGPointsE",
    "AccHappinessE", "HappinessE", "AccFaithE", "TotalFaithE", "FaithPerTurnE", "AccGoldE", "DiploGoldE",
    "GWrFaithE", "GArFaithE", "GMuFaithE", "GGFaithE", "GSFaithE", "GMFaithE", "GEFaithE", "GAFaithE",
    "AgentCityXYE", "AgentRankE", "AgentStateE", "AgentReviveE", "AgentDiplomatE", "AgentReassignE", "AgentCityE",
    "SpyAmountProgressE", "SpyRateProgressE", "SpyGoalProgressE", "LastProgressE", "LastPotentialE",
    "LastBasePotentialE", "SpyResultE", "NumTimesCityRobbedE"};
const QStringList kCombos = {"PlayerLogSelect", "GraphSelect", "PlayerCitySelect", "CityBox", "BuildingQueue",
                             "CitySpyBox", "PlayerPolicySelect", "PlayerTechSelect", "PlayerStatsSelect",
                             "StatsLangSelect", "ActiveBox", "PlayerEspiSelect", "AgentSelect"};
const QStringList kLists = {"GameOptionBox", "DLCBox", "SessionListBox", "FindingsListBox", "CheckListBox1"};
const QStringList kRichTexts = {"ReplayList", "PlayerLog", "BuildingsList", "TraditionBranch", "LibertyBranch",
                                "HonorBranch", "PietyBranch", "PatronageBranch", "OrderBranch", "AutocracyBranch",
                                "FreedomBranch", "RationalismBranch", "CommerceBranch", "FreedomIdeology",
                                "OrderIdeology", "AutocracyIdeology", "CitiesStats", "WondersStats",
                                "PoliciesStats", "BeliefStats"};
const QStringList kGrids = {"LeadersGrid", "ProductionGrid", "ReligionGrid", "TechGrid", "CSGrid", "LeagueProjectGrid"};

QStringList Headers(const QTableWidget* grid) {
  QStringList cells;
  for (int col = 0; col < ui::GridColumns(grid); ++col) cells << ui::GridCell(grid, 0, col);
  return cells;
}

}  // namespace

class FormTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { SetUpApplication(); }
  void applicationAndWindow();
  void topControls();
  void sheetsInOrder();
  void everyControlHasItsNameAndKind();
  void noNameIsGivenTwice();
  void captionsOfButtonsAndBoxes();
  void baseAndReloadsLabels();
  void textsBeforeTheFirstLoad();
  void gridHeadersBeforeTheFirstLoad();
  void chartHasTwentyFiveSeries();
  void handlersWithoutASaveDoNothing();
  void windowResizes();
};

void FormTest::applicationAndWindow() {
  QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Orv5QEL Save Analyser"));
  TForm1 form;
  QCOMPARE(form.windowTitle(), QStringLiteral("Orv5 Save Analyzer (version 1.21.0)"));
  QCOMPARE(form.size(), QSize(918, 634));
  QVERIFY(form.acceptDrops());
}

void FormTest::topControls() {
  TForm1 form;
  QVERIFY(!form.Control<QLineEdit>("Edit1")->isReadOnly());  // "Load It" reads a typed path
  QCOMPARE(form.Control<QPushButton>("Button1")->text(), QStringLiteral("Load File"));
  QCOMPARE(form.Control<QPushButton>("Button4")->text(), QStringLiteral("Load It"));
  QCOMPARE(form.Control<QPushButton>("Button2")->text(), QStringLiteral("Save File"));
  QVERIFY(!form.Control<QPushButton>("Button2")->isEnabled());
  QVERIFY(form.Control<QTabWidget>("PageControls"));
}

void FormTest::sheetsInOrder() {
  TForm1 form;
  const QStringList sheets = {"BaseTab",  "LeadersTab", "ReplayTab", "PlayerLogTab", "ReloadsTab",
                              "GraphTab", "CityTab",    "PolicyTab", "PlayerTab",    "StatsTab",
                              "CSTab",    "TestTab",    "LeagueTab", "EspiTab"};
  const QStringList captions = {"Base",   "Leaders", "Replay", "Player Log", "Reloads",  "Graph",  "Cities",
                                "Policy", "Player",  "Stats",  "CS Points",  "TestTab", "League", "Espionage"};
  QTabWidget* pages = form.PageControls();
  QCOMPARE(pages->count(), 14);
  for (int i = 0; i < 14; ++i) {
    QCOMPARE(pages->widget(i)->objectName(), sheets[i]);
    QCOMPARE(pages->tabText(i), captions[i]);
    QCOMPARE(pages->isTabVisible(i), sheets[i] != QStringLiteral("TestTab"));
  }
  QCOMPARE(pages->currentIndex(), 0);
}

void FormTest::everyControlHasItsNameAndKind() {
  TForm1 form;
  for (const QString& name : kEdits) QVERIFY2(form.Control<QLineEdit>(name), qPrintable(name));
  for (const QString& name : kCombos) QVERIFY2(form.Control<QComboBox>(name), qPrintable(name));
  for (const QString& name : kLists) QVERIFY2(form.Control<QListWidget>(name), qPrintable(name));
  for (const QString& name : kRichTexts) QVERIFY2(form.Control<QTextEdit>(name), qPrintable(name));
  for (const QString& name : kGrids) QVERIFY2(form.Control<QTableWidget>(name), qPrintable(name));
  QVERIFY(form.Control<ui::HistoryChartView>("HistoryChart"));
  for (int i = 1; i <= 5; ++i) QVERIFY(form.Control<QCheckBox>(QStringLiteral("CheckBox%1").arg(i)));
}

void FormTest::noNameIsGivenTwice() {
  TForm1 form;
  QVERIFY2(form.Controls().Duplicates().isEmpty(), qPrintable(form.Controls().Duplicates().join(", ")));
}

void FormTest::captionsOfButtonsAndBoxes() {
  TForm1 form;
  const QList<QPair<QString, QString>> buttons = {
      {"Button5", "Cure"}, {"Button3", "Unselect all"}, {"SingleBtn", "Make Single"}, {"SaveBtn", "Save"}};
  for (const auto& [name, caption] : buttons) QCOMPARE(form.Control<QPushButton>(name)->text(), caption);
  const QStringList victories = {"Time", "Science", "Domination", "Cultural", "Diplomatic"};
  for (int i = 0; i < 5; ++i) QCOMPARE(form.Control<QCheckBox>(QStringLiteral("CheckBox%1").arg(i + 1))->text(), victories[i]);
  QCOMPARE(form.Control<QCheckBox>("ShowCityEventsCheckBox")->text(), QStringLiteral("Show City Events"));
  QCOMPARE(form.Control<QCheckBox>("ShowCombatsCheckBox")->text(), QStringLiteral("Show Combats"));
  QVERIFY(form.Control<QCheckBox>("ShowCityEventsCheckBox")->isHidden());
  QVERIFY(form.Control<QCheckBox>("ShowCombatsCheckBox")->isHidden());
}

void FormTest::baseAndReloadsLabels() {
  TForm1 form;
  QStringList labels;
  for (const QLabel* label : form.findChildren<QLabel*>()) labels << label->text();
  const QStringList expected = {
      "Game Version (Версия игры)", "     Save Version       (Версия сейва)", "CivName (Цивилизация)",
      "      Handicap       (Ур-нь сложности)", "Starting Era (Стартовая Эра)", "Current Era (Текущая Эра)",
      "Game Speed (Скорость Игры)", " World Size  (Размер Карты)", "    Map Script     (Тип Карты)",
      "Current turn (Текущий ход)", "Starting turn (Стартовый ход)", "Game score  (Очки)", "Game Type (Тип Игры)",
      "Active Player (Активный Игрок)", "Playing time  (Время игры)", "Game status (Состояние игры)",
      "User Name (Пользователь)", " Game Options  (Опции Игры)", "Allowed Victories (Разрешенные победы)",
      "     DLC Installed     (Установленные дополнения)", "       Sessions       (Число сессий)",
      "    PreSessions     (Число пресессий)", "    Play Sessions     (Игровые сессии)",
      "  Average Session time   (Ср. время сессии)", "     Cancer Size       (Размер опухоли)", "x20 bytes",
      "Path", "Date", "Player Select", "City Select", "Select Active Player"};
  for (const QString& caption : expected) QVERIFY2(labels.contains(caption), qPrintable(caption));
}

void FormTest::textsBeforeTheFirstLoad() {
  TForm1 form;
  QCOMPARE(form.Control<QLineEdit>("CityStatusE")->text(),
           QStringLiteral("Never Lost, Puppet, Occupied, Ever Capital, Railroad"));
  QCOMPARE(form.Control<QComboBox>("GraphSelect")->currentText(), QStringLiteral("Score"));
  auto* language = form.Control<QComboBox>("StatsLangSelect");
  QCOMPARE(language->count(), 2);
  QCOMPARE(language->itemText(0), QStringLiteral("English"));
  QCOMPARE(language->itemText(1), QStringLiteral("Русский"));
  QCOMPARE(language->currentIndex(), 0);
  QCOMPARE(form.Control<QComboBox>("PlayerLogSelect")->currentIndex(), -1);
  QVERIFY(!form.Loaded());
  QVERIFY(form.Control("DiagnosticsLine")->isHidden());
}

void FormTest::gridHeadersBeforeTheFirstLoad() {
  TForm1 form;
  auto* leaders = form.Control<QTableWidget>("LeadersGrid");
  QCOMPARE(ui::GridColumns(leaders), 11);
  QCOMPARE(ui::GridRows(leaders), 65);
  QCOMPARE(Headers(leaders).mid(0, 7),
           QStringList({"№", "Civilization", "Leader", "Trait", "Alive", "Cities (Nat/Occ/Pup)", ""}));
  auto* tech = form.Control<QTableWidget>("TechGrid");
  QCOMPARE(ui::GridRows(tech), 82);
  QCOMPARE(Headers(tech), QStringList({"№", "Tech", "Era", "Cost", "Known"}));
  QCOMPARE(ui::GridCell(tech, 1, 0), QStringLiteral(" 1"));
  QCOMPARE(ui::GridCell(tech, 81, 0), QStringLiteral("81"));
  QCOMPARE(Headers(form.Control<QTableWidget>("ProductionGrid")), QStringList({"№", "Production", "Hammers", "Delay"}));
  QCOMPARE(Headers(form.Control<QTableWidget>("ReligionGrid")),
           QStringList({"Religion", "Followers", "Points", "Percent", "Holy"}));
  QCOMPARE(ui::GridRows(form.Control<QTableWidget>("ReligionGrid")), 14);
  QCOMPARE(ui::GridColumns(form.Control<QTableWidget>("CSGrid")), 65);
  QCOMPARE(ui::GridRows(form.Control<QTableWidget>("LeagueProjectGrid")), 66);
}

void FormTest::chartHasTwentyFiveSeries() {
  TForm1 form;
  auto* chart = form.Control<ui::HistoryChartView>("HistoryChart");
  QCOMPARE(chart->chart()->series().size(), 25);
  QVERIFY(!chart->chart()->legend()->isVisible());
  for (int i = 0; i < 25; ++i) {
    QCOMPARE(chart->Series(i)->name(), QStringLiteral("Graph%1").arg(i + 1, 2, 10, QLatin1Char('0')));
    QVERIFY(!chart->Series(i)->pointsVisible());
  }
  QCOMPARE(chart->rubberBand(), QChartView::RectangleRubberBand);
}

void FormTest::handlersWithoutASaveDoNothing() {
  TForm1 form;
  form.Button4Click();  // Edit1 is empty: nothing to load
  form.Button5Click();
  form.Button2Click();
  form.SingleBtnClick();
  form.ActiveBoxChange();
  form.ShowCombatsCheckBoxClick();
  form.PlayerCitySelectChange();
  form.CityBoxChange();
  form.BuildingQueueChange();
  form.PlayerPolicySelectChange();
  form.PlayerTechSelectChange();
  form.PlayerStatsSelectChange();
  form.StatsLangSelectChange();
  form.PlayerEspiSelectChange();
  form.AgentSelectChange();
  form.GraphSelectChange();
  form.CheckListBox1ClickCheck();
  form.CheckListBox1Click();
  form.Button3Click();
  form.HistoryChartUndoZoom();
  form.Edit11Change();
  QVERIFY(!form.Loaded());
  QVERIFY(form.LastBindReport().Clean());
}

void FormTest::windowResizes() {
  TForm1 form;
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  form.resize(1400, 900);
  QCoreApplication::processEvents();
  QVERIFY(form.PageControls()->width() > 1300);
  QVERIFY(form.Control("HistoryChart")->minimumWidth() < 918);
}

QTEST_MAIN(FormTest)
#include "tst_form.moc"
