#include "ui/platform/document.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "opponent/files.h"
#include "ui/platform/frame_window.h"
#include "ui/platform/view.h"
#include "ui/platform/window_app.h"

bool CDocument::OnNewDocument() {
  path_.clear();
  return true;
}

bool CDocument::OnOpenDocument(const std::string& path) {
  // Only a readable regular file: opening a FIFO to read would wait for a
  // writer for ever.
  std::FILE* file = OpenRegularFile(path);
  if (file != nullptr) std::fclose(file);
  return file != nullptr;
}

void CDocument::SetTitle(const std::string& title) {
  title_ = title;
  if (CWinApp* app = AfxGetApp()) {
    if (CFrameWnd* frame = app->MainFrame()) frame->OnUpdateFrameTitle();
  }
}

void CDocument::SetPathName(const std::string& path, bool addToRecent) {
  path_ = path;
  SetTitle(std::filesystem::path(path).filename().string());
  if (addToRecent) {
    if (CWinApp* app = AfxGetApp()) app->AddToRecentFileList(path);
  }
}

void CDocument::AddView(CView* view) {
  if (std::find(views_.begin(), views_.end(), view) == views_.end()) views_.push_back(view);
}

void CDocument::RemoveView(CView* view) { views_.erase(std::remove(views_.begin(), views_.end(), view), views_.end()); }

void CDocument::UpdateAllViewsInitially() {
  for (CView* view : views_) view->OnInitialUpdate();
}
