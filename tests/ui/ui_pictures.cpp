// Draws every picture of the game, its dialogs and its main window into PNG
// files, so that a person can look at them, and reports where the form put
// the board, its columns and whether every text fits:
//   ui_pictures [--zoom 100|150|200] [--language de] OUTPUT_FOLDER
// writes images.png, one PNG per dialog (named by its object name),
// turn_report.png and main_window.png (with the terrain overlay), at the zoom given (100 by
// default), and prints
//   board X Y WIDTH HEIGHT         the board's tiles in the view's pixels
//   left-column-end X              the first pixel right of the left column
//   right-column-start X           the right column's first pixel
//   texts-fit 1                    (0 when a text of the form is cut)
// Without QT_QPA_PLATFORM it runs on the offscreen platform, with a screen
// large enough for every zoom.
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTreeWidget>

#include <cstdio>
#include <cstring>
#include <memory>

#include "engine/turn_report.h"
#include "opponent/strategy.h"
#include "ui/about_dialog.h"
#include "ui/board_reading.h"
#include "ui/language.h"
#include "ui/main_frame.h"
#include "ui/message_dialogs.h"
#include "ui/new_user_dialog.h"
#include "ui/options_dialog.h"
#include "ui/resources/images.h"
#include "ui/tarvell_app.h"
#include "ui/tarvell_doc.h"
#include "ui/tarvell_view.h"
#include "ui/turn_report_dock.h"
#include "ui/unit_texts.h"
#include "units/unit.h"

