#pragma once
// CTarvellView: the board form. Its left column holds the unit buttons, the
// treasury and turn counters, End Setup and the player's record; its right
// column the legend of the barbarian kinds; between them the view paints the
// 24 x 24 board in pixels: tile (x, y) at (190 + 21x, 15 + 21y), icons 2
// pixels inside the tile, the destruction marker 4 pixels inside.
//
// Every drawing operation draws at once onto the view's surface, with one
// painter that stays open until the window's next update, and notes the
// squares and counters it changed (the status line's messages wait too). The
// window catches up with the surface in one update: before every pause of a
// shown turn, at the start of every phase, before an end-of-game message, at
// the end of the turn, and otherwise as soon as the window thread is back in
// its event loop. So at any moment the player can look at the board, it
// shows all that was drawn, while a turn at the fastest speed pays for one
// screen update per phase instead of one per tile. Nothing is drawn again
// until it is drawn over, so a removed unit vanishes only when its tile is
// drawn anew; only a full repaint (after a new game, or when the platform
// asks) draws counters, terrain and units from the game.
//
// Between turns a left click (press and release on the same square) buys
// the selected unit type there, a right click sells, and End Setup (or F9)
// plays a turn; the square under the mouse is outlined, and a refused
// purchase or sale says why in the status bar. The arrow keys move a square
// cursor, outlined in dashes, Enter or Space buys there and Delete sells;
// Enter or Space on a focused button presses the button instead.
//
// The board can be read without its colours: a row under the form tells the
// player's worth against the lines of victory and defeat, the status bar's
// square pane names the square last pointed at (the cursor's square is also
// the board's accessible name), and the terrain overlay writes each square's
// bonuses on it.
//
// A turn is computed at once and then shown by a TurnPlayback. While it
// shows, the window repaints and takes input as always, but refuses every
// input that would act on the game: the unit buttons and End Setup are
// disabled, the handlers check that no turn is showing, and nothing is kept
// for later. Escape hurries the turn. Everything the view shows meanwhile is
// what the playback has drawn so far, never the world, which already holds
// the turn's end.
//
// The form is laid out at 100, 150 or 200 %. The drawing operations and the
// surface they draw on keep the form's own pixels; the surface is scaled on
// its way to the screen, each of its pixels taking the colour of one surface
// pixel, the controls and their fonts are laid out anew, and mouse positions
// are mapped back to the form's pixels.
//
// The controls are found by their object names, which are the identifiers
// below.

#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include <vector>

#include "model/owner.h"
#include "ui/turn_playback.h"

class CTarvellDoc;
class QButtonGroup;
class QLabel;

inline constexpr char IDC_DRONE[] = "IDC_DRONE";
inline constexpr char IDC_MINE[] = "IDC_MINE";
inline constexpr char IDC_FARMER[] = "IDC_FARMER";
inline constexpr char IDC_INFANTRY[] = "IDC_INFANTRY";
inline constexpr char IDC_SETTLER[] = "IDC_SETTLER";
inline constexpr char IDC_ARMOR[] = "IDC_ARMOR";
inline constexpr char IDC_JAMMER[] = "IDC_JAMMER";
inline constexpr char IDC_ARTILLERY[] = "IDC_ARTILLERY";
inline constexpr char IDC_TREASURY[] = "IDC_TREASURY";
inline constexpr char IDC_TURN[] = "IDC_TURN";
inline constexpr char IDC_END_SETUP[] = "IDC_END_SETUP";
inline constexpr char IDC_RECORD[] = "IDC_RECORD";

class CTarvellView : public QWidget, public CBoardDisplay {
  Q_OBJECT

 public:
  explicit CTarvellView(CTarvellDoc* document);

  // The control of this object name, as a T, or null.
  template <class T = QWidget>
  T* Control(const char* name) const {
    return findChild<T*>(QLatin1String(name));
  }
  // The form's size in pixels at the zoom, with the worth row under it:
  // 774 x 549 at 100 %.
  QSize sizeHint() const override;

  // 100, 150 or 200: lays out the form at that size.
  void SetZoom(int percent);
  // Whether every text of the form fits its control as laid out.
  bool TextsFit() const;
  int Zoom() const { return zoomPercent_; }
  // A client point in the form's own pixels.
  QPoint ToForm(QPointF client) const;

  // After every new or opened document: a full repaint, Drone selected, no
  // press pending.
  void ShowNewDocument();
  // Repaint: counters, terrain, the player's units.
  void DrawBoard();

