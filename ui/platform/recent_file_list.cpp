#include "ui/platform/recent_file_list.h"

#include <QFileInfo>
#include <QSettings>

namespace {

QString Key(int index) { return QString("Recent File List/File%1").arg(index + 1); }

}  // namespace

CRecentFileList::CRecentFileList(const QString& organization, const QString& application, int size)
    : organization_(organization), application_(application), size_(size) {
  const QSettings settings(organization_, application_);
  for (int i = 0; i < size_; ++i) {
    const QString path = settings.value(Key(i)).toString();
    if (!path.isEmpty() && !entries_.contains(path)) entries_ << path;
  }
}

void CRecentFileList::Write() const {
  QSettings settings(organization_, application_);
  for (int i = 0; i < size_; ++i) {
    if (i < entries_.size()) {
      settings.setValue(Key(i), entries_[i]);
    } else {
      settings.remove(Key(i));
    }
  }
}

void CRecentFileList::Add(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  entries_.removeAll(absolute);
  entries_.prepend(absolute);
  while (entries_.size() > size_) entries_.removeLast();
  Write();
}

void CRecentFileList::Remove(int index) {
  if (index < 0 || index >= entries_.size()) return;
  entries_.removeAt(index);
  Write();
}

QString CRecentFileList::MenuText(int index) const {
  QString name = QFileInfo(entries_.value(index)).fileName();
  name.replace("&", "&&");
  return QString("&%1 %2").arg(index + 1).arg(name);
}
