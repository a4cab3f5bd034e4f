#include "app/FolderFollower.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <system_error>

#include "app/SaveLoading.h"
#include "savefile/SaveFolder.h"

namespace orv5::ui {

QStringList SaveFilesIn(const QString& folder) {
  std::error_code error;
  QStringList files;
  for (const std::string& path : SaveFilesInFolder(ToPath(folder), error)) {
    files.push_back(QFile::decodeName(QByteArray::fromStdString(path)));
  }
  return files;
}

FolderFollower::FolderFollower(QObject* parent) : QObject(parent), watcher_(this), poll_(this) {
  clock_.start();
  connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &FolderFollower::Changed);
  connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &FolderFollower::Changed);
  connect(&poll_, &QTimer::timeout, this, &FolderFollower::Poll);
}

FolderFollower::Stamp FolderFollower::StampOf(const QString& path) {
  const QFileInfo info(path);
  return {info.size(), info.lastModified()};
}

void FolderFollower::Watch(const QString& folder) {
  Stop();
  folder_ = folder;
  const QStringList files = SaveFilesIn(folder);
  for (const QString& path : files) known_.insert(QFileInfo(path).fileName(), StampOf(path));
  watcher_.addPath(folder);
  // Files are watched too: a save written again in place does not change the folder.
  if (!files.isEmpty()) watcher_.addPaths(files);
}

void FolderFollower::Stop() {
  if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
  if (!watcher_.directories().isEmpty()) watcher_.removePaths(watcher_.directories());
  poll_.stop();
  known_.clear();
  pending_.clear();
  folder_.clear();
}

void FolderFollower::Changed() {
  if (folder_.isEmpty()) return;
  // The folder is read again on the next turn of the event loop and then every quarter of the
  // settle time until each written file has settled.
  poll_.setInterval(std::max(25, settleMs_ / 4));
  if (!poll_.isActive()) poll_.start();
  QTimer::singleShot(0, this, &FolderFollower::Poll);
}

void FolderFollower::Poll() {
  QHash<QString, QString> present;  // name -> path
  for (const QString& path : SaveFilesIn(folder_)) present.insert(QFileInfo(path).fileName(), path);
  for (const QString& name : known_.keys()) {
    if (present.contains(name)) continue;
    known_.remove(name);
    pending_.remove(name);
    emit FileRemoved(name);
  }
  for (auto file = present.cbegin(); file != present.cend(); ++file) {
    const Stamp now = StampOf(file.value());
    const auto seen = known_.constFind(file.key());
    if (seen != known_.cend() && *seen == now) {
      pending_.remove(file.key());  // changed and changed back: nothing new
      continue;
    }
    auto observed = pending_.find(file.key());
    if (observed == pending_.end() || !(observed->Seen == now)) {
      pending_.insert(file.key(), Observed{now, clock_.elapsed()});
      continue;
    }
    if (clock_.elapsed() - observed->Since < settleMs_) continue;
    pending_.erase(observed);
    known_.insert(file.key(), now);
    if (!watcher_.files().contains(file.value())) watcher_.addPath(file.value());
    emit FileSettled(file.value());
  }
  if (pending_.isEmpty()) poll_.stop();
}

}  // namespace orv5::ui