  // CBoardDisplay.
  void DrawCounters(int treasury, int turn) override;
  void DrawTurnPhase(int turn, int phase) override;
  void DrawRecord() override;
  // The record text for the given wins and losses.
  void DrawRecordOf(int wins, int losses);
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
  void OnUnitButton(const char* id);
  // End Setup: plays one turn when a game is in progress, after "Are you
  // sure?" when more than $1000 would be left unspent.
  void OnEndSetup();

  // What shows the turns and sales, and whether a turn is showing now.
  TurnPlayback& Playback() { return *playback_; }
  bool ShowingTurn() const { return playback_->ShowingTurn(); }

  // Brings the window up to date with everything drawn so far, at once.
  void ShowDrawing();

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
  // The keyboard cursor: dashes of this colour over a black square.
  static QColor CursorColour() { return QColor(255, 255, 255); }

  // The square of a loss the player picked in the turn report, outlined
  // until the next click on the view, the next turn or a new game; (-1, -1)
  // for none.
  void OutlineLoss(QPoint square);
  QPoint LossSquare() const { return loss_; }
  static QColor LossColour() { return QColor(255, 0, 255); }

  // --- Reading the board (tarvell_view_reading.cpp) ---
  // Writes each square's bonuses on the board (income top left, defence
  // bottom right), or stops.
  void SetTerrainOverlay(bool on);
  bool TerrainOverlay() const { return terrainOverlay_; }
  // The worth row under the form, the status bar's square pane and the
  // board's accessible name, from the world as it stands; while a turn
  // shows, the world is ahead of the board: the row and the name wait, the
  // pane is empty.
  void ShowReading();

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
  void PaintLossOutline(QPainter& painter);
  void ShowRefusal(const QString& reason);
  // Lays the form out at percent with its font at pixelSize (at 100 %).
  void LayOut(int percent, int pixelSize);
  int ChooseFormPixelSize();
  bool Playing() const;
  // A turn starts or has ended showing: the controls, the focus and the
  // outlines follow.
  void OnTurnShowing(bool showing);
  // End Setup's mouse input; true when it is to be ignored.
  bool RefuseEndSetupMouse(const QEvent* event) const;
  // Copies image, opaque and at its own size, to the client point (x, y)
  // inside board square (column, row), which the window shows at its next
  // update.
  void DrawImageAt(const QImage& image, int column, int row, int x, int y);
  // Sets a control's text, which the window shows at its next update.
  void SetText(const char* id, const QString& text);
  // Notes a change of the window since its last update, and asks for an
  // update from the event loop once the window thread returns to it.
  void MarkChanged();
  // Ends the surface's painter, before the surface is read or replaced.
  void EndSurfacePainting();

  // --- Reading the board (tarvell_view_reading.cpp) ---
  // The worth row, with wide figures until a game shows, so that the form's
  // font leaves them room.
  void CreateWorthRow();
  // The row's place under the form: its height and side margins at the zoom.
  void PlaceWorthRow(int rowHeight, int margin);
  // Square (x, y)'s tile in the form's pixels.
  static QRect TileRect(int x, int y);
  void PaintTerrainOverlay(QPainter& painter, const QRegion& region);
  QLabel* worthRow_ = nullptr;
  bool terrainOverlay_ = false;
  bool cursorDescribed_ = false;  // the square pane names the cursor's square, not the mouse's

  CTarvellDoc* document_;
  QButtonGroup* unitButtons_ = nullptr;
  int formPixelSize_ = 13;
  QImage terrainImages_[8];
  QImage unitImages_[8];
  QImage barbarianImages_[8];
  QImage markerImage_;
  QImage surface_;
  QPainter surfacePainter_;
  // What was drawn since the window's last update: the board squares, the
  // counters whose text changed, and whether an update has been asked for.
  bool changedSquares_[kBoardSize][kBoardSize] = {};
  bool anySquareChanged_ = false;
  QWidget* changedTexts_[3] = {};
  bool updateAsked_ = false;
  bool fullRedrawPending_ = true;
  bool painting_ = false;
  int zoomPercent_ = 100;
  QPoint hover_{-1, -1};
  QPoint cursor_{-1, -1};
  QPoint loss_{-1, -1};
  bool refusalShown_ = false;
  TurnPlayback* playback_;
  QElapsedTimer lastTurnStart_;  // when End Setup last started a turn
  QPointer<QWidget> focusBeforeTurn_;
};
