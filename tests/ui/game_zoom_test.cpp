// The zoom: what the screen has room for, and the board's pixels at 150 %
// and under a fractional device pixel ratio. ctest also runs these tests on a
// 1280 x 1024 screen and on a screen scaled by 1.5 (tests/ui/CMakeLists.txt).

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <set>

#include "tests/ui/game_test_support.h"
#include "ui/resources/images.h"
#include "units/unit.h"

namespace {

class ZoomTest : public GameTest {
 protected:
  static QSize Available() { return QGuiApplication::primaryScreen()->availableGeometry().size(); }
};

}  // namespace

// At 200 % the window needs about 1560 x 1140 pixels: on a smaller screen the
// zoom is greyed out, and a 200 % remembered from a larger one gives the
// largest zoom that fits.
TEST_F(ZoomTest, AZoomThatDoesNotFitIsGreyedAndARememberedOneFallsBack) {
  if (Available().height() >= 1140) GTEST_SKIP() << "the screen has room for every zoom";
  QSettings("Tarvell", "Tarvell").setValue("Settings/Zoom", 200);
  ASSERT_TRUE(Start());
  EXPECT_EQ(View().Zoom(), 150);
  EXPECT_FALSE(Action("zoom200Action")->isEnabled());
  EXPECT_TRUE(Action("zoom150Action")->isEnabled());
  EXPECT_TRUE(Action("zoom150Action")->isChecked());
  Game().OnZoom(200);
  EXPECT_EQ(View().Zoom(), 150);
  EXPECT_LE(Frame()->frameGeometry().width(), Available().width());
  EXPECT_LE(Frame()->frameGeometry().height(), Available().height());
}

// Every screen pixel of the board takes the colour of one picture pixel (or
// of the gaps between the tiles): no blend of neighbours, at 150 % and at
// whatever device pixel ratio the screen has. And a click at a square's
// centre buys on that square.
TEST_F(ZoomTest, AtOneAndAHalfTheBoardIsSharpAndClicksHitTheirSquare) {
  ASSERT_TRUE(Start());
  Command("zoom150Action");
  ASSERT_EQ(View().Zoom(), 150);
  FlatLand();
  for (int i = 0; i < 8; ++i) View().DrawUnitAt(i, 3, i + 1);
  for (int i = 0; i < 8; ++i) View().DrawBarbarianAt(8 + i, 3, 9 + i);
  View().DrawMarkerAt(5, 5);
  View().DrawTerrainAt(6, 6, 0);
  View().DrawTerrainAt(7, 6, 9);
  std::set<QRgb> colours = {View().palette().color(QPalette::Window).rgb()};
  for (const QString& name : ImageNames()) {
    const QImage picture = LoadImageResource(name);
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) colours.insert(picture.pixel(x, y) | 0xFF000000u);
  }
  const QImage shown = View().grab(QRect(285, 22, 756, 757)).toImage().convertToFormat(QImage::Format_RGB32);
  int blended = 0;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x) blended += colours.count(shown.pixel(x, y) | 0xFF000000u) == 0;
  EXPECT_EQ(blended, 0) << "of " << shown.width() << " x " << shown.height() << " pixels at a device pixel ratio of "
                        << View().devicePixelRatioF();

  for (const QPoint square : {QPoint(0, 0), QPoint(9, 10), QPoint(23, 23)}) {
    Click(Qt::LeftButton, Square(square.x(), square.y()) * 3 / 2);
    EXPECT_EQ(World().At(square.x(), square.y()).unitType, Drone) << square.x() << "," << square.y();
  }
}
