// Tarvell: the game window.

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "ui/language.h"
#include "ui/settings.h"
#include "ui/single_instance.h"
#include "ui/start_options.h"
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

int Run(int argc, char** argv) {
  StartOptions options = ReadStartOptions({argv, argv + argc});
  if (options.end) return options.status;
  if (!HasDisplay()) {
    std::fputs("tarvell: no display to show the game on (DISPLAY is not set); start it from a desktop session.\n",
               stderr);
    return 1;
  }
  std::vector<char*> arguments;
  for (std::string& argument : options.arguments) arguments.push_back(argument.data());
  int count = static_cast<int>(arguments.size());
  arguments.push_back(nullptr);
  QApplication application(count, arguments.data());
  // Qt has taken its own options (-platform, -style, ...) out of the list;
  // anything else that looks like an option is a mistake, not a profile.
  for (int i = 1; i < count; ++i) {
    if (arguments[i][0] == '-') {
      std::fprintf(stderr, "tarvell: unknown option %s (see tarvell --help)\n", arguments[i]);
      return 2;
    }
  }
  InstallLanguage(QLocale());
  // One game per user: a game already running for these settings takes the
  // profile (the first argument that is no option) and this start ends.
  QString profile;
  for (int i = 1; i < count && profile.isEmpty(); ++i) profile = QString::fromLocal8Bit(arguments[i]);
  CSingleInstance instance(SettingsFolder());
  switch (instance.Claim(profile)) {
    case CSingleInstance::Start::HandedOff: return 0;
    case CSingleInstance::Start::NoAnswer:
      std::fputs("tarvell: the game already running for this user does not answer\n", stderr);
      return 1;
    case CSingleInstance::Start::First: break;
  }
  CTarvellApp game;
  QObject::connect(&instance, &CSingleInstance::anotherStart, &game, &CTarvellApp::OnAnotherStart);
  return game.Run();
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const std::bad_alloc&) {
    std::fputs("tarvell: out of memory\n", stderr);
    return 1;
  }
}
