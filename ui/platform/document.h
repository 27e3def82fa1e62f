#pragma once
// CDocument: the data behind the window. The game has exactly one; its file
// is the user's profile.
//
// The document's title is what the frame shows after the application title;
// its path is the file it was opened from ("" for a new document). A
// document is never "modified": closing never asks to save it.

#include <string>
#include <vector>

#include "ui/platform/command_target.h"

class CView;

class CDocument : public CCmdTarget {
 public:
  ~CDocument() override = default;

  // The new-document step: clears the path. Subclasses that start something
  // new call it first; false refuses the new document.
  virtual bool OnNewDocument();
  // The open step: checks that path can be opened for reading (the game
  // reads nothing from it here). False when it cannot; the caller reports.
  virtual bool OnOpenDocument(const std::string& path);

  void SetTitle(const std::string& title);
  const std::string& GetTitle() const { return title_; }
  // Sets the path and, from its file name, the title; with addToRecent, the
  // path also goes to the top of the recent-file list.
  void SetPathName(const std::string& path, bool addToRecent = true);
  const std::string& GetPathName() const { return path_; }

  // The first view of the document, or null.
  CView* GetFirstView() const { return views_.empty() ? nullptr : views_.front(); }
  void AddView(CView* view);
  void RemoveView(CView* view);
  // Every view's initial update (after a new or opened document).
  void UpdateAllViewsInitially();

 private:
  std::string title_;
  std::string path_;
  std::vector<CView*> views_;
};
