// Writes the application icon as a PNG file, for the desktop's icon theme:
//   tarvell-icon FILE.png

#include <QImage>

#include <cstdio>

#include "ui/resources/images.h"
#include "ui/resources/resource_ids.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: tarvell-icon FILE.png\n", stderr);
    return 2;
  }
  const QImage icon = LoadImageResource(IDR_MAINFRAME);
  if (icon.isNull() || !icon.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "tarvell-icon: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
