// Takes the screenshot of a game in play for the AppStream metadata: a new
// game on a real map, a fort of Farmers ringed by Infantry, Artillery and
// Armor bought as a player buys them, and the window caught in the middle of
// Chaos's first turn, barbarians on the board.
//   QT_QPA_PLATFORM=offscreen ui_screenshots OUTPUT_FOLDER
// writes board.png into OUTPUT_FOLDER. The game runs in a folder and with
// settings of its own, which vanish afterwards.
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

#include "model/world.h"
#include "tests/ui/modal_answers.h"
#include "ui/main_frame.h"
#include "ui/message_dialogs.h"
#include "ui/tarvell_app.h"
#include "ui/tarvell_doc.h"
#include "ui/tarvell_view.h"
#include "ui/turn_playback.h"

namespace {

// The phase of Chaos's turn at which the picture is taken.
constexpr int kPhase = 12;

// Buys the fort around the board's centre: Farmers on the 3 x 3 middle,
// the ring around them Infantry with Artillery at its corners, and Armor
// at the middle of its sides one square further out. A square of water is
// left out, as the game refuses it.
void BuyFort(CTarvellView& view) {
  const int centre = 12;
  auto buy = [&view](const char* button, int x, int y) {
    view.OnUnitButton(button);
    view.BuyAt(x, y);
  };
  for (int dx = -1; dx <= 1; ++dx) {
    for (int dy = -1; dy <= 1; ++dy) buy(IDC_FARMER, centre + dx, centre + dy);
  }
  for (int d = -2; d <= 2; ++d) {
    const bool corner = d == -2 || d == 2;
    const char* button = corner ? IDC_ARTILLERY : IDC_INFANTRY;
    buy(button, centre + d, centre - 2);
    buy(button, centre + d, centre + 2);
    if (!corner) {
      buy(IDC_INFANTRY, centre - 2, centre + d);
      buy(IDC_INFANTRY, centre + 2, centre + d);
    }
  }
  for (const auto& [x, y] :
       {std::pair{centre, centre - 3}, {centre, centre + 3}, {centre - 3, centre}, {centre + 3, centre}}) {
    buy(IDC_ARMOR, x, y);
  }
  view.OnUnitButton(IDC_FARMER);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  QDir folder(QString::fromLocal8Bit(argv[1]));
  folder.mkpath(QStringLiteral("."));
  const QString target = folder.absoluteFilePath(QStringLiteral("board.png"));

  QTemporaryDir work;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, work.path());
  QDir::setCurrent(work.path());
  // "Are you sure?" with money left is answered Yes.
  ModalAnswers dialogs;
  bool taken = false;
  {
    CTarvellApp game;
    if (!game.Start({QStringLiteral("tarvell")})) return 1;
    QApplication::processEvents();
    CTarvellView& view = *game.View();
    BuyFort(view);
    const CWorld& world = game.Document()->world;
    std::printf("bought the fort; $%d left\n", static_cast<int>(world.treasury));
    if (world.treasury > 1000) dialogs.Press(IDD_CONFIRM, kAccept);

    // The turn is played back by the window's timer; at the chosen phase
    // the window is taken as the player sees it, and the rest is hurried.
    const QString phase = QStringLiteral("(%1)").arg(kPhase);
    QTimer watch;
    QEventLoop turn;
    QObject::connect(&watch, &QTimer::timeout, [&] {
      if (!view.Playback().ShowingTurn()) {
        turn.quit();
        return;
      }
      if (taken || !view.Control<QLabel>(IDC_TURN)->text().endsWith(phase)) return;
      view.ShowDrawing();
      taken = game.MainFrame()->grab().save(target);
      view.Playback().Hurry();
    });
    view.OnEndSetup();
    watch.start(1);
    turn.exec();
    watch.stop();
  }
  if (!taken) {
    std::fprintf(stderr, "the turn ended before phase %d\n", kPhase);
    return 1;
  }
  std::printf("%s\n", qPrintable(target));
  return 0;
}
