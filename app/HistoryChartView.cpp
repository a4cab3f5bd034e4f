#include "app/HistoryChartView.h"

#include <QChart>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileDialog>
#include <QLineSeries>
#include <QMap>
#include <QMenu>
#include <QMessageBox>
#include <QValueAxis>
#include <cmath>

#include "app/ModelBinder.h"
#include "savefile/Format.h"
#include "views/CsvText.h"

namespace orv5::ui {

namespace {

// A step of 1, 2 or 5 times a power of ten that cuts `span` into about `parts` intervals.
double NiceStep(double span, int parts) {
  if (!(span > 0)) return 1;
  const double raw = span / parts;
  const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
  const double fraction = raw / magnitude;
  return (fraction <= 1 ? 1 : fraction <= 2 ? 2 : fraction <= 5 ? 5 : 10) * magnitude;
}

double TickStep(double min, double max, bool turns) {
  const double step = NiceStep(max - min, turns ? 10 : 8);
  return turns ? std::max(1.0, std::round(step)) : step;
}

// The program sets odd ranges (the fit adds 2 % below and 5 % above); ticks stay on round
// values all the same, and turns on whole ones.
void FitTicks(QValueAxis* axis, bool turns) {
  const double step = TickStep(axis->min(), axis->max(), turns);
  axis->setTickAnchor(0);
  axis->setTickInterval(step);
  axis->setLabelFormat(step >= 1 ? QStringLiteral("%.0f") : QStringLiteral("%g"));
}

// Qt lays the axis out at once for every change: the range and the step must never meet as a
// wide range with a fine step (thousands of tick labels). So the coarser of the old and the new
// step goes first, then the range, which refits the step.
void SetAxisRange(QValueAxis* axis, double min, double max, bool turns) {
  axis->setTickInterval(std::max(axis->tickInterval(), TickStep(min, max, turns)));
  axis->setRange(min, max);
}

QValueAxis* MakeAxis(QChart* chart, Qt::Alignment alignment) {
  auto* axis = new QValueAxis(chart);
  axis->setTickType(QValueAxis::TicksDynamic);
  const bool turns = alignment == Qt::AlignBottom;
  axis->setTickInterval(TickStep(axis->min(), axis->max(), turns));
  // Zooming sets the range too; the ticks follow it.
  QObject::connect(axis, &QValueAxis::rangeChanged, axis, [axis, turns] { FitTicks(axis, turns); });
  chart->addAxis(axis, alignment);
  return axis;
}

// A CSV field as the exported tables write it (views/CsvText.h).
QString CsvField(const QString& text) { return QString::fromStdString(orv5::CsvField(text.toStdString())); }

}  // namespace

HistoryChartView::HistoryChartView(QWidget* parent) : QChartView(parent) {
  auto* chart = new QChart;
  chart->legend()->hide();
  chart->setBackgroundBrush(Qt::white);
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->setMargins(QMargins(4, 4, 4, 4));
  bottom_ = MakeAxis(chart, Qt::AlignBottom);
  left_ = MakeAxis(chart, Qt::AlignLeft);
  for (int i = 0; i < HistorySeriesCount; ++i) {
    auto* line = new QLineSeries(chart);
    line->setName(QString::asprintf("Graph%02d", i + 1));
    line->setPointsVisible(false);
    line->setPointLabelsVisible(false);
    chart->addSeries(line);
    line->attachAxis(bottom_);
    line->attachAxis(left_);
    series_.append(line);
  }
  setChart(chart);
  setRenderHint(QPainter::Antialiasing);
  setRubberBand(QChartView::RectangleRubberBand);
  setStatusTip(tr("Drag to zoom in; right-click to undo the zoom, or to save the chart when it is not zoomed"));
}

void HistoryChartView::Show(const ChartModel& model) {
  // A zoom stays undoable only while the lines are redrawn over the range zoomed into.
  const AxisRange shown = BottomAxis();
  zoomed_ = zoomed_ && shown.Min == model.Bottom.Min && shown.Max == model.Bottom.Max;
  seriesItems_.clear();
  for (int i = 0; i < HistorySeriesCount; ++i) {
    QList<QPointF> points;
    QColor colour = Qt::black;
    if (i < static_cast<int>(model.Series.size())) {
      const ChartSeries& line = model.Series[static_cast<size_t>(i)];
      points.reserve(static_cast<qsizetype>(line.Points.size()));
      for (const auto& [turn, value] : line.Points) points.append(QPointF(turn, value));
      colour = QColor::fromRgb(static_cast<QRgb>(line.LineColour & 0xFFFFFFu));
      seriesItems_.append(line.Item);
    }
    QPen pen(colour);
    pen.setWidth(2);
    series_[i]->setPen(pen);
    series_[i]->replace(points);
  }
  SetAxisRange(bottom_, model.Bottom.Min, model.Bottom.Max, true);
  SetAxisRange(left_, model.Left.Min, model.Left.Max, false);
}

AxisRange HistoryChartView::BottomAxis() const { return AxisRange{bottom_->min(), bottom_->max()}; }

AxisRange HistoryChartView::LeftAxis() const { return AxisRange{left_->min(), left_->max()}; }

void HistoryChartView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton && zoomed_) {
    zoomed_ = false;
    swallowMenu_ = true;  // the context menu event of this click comes before or after it
    event->accept();
    emit undoZoomRequested();
    return;
  }
  QChartView::mousePressEvent(event);
}

