#include "ui/tarvell_view.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "engine/turn.h"
#include "opponent/strategy.h"
#include "ui/main_frame.h"
#include "ui/message_dialogs.h"
#include "ui/platform/busy_wait.h"
#include "ui/platform/dialog_units.h"
#include "ui/resources/dialog_font.h"
#include "ui/resources/images.h"
#include "ui/resources/resource_ids.h"
#include "ui/resources/strings.h"
#include "ui/tarvell_doc.h"
#include "ui/unit_texts.h"
#include "units/unit.h"

namespace {

constexpr int kBoardLeft = 190;
constexpr int kBoardTop = 15;
constexpr int kPitch = 21;

// Tiles for terrain codes 0, 1, 2, 3, 4, 5, 8 and 9.
constexpr int kTerrainImageIds[8] = {IDB_WATER,  IDB_LAND_1,     IDB_LAND_2,      IDB_LAND_3,
                                     IDB_LAND_4, IDB_IMPASSABLE, IDB_SITE_LAND_2, IDB_SITE_LAND_3};
constexpr int kUnitImageIds[8] = {IDB_DRONE,   IDB_MINE,  IDB_FARMER, IDB_INFANTRY,
                                  IDB_SETTLER, IDB_ARMOR, IDB_JAMMER, IDB_ARTILLERY};
constexpr int kBarbarianImageIds[8] = {IDB_SCOUT,  IDB_SCAVENGER, IDB_COMMON,    IDB_AMPHIBIOUS,
                                       IDB_MOBILE, IDB_JUMP,      IDB_KAMIKAZEE, IDB_ARMORED};

// The unit buttons and the type each selects; F6 and F7 follow the buttons'
// order on the form (Jammer above Armor).
struct UnitButton {
  int id;
  int type;
};
constexpr UnitButton kUnitButtons[8] = {{IDC_DRONE, 1},   {IDC_MINE, 2},  {IDC_FARMER, 3}, {IDC_INFANTRY, 4},
                                        {IDC_SETTLER, 5}, {IDC_ARMOR, 6}, {IDC_JAMMER, 7}, {IDC_ARTILLERY, 8}};

// The unit type or barbarian kind a legend picture stands for.
struct LegendPicture {
  int image;
  int unitType;       // 1..8, or 0
  int barbarianKind;  // 0..7, or -1
};
constexpr LegendPicture kLegendPictures[16] = {
    {IDB_LEGEND_DRONE, 1, -1},    {IDB_LEGEND_MINE, 2, -1},      {IDB_LEGEND_FARMER, 3, -1},
    {IDB_LEGEND_INFANTRY, 4, -1}, {IDB_LEGEND_SETTLER, 5, -1},   {IDB_LEGEND_ARMOR, 6, -1},
    {IDB_LEGEND_JAMMER, 7, -1},   {IDB_LEGEND_ARTILLERY, 8, -1}, {IDB_LEGEND_SCOUT, 0, 0},
    {IDB_LEGEND_SCAVENGER, 0, 1}, {IDB_LEGEND_COMMON, 0, 2},     {IDB_LEGEND_AMPHIBIOUS, 0, 3},
    {IDB_LEGEND_MOBILE, 0, 4},    {IDB_LEGEND_JUMP, 0, 5},       {IDB_LEGEND_KAMIKAZEE, 0, 6},
    {IDB_LEGEND_ARMORED, 0, 7}};

QString LegendToolTip(int image) {
  for (const LegendPicture& picture : kLegendPictures)
    if (picture.image == image)
      return picture.unitType != 0 ? UnitToolTip(picture.unitType) : BarbarianToolTip(picture.barbarianKind);
  return {};
}

// Index of a terrain code's tile, or -1 for a code without one.
int TerrainImageIndex(int code) {
  if (code >= 0 && code <= 5) return code;
  if (code == 8) return 6;
  if (code == 9) return 7;
  return -1;
}

// An image resource in the surface's own pixel format, so that copying it
// onto the surface needs no conversion (the images are opaque: the pixels
// stay the same).
QImage SurfaceImage(int id) {
  const QImage image = LoadImageResource(id);
  return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}

// The client rectangle of board squares first..last of one row.
QRect SquaresRect(int first, int last, int row) {
  return QRect(kBoardLeft + kPitch * first, kBoardTop + kPitch * row, kPitch * (last - first) + kPitch - 1, kPitch - 1);
}

// Lets a label whose text changes often be repainted alone: it becomes
// opaque and paints first a picture of what its siblings below show behind
// it (the group box around it, over the form's background), then its text,
// so that its pixels stay those of the label drawn over them.
class OpaqueBackdrop : public QObject {
 public:
  OpaqueBackdrop(QWidget* label, QWidget* form) : QObject(label), label_(label), form_(form) {
    label->setAttribute(Qt::WA_OpaquePaintEvent);
    label->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    switch (event->type()) {
      case QEvent::Paint: PaintBackdrop(); break;
      case QEvent::Move:
      case QEvent::Resize:
      case QEvent::PaletteChange:
      case QEvent::StyleChange:
      case QEvent::FontChange: backdrop_ = QImage(); break;
      default: break;
    }
    return false;
  }

