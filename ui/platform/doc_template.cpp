#include "ui/platform/doc_template.h"

#include "ui/platform/document.h"
#include "ui/platform/frame_window.h"
#include "ui/platform/message_box.h"
#include "ui/platform/view.h"

CSingleDocTemplate::CSingleDocTemplate(int resourceId, DocumentFactory makeDocument, FrameFactory makeFrame,
                                       ViewFactory makeView)
    : resourceId_(resourceId),
      makeDocument_(std::move(makeDocument)),
      makeFrame_(std::move(makeFrame)),
      makeView_(std::move(makeView)) {}

CSingleDocTemplate::~CSingleDocTemplate() { DestroyDocumentFrameAndView(); }

bool CSingleDocTemplate::CreateDocumentFrameAndView() {
  document_ = makeDocument_();
  frame_ = makeFrame_();
  std::unique_ptr<CView> view = makeView_();
  if (!document_ || !frame_ || !view) return false;
  view->AttachDocument(document_.get());
  frame_->SetActiveView(view.release());  // now a child of the frame
  return frame_->LoadFrame(resourceId_);
}

void CSingleDocTemplate::DestroyDocumentFrameAndView() {
  if (frame_ && frame_->GetActiveView() != nullptr) frame_->GetActiveView()->AttachDocument(nullptr);
  frame_.reset();
  document_.reset();
}

CDocument* CSingleDocTemplate::OpenDocumentFile(const char* path, bool addToRecent) {
  const bool created = !document_;
  if (created && !CreateDocumentFrameAndView()) {
    DestroyDocumentFrameAndView();
    return nullptr;
  }
  bool accepted;
  if (path == nullptr) {
    accepted = document_->OnNewDocument();
  } else {
    accepted = document_->OnOpenDocument(path);
    if (accepted) {
      document_->SetPathName(path, addToRecent);
    } else {
      AfxMessageBox(QString("Cannot open %1.").arg(QString::fromLocal8Bit(path)));
    }
  }
  if (!accepted) {
    if (created) DestroyDocumentFrameAndView();
    return nullptr;
  }
  document_->UpdateAllViewsInitially();
  return document_.get();
}
