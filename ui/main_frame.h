#pragma once
// CMainFrame: the game's main window, of fixed size, titled "Tarvell - " and
// the profile's name, with the menu, the accelerators and a status bar of
// four panes (the message pane, then Caps Lock, Num Lock and Scroll Lock).

#include "ui/platform/frame_window.h"

class CMainFrame : public CFrameWnd {
 public:
  ~CMainFrame() override;

 protected:
  bool PreCreateWindow(CREATESTRUCT& cs) override;
  int OnCreate() override;
  // Exit, the close box and the system menu: asks before abandoning a game
  // in progress, waits for the background simulation, saves the profile and
  // closes, which ends the program. While a turn plays, the request waits
  // for the turn's end.
  void OnClose() override;
};

// The main frame, once its creation has finished; null before. The status
// line and the end-of-game messages use it.
extern CMainFrame* mainFrame;
