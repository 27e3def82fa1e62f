#pragma once
// CTarvellView: the board form. Its left column holds the unit buttons, the
// treasury and turn counters, End Setup and the player's record; its right
// column the legend of the barbarian kinds; between them the view paints the
// 24 x 24 board in pixels: tile (x, y) at (190 + 21x, 15 + 21y), icons 2
// pixels inside the tile, the destruction marker 4 pixels inside.
//
// Every drawing operation draws at once onto the view's surface and shows
// that spot in the window before it returns. Nothing is drawn again until it
// is drawn over, so a removed unit vanishes only when its tile is drawn anew;
// only a full repaint (after a new game, or when the platform asks) draws
// counters, terrain and units from the game.
//
// Between turns a left click (press and release on the same square) buys
// the selected unit type there, a right click sells, and End Setup plays a
// turn; the square under the mouse is outlined, and a refused purchase or
// sale says why in the status bar. The arrow keys move a square cursor,
// outlined the same way, Enter or Space buys there and Delete sells. While a
// turn plays the window takes no input but Escape, which hurries the turn.
//
// The form is laid out at 100, 150 or 200 %. The drawing operations and the
// surface they draw on keep the form's own pixels; the surface is scaled on
// its way to the screen, the controls and their fonts are laid out anew, and
// mouse positions are mapped back to the form's pixels.

#include <QImage>
#include <QWidget>

#include <vector>

#include "model/owner.h"
#include "ui/platform/dialog_controls.h"

class CTarvellDoc;

class CTarvellView : public QWidget, public CBoardDisplay {
  Q_OBJECT

 public:
  explicit CTarvellView(CTarvellDoc* document);

  template <class T = QWidget>
  T* Control(int id) const {
    return controls_.Find<T>(id);
  }
  // The form's size in pixels, from its template, at the zoom.
  QSize sizeHint() const override;

  // 100, 150 or 200: lays out the form at that size.
  void SetZoom(int percent);
  int Zoom() const { return zoomPercent_; }
  // A client point in the form's own pixels.
  QPoint ToForm(QPointF client) const;

  // After every new or opened document: a full repaint, the frame shrunk to
  // the form, Drone selected, no press pending.
  void OnInitialUpdate();
  // Repaint: counters, terrain, the player's units.
  void OnDraw();

  // CBoardDisplay.
  void DrawCounters(int treasury, int turn) override;
  void DrawTurnPhase(int turn, int phase) override;
  void DrawRecord() override;
  void DrawTerrain(const TerrainGrid& terrain) override;
  void DrawTerrainAt(int x, int y, int code) override;
  void DrawUnits(const UnitGrid& units) override;
  void DrawUnitAt(int x, int y, int type) override;
  void DrawBarbarians(const CUnit* head) override;
  void DrawBarbarian(const CUnit* unit) override;
  void DrawMarkerAt(int x, int y) override;
  // The icon of barbarian kind code 9..16 on square (x, y).
  void DrawBarbarianAt(int x, int y, int kindCode);

  // The unit buttons and their keys (IDC_DRONE..IDC_ARTILLERY): selects the
  // unit type (1..8) that a left click buys.
  void OnUnitButton(int id);
  // End Setup: plays one turn when a game is in progress, after "Are you
  // sure?" when more than $1000 would be left unspent.
  void OnEndSetup();

  // The square under client point (px, py), or false when it lies off the
  // board (the board's outer black edge included).
  static bool SquareAt(int px, int py, int& column, int& row);

  // Buy the selected type, or sell, on square (x, y); a refusal shows its
  // reason in the status bar.
  bool BuyAt(int x, int y);
  bool SellAt(int x, int y);

  // The square outlined under the mouse, and the keyboard's cursor; (-1, -1)
  // for none.
  QPoint HoverSquare() const { return hover_; }
  QPoint CursorSquare() const { return cursor_; }
  static QColor OutlineColour() { return QColor(255, 255, 0); }

  int selectedType = 1;
  int leftPress[2] = {-1, -1};
  int rightPress[2] = {-1, -1};

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The arrows, Enter, Space and Delete between turns; false for any other
  // key.
  bool HandleKey(const QKeyEvent* event);
  // Outlines square (-1, -1 for none) in place of the one before.
  void MoveOutline(QPoint& outline, QPoint square);
  // A rectangle of the form in client pixels, rounded outwards.
  QRect ToClient(const QRect& form) const;
  // The surface, scaled, then the outlines.
  void PaintSurface(QPainter& painter, const QRect& clientArea);
  void PaintOutlines(QPainter& painter);
  void ShowRefusal(const QString& reason);
  // Puts the Treasury, Turn and Your Record values inside their frames.
  void PlaceCounterValues();
  bool Playing() const;
  void EnableTurnControls(bool enabled);
  // Copies image, opaque and at its own size, to client point (x, y), and
  // shows it at once.
  void DrawImageAt(const QImage& image, int x, int y);
  // Shows a control's new text at once.
  void SetText(int id, const QString& text);

  CTarvellDoc* document_;
  DialogControls controls_;
  QSize formSize_;
  QImage terrainImages_[8];
  QImage unitImages_[8];
  QImage barbarianImages_[8];
  QImage markerImage_;
  QImage surface_;
  bool fullRedrawPending_ = true;
  bool painting_ = false;
  int zoomPercent_ = 100;
  std::vector<QRect> baseGeometry_;   // every control at 100 %
  std::vector<QImage> basePictures_;  // the picture of every picture control, else null
  QPoint hover_{-1, -1};
  QPoint cursor_{-1, -1};
  bool refusalShown_ = false;
};
