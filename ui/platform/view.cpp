#include "ui/platform/view.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/platform/bitmap.h"
#include "ui/platform/dialog_units.h"
#include "ui/platform/document.h"
#include "ui/platform/window_app.h"
#include "ui/resources/dialog_font.h"

CView::CView(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

CView::~CView() {
  if (document_ != nullptr) document_->RemoveView(this);
}

void CView::AttachDocument(CDocument* document) {
  if (document_ != nullptr) document_->RemoveView(this);
  document_ = document;
  if (document_ != nullptr) document_->AddView(this);
}

void CView::OnInitialUpdate() { Invalidate(); }

void CView::Invalidate() {
  fullRedrawPending_ = true;
  update();
}

void CView::CopyBitmapAt(const CBitmap& bitmap, int x, int y) {
  if (!bitmap.IsLoaded() || surface_.isNull()) return;
  {
    QPainter painter(&surface_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(x, y, bitmap.Image());
  }
  // Inside a repaint the whole surface goes to the window at its end.
  if (!painting_) repaint(QRect(x, y, bitmap.GetWidth(), bitmap.GetHeight()));
}

void CView::paintEvent(QPaintEvent* event) {
  if (fullRedrawPending_ && !surface_.isNull()) {
    fullRedrawPending_ = false;
    surface_.fill(palette().color(QPalette::Window));
    painting_ = true;
    OnDraw();
    painting_ = false;
  }
  QPainter painter(this);
  painter.drawImage(event->rect(), surface_, event->rect());
}

void CView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  surface_ = QImage(size(), QImage::Format_RGB32);
  surface_.fill(palette().color(QPalette::Window));
  fullRedrawPending_ = true;
}

void CView::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (event->button() == Qt::LeftButton) OnLButtonDown(at.x(), at.y());
  if (event->button() == Qt::RightButton) OnRButtonDown(at.x(), at.y());
  QWidget::mousePressEvent(event);
}

void CView::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (event->button() == Qt::LeftButton) OnLButtonUp(at.x(), at.y());
  if (event->button() == Qt::RightButton) OnRButtonUp(at.x(), at.y());
  QWidget::mouseReleaseEvent(event);
}

CFormView::CFormView(int templateId, QWidget* parent) : CView(parent), templateId_(templateId) {
  setFont(DialogFont());
  if (const DialogTemplate* form = FindDialogTemplate(templateId)) {
    formSize_ = DialogSizeToPixels(*form);
    // A button on the form sends its identifier as a command, along the
    // same route as the menu's commands.
    controls_.CreateControls(this, *form, DialogFont(), [](int id) {
      if (CWinApp* app = AfxGetApp()) app->RouteCommand(id);
    });
  }
  resize(formSize_);
}