 private:
  void PaintBackdrop() {
    if (backdrop_.isNull()) {
      const qreal ratio = label_->devicePixelRatioF();
      backdrop_ = QImage(label_->size() * ratio, QImage::Format_ARGB32_Premultiplied);
      backdrop_.setDevicePixelRatio(ratio);
      backdrop_.fill(form_->palette().color(QPalette::Window));
      const QRect area = label_->geometry();
      for (QObject* child : form_->children()) {
        if (child == label_) break;  // the siblings created later lie above it
        auto* below = qobject_cast<QWidget*>(child);
        if (below == nullptr || !below->isVisible() || !below->geometry().intersects(area)) continue;
        const QRect part = area.intersected(below->geometry());
        below->render(&backdrop_, part.topLeft() - area.topLeft(), QRegion(part.translated(-below->pos())),
                      QWidget::DrawChildren);
      }
    }
    QPainter painter(label_);
    painter.drawImage(0, 0, backdrop_);
  }

  QWidget* label_;
  QWidget* form_;
  QImage backdrop_;
};

}  // namespace

CTarvellView::CTarvellView(CTarvellDoc* document) : document_(document) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFont(DialogFont());
  const DialogTemplate* form = FindDialogTemplate(IDD_BOARD_FORM);
  formSize_ = DialogSizeToPixels(*form);
  controls_ = CreateDialogControls(this, *form, DialogFont());
  for (const UnitButton& button : kUnitButtons) {
    connect(Control<QAbstractButton>(button.id), &QAbstractButton::clicked, this,
            [this, id = button.id] { OnUnitButton(id); });
    // Raised while not chosen, pressed in while chosen: always a button.
    Control<QPushButton>(button.id)->setFlat(false);
  }
  connect(Control<QAbstractButton>(IDC_END_SETUP), &QAbstractButton::clicked, this, &CTarvellView::OnEndSetup);
  // Tooltips: a legend's labels say what its picture says; the counters'
  // frames what their values say.
  QString legendTip;
  for (std::size_t i = 0; i < form->controls.size(); ++i) {
    const DialogControl& control = form->controls[i];
    QWidget* widget = controls_.all[i];
    baseGeometry_.push_back(widget->geometry());
    basePictures_.push_back(control.kind == ControlKind::Picture ? LoadImageResource(control.image) : QImage());
    widget->installEventFilter(this);
    QString tip;
    if (control.kind == ControlKind::Picture) {
      tip = legendTip = LegendToolTip(control.image);
    } else if (control.kind == ControlKind::Static && control.id == IDC_STATIC) {
      tip = legendTip;
    }
    const QString text = QString::fromUtf8(control.text);
    if (control.id == IDC_TREASURY || text == "Treasury") tip = TreasuryToolTip();
    if (control.id == IDC_TURN || text == "Turn") tip = TurnToolTip();
    if (control.id == IDC_RECORD || text == "Your Record") tip = RecordToolTip();
    for (const UnitButton& button : kUnitButtons)
      if (button.id == control.id) tip = UnitToolTip(button.type);
    // As a paragraph the tip wraps instead of running across the screen.
    if (!tip.isEmpty()) widget->setToolTip("<p>" + tip.toHtmlEscaped() + "</p>");
  }
  setMouseTracking(true);
  setFocusPolicy(Qt::ClickFocus);
  // The turn counter changes at every phase of a shown turn.
  new OpaqueBackdrop(Control(IDC_TURN), this);
  resize(formSize_);
  PlaceCounterValues();
  for (int i = 0; i < 8; ++i) {
    terrainImages_[i] = SurfaceImage(kTerrainImageIds[i]);
    unitImages_[i] = SurfaceImage(kUnitImageIds[i]);
    barbarianImages_[i] = SurfaceImage(kBarbarianImageIds[i]);
  }
  markerImage_ = SurfaceImage(IDB_MARKER);
}

