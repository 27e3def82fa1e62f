#pragma once
// CRecentFileList: the profiles opened last, newest first, kept per user.
//
// The list lives in the user's settings under the application's settings
// key (the organization) and title, in the section "Recent File List" as
// File1..FileN. Entries are absolute
// paths; opening a file already on the list moves it to the top.

#include <QString>
#include <QStringList>

class CRecentFileList {
 public:
  // A list of at most size entries, kept for application under organization.
  CRecentFileList(const QString& organization, const QString& application, int size);

  // Reads the list from the settings, dropping empty entries.
  void ReadList();
  // Writes the list to the settings.
  void WriteList() const;

  // Puts path (made absolute) at the top; the oldest entry falls off when
  // the list is full. The list is written at once.
  void Add(const QString& path);
  // Removes entry index; written at once.
  void Remove(int index);

  int Size() const { return size_; }
  const QStringList& Entries() const { return entries_; }
  // How an entry appears in the File menu: "&1 default.tvu".
  QString MenuText(int index) const;

 private:
  QString organization_;
  QString application_;
  int size_;
  QStringList entries_;
};
