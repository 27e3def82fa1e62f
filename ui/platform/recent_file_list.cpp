#include "ui/platform/recent_file_list.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

namespace {

QString Key(int index) { return QStringLiteral("Recent File List/File%1").arg(index + 1); }

}  // namespace

void CRecentFileList::Read(const QSettings& settings) {
  entries_.clear();
  for (int i = 0; i < size_; ++i) {
    const QString path = settings.value(Key(i)).toString();
    if (!path.isEmpty() && !entries_.contains(path)) entries_ << path;
  }
}

void CRecentFileList::Write(QSettings& settings) const {
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
}

void CRecentFileList::Remove(int index) {
  if (index >= 0 && index < entries_.size()) entries_.removeAt(index);
}

QString CRecentFileList::MenuText(int index) const {
  QString name = QFileInfo(entries_.value(index)).fileName();
  name.replace(QLatin1Char('&'), QStringLiteral("&&"));
  return QCoreApplication::translate("CRecentFileList", "&%1 %2").arg(index + 1).arg(name);
}
