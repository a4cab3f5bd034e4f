#pragma once
// The analyses the saves panel keeps for the tabs, so that selecting a row shows its save
// without reading the file again. An analysis is a fraction of a loaded save (the file's
// buffers are never kept), but a folder can hold hundreds of saves of long games: past the
// budget the analyses used longest ago are dropped, and such a row is read again when chosen.
#include <cstddef>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>

#include "analysis/SaveAnalysis.h"

namespace orv5::ui {

class AnalysisCache {
 public:
  explicit AnalysisCache(size_t budgetBytes) : budget_(budgetBytes) {}

  // Keeps an analysis under `key` (replacing one kept before), then drops the analyses used
  // longest ago until the rest fit the budget; the one just put always stays.
  void Put(const std::string& key, std::shared_ptr<const SaveAnalysis> analysis, size_t bytes);
  // The analysis kept under `key`, now the most recently used; null when there is none.
  std::shared_ptr<const SaveAnalysis> Get(const std::string& key);
  bool Contains(const std::string& key) const { return entries_.contains(key); }
  void Remove(const std::string& key);
  void Clear();

  size_t Bytes() const { return bytes_; }
  size_t Count() const { return entries_.size(); }
  size_t Budget() const { return budget_; }

 private:
  struct Entry {
    std::shared_ptr<const SaveAnalysis> Analysis;
    size_t Bytes = 0;
    std::list<std::string>::iterator Use;
  };
  size_t budget_;
  size_t bytes_ = 0;
  std::list<std::string> uses_;  // most recently used first
  std::unordered_map<std::string, Entry> entries_;
};

}  // namespace orv5::ui
