#pragma once
// `HistoryChart`: 25 line series in fixed colours on a bottom (turn) and a left (value) axis
// whose ranges the program sets. The mouse zooms into a dragged rectangle; a right click
// undoes the zoom, as Qt Charts' own views do. With no zoom to undo, the right click opens a
// menu to save the chart as a picture or its visible lines as CSV.
#include <QChartView>
#include <QList>
#include <functional>

#include "views/ViewModel.h"

class QLineSeries;
class QValueAxis;

namespace orv5::ui {

inline constexpr int HistorySeriesCount = 25;

class HistoryChartView : public QChartView {
  Q_OBJECT

 public:
  explicit HistoryChartView(QWidget* parent = nullptr);

  // Lines, colours and both axis ranges from the model; series the model omits are emptied.
  // A zoom stays undoable when the bottom range is the one zoomed into.
  void Show(const ChartModel& model);
  AxisRange BottomAxis() const;
  AxisRange LeftAxis() const;
  bool Zoomed() const { return zoomed_; }
  QLineSeries* Series(int index) const { return series_.value(index); }

  // Names the line of a check-list item in the CSV header.
  void SetItemNamer(std::function<QString(int32_t item)> namer) { itemNamer_ = std::move(namer); }
  bool SavePng(const QString& path) const;
  // The visible lines within the bottom axis: one row per turn, one column per line.
  bool SaveCsv(const QString& path) const;
  QString CsvText() const;

 signals:
  void undoZoomRequested();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void AskSavePng();
  void AskSaveCsv();

  QList<QLineSeries*> series_;
  QList<int32_t> seriesItems_;  // the check-list item each shown line draws
  QValueAxis* bottom_ = nullptr;
  QValueAxis* left_ = nullptr;
  bool zoomed_ = false;
  bool swallowMenu_ = false;
  std::function<QString(int32_t)> itemNamer_;
};

}  // namespace orv5::ui
