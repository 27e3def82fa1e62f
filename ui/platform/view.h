#pragma once
// CView: the widget that shows a document; CFormView: a view whose controls
// come from a dialog template, on a surface the view paints on itself.
//
// A view draws at once: CopyBitmapAt puts a picture on the view's surface and
// shows that spot in the window before it returns. The surface keeps what
// was drawn, so the platform can repaint the window from it; only a full
// redraw (Invalidate, the initial update, a resize) asks OnDraw to draw
// everything anew.

#include <QImage>
#include <QWidget>

#include "ui/platform/command_target.h"
#include "ui/platform/control_host.h"

class CBitmap;
class CDocument;

class CView : public QWidget, public CCmdTarget {
 public:
  explicit CView(QWidget* parent = nullptr);
  ~CView() override;

  CDocument* GetDocument() const { return document_; }
  // Attaches the view to document (and the document to the view).
  void AttachDocument(CDocument* document);

  // The size the view would like; the frame shrinks to fit it.
  virtual QSize PreferredSize() const { return size(); }

  // Called after every new or opened document: schedules a full redraw.
  virtual void OnInitialUpdate();
  // Draws the whole view onto its surface (a full redraw).
  virtual void OnDraw() {}

  // Mouse buttons, in client pixels. After these handlers the event takes
  // its default course.
  virtual void OnLButtonDown(int x, int y) { static_cast<void>(x), static_cast<void>(y); }
  virtual void OnLButtonUp(int x, int y) { static_cast<void>(x), static_cast<void>(y); }
  virtual void OnRButtonDown(int x, int y) { static_cast<void>(x), static_cast<void>(y); }
  virtual void OnRButtonUp(int x, int y) { static_cast<void>(x), static_cast<void>(y); }

  // Copies bitmap, opaque and at its own size, to client point (x, y), and
  // shows it at once. Nothing for an empty bitmap.
  void CopyBitmapAt(const CBitmap& bitmap, int x, int y);
  // Asks for a full redraw at the next repaint.
  void Invalidate();
  // What the view shows now (its surface), for tests and pictures.
  const QImage& Surface() const { return surface_; }
  // Whether a full redraw (OnDraw) is under way.
  bool IsRedrawing() const { return painting_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  CDocument* document_ = nullptr;
  QImage surface_;
  bool fullRedrawPending_ = true;
  bool painting_ = false;
};

class CFormView : public CView {
 public:
  explicit CFormView(int templateId, QWidget* parent = nullptr);

  int TemplateId() const { return templateId_; }
  // The form's size in pixels, from its template.
  QSize FormSize() const { return formSize_; }
  QSize PreferredSize() const override { return formSize_; }

  QWidget* GetDlgItem(int id) const { return controls_.GetDlgItem(id); }
  const std::vector<QWidget*>& Controls() const { return controls_.Controls(); }
  void SetDlgItemText(int id, const QString& text) { controls_.SetDlgItemText(id, text); }
  QString GetDlgItemText(int id, int maxCount) const { return controls_.GetDlgItemText(id, maxCount); }
  void CheckRadioButton(int first, int last, int check) { controls_.CheckRadioButton(first, last, check); }
  int GetCheckedRadioButton(int first, int last) const { return controls_.GetCheckedRadioButton(first, last); }
  void SetSliderRange(int id, int minimum, int maximum) { controls_.SetSliderRange(id, minimum, maximum); }
  void SetSliderPos(int id, int position) { controls_.SetSliderPos(id, position); }
  int GetSliderPos(int id) const { return controls_.GetSliderPos(id); }

 private:
  int templateId_;
  QSize formSize_;
  CControlHost controls_;
};
