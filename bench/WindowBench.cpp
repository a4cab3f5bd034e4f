// The window's own figures for each save, offscreen, best of several runs:
//   fill:   the file chosen until every tab is filled and the shown sheet drawn (TForm1::LoadSave
//           and the events it leaves);
//   player: the slowest change of player on any sheet's player list until that sheet is filled;
//   city:   the slowest change of city on the Cities tab.
// Prints one line per save: the file name and the three figures in ms (- when a save has no
// player list or no city to change to).
//   orv5_window_bench [--runs N] SAVE...
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/Application.h"
#include "app/TForm1.h"
#include "bench/BenchOptions.h"

namespace {

constexpr const char* PlayerLists[] = {"PlayerLogSelect",  "PlayerCitySelect",  "PlayerPolicySelect",
                                       "PlayerTechSelect", "PlayerStatsSelect", "PlayerEspiSelect"};

// The best time of `work` and the events it leaves; `prepare` runs untimed before each run.
double BestMs(int runs, const std::function<void()>& work, const std::function<void()>& prepare = [] {}) {
  double best = 1e300;
  for (int i = 0; i < runs; ++i) {
    prepare();
    QApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    work();
    QApplication::processEvents();
    best = std::min(best, static_cast<double>(clock.nsecsElapsed()) / 1e6);
  }
  return best;
}

// The slowest of the changes to each entry of `list` (each the best of `runs`), or -1.
double SlowestChange(QComboBox* list, int runs) {
  if (!list || list->count() < 2) return -1;
  double slowest = -1;
  for (int entry = 0; entry < list->count(); ++entry) {
    const int other = entry == 0 ? 1 : 0;
    slowest = std::max(slowest, BestMs(
                                    runs, [&] { list->setCurrentIndex(entry); }, [&] { list->setCurrentIndex(other); }));
  }
  return slowest;
}

double SlowestPlayerChange(orv5::TForm1& form, int runs) {
  double slowest = -1;
  for (const char* name : PlayerLists) slowest = std::max(slowest, SlowestChange(form.Control<QComboBox>(name), runs));
  return slowest;
}

// The cities of the player who has the most of them.
double SlowestCityChange(orv5::TForm1& form, int runs) {
  auto* players = form.Control<QComboBox>(QStringLiteral("PlayerCitySelect"));
  auto* cities = form.Control<QComboBox>(QStringLiteral("CityBox"));
  if (!players || !cities) return -1;
  int most = 0;
  for (int player = 0; player < players->count(); ++player) {
    players->setCurrentIndex(player);
    if (cities->count() > most) most = cities->count();
  }
  for (int player = 0; player < players->count(); ++player) {
    players->setCurrentIndex(player);
    if (cities->count() == most) break;
  }
  return SlowestChange(cities, runs);
}

void PrintFigure(double ms) {
  if (ms < 0) {
    std::printf(" -");
  } else {
    std::printf(" %.2f", ms);
  }
}

int BenchOne(orv5::TForm1& form, const std::string& path, int runs) {
  const QString file = QString::fromStdString(path);
  if (!form.LoadSave(file)) {
    std::fprintf(stderr, "%s: %s\n", path.c_str(), form.LastLoadError().toStdString().c_str());
    return 1;
  }
  const double fill = BestMs(runs, [&] { form.LoadSave(file); });
  std::printf("%s", std::filesystem::path(path).filename().string().c_str());
  PrintFigure(fill);
  PrintFigure(SlowestPlayerChange(form, runs));
  PrintFigure(SlowestCityChange(form, runs));
  std::printf("\n");
  std::fflush(stdout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  orv5::SetUpApplication();
  const auto options = orv5::bench::ParseBenchOptions(argc, argv, "orv5_window_bench");
  if (!options) return 2;
  orv5::TForm1 form;
  form.show();
  QApplication::processEvents();
  int status = 0;
  for (const std::string& file : options->Files) status |= BenchOne(form, file, options->Runs);
  return status;
}