namespace {

void DrawImageSheet(const QDir& folder) {
  constexpr int kZoom = 4;
  constexpr int kCell = 34 * kZoom + 60;
  constexpr int kColumns = 6;
  const QStringList names = ImageNames();
  const int rows = (static_cast<int>(names.size()) + kColumns - 1) / kColumns;
  QImage sheet(kColumns * kCell, rows * kCell, QImage::Format_RGB32);
  sheet.fill(QColor(212, 208, 200));
  QPainter painter(&sheet);
  for (int i = 0; i < names.size(); ++i) {
    const QImage image = LoadImageResource(names[i]);
    const QPoint cell((i % kColumns) * kCell + 8, (i / kColumns) * kCell + 8);
    painter.drawText(cell + QPoint(0, 12), QString("%1  %2x%3").arg(names[i]).arg(image.width()).arg(image.height()));
    painter.drawImage(cell + QPoint(0, 20), image);
    painter.drawImage(QRect(cell + QPoint(40, 20), image.size() * kZoom), image);
  }
  painter.end();
  sheet.save(folder.filePath("images.png"));
}

void DrawDialog(const QDir& folder, QDialog* dialog) {
  dialog->show();
  QApplication::processEvents();
  dialog->grab().save(folder.filePath(dialog->objectName() + ".png"));
  dialog->close();
}

// The main window as the game shows it at the zoom: frame, menu, status bar
// and the board form, with every terrain tile and icon drawn on the board at
// the game's pixel positions; then the dialogs at the same zoom. The game
// runs in a folder and with settings of its own, which vanish afterwards.
void DrawMainWindow(const QDir& folder, int zoom) {
  QTemporaryDir work;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, work.path());
  const QString previous = QDir::currentPath();
  QDir::setCurrent(work.path());
  {
    CTarvellApp game;
    if (!game.Start({"tarvell"})) return;
    game.OnZoom(zoom);
    CMainFrame* frame = game.MainFrame();
    QApplication::processEvents();
    CTarvellView* view = game.View();
    const int terrain[8] = {0, 1, 2, 3, 4, 5, 8, 9};
    // The game's terrain too, which the terrain overlay writes on the tiles.
    CWorld& world = game.Document()->world;
    for (int x = 0; x < 24; ++x) {
      for (int y = 0; y < 24; ++y) {
        world.terrain[x][y] = static_cast<std::int8_t>(terrain[(x / 3 + y / 3) % 8]);
        view->DrawTerrainAt(x, y, terrain[(x / 3 + y / 3) % 8]);
      }
    }
    for (int i = 0; i < 8; ++i) view->DrawUnitAt(i, 2, i + 1);
    for (int i = 0; i < 8; ++i) view->DrawBarbarianAt(8 + i, 2, 9 + i);
    view->DrawMarkerAt(3, 5);
    view->DrawCounters(2000, 0);
    view->DrawRecordOf(2, 1);
    view->OnUnitButton(IDC_DRONE);
    // The status bar at its fullest: a long report beside the longest square
    // (an Artillery on a site on grassland), in the language drawn.
    world.At(23, 23).unitType = Artillery;
    frame->SetMessageText(DestructionText(13, 17, KindCode(KindKamikazee), 23, 23));
    frame->SetSquareText(SquareDescription(world, 23, 23));
    frame->terrainOverlayAction->setChecked(true);
    frame->ShowLockState(false, true, false);
    QApplication::processEvents();
    frame->grab().save(folder.filePath("main_window.png"));
    std::printf("zoom %d\nmain-window %d %d\n", view->Zoom(), frame->width(), frame->height());
    const double scale = view->Zoom() / 100.0;
    const QRect board = QRectF(190 * scale, 15 * scale, 504 * scale, 504 * scale).toAlignedRect();
    std::printf("board %d %d %d %d\n", board.x(), board.y(), board.width(), board.height());
    const QWidget* left = view->findChild<QWidget*>("leftColumn");
    const QWidget* right = view->findChild<QWidget*>("rightColumn");
    std::printf("left-column-end %d\nright-column-start %d\n", left->geometry().right() + 1, right->x());
    std::printf("texts-fit %d\n", view->TextsFit() ? 1 : 0);

    // The turn report beside the board, as a turn with losses leaves it.
    if (auto* report = frame->findChild<CTurnReportDock*>()) {
      TurnReport turn;
      turn.turn = 12;
      turn.income = 1150;
      turn.losses = {{17, Farmer, 4, 6}, {31, Infantry, 5, 6}};
      turn.bought = {4, 2, 9, 3, 2, 2, 1, 1};
      turn.destroyed = {1, 0, 6, 2, 1, 2, 1, 0};
      turn.home = {3, 2, 3, 1, 1, 0, 0, 1};
      turn.spent = 1390;
      turn.homeLoot = 250;
      turn.homePrices = 790;
      turn.chaosGain = turn.homeLoot + turn.homePrices - turn.spent;
      turn.destructions = {{17, Farmer, 4, 6}, {20, KindCode(KindCommon), 5, 7}, {31, Infantry, 5, 6}};
      report->ShowReport(turn);
      report->Tree()->expandAll();
      QApplication::processEvents();
      report->grab().save(folder.filePath("turn_report.png"));
    }
    DrawDialog(folder, new CAboutDialog(frame));
    DrawDialog(folder, new CNewUserDialog(frame));
    DrawDialog(folder, new COptionsDialog(1, ChaosMode::Classic, frame));  // the speed at start-up
    DrawDialog(folder, CreateVictoryMessage(frame));
    DrawDialog(folder, CreateDefeatMessage(frame));
  }
  QDir::setCurrent(previous);
}

}  // namespace

int main(int argc, char** argv) {
  QTemporaryFile screens;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && screens.open()) {
    screens.write(R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": 1920, "height": 1200}]})");
    screens.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
  }
  QApplication application(argc, argv);
  int zoom = 100;
  int next = 1;
  QString language;
  for (; next + 2 < argc; next += 2) {
    if (std::strcmp(argv[next], "--zoom") == 0) {
      zoom = std::atoi(argv[next + 1]);
    } else if (std::strcmp(argv[next], "--language") == 0) {
      language = QString::fromLocal8Bit(argv[next + 1]);
    } else {
      break;
    }
  }
  if (argc != next + 1 || (zoom != 100 && zoom != 150 && zoom != 200) ||
      (!language.isEmpty() && InstallLanguage(QLocale(language)) != language)) {
    std::fprintf(stderr, "usage: %s [--zoom 100|150|200] [--language de|es|fr|pt_BR|ru] OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  QDir folder(QString::fromLocal8Bit(argv[next]));
  folder.mkpath(".");
  DrawImageSheet(folder);
  DrawMainWindow(folder, zoom);
  return 0;
}
