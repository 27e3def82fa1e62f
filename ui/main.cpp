// Tarvell: the game window.

#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "ui/tarvell_app.h"

namespace {

// Whether the toolkit has a display to show the window on.
bool HasDisplay() {
  auto set = [](const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
  };
  return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char** argv) {
  if (!HasDisplay()) {
    std::fputs("tarvell: no display to show the game on (DISPLAY is not set); start it from a desktop session.\n",
               stderr);
    return 1;
  }
  QApplication application(argc, argv);
  CTarvellApp game;
  return game.Run();
}
