#include "cli/ParallelSaves.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

namespace orv5 {

namespace {

// The state the workers and the emitting thread share, under one lock.
class ItemQueue {
 public:
  ItemQueue(size_t count, size_t ahead) : count_(count), ahead_(ahead), done_(count, false), errors_(count) {}

  // The next item for a worker, or nothing when all are handed out or the run stops. A worker
  // waits while `ahead` items are handed out and not yet emitted.
  std::optional<size_t> Take() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return stop_ || next_ >= count_ || next_ < emitted_ + ahead_; });
    if (stop_ || next_ >= count_) return std::nullopt;
    return next_++;
  }
  void Finish(size_t item, std::exception_ptr error) {
    {
      std::lock_guard lock(mutex_);
      done_[item] = true;
      errors_[item] = std::move(error);
    }
    changed_.notify_all();
  }
  // Waits until the item is done; its exception, if it threw one.
  std::exception_ptr WaitFor(size_t item) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return done_[item]; });
    return errors_[item];
  }
  void Emitted(size_t item) { Change([&] { emitted_ = item + 1; }); }
  void Stop() { Change([&] { stop_ = true; }); }

 private:
  template <class F>
  void Change(F&& change) {
    {
      std::lock_guard lock(mutex_);
      change();
    }
    changed_.notify_all();
  }

  std::mutex mutex_;
  std::condition_variable changed_;
  const size_t count_;
  const size_t ahead_;
  size_t next_ = 0;
  size_t emitted_ = 0;
  bool stop_ = false;
  std::vector<bool> done_;
  std::vector<std::exception_ptr> errors_;
};

// Stops and joins the workers however the emitting loop ends.
class Workers {
 public:
  Workers(ItemQueue& queue, unsigned count, const std::function<void(size_t, unsigned)>& work) : queue_(queue) {
    for (unsigned worker = 0; worker < count; ++worker) {
      threads_.emplace_back([this, worker, &work] {
        while (const std::optional<size_t> item = queue_.Take()) {
          std::exception_ptr error;
          try {
            work(*item, worker);
          } catch (...) {
            error = std::current_exception();
          }
          queue_.Finish(*item, std::move(error));
        }
      });
    }
  }
  ~Workers() {
    queue_.Stop();
    for (std::thread& thread : threads_) thread.join();
  }
  Workers(const Workers&) = delete;
  Workers& operator=(const Workers&) = delete;

 private:
  ItemQueue& queue_;
  std::vector<std::thread> threads_;
};

}  // namespace

unsigned BatchWorkers(size_t items) {
  const size_t cores = std::max(1u, std::thread::hardware_concurrency());
  return static_cast<unsigned>(std::max<size_t>(1, std::min(cores, items)));
}

void RunInOrder(size_t count, unsigned workers, const std::function<void(size_t item, unsigned worker)>& work,
                const std::function<void(size_t item)>& emit) {
  if (workers <= 1 || count <= 1) {
    for (size_t item = 0; item < count; ++item) {
      work(item, 0);
      emit(item);
    }
    return;
  }
  ItemQueue queue(count, size_t{2} * workers);
  Workers running(queue, workers, work);
  for (size_t item = 0; item < count; ++item) {
    if (std::exception_ptr error = queue.WaitFor(item)) std::rethrow_exception(error);
    emit(item);
    queue.Emitted(item);
  }
}

}  // namespace orv5
