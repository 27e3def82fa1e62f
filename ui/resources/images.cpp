#include "ui/resources/images.h"

#include <QDir>

#include <algorithm>

// The pictures live in a static library, whose resources the program must
// ask for before their first use (outside any namespace, as the toolkit
// requires).
static void InitImages() {
  static const bool done = [] {
    Q_INIT_RESOURCE(images);
    return true;
  }();
  static_cast<void>(done);
}

QImage LoadImageResource(int id) {
  InitImages();
  return QImage(QString(":/images/%1.xpm").arg(id));
}

std::vector<int> ImageResourceIds() {
  InitImages();
  std::vector<int> ids;
  for (const QString& name : QDir(":/images").entryList()) ids.push_back(name.section('.', 0, 0).toInt());
  std::sort(ids.begin(), ids.end());
  return ids;
}
