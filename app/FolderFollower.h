#pragma once
// Watches a folder of saves while the game writes into it. A new or changed save is handed on
// once it is complete: its size and time have not changed for the settle time. Whether it
// loads is no sign of that: a save cut at the end of one of its chunks loads as a shorter save,
// since real saves may end their chunk list at the end of the file.
#include <QDateTime>
#include <QElapsedTimer>
#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTimer>

namespace orv5::ui {

// Every *.Orv5Save file of a folder (the extension in any case), sorted by name, as `orv5`
// lists a folder; empty when the folder cannot be read.
QStringList SaveFilesIn(const QString& folder);

class FolderFollower : public QObject {
  Q_OBJECT

 public:
  explicit FolderFollower(QObject* parent = nullptr);

  // Starts watching `folder`; the files in it now count as seen.
  void Watch(const QString& folder);
  void Stop();
  void SetSettleTime(int milliseconds) { settleMs_ = milliseconds; }
  int SettleTime() const { return settleMs_; }
  // Files written and not yet settled.
  int Pending() const { return static_cast<int>(pending_.size()); }

 signals:
  // A new or changed save that has stopped changing (full path).
  void FileSettled(const QString& path);
  // A save that left the folder (file name).
  void FileRemoved(const QString& name);

 private:
  struct Stamp {
    qint64 Size = -1;
    QDateTime Modified;
    bool operator==(const Stamp&) const = default;
  };
  struct Observed {
    Stamp Seen;
    qint64 Since = 0;  // when it was last seen to change, on clock_
  };
  void Changed();
  void Poll();
  static Stamp StampOf(const QString& path);

  QFileSystemWatcher watcher_;
  QTimer poll_;
  QElapsedTimer clock_;
  QString folder_;
  QHash<QString, Stamp> known_;  // file name -> what was handed on (or there at the start)
  QHash<QString, Observed> pending_;
  int settleMs_ = 1000;
};

}  // namespace orv5::ui
