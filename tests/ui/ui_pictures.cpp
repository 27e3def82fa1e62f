// Draws every picture of the game and every dialog into PNG files, so that a
// person can look at them: images.png (each picture at its own size and
// four times enlarged, with its number) and dialog_N.png per template.
//   QT_QPA_PLATFORM=offscreen ui_pictures OUTPUT_FOLDER
#include <QApplication>
#include <QDir>
#include <QPainter>

#include <cstdio>
#include <memory>

#include "tests/ui/ui_test_app.h"
#include "ui/about_dialog.h"
#include "ui/new_user_dialog.h"
#include "ui/options_dialog.h"
#include "ui/platform/bitmap.h"
#include "ui/platform/control_host.h"
#include "ui/platform/dialog.h"
#include "ui/platform/dialog_units.h"
#include "ui/resources/dialog_font.h"
#include "ui/resources/dialog_templates.h"
#include "ui/resources/images.h"

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
    CControlHost controls;
    controls.CreateControls(&form, dialog, DialogFont(), nullptr);
    form.show();
    picture = form.grab().toImage();
  }
  picture.save(folder.filePath(QString("dialog_%1.png").arg(dialog.id)));
}

// The main window as the game will show it: frame, menu, status bar and the
// board form, with every terrain tile and icon drawn on the board at the
// game's pixel positions.
void DrawMainWindow(const QDir& folder) {
  TestApp app;
  if (!app.InitInstance()) return;
  TestFrame* frame = app.Frame();
  frame->ShrinkToFitView();
  frame->show();
  QApplication::processEvents();
  TestView* view = app.View();
  const std::vector<int> terrain = {IDB_WATER,  IDB_LAND_1,     IDB_LAND_2,      IDB_LAND_3,
                                    IDB_LAND_4, IDB_IMPASSABLE, IDB_SITE_LAND_2, IDB_SITE_LAND_3};
  const std::vector<int> icons = {IDB_DRONE,  IDB_MINE,      IDB_FARMER,    IDB_INFANTRY,  IDB_SETTLER, IDB_ARMOR,
                                  IDB_JAMMER, IDB_ARTILLERY, IDB_SCOUT,     IDB_SCAVENGER, IDB_COMMON,  IDB_AMPHIBIOUS,
                                  IDB_MOBILE, IDB_JUMP,      IDB_KAMIKAZEE, IDB_ARMORED};
  CBitmap tiles[8];
  for (int i = 0; i < 8; ++i) tiles[i].LoadBitmap(terrain[i]);
  for (int x = 0; x < 24; ++x) {
    for (int y = 0; y < 24; ++y) view->CopyBitmapAt(tiles[(x / 3 + y / 3) % 8], 190 + 21 * x, 15 + 21 * y);
  }
  for (std::size_t i = 0; i < icons.size(); ++i) {
    CBitmap icon;
    icon.LoadBitmap(icons[i]);
    view->CopyBitmapAt(icon, 192 + 21 * static_cast<int>(i), 17 + 21 * 2);
  }
  CBitmap marker;
  marker.LoadBitmap(IDB_MARKER);
  view->CopyBitmapAt(marker, 194 + 21 * 3, 19 + 21 * 5);
  view->SetDlgItemText(IDC_TREASURY, "$2000");
  view->SetDlgItemText(IDC_TURN, "0");
  view->SetDlgItemText(IDC_RECORD, "2-1 (0.667)");
  view->CheckRadioButton(IDC_DRONE, IDC_ARTILLERY, IDC_DRONE);
  frame->StatusBar()->SetPaneText(0, "Turn 3, Phase 17: Drone destroyed at (4,5).");
  frame->StatusBar()->ShowLockState(false, true, false);
  QApplication::processEvents();
  frame->grab().save(folder.filePath("main_window.png"));
  std::printf("main window %dx%d, view %dx%d\n", frame->width(), frame->height(), view->width(), view->height());
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
