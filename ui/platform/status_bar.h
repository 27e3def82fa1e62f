#pragma once
// CStatusBar: the status line at the bottom of the main window.
//
// Its panes come from a list of identifiers: ID_SEPARATOR is the stretching
// message pane, any other identifier an indicator whose text is the string
// of that number ("CAP", "NUM", "SCRL"). The lock indicators show their text
// while the lock is on, where the display can tell, and stay blank otherwise.

#include <QStatusBar>
#include <QTimer>

#include <vector>

class QLabel;

class CStatusBar : public QStatusBar {
 public:
  explicit CStatusBar(QWidget* parent);

  // Replaces the panes by one per identifier. False when the list is empty.
  bool SetIndicators(const int* ids, int count);
  int PaneCount() const { return static_cast<int>(panes_.size()); }

  // Sets the text of pane index; with update, the pane is repainted at once
  // rather than at the next repaint.
  void SetPaneText(int index, const QString& text, bool update = true);
  QString GetPaneText(int index) const;
  // The identifier of pane index.
  int PaneId(int index) const;

  // Shows or clears the lock indicators for the given state.
  void ShowLockState(bool caps, bool num, bool scroll);

 private:
  void PollLocks();

  std::vector<QLabel*> panes_;
  std::vector<int> ids_;
  QTimer lockTimer_;
};
