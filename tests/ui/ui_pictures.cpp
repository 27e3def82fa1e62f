// Draws every picture of the game and every dialog into PNG files, so that a
// person can look at them: images.png (each picture at its own size and
// four times enlarged, with its number) and dialog_N.png per template.
//   QT_QPA_PLATFORM=offscreen ui_pictures OUTPUT_FOLDER
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

#include "opponent/strategy.h"
#include "ui/about_dialog.h"
#include "ui/main_frame.h"
#include "ui/new_user_dialog.h"
#include "ui/options_dialog.h"
#include "ui/platform/dialog.h"
#include "ui/platform/dialog_units.h"
#include "ui/resources/dialog_font.h"
#include "ui/resources/dialog_templates.h"
#include "ui/resources/images.h"
#include "ui/tarvell_app.h"
#include "ui/tarvell_view.h"

namespace {

void DrawImageSheet(const QDir& folder) {
  constexpr int kZoom = 4;
  constexpr int kCell = 34 * kZoom + 60;
  constexpr int kColumns = 6;
  const std::vector<int> ids = ImageResourceIds();
  const int rows = (static_cast<int>(ids.size()) + kColumns - 1) / kColumns;
  QImage sheet(kColumns * kCell, rows * kCell, QImage::Format_RGB32);
  sheet.fill(QColor(212, 208, 200));
  QPainter painter(&sheet);
  painter.setFont(DialogFont());
  for (std::size_t i = 0; i < ids.size(); ++i) {
    const QImage image = LoadImageResource(ids[i]);
    const QPoint cell((static_cast<int>(i) % kColumns) * kCell + 8, (static_cast<int>(i) / kColumns) * kCell + 8);
    painter.drawText(cell + QPoint(0, 12), QString("%1  %2x%3").arg(ids[i]).arg(image.width()).arg(image.height()));
    painter.drawImage(cell + QPoint(0, 20), image);
    painter.drawImage(QRect(cell + QPoint(40, 20), image.size() * kZoom), image);
  }
  painter.end();
  sheet.save(folder.filePath("images.png"));
}

void DrawDialog(const QDir& folder, const DialogTemplate& dialog) {
  QImage picture;
  if (dialog.kind == DialogKind::Modal) {
    std::unique_ptr<CDialog> shown;
    if (dialog.id == IDD_ABOUT) {
      shown = std::make_unique<CAboutDialog>();
    } else if (dialog.id == IDD_NEW_USER) {
      shown = std::make_unique<CNewUserDialog>();
    } else if (dialog.id == IDD_OPTIONS) {
      auto options = std::make_unique<COptionsDialog>();
      options->speed = 1;  // the speed at start-up
      shown = std::move(options);
    } else {
      shown = std::make_unique<CDialog>(dialog.id);
    }
    shown->PrepareToShow();
    shown->show();
    picture = shown->grab().toImage();
  } else {
    QWidget form;
    form.setFont(DialogFont());
    form.setFixedSize(DialogSizeToPixels(dialog));
    CreateDialogControls(&form, dialog, DialogFont());
    form.show();
    picture = form.grab().toImage();
  }
  picture.save(folder.filePath(QString("dialog_%1.png").arg(dialog.id)));
}

// The main window as the game shows it: frame, menu, status bar and the
// board form, with every terrain tile and icon drawn on the board at the
// game's pixel positions. The game runs in a folder and with settings of its
// own, which vanish afterwards.
void DrawMainWindow(const QDir& folder) {
  QTemporaryDir work;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, work.path());
  const QString previous = QDir::currentPath();
  QDir::setCurrent(work.path());
  {
    CTarvellApp game;
    if (!game.Start({"tarvell"})) return;
    CMainFrame* frame = game.MainFrame();
    QApplication::processEvents();
    CTarvellView* view = game.View();
    const int terrain[8] = {0, 1, 2, 3, 4, 5, 8, 9};
    for (int x = 0; x < 24; ++x) {
      for (int y = 0; y < 24; ++y) view->DrawTerrainAt(x, y, terrain[(x / 3 + y / 3) % 8]);
    }
    for (int i = 0; i < 8; ++i) view->DrawUnitAt(i, 2, i + 1);
    for (int i = 0; i < 8; ++i) view->DrawBarbarianAt(8 + i, 2, 9 + i);
    view->DrawMarkerAt(3, 5);
    view->DrawCounters(2000, 0);
    wins = 2;
    losses = 1;
    view->DrawRecord();
    view->OnUnitButton(IDC_DRONE);
    frame->SetMessageText("Turn 3, Phase 17: Drone destroyed at (4,5).");
    frame->ShowLockState(false, true, false);
    QApplication::processEvents();
    frame->grab().save(folder.filePath("main_window.png"));
    std::printf("main window %dx%d, view %dx%d\n", frame->width(), frame->height(), view->width(), view->height());
  }
  QDir::setCurrent(previous);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  QDir folder(QString::fromLocal8Bit(argv[1]));
  folder.mkpath(".");
  DrawImageSheet(folder);
  for (const DialogTemplate& dialog : AllDialogTemplates()) DrawDialog(folder, dialog);
  DrawMainWindow(folder);
  std::printf("dialog font: %s, %d px\n", qPrintable(DialogFont().family()), DialogFont().pixelSize());
  return 0;
}
