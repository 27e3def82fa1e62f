// When the board's drawing reaches the screen: at every pause and at every
// phase of a shown turn the window shows exactly what was drawn; and drawing
// a tile takes no memory from the heap.

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <cstdlib>

#include "tests/ui/game_test_support.h"
#include "units/barbarian.h"

namespace {

// Heap allocations of this thread while counting is on: malloc, calloc and
// realloc, and so operator new, are counted here for the whole program.
// Under AddressSanitizer and ThreadSanitizer the sanitizer owns malloc, and
// nothing is counted.
thread_local bool countingAllocations = false;
long allocations = 0;

}  // namespace

#if !defined(__SANITIZE_THREAD__) && !defined(__SANITIZE_ADDRESS__)
#define TARVELL_COUNTS_ALLOCATIONS 1
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* memory, std::size_t size);

void* malloc(std::size_t size) {
  if (countingAllocations) ++allocations;
  return __libc_malloc(size);
}
void* calloc(std::size_t count, std::size_t size) {
  if (countingAllocations) ++allocations;
  return __libc_calloc(count, size);
}
void* realloc(void* memory, std::size_t size) {
  if (countingAllocations) ++allocations;
  return __libc_realloc(memory, size);
}
}
#endif

namespace {

// Compares the screen with the window rendered afresh, which is what drawing
// straight to the screen would show, at every pass of the event loop while a
// turn shows: the playback hands back to the loop only at its pauses, the
// phases and the end.
class ScreenCheck : public QObject {
 public:
  ScreenCheck(CTarvellView& view, QWidget* window) : view_(view), window_(window) {
    connect(&timer_, &QTimer::timeout, this, [this] {
      if (!view_.ShowingTurn()) return;
      ++checks;
      const QImage screen = QGuiApplication::primaryScreen()
                                ->grabWindow(window_->winId())
                                .toImage()
                                .convertToFormat(QImage::Format_RGB32);
      const QImage rendered = window_->grab().toImage().convertToFormat(QImage::Format_RGB32);
      EXPECT_TRUE(screen == rendered) << "the screen lags behind the drawing at check " << checks;
    });
    timer_.start(0);
  }

  int checks = 0;

 private:
  CTarvellView& view_;
  QWidget* window_;
  QTimer timer_;
};

class GameDrawingTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    ASSERT_TRUE(Start());
    Frame()->show();
    FlatLand();
    // A few of the player's units for a small band of barbarians to fight.
    for (int i = 0; i < 6; ++i) World().BuyUnit(i % 2 == 0 ? Infantry : Farmer, 4 + 3 * i, 6 + 2 * i);
    World().treasury = 1000;
    World().chaosMoney = 400;
    QCoreApplication::processEvents();
  }
};

TEST_F(GameDrawingTest, TheScreenShowsAllThatWasDrawnAtEveryPauseAndPhase) {
  ScreenCheck check(View(), Frame());
  World().gameSpeed = 1;  // a pause after every move and at every destruction
  Command(IDC_END_SETUP);
  const int checksAtSpeedOne = check.checks;
  World().gameSpeed = 0;  // no pauses: the screen catches up at each phase
  World().treasury = 1000;
  World().chaosMoney = 400;
  Command(IDC_END_SETUP);
  EXPECT_EQ(World().turn, 2);
  EXPECT_GT(checksAtSpeedOne, 50);  // the phases, and pauses besides
  EXPECT_GE(check.checks - checksAtSpeedOne, 49);
}

TEST_F(GameDrawingTest, DrawingATileTakesNothingFromTheHeap) {
#ifndef TARVELL_COUNTS_ALLOCATIONS
  GTEST_SKIP() << "the sanitizer owns malloc: the allocations are counted in the other builds";
#endif
  View().DrawTerrainAt(0, 0, 2);  // the painter and the window's update are set up once
  CUnitListHead head;
  CCommonBarbarian common(&World(), &head, 0, 9, 10, 0);
  countingAllocations = true;
  allocations = 0;
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      View().DrawTerrainAt(x, y, (x + y) % 4);
      View().DrawUnitAt(x, y, 1 + (x + y) % 8);
    }
  View().DrawBarbarian(&common);
  View().DrawMarkerAt(3, 3);
  countingAllocations = false;
  EXPECT_EQ(allocations, 0) << "for " << 2 * kBoardSquares + 2 << " images drawn";
  View().ShowDrawing();
}

// The turn counter is repainted at every phase without its group box, and
// still shows the pixels of a label drawn over it.
TEST_F(GameDrawingTest, TheTurnCounterLooksAsDrawnOverItsGroupBox) {
  View().DrawTurnPhase(12, 34);
  const QImage alone = View().grab().toImage();
  QLabel* label = View().Control<QLabel>(IDC_TURN);
  label->setAttribute(Qt::WA_OpaquePaintEvent, false);
  for (QObject* child : label->children()) label->removeEventFilter(child);
  EXPECT_TRUE(View().grab().toImage() == alone);
}

}  // namespace