bool CTarvellView::Playing() const { return document_ != nullptr && document_->world.mode == ModePlaying; }

QSize CTarvellView::sizeHint() const { return formSize_ * zoomPercent_ / 100; }

void CTarvellView::SetZoom(int percent) {
  zoomPercent_ = percent;
  const auto scaled = [percent](int pixels) { return (pixels * percent + 50) / 100; };
  QFont font = DialogFont();
  font.setPixelSize(scaled(DialogFont().pixelSize()));
  setFont(font);
  QToolTip::setFont(font);
  // Whole multiples keep the pictures' pixels square and sharp.
  const Qt::TransformationMode mode = percent % 100 == 0 ? Qt::FastTransformation : Qt::SmoothTransformation;
  for (std::size_t i = 0; i < controls_.all.size(); ++i) {
    QWidget* widget = controls_.all[i];
    const QRect& box = baseGeometry_[i];
    widget->setGeometry(scaled(box.x()), scaled(box.y()), scaled(box.width()), scaled(box.height()));
    widget->setFont(font);
    const QImage& picture = basePictures_[i];
    if (!picture.isNull())
      static_cast<QLabel*>(widget)->setPixmap(QPixmap::fromImage(
          picture.scaled(scaled(picture.width()), scaled(picture.height()), Qt::IgnoreAspectRatio, mode)));
  }
  PlaceCounterValues();
  resize(sizeHint());
  updateGeometry();
  update();
  if (auto* frame = qobject_cast<CMainFrame*>(window())) {
    frame->ZoomStatusBar(percent);
    frame->FitToView(percent > 100);
  }
}

void CTarvellView::PlaceCounterValues() {
  // Each value sits in the middle of the frame below its group box's title,
  // one line high, its sides where the form puts them.
  QGroupBox* box = nullptr;
  for (QWidget* widget : controls_.all) {
    if (auto* groupBox = qobject_cast<QGroupBox*>(widget)) {
      box = groupBox;
      continue;
    }
    auto* label = qobject_cast<QLabel*>(widget);
    if (box == nullptr || label == nullptr || !box->geometry().intersects(label->geometry())) continue;
    box->ensurePolished();
    const QRect inside = box->contentsRect().translated(box->pos());
    const int height = label->fontMetrics().height();
    label->setGeometry(label->x(), inside.y() + (inside.height() - height) / 2, label->width(), height);
  }
}

QPoint CTarvellView::ToForm(QPointF client) const {
  return QPoint(static_cast<int>(std::floor(client.x() * 100 / zoomPercent_)),
                static_cast<int>(std::floor(client.y() * 100 / zoomPercent_)));
}

QRect CTarvellView::ToClient(const QRect& form) const {
  const double zoom = zoomPercent_ / 100.0;
  return QRectF(form.x() * zoom, form.y() * zoom, form.width() * zoom, form.height() * zoom).toAlignedRect();
}

