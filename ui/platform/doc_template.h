#pragma once
// CSingleDocTemplate: one document, one frame, one view.
//
// The first New or Open creates all three; every later New or Open reuses
// them. New runs the document's OnNewDocument; Open checks that the file can
// be read (a message box reports it when it cannot), then sets the
// document's path and title and puts the file on the recent-file list.
// Either way the view's initial update follows.

#include <functional>
#include <memory>
#include <string>

#include "ui/resources/strings.h"

class CDocument;
class CFrameWnd;
class CView;

class CSingleDocTemplate {
 public:
  using DocumentFactory = std::function<std::unique_ptr<CDocument>()>;
  using FrameFactory = std::function<std::unique_ptr<CFrameWnd>()>;
  using ViewFactory = std::function<std::unique_ptr<CView>()>;

  CSingleDocTemplate(int resourceId, DocumentFactory makeDocument, FrameFactory makeFrame, ViewFactory makeView);
  ~CSingleDocTemplate();

  // A new document for null path, otherwise the file path. The document, or
  // null when it was refused (the existing document stays as it was).
  CDocument* OpenDocumentFile(const char* path, bool addToRecent = true);

  CDocument* GetDocument() const { return document_.get(); }
  CFrameWnd* GetFrame() const { return frame_.get(); }
  int ResourceId() const { return resourceId_; }
  std::string GetDocString(DocStringField field) const { return DocumentTemplateField(resourceId_, field); }

 private:
  bool CreateDocumentFrameAndView();
  void DestroyDocumentFrameAndView();

  int resourceId_;
  DocumentFactory makeDocument_;
  FrameFactory makeFrame_;
  ViewFactory makeView_;
  // The frame owns the view as its child widget; the document outlives both.
  std::unique_ptr<CDocument> document_;
  std::unique_ptr<CFrameWnd> frame_;
};
