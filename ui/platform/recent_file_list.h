#pragma once
// CRecentFileList: the profiles opened last, newest first, kept in the
// settings' section "Recent File List" as File1..FileN. Entries are absolute
// paths; opening a file already on the list moves it to the top.

#include <QString>
#include <QStringList>

class QSettings;

class CRecentFileList {
 public:
  // An empty list of at most size entries.
  explicit CRecentFileList(int size) : size_(size) {}

  void Read(const QSettings& settings);
  void Write(QSettings& settings) const;

  // Puts path (made absolute) at the top; the oldest entry falls off when
  // the list is full.
  void Add(const QString& path);
  void Remove(int index);

  const QStringList& Entries() const { return entries_; }
  // How entry index appears in the File menu: "&1 default.tvu".
  QString MenuText(int index) const;

 private:
  int size_;
  QStringList entries_;
};