void HistoryChartView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    event->accept();  // QChartView would zoom out one step; the undo above replaces that
    return;
  }
  const AxisRange before = BottomAxis();
  const AxisRange leftBefore = LeftAxis();
  QChartView::mouseReleaseEvent(event);
  const AxisRange after = BottomAxis();
  const AxisRange leftAfter = LeftAxis();
  if (after.Min != before.Min || after.Max != before.Max || leftAfter.Min != leftBefore.Min ||
      leftAfter.Max != leftBefore.Max) {
    zoomed_ = true;
  }
}

void HistoryChartView::contextMenuEvent(QContextMenuEvent* event) {
  if (swallowMenu_) {
    swallowMenu_ = false;
    event->accept();
    return;
  }
  QMenu menu(this);
  menu.addAction(tr("Save Chart as PNG..."), this, &HistoryChartView::AskSavePng);
  menu.addAction(tr("Save Visible Lines as CSV..."), this, &HistoryChartView::AskSaveCsv);
  menu.addSeparator();
  menu.addAction(tr("Undo Zoom"), this, &HistoryChartView::undoZoomRequested);
  menu.exec(event->globalPos());
}

bool HistoryChartView::SavePng(const QString& path) const {
  return const_cast<HistoryChartView*>(this)->grab().save(path, "PNG");
}

QString HistoryChartView::CsvText() const {
  const AxisRange range = BottomAxis();
  const auto first = static_cast<int32_t>(std::ceil(range.Min));
  const auto last = static_cast<int32_t>(std::floor(range.Max));
  QString header = QStringLiteral("Turn");
  QMap<int32_t, QStringList> rows;  // turn -> one value per line
  const int lines = static_cast<int>(seriesItems_.size());
  for (int s = 0; s < lines; ++s) {
    const int32_t item = seriesItems_[s];
    header += QLatin1Char(',') + CsvField(itemNamer_ ? itemNamer_(item) : ToQString(Format("Graph%02d", s + 1)));
    for (const QPointF& point : series_[s]->points()) {
      const auto turn = static_cast<int32_t>(point.x());
      if (turn < first || turn > last) continue;
      QStringList& row = rows[turn];
      row.resize(lines);
      row[s] = ToQString(Format("%d", static_cast<int64_t>(point.y())));
    }
  }
  QString text = header + QLatin1Char('\n');
  for (auto it = rows.cbegin(); it != rows.cend(); ++it) {
    text += ToQString(Format("%d", it.key())) + QLatin1Char(',') + it.value().join(QLatin1Char(',')) + QLatin1Char('\n');
  }
  return text;
}

bool HistoryChartView::SaveCsv(const QString& path) const {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  const QByteArray bytes = CsvText().toUtf8();
  return file.write(bytes) == bytes.size();
}

void HistoryChartView::AskSavePng() {
  const QString path = QFileDialog::getSaveFileName(this, tr("Save Chart"), QStringLiteral("history.png"),
                                                    tr("PNG pictures (*.png)"));
  if (!path.isEmpty() && !SavePng(path)) QMessageBox::warning(this, tr("Save Chart"), tr("Could not write %1").arg(path));
}

void HistoryChartView::AskSaveCsv() {
  const QString path = QFileDialog::getSaveFileName(this, tr("Save Visible Lines"), QStringLiteral("history.csv"),
                                                    tr("CSV files (*.csv)"));
  if (!path.isEmpty() && !SaveCsv(path)) QMessageBox::warning(this, tr("Save Lines"), tr("Could not write %1").arg(path));
}

}  // namespace orv5::ui
