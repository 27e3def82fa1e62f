// The board view's aids to reading the board without its colours: the worth
// row under the form, the status bar's square pane, the board's accessible
// name and the terrain overlay.
#include <QLabel>
#include <QPainter>

#include "ui/board_reading.h"
#include "ui/main_frame.h"
#include "ui/tarvell_doc.h"
#include "ui/tarvell_view.h"

namespace {

// The overlay's marks in the form's pixels, scaled with the board.
constexpr int kMarkPixelSize = 7;

// One mark in a corner of a tile: light text on a dark, half-transparent
// box, readable on every terrain and leaving most of a unit's icon visible.
void DrawMark(QPainter& painter, const QRect& tile, const QString& mark, Qt::Alignment corner) {
  if (mark.isEmpty()) return;
  const QRect text = painter.fontMetrics().tightBoundingRect(mark);
  QRect box(0, 0, text.width() + 2, text.height() + 2);
  box.moveTo((corner & Qt::AlignRight) ? tile.right() + 1 - box.width() : tile.left(),
             (corner & Qt::AlignBottom) ? tile.bottom() + 1 - box.height() : tile.top());
  painter.fillRect(box, QColor(0, 0, 0, 160));
  painter.drawText(box.left() + 1 - text.left(), box.top() + 1 - text.top(), mark);
}

}  // namespace

void CTarvellView::CreateWorthRow() {
  worthRow_ = new QLabel(this);
  worthRow_->setObjectName(QStringLiteral("worthRow"));
  worthRow_->setTextFormat(Qt::PlainText);
  worthRow_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  worthRow_->setToolTip(QStringLiteral("<p>") + WorthToolTip().toHtmlEscaped() + QStringLiteral("</p>"));
  // Under the form, where the board's surface does not reach.
  worthRow_->setAutoFillBackground(true);
  worthRow_->setText(WorthLine(99'999'999, 9'999'999));
  setAccessibleName(tr("Board"));
}

void CTarvellView::PlaceWorthRow(int rowHeight, int margin) {
  worthRow_->setContentsMargins(margin, 0, margin, 0);
  worthRow_->setGeometry(0, height() - rowHeight, width(), rowHeight);
}

void CTarvellView::ShowReading() {
  if (document_ == nullptr) return;
  const CWorld& world = document_->world;
  auto* frame = qobject_cast<CMainFrame*>(window());
  if (ShowingTurn()) {
    if (frame != nullptr) frame->SetSquareText(QString());
    return;
  }
  if (world.mode != ModeIdle || world.turn >= 0) {
    const QString worth = WorthLine(world);
    if (worthRow_->text() != worth) worthRow_->setText(worth);
  }
  // The square last pointed at, by the mouse or the keyboard's cursor.
  QPoint square = cursorDescribed_ ? cursor_ : hover_;
  if (square.x() < 0) square = cursorDescribed_ ? hover_ : cursor_;
  if (frame != nullptr)
    frame->SetSquareText(square.x() >= 0 ? SquareDescription(world, square.x(), square.y()) : QString());
  // A screen reader hears the cursor's square as the board's new name.
  const QString name = cursor_.x() >= 0 ? SquareDescription(world, cursor_.x(), cursor_.y()) : tr("Board");
  // (Setting the name sends the accessibility layer its NameChanged event.)
  if (accessibleName() != name) setAccessibleName(name);
}

void CTarvellView::SetTerrainOverlay(bool on) {
  if (terrainOverlay_ == on) return;
  terrainOverlay_ = on;
  update();
}

void CTarvellView::PaintTerrainOverlay(QPainter& painter, const QRegion& region) {
  if (!terrainOverlay_ || document_ == nullptr) return;
  const CWorld& world = document_->world;
  painter.save();
  painter.scale(zoomPercent_ / 100.0, zoomPercent_ / 100.0);
  QFont font = this->font();
  font.setPixelSize(kMarkPixelSize);
  painter.setFont(font);
  painter.setPen(Qt::white);
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      const QRect tile = TileRect(x, y);
      if (!region.intersects(ToClient(tile))) continue;
      DrawMark(painter, tile, IncomeMark(world.terrain[x][y]), Qt::AlignLeft | Qt::AlignTop);
      DrawMark(painter, tile, DefenceMark(world.terrain[x][y]), Qt::AlignRight | Qt::AlignBottom);
    }
  painter.restore();
}