void CTarvellView::OnInitialUpdate() {
  fullRedrawPending_ = true;
  update();
  if (auto* frame = qobject_cast<CMainFrame*>(window())) {
    frame->FitToView(zoomPercent_ > 100);
    // Keys given while no control has the focus reach the window.
    frame->installEventFilter(this);
  }
  OnUnitButton(IDC_DRONE);
  leftPress[0] = leftPress[1] = -1;
  rightPress[0] = rightPress[1] = -1;
  MoveOutline(cursor_, QPoint(-1, -1));
  setFocus();
}

void CTarvellView::OnDraw() {
  if (document_ == nullptr) return;
  const CWorld& world = document_->world;
  DrawCounters(world.treasury, world.turn);
  DrawTerrain(world.terrain);
  DrawUnits(world.shownUnits);
}

void CTarvellView::SetText(int id, const QString& text) {
  auto* label = Control<QLabel>(id);
  label->setText(text);
  // Inside a full repaint the window gets it with the rest of the repaint.
  if (painting_) {
    label->update();
    return;
  }
  for (QWidget*& changed : changedTexts_) {
    if (changed == label) break;
    if (changed == nullptr) {
      changed = label;
      break;
    }
  }
  MarkChanged();
}

void CTarvellView::MarkChanged() {
  if (updateAsked_) return;
  updateAsked_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        updateAsked_ = false;
        ShowDrawing();
      },
      Qt::QueuedConnection);
}

void CTarvellView::ShowDrawing() {
  EndSurfacePainting();
  QRegion region;
  if (anySquareChanged_) {
    // Runs of changed squares along each row, top to bottom and left to
    // right, as the region wants them.
    QRect rects[kBoardSquares];
    int count = 0;
    for (int row = 0; row < kBoardSize; ++row) {
      for (int column = 0; column < kBoardSize; ++column) {
        if (!changedSquares_[column][row]) continue;
        const int first = column;
        while (column + 1 < kBoardSize && changedSquares_[column + 1][row]) ++column;
        rects[count++] = ToClient(SquaresRect(first, column, row));
      }
    }
    region.setRects(rects, count);
    std::memset(changedSquares_, 0, sizeof changedSquares_);
    anySquareChanged_ = false;
  }
  for (QWidget*& changed : changedTexts_) {
    if (changed == nullptr) continue;
    region += QRect(changed->mapTo(this, QPoint(0, 0)), changed->size());
    changed = nullptr;
  }
  if (!region.isEmpty()) {
    repaint(region);  // also paints whatever else of the window changed
  } else {
    QCoreApplication::sendPostedEvents(window(), QEvent::UpdateRequest);
  }
}

void CTarvellView::EndSurfacePainting() {
  if (surfacePainter_.isActive()) surfacePainter_.end();
}

void CTarvellView::DrawCounters(int treasury, int turn) {
  SetText(IDC_TREASURY, QString::asprintf("$%d", treasury));
  SetText(IDC_TURN, QString::asprintf("%d", turn));
}

// The start of a phase is the end of the one before: the window catches up.
void CTarvellView::DrawTurnPhase(int turn, int phase) {
  SetText(IDC_TURN, QString::asprintf("%d (%d)", turn, phase));
  ShowDrawing();
}

void CTarvellView::DrawRecord() {
  // A negative count read from a damaged profile shows as 0; the profile
  // keeps what it holds.
  const int won = std::max(wins, 0);
  const int lost = std::max(losses, 0);
  // In 64 bits: a record held at its 32-bit limits must not wrap the sum.
  const std::int64_t total = std::int64_t{won} + lost;
  const double fraction = total != 0 ? static_cast<double>(won) / static_cast<double>(total) : 0.0;
  SetText(IDC_RECORD, QString::asprintf("%d-%d (%1.3f)", won, lost, fraction));
}

