#pragma once
// CRecentFileList: the profiles opened last, newest first, kept per user in
// the settings under organization/application, section "Recent File List",
// as File1..FileN. Entries are absolute paths; opening a file already on the
// list moves it to the top. Every change is written at once.

#include <QString>
#include <QStringList>

class CRecentFileList {
 public:
  // A list of at most size entries, read from the settings.
  CRecentFileList(const QString& organization, const QString& application, int size);

  // Puts path (made absolute) at the top; the oldest entry falls off when
  // the list is full.
  void Add(const QString& path);
  void Remove(int index);

  const QStringList& Entries() const { return entries_; }
  // How entry index appears in the File menu: "&1 default.tvu".
  QString MenuText(int index) const;

 private:
  void Write() const;

  QString organization_;
  QString application_;
  int size_;
  QStringList entries_;
};
