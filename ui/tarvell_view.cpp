#include "ui/tarvell_view.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

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
#include "ui/tarvell_doc.h"
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
  }
  connect(Control<QAbstractButton>(IDC_END_SETUP), &QAbstractButton::clicked, this, &CTarvellView::OnEndSetup);
  // The turn counter changes at every phase of a shown turn.
  new OpaqueBackdrop(Control(IDC_TURN), this);
  resize(formSize_);
  for (int i = 0; i < 8; ++i) {
    terrainImages_[i] = SurfaceImage(kTerrainImageIds[i]);
    unitImages_[i] = SurfaceImage(kUnitImageIds[i]);
    barbarianImages_[i] = SurfaceImage(kBarbarianImageIds[i]);
  }
  markerImage_ = SurfaceImage(IDB_MARKER);
}

bool CTarvellView::Playing() const { return document_ != nullptr && document_->world.mode == ModePlaying; }

void CTarvellView::OnInitialUpdate() {
  fullRedrawPending_ = true;
  update();
  if (auto* frame = qobject_cast<CMainFrame*>(window())) frame->ShrinkToFitView();
  OnUnitButton(IDC_DRONE);
  leftPress[0] = leftPress[1] = -1;
  rightPress[0] = rightPress[1] = -1;
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
        rects[count++] = SquaresRect(first, column, row);
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
  // In 64 bits: a record held at its 32-bit limits must not wrap the sum.
  const std::int64_t total = std::int64_t{wins} + losses;
  const double fraction = total != 0 ? static_cast<double>(wins) / static_cast<double>(total) : 0.0;
  SetText(IDC_RECORD, QString::asprintf("%d-%d (%1.3f)", wins, losses, fraction));
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
    update(QRect(x, y, image.width(), image.height()));  // off the board: not a square to note
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
  for (const QRect& rect : event->region()) painter.drawImage(rect, surface_, rect);
}

void CTarvellView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  EndSurfacePainting();
  surface_ = QImage(size(), QImage::Format_RGB32);
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
  const QPoint at = event->position().toPoint();
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
  const QPoint at = event->position().toPoint();
  int column, row;
  // A release off the board leaves the press pending.
  if (Playing() && SquareAt(at.x(), at.y(), column, row)) {
    CWorld& world = document_->world;
    if (event->button() == Qt::LeftButton) {
      if (column == leftPress[0] && row == leftPress[1] && world.BuyUnit(selectedType, column, row))
        DrawCounters(world.treasury, world.turn);
      leftPress[0] = leftPress[1] = -1;
    } else if (event->button() == Qt::RightButton) {
      if (column == rightPress[0] && row == rightPress[1] && world.SellUnit(column, row))
        DrawCounters(world.treasury, world.turn);
      rightPress[0] = rightPress[1] = -1;
    }
  }
  QWidget::mouseReleaseEvent(event);
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
  {
    CBusyScope busy;  // no input, and no closing, until the turn is over
    // End Setup and the unit buttons look, and are, disabled meanwhile.
    EnableTurnControls(false);
    PlayTurn(document_->world);
    ShowDrawing();
    EnableTurnControls(true);
  }
  ReportProfileSaveFailure(this, false);  // the save at the turn's start or the game's end
}
