#include "app/AnalysisCache.h"

namespace orv5::ui {

void AnalysisCache::Put(const std::string& key, std::shared_ptr<const SaveAnalysis> analysis, size_t bytes) {
  Remove(key);
  uses_.push_front(key);
  entries_[key] = Entry{std::move(analysis), bytes, uses_.begin()};
  bytes_ += bytes;
  while (bytes_ > budget_ && uses_.size() > 1) Remove(uses_.back());
}

std::shared_ptr<const SaveAnalysis> AnalysisCache::Get(const std::string& key) {
  const auto found = entries_.find(key);
  if (found == entries_.end()) return nullptr;
  uses_.splice(uses_.begin(), uses_, found->second.Use);
  return found->second.Analysis;
}

void AnalysisCache::Remove(const std::string& key) {
  const auto found = entries_.find(key);
  if (found == entries_.end()) return;
  bytes_ -= found->second.Bytes;
  uses_.erase(found->second.Use);
  entries_.erase(found);
}

void AnalysisCache::Clear() {
  entries_.clear();
  uses_.clear();
  bytes_ = 0;
}

}  // namespace orv5::ui