void CTarvellView::DrawTerrainAt(int x, int y, int code) {
  const int index = TerrainImageIndex(code);
  if (index < 0) {
    std::fputs("Error: Bad Terrain Type\n.", stdout);
    return;
  }
  DrawImageAt(terrainImages_[index], x, y, kBoardLeft + kPitch * x, kBoardTop + kPitch * y);
}

void CTarvellView::DrawTerrain(const TerrainGrid& terrain) {
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) DrawTerrainAt(x, y, terrain[x][y]);
}

void CTarvellView::DrawUnitAt(int x, int y, int type) {
  if (type == 0) return;
  if (type < 1 || type > 8) {
    std::fputs("Error: Bad Unit BM (Bit Map) Type\n.", stdout);
    return;
  }
  DrawImageAt(unitImages_[type - 1], x, y, kBoardLeft + 2 + kPitch * x, kBoardTop + 2 + kPitch * y);
}

void CTarvellView::DrawUnits(const UnitGrid& units) {
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) DrawUnitAt(x, y, units[x][y]);
}

void CTarvellView::DrawBarbarianAt(int x, int y, int kindCode) {
  if (kindCode < 9 || kindCode > 16) {
    std::fputs("Error: Bad Unit BM (Bit Map) Type\n.", stdout);
    return;
  }
  DrawImageAt(barbarianImages_[kindCode - 9], x, y, kBoardLeft + 2 + kPitch * x, kBoardTop + 2 + kPitch * y);
}

void CTarvellView::DrawBarbarian(const CUnit* unit) {
  if (unit != nullptr) DrawBarbarianAt(unit->x, unit->y, unit->kindCode);
}

void CTarvellView::DrawBarbarians(const CUnit* head) {
  for (const CUnit* unit = head->next; unit != nullptr; unit = unit->next) DrawBarbarian(unit);
}

void CTarvellView::DrawMarkerAt(int x, int y) {
  DrawImageAt(markerImage_, x, y, kBoardLeft + 4 + kPitch * x, kBoardTop + 4 + kPitch * y);
}

void CTarvellView::DrawImageAt(const QImage& image, int column, int row, int x, int y) {
  if (image.isNull() || surface_.isNull()) return;
  if (!surfacePainter_.isActive()) {
    surfacePainter_.begin(&surface_);
    surfacePainter_.setCompositionMode(QPainter::CompositionMode_Source);
  }
  surfacePainter_.drawImage(x, y, image);
  // Inside a repaint the whole surface goes to the window at its end.
  if (painting_) return;
  if (column < 0 || column >= kBoardSize || row < 0 || row >= kBoardSize) {
    update(ToClient(QRect(x, y, image.width(), image.height())));  // off the board: not a square to note
    return;
  }
  changedSquares_[column][row] = true;
  anySquareChanged_ = true;
  MarkChanged();
}

void CTarvellView::paintEvent(QPaintEvent* event) {
  if (fullRedrawPending_ && !surface_.isNull()) {
    fullRedrawPending_ = false;
    EndSurfacePainting();
    surface_.fill(palette().color(QPalette::Window));
    painting_ = true;
    OnDraw();
    painting_ = false;
  }
  EndSurfacePainting();
  QPainter painter(this);
  // Rectangle by rectangle: the changed squares of a turn's phase lie all over
  // the board, and their bounding rectangle would be most of it.
  for (const QRect& rect : event->region()) PaintSurface(painter, rect);
  PaintOutlines(painter);
}

void CTarvellView::PaintSurface(QPainter& painter, const QRect& clientArea) {
  if (zoomPercent_ == 100) {
    painter.drawImage(clientArea, surface_, clientArea);
    return;
  }
  painter.save();
  // Whole multiples: every pixel becomes a square block; 150 % is smoothed.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, zoomPercent_ % 100 != 0);
  painter.scale(zoomPercent_ / 100.0, zoomPercent_ / 100.0);
  const QRect area = QRect(ToForm(clientArea.topLeft()), ToForm(clientArea.bottomRight() + QPoint(1, 1)))
                         .adjusted(-1, -1, 1, 1)
                         .intersected(surface_.rect());
  painter.drawImage(area, surface_, area);
  painter.restore();
}

