#pragma once
// Waiting on the window thread without freezing the window.
//
// While a turn plays or the program waits for the background simulation,
// the window thread does not handle the player's input: the game is busy,
// and mouse, key and menu input given meanwhile is dropped, not queued. It
// still serves the window (repaints, the status line), so the board goes on
// showing what is drawn. A request to close the window that arrives while
// the game is busy is kept and acted on once it is idle again. The one key
// a busy game takes is Escape, which asks to hurry (see SetHurryHandler).

#include <functional>

// Sleeps for the given milliseconds, busy, while serving every window event
// but the player's input (mouse, keys), which is dropped. Nothing for 0 or
// less.
void SleepServingWindow(int milliseconds);

// Marks the game busy for its lifetime; scopes nest.
class CBusyScope {
 public:
  CBusyScope();
  ~CBusyScope();
  CBusyScope(const CBusyScope&) = delete;
  CBusyScope& operator=(const CBusyScope&) = delete;
};

bool IsBusy();

// While the game is busy, Escape (not kept for later either) calls handler
// instead of reaching any window, and ends the pause in progress; an empty
// handler drops Escape like every other key. A dialog the busy work shows
// still gets its own Escape.
void SetHurryHandler(std::function<void()> handler);

// Runs action now when the game is idle, otherwise as soon as the outermost
// busy scope ends (once, however often it was deferred meanwhile).
void WhenIdle(std::function<void()> action);
