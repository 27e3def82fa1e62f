#include "ui/resources/images.h"

#include <QDir>

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

QImage LoadImageResource(const QString& name) {
  InitImages();
  return QImage(QStringLiteral(":/images/%1.xpm").arg(name));
}

QStringList ImageNames() {
  InitImages();
  QStringList names;
  for (const QString& file : QDir(QStringLiteral(":/images")).entryList(QDir::Files, QDir::Name))
    names << file.section(QLatin1Char('.'), 0, 0);
  return names;
}
