// The runner of the window tests: one application object for all of them, on
// Qt's offscreen platform unless the caller chose another, with a screen of
// 1920 x 1200 (large enough for every zoom), and the one watch over the
// dialogs the tests open (modal_answers.h).
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryFile>

#include "tests/ui/modal_answers.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QTemporaryFile screens;
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (platform.isEmpty() || platform == "offscreen") {
    if (!screens.open()) return 1;
    screens.write(R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": 1920, "height": 1200}]})");
    screens.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
  }
  QApplication application(argc, argv);
  ModalAnswers answers;
  return RUN_ALL_TESTS();
}
