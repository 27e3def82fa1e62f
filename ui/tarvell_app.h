#pragma once
// CTarvellApp: the program. It seeds the generator, loads the default
// profile, builds the one document, frame and view, connects the menu's
// items and keys to their handlers and handles the commands that change the
// user or the game: New Game, New User, Select User, opening a profile,
// Options and About; and those that only change the window: the Chaos
// window, the zoom and the terrain overlay (both kept in the settings) and
// the How to Play page. Exit closes the frame (CMainFrame::OnClose). The
// game speed and Chaos's mode chosen in Options are kept in the settings too.

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <optional>
#include <string>

#include "session/session.h"
#include "ui/platform/recent_file_list.h"

class CChaosWindow;
class QAction;
class CHowToPlayWindow;
class CMainFrame;
class CTarvellDoc;
class CTarvellView;
class CTurnReportDock;

class CTarvellApp : public QObject {
  Q_OBJECT

 public:
  // Names the program for its settings and the desktop, and seeds the
  // generator from the clock.
  CTarvellApp();
  ~CTarvellApp() override;

  // The one set-up call: loads the default profile and the settings (taken
  // once from where earlier versions kept them), builds the window and
  // starts a new game, or opens the profile the command line names (the
  // first argument after the program that is not an option). False when
  // that failed; no window then stays behind.
  bool Start(const QStringList& arguments);
  // Start, then the event loop; the program's exit status (1 when the
  // initialization failed).
  int Run();

  // Opens path as the user's profile (the session's OpenProfile): asks
  // before abandoning a game in progress, saves the outgoing profile, loads
  // this one and starts a new game; a file that cannot be opened is reported
  // and changes nothing.
  void OpenDocumentFile(const std::string& path);

  // New Game: the document's OnNewDocument.
  void OnFileNew();
  void OnNewUser();
  void OnSelectUser();
  void OnOptions();
  void OnAbout();
  void OnHowToPlay();
  // Opens the Chaos window, or brings it to the front.
  void OnChaos();
  // Lays the window out at percent (100, 150 or 200) and remembers it;
  // nothing when the window would not fit the screen at that size.
  void OnZoom(int percent);
  // The zoom remembered, or at first (or when it no longer fits the screen)
  // the largest whose window fits the screen.
  int InitialZoom() const;
  // Whether the window at percent fits the screen's free area.
  bool ZoomFits(int percent) const;

  // Another start of the game for this user (single_instance.h): the window
  // comes to the front, and profile (absolute; empty for none) opens as one
  // chosen with Select User does, once no turn, dialog or waiting step is in
  // the way.
  void OnAnotherStart(const QString& profile);

  CTarvellDoc* Document() const { return document_.get(); }
  CMainFrame* MainFrame() const { return frame_.get(); }
  CTarvellView* View() const { return view_; }
  CTurnReportDock* TurnReport() const { return turnReport_; }
  const CRecentFileList& RecentFiles() const { return recentFiles_; }

 private:
  // Builds document, frame and view and connects the commands. The default
  // profile becomes the user's; when it cannot, defaultProblem_ says why.
  bool CreateDocumentFrameAndView();
  // The default profile could not be used: the player may make or choose
  // another user, or play on without saving.
  void OfferAnotherUser();
  // Another profile is current: on the recent list, its record shown.
  void OnProfileChanged();
  // The game speed kept in the settings, when there is a valid one.
  void RestoreGameSpeed();
  void OnRecentFile(int index);
  // A turn starts or has ended showing on the board.
  void OnTurnShowing(bool showing);
  bool TurnShowing() const;
  void SaveRecentFiles() const;
  QAction* ZoomAction(int percent) const;
  // Menus, dialogs, status bar and form at percent.
  void ApplyZoom(int percent);
  // Greys out the zooms whose window would not fit the screen.
  void UpdateZoomActions();
  // The terrain overlay as the settings keep it, and kept when it changes.
  void FollowTerrainOverlay();
  void ShowRecentFiles();

  // Opens the profiles that other starts asked for, or waits until nothing
  // is in the way.
  void OpenRequestedProfiles();

  CRecentFileList recentFiles_;
  std::optional<ProfileProblem> defaultProblem_;
  QFont baseFont_;  // the application's font at 100 %
  std::unique_ptr<CTarvellDoc> document_;
  std::unique_ptr<CMainFrame> frame_;
  CTarvellView* view_ = nullptr;          // owned by the frame
  QPointer<CHowToPlayWindow> howToPlay_;  // owned by the frame, once opened
  QPointer<CChaosWindow> chaos_;          // owned by the frame, once opened
  QStringList requestedProfiles_;         // by other starts, oldest first
  QTimer requestTimer_;                   // looks again while something is in the way

  // The last turn's report beside the board, owned by the frame.
  CTurnReportDock* turnReport_ = nullptr;
};
