#pragma once
// The state of the Caps Lock, Num Lock and Scroll Lock keys, where the
// display can tell. On X11 it is read from the keyboard's indicator lights
// through libX11; on other displays (Wayland, the offscreen platform) it is
// unknown.

#include <optional>

struct KeyboardLocks {
  bool caps;
  bool num;
  bool scroll;
};

// The current lock state, or nothing when the display cannot tell.
std::optional<KeyboardLocks> ReadKeyboardLocks();
