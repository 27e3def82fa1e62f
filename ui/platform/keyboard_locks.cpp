#include "ui/platform/keyboard_locks.h"

#include <QGuiApplication>

#include <dlfcn.h>

namespace {

// The X11 call that reads the indicator lights, looked up at run time so
// that the game neither needs the X11 headers to build nor X11 to run.
using XkbGetIndicatorStateCall = int (*)(void* display, unsigned device, unsigned* state);
constexpr unsigned kXkbUseCoreKeyboard = 0x0100;
constexpr int kSuccess = 0;

XkbGetIndicatorStateCall IndicatorStateCall() {
  static const XkbGetIndicatorStateCall call = [] {
    void* library = dlopen("libX11.so.6", RTLD_LAZY | RTLD_LOCAL);
    return library ? reinterpret_cast<XkbGetIndicatorStateCall>(dlsym(library, "XkbGetIndicatorState")) : nullptr;
  }();
  return call;
}

}  // namespace

std::optional<KeyboardLocks> ReadKeyboardLocks() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (x11 == nullptr || x11->display() == nullptr) return std::nullopt;
  const XkbGetIndicatorStateCall call = IndicatorStateCall();
  unsigned state = 0;
  if (call == nullptr || call(x11->display(), kXkbUseCoreKeyboard, &state) != kSuccess) return std::nullopt;
  // The core keyboard's first three indicators are Caps, Num and Scroll Lock.
  return KeyboardLocks{(state & 1u) != 0, (state & 2u) != 0, (state & 4u) != 0};
}