void CTarvellView::PaintOutlines(QPainter& painter) {
  // Only while the player sets up: a turn draws over the board on its own.
  if (!Playing() || IsBusy()) return;
  painter.save();
  painter.scale(zoomPercent_ / 100.0, zoomPercent_ / 100.0);
  painter.setPen(QPen(OutlineColour(), 2));
  painter.setBrush(Qt::NoBrush);
  for (const QPoint& square : {hover_, cursor_})
    if (square.x() >= 0)
      painter.drawRect(kBoardLeft + kPitch * square.x() + 1, kBoardTop + kPitch * square.y() + 1, kPitch - 1,
                       kPitch - 1);
  painter.restore();
}

void CTarvellView::MoveOutline(QPoint& outline, QPoint square) {
  if (outline == square) return;
  const QPoint before = outline;
  outline = square;
  for (const QPoint& changed : {before, square})
    if (changed.x() >= 0)
      update(ToClient(
          QRect(kBoardLeft + kPitch * changed.x() - 1, kBoardTop + kPitch * changed.y() - 1, kPitch + 3, kPitch + 3)));
}

void CTarvellView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The surface keeps the form's own size whatever the zoom; only the first
  // resize makes it.
  if (surface_.size() == formSize_) return;
  EndSurfacePainting();
  surface_ = QImage(formSize_, QImage::Format_RGB32);
  surface_.fill(palette().color(QPalette::Window));
  fullRedrawPending_ = true;
}

bool CTarvellView::SquareAt(int px, int py, int& column, int& row) {
  const int dx = px - kBoardLeft;
  const int dy = py - kBoardTop;
  if (dx < 1 || dy < 1) return false;  // the board's black outer edge counts as off it
  column = dx / kPitch;
  row = dy / kPitch;
  return column < kBoardSize && row < kBoardSize;
}

void CTarvellView::mousePressEvent(QMouseEvent* event) {
  const QPoint at = ToForm(event->position());
  int column, row;
  if (Playing() && SquareAt(at.x(), at.y(), column, row)) {
    int* press = event->button() == Qt::LeftButton    ? leftPress
                 : event->button() == Qt::RightButton ? rightPress
                                                      : nullptr;
    if (press != nullptr) {
      press[0] = column;
      press[1] = row;
    }
  }
  QWidget::mousePressEvent(event);
}

void CTarvellView::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = ToForm(event->position());
  int column, row;
  // A release off the board leaves the press pending.
  if (Playing() && SquareAt(at.x(), at.y(), column, row)) {
    if (event->button() == Qt::LeftButton) {
      if (column == leftPress[0] && row == leftPress[1]) BuyAt(column, row);
      leftPress[0] = leftPress[1] = -1;
    } else if (event->button() == Qt::RightButton) {
      if (column == rightPress[0] && row == rightPress[1]) SellAt(column, row);
      rightPress[0] = rightPress[1] = -1;
    }
  }
  QWidget::mouseReleaseEvent(event);
}

void CTarvellView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = ToForm(event->position());
  int column, row;
  if (Playing() && !IsBusy() && SquareAt(at.x(), at.y(), column, row)) {
    MoveOutline(hover_, QPoint(column, row));
  } else {
    MoveOutline(hover_, QPoint(-1, -1));
  }
  QWidget::mouseMoveEvent(event);
}

void CTarvellView::leaveEvent(QEvent* event) {
  MoveOutline(hover_, QPoint(-1, -1));
  QWidget::leaveEvent(event);
}

void CTarvellView::keyPressEvent(QKeyEvent* event) {
  if (!HandleKey(event)) QWidget::keyPressEvent(event);
}

bool CTarvellView::eventFilter(QObject* watched, QEvent* event) {
  // The form's buttons would take the arrows and Space for themselves.
  if (event->type() == QEvent::KeyPress && HandleKey(static_cast<QKeyEvent*>(event))) return true;
  return QWidget::eventFilter(watched, event);
}

