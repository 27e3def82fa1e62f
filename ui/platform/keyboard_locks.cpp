#include "ui/platform/keyboard_locks.h"

#include <QGuiApplication>

// After Qt's headers: X11's own define names (None, Bool, KeyPress) that
// Qt's would otherwise meet.
#include <X11/XKBlib.h>

std::optional<KeyboardLocks> ReadKeyboardLocks() {
  auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (x11 == nullptr || x11->display() == nullptr) return std::nullopt;
  unsigned state = 0;
  if (XkbGetIndicatorState(x11->display(), XkbUseCoreKbd, &state) != Success) return std::nullopt;
  // The core keyboard's first three indicators are Caps, Num and Scroll Lock.
  return KeyboardLocks{(state & 1u) != 0, (state & 2u) != 0, (state & 4u) != 0};
}
