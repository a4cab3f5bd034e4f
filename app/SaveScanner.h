#pragma once
// The saves panel's background work: each file is loaded, analysed and summarised on a worker
// thread of a small pool (one loaded save per worker at a time), and the result comes back to
// the window's thread by a queued call. Cancel drops the files not yet started and the results
// of those under way.
#include <QObject>
#include <QStringList>
#include <QThreadPool>
#include <atomic>
#include <memory>

#include "app/SaveLoading.h"

namespace orv5::ui {

class SaveScanner : public QObject {
  Q_OBJECT

 public:
  explicit SaveScanner(QObject* parent = nullptr);
  ~SaveScanner() override;

  // Queues files behind those still waiting; the progress counts them all.
  void Add(const QStringList& paths);
  void Cancel();
  // Waits until the workers are idle (tests and closing the window).
  void WaitForWorkers();

  bool Busy() const { return done_ < total_; }
  int Done() const { return done_; }
  int Total() const { return total_; }
  int Workers() const { return pool_.maxThreadCount(); }

 signals:
  void Analysed(std::shared_ptr<const orv5::ui::AnalysedFile> file);
  void Progress(int done, int total);
  // Every queued file was delivered, or the work was cancelled.
  void Finished(bool cancelled);

 private:
  void Deliver(std::shared_ptr<const AnalysedFile> file, int generation);

  QThreadPool pool_;
  std::shared_ptr<std::atomic<bool>> cancelled_;
  int generation_ = 0;
  int done_ = 0;
  int total_ = 0;
};

}  // namespace orv5::ui