bool CTarvellView::HandleKey(const QKeyEvent* event) {
  if (!Playing() || IsBusy() || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
  QPoint step;
  switch (event->key()) {
    case Qt::Key_Left: step = {-1, 0}; break;
    case Qt::Key_Right: step = {1, 0}; break;
    case Qt::Key_Up: step = {0, -1}; break;
    case Qt::Key_Down: step = {0, 1}; break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      if (cursor_.x() < 0) return false;
      BuyAt(cursor_.x(), cursor_.y());
      return true;
    case Qt::Key_Delete:
      if (cursor_.x() < 0) return false;
      SellAt(cursor_.x(), cursor_.y());
      return true;
    default: return false;
  }
  // The cursor appears where the mouse points, or in the middle.
  QPoint square = cursor_;
  if (square.x() < 0) {
    square = hover_.x() >= 0 ? hover_ : QPoint(kBoardSize / 2, kBoardSize / 2);
  } else {
    square += step;
  }
  square = QPoint(std::clamp(square.x(), 0, kBoardSize - 1), std::clamp(square.y(), 0, kBoardSize - 1));
  MoveOutline(cursor_, square);
  return true;
}

bool CTarvellView::BuyAt(int x, int y) {
  CWorld& world = document_->world;
  const QString refusal = PurchaseRefusal(world, selectedType, x, y);
  if (!world.BuyUnit(selectedType, x, y)) {
    ShowRefusal(refusal);
    return false;
  }
  DrawCounters(world.treasury, world.turn);
  ShowRefusal(QString());
  return true;
}

bool CTarvellView::SellAt(int x, int y) {
  CWorld& world = document_->world;
  const QString refusal = SaleRefusal(world, x, y);
  if (!world.SellUnit(x, y)) {
    ShowRefusal(refusal);
    return false;
  }
  DrawCounters(world.treasury, world.turn);
  ShowRefusal(QString());
  return true;
}

void CTarvellView::ShowRefusal(const QString& reason) {
  auto* frame = qobject_cast<CMainFrame*>(window());
  if (frame == nullptr) return;
  // A purchase or sale that goes through takes a refusal's reason away.
  if (!reason.isEmpty()) {
    frame->SetMessageText(reason);
  } else if (refusalShown_) {
    frame->SetMessageText(QString::fromStdString(LoadResourceString(IDS_IDLE_MESSAGE)));
  }
  refusalShown_ = !reason.isEmpty();
}

void CTarvellView::OnUnitButton(int id) {
  for (const UnitButton& button : kUnitButtons) {
    if (button.id != id) continue;
    selectedType = button.type;
    // Checking one of the exclusive buttons clears the one checked before.
    Control<QAbstractButton>(id)->setChecked(true);
  }
}

void CTarvellView::EnableTurnControls(bool enabled) {
  for (const UnitButton& button : kUnitButtons) Control(button.id)->setEnabled(enabled);
  Control(IDC_END_SETUP)->setEnabled(enabled);
  for (const UnitButton& button : kUnitButtons) Control(button.id)->repaint();
  Control(IDC_END_SETUP)->repaint();
}

void CTarvellView::OnEndSetup() {
  if (!Playing()) return;
  if (document_->world.treasury > 1000 && !AskAreYouSure(this)) return;
  refusalShown_ = false;
  {
    CBusyScope busy;  // no input but Escape, and no closing, until the turn is over
    // End Setup and the unit buttons look, and are, disabled meanwhile, and
    // the outlines leave the board.
    EnableTurnControls(false);
    MoveOutline(hover_, QPoint(-1, -1));
    SetHurryHandler([this] { document_->Hurry(); });
    PlayTurn(document_->world);
    SetHurryHandler(nullptr);
    document_->EndHurry();
    ShowDrawing();
    EnableTurnControls(true);
  }
  update();
  ReportProfileSaveFailure(this, false);  // the save at the turn's start or the game's end
}
