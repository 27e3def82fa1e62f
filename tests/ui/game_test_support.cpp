#include "tests/ui/game_test_support.h"

#include <QTest>

void GameTest::Click(Qt::MouseButton button, QPoint press, QPoint release) {
  QTest::mousePress(&View(), button, Qt::NoModifier, press);
  QTest::mouseRelease(&View(), button, Qt::NoModifier, release);
  WaitForBoard();
}
