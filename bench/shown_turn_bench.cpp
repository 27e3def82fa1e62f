// Drawing of a shown turn: the $1,000, $5,000 and $50,000 bench boards played
// as the player sees them, at the fastest game speed, in the real main frame,
// document and board view on Qt's offscreen platform. What is timed is the
// turn with its drawing, status messages and screen updates. The adaptive
// opponent is not installed, so the turn's learning step (the game log, the
// profile save and the simulation start) is left out.

#include <benchmark/benchmark.h>

#include <QApplication>

#include <string>

#include "bench/bench_boards.h"
#include "model/random.h"
#include "model/world.h"
#include "opponent/simulation.h"
#include "ui/main_frame.h"
#include "ui/tarvell_doc.h"
#include "ui/tarvell_view.h"

namespace {

// The board set up as a replay would see it, then shown and played: the
// player's units on their squares, Chaos holding what they are worth.
void SetUpShownTurn(CTarvellDoc& document, const BenchBoard& board) {
  RecordBenchBoard(board);
  CWorld& world = document.world;
  SetUpReplay(world);
  world.mode = ModePlaying;
  world.treasury = 1000;  // no question before the turn, no defeat after it
  world.gameSpeed = 0;
  randomSeed = 12345;
  world.RefreshDisplay();
  QCoreApplication::processEvents();
}

void BM_ShownTurn(benchmark::State& state) {
  CTarvellDoc document;
  CMainFrame frame;
  auto* view = new CTarvellView(&document);
  document.view = view;
  frame.SetDocument(&document);
  frame.Create(view);
  document.mainFrame = &frame;
  frame.show();
  QCoreApplication::processEvents();

  const BenchBoard& board = BenchBoards()[state.range(0)];
  for (auto _ : state) {
    state.PauseTiming();
    SetUpShownTurn(document, board);
    state.ResumeTiming();
    view->OnEndSetup();  // as the player's click plays it, until the screen is up to date
    while (view->ShowingTurn()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  state.SetLabel("$" + std::to_string(board.value));

  document.mainFrame = nullptr;
}
BENCHMARK(BM_ShownTurn)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
