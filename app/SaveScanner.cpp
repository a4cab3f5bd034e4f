#include "app/SaveScanner.h"

#include <algorithm>

namespace orv5::ui {

SaveScanner::SaveScanner(QObject* parent) : QObject(parent), cancelled_(std::make_shared<std::atomic<bool>>(false)) {
  // Two workers at most: each holds one loaded save (tens of MB) while it works, and the
  // window's thread keeps a core of its own on a two-core machine.
  pool_.setMaxThreadCount(std::clamp(QThread::idealThreadCount() - 1, 1, 2));
}

SaveScanner::~SaveScanner() {
  cancelled_->store(true);
  pool_.clear();
  pool_.waitForDone();
}

void SaveScanner::Add(const QStringList& paths) {
  if (paths.isEmpty()) return;
  total_ += static_cast<int>(paths.size());
  emit Progress(done_, total_);
  for (const QString& path : paths) {
    pool_.start([this, path, generation = generation_, cancelled = cancelled_] {
      if (cancelled->load()) return;
      auto file = std::make_shared<const AnalysedFile>(AnalyseFile(path));
      if (cancelled->load()) return;
      QMetaObject::invokeMethod(
          this, [this, file, generation] { Deliver(file, generation); }, Qt::QueuedConnection);
    });
  }
}

void SaveScanner::Deliver(std::shared_ptr<const AnalysedFile> file, int generation) {
  if (generation != generation_) return;  // cancelled while it was under way
  ++done_;
  emit Analysed(std::move(file));
  if (generation != generation_) return;  // cancelled by a receiver of the result
  emit Progress(done_, total_);
  if (done_ == total_) {
    done_ = total_ = 0;
    emit Finished(false);
  }
}

void SaveScanner::Cancel() {
  cancelled_->store(true);
  pool_.clear();
  cancelled_ = std::make_shared<std::atomic<bool>>(false);
  ++generation_;
  const bool wasBusy = Busy();
  done_ = total_ = 0;
  if (wasBusy) emit Finished(true);
}

void SaveScanner::WaitForWorkers() { pool_.waitForDone(); }

}  // namespace orv5::ui
