#include "app/SaveLoading.h"

#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <exception>

#include "analysis/Save5Analyse.h"
#include "app/ModelBinder.h"

namespace orv5::ui {

namespace {

std::atomic<int64_t> loadCount{0};

template <typename T>
size_t VectorBytes(const std::vector<T>& values) {
  return values.capacity() * sizeof(T);
}

size_t TextBytes(const std::string& text) { return text.capacity() > 15 ? text.capacity() + 1 : 0; }

}  // namespace

std::filesystem::path ToPath(const QString& path) { return std::filesystem::path(QFile::encodeName(path).toStdString()); }

LoadResult LoadSaveFile(const QString& path, SaveContainer&& spare) {
  loadCount.fetch_add(1, std::memory_order_relaxed);
  return orv5::LoadSave(ToPath(path), std::move(spare));
}

int64_t SaveLoadCount() { return loadCount.load(std::memory_order_relaxed); }

size_t ApproxAnalysisBytes(const SaveAnalysis& save) {
  size_t bytes = sizeof(SaveAnalysis) + VectorBytes(save.Leaders) + VectorBytes(save.ReplayMessages) +
                 VectorBytes(save.SessionTurns) + VectorBytes(save.HistoryTable) + VectorBytes(save.MinorInfluence) +
                 VectorBytes(save.MinorFriend) + VectorBytes(save.MinorAlly) + VectorBytes(save.PolicyFlags) +
                 VectorBytes(save.NotificationLogs) + VectorBytes(save.CityTable) + VectorBytes(save.CityNameList);
  for (const TReplayMsgRec& message : save.ReplayMessages) bytes += TextBytes(message.Text);
  for (const std::string& line : save.SessionListLines) bytes += sizeof(line) + TextBytes(line);
  for (const HistoryRow& row : save.HistoryTable) {
    for (const std::vector<int32_t>& dataset : row) bytes += VectorBytes(dataset);
  }
  for (const TNotificationLog& log : save.NotificationLogs) {
    for (const TMessageRec& message : log.Messages) bytes += TextBytes(message.Text) + TextBytes(message.Summary);
  }
  for (const std::vector<TCityRec>& cities : save.CityTable) bytes += VectorBytes(cities);
  return bytes;
}

AnalysedFile AnalyseFile(const QString& path) {
  AnalysedFile file;
  file.Path = path;
  file.Name = QFileInfo(path).fileName();
  try {
    LoadResult loaded = LoadSaveFile(path);
    if (const auto* error = std::get_if<LoadError>(&loaded)) {
      file.Refusal = ToQString(error->Message);
      return file;
    }
    const SaveContainer& container = std::get<SaveContainer>(loaded);
    auto analysis = std::make_shared<SaveAnalysis>(Save5Analyse(container));
    file.FileLength = container.FileLength;
    file.FileDate = container.FileDate;
    file.Summary = SummariseSave(file.Name.toStdString(), *analysis);
    file.Facts = PanelFactsOf(*analysis);
    file.AnalysisBytes = ApproxAnalysisBytes(*analysis);
    file.Analysis = std::move(analysis);
  } catch (const std::exception& error) {
    file.Refusal = QString::fromLocal8Bit(error.what());
  }
  return file;
}

}  // namespace orv5::ui
