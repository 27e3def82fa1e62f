#include "ui/tarvell_view.h"

#include <cstdio>

#include "model/world.h"
#include "opponent/strategy.h"
#include "ui/message_dialogs.h"
#include "ui/platform/busy_wait.h"
#include "ui/platform/frame_window.h"
#include "ui/platform/window_app.h"
#include "ui/resources/resource_ids.h"
#include "ui/tarvell_app.h"
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

// Shows a control's new text at once; inside a full redraw the window gets
// it with the rest of the redraw.
void ShowNow(QWidget* control, bool redrawing) {
  if (control == nullptr) return;
  if (redrawing)
    control->update();
  else
    control->repaint();
}

// While a turn plays, End Setup and the unit buttons look, and are,
// disabled: the turn takes no input.
class TurnControls {
 public:
  explicit TurnControls(CTarvellView& view) : view_(view) { Enable(false); }
  ~TurnControls() { Enable(true); }
  TurnControls(const TurnControls&) = delete;
  TurnControls& operator=(const TurnControls&) = delete;

 private:
  void Enable(bool enabled) {
    for (const UnitButton& button : kUnitButtons) EnableControl(button.id, enabled);
    EnableControl(IDC_END_SETUP, enabled);
  }
  void EnableControl(int id, bool enabled) {
    if (QWidget* control = view_.GetDlgItem(id)) {
      control->setEnabled(enabled);
      control->repaint();
    }
  }
  CTarvellView& view_;
};

// Index of a terrain code's tile, or -1 for a code without one.
int TerrainImageIndex(int code) {
  if (code >= 0 && code <= 5) return code;
  if (code == 8) return 6;
  if (code == 9) return 7;
  return -1;
}

}  // namespace

CTarvellView::CTarvellView() : CFormView(IDD_BOARD_FORM) {
  for (int i = 0; i < 8; ++i) {
    terrainImages_[i].LoadBitmap(kTerrainImageIds[i]);
    unitImages_[i].LoadBitmap(kUnitImageIds[i]);
    barbarianImages_[i].LoadBitmap(kBarbarianImageIds[i]);
  }
  markerImage_.LoadBitmap(IDB_MARKER);
}

CTarvellView::~CTarvellView() {
  for (int i = 0; i < 8; ++i) {
    terrainImages_[i].DeleteObject();
    unitImages_[i].DeleteObject();
    barbarianImages_[i].DeleteObject();
  }
  markerImage_.DeleteObject();
}

CTarvellDoc* CTarvellView::GetDocument() const { return static_cast<CTarvellDoc*>(CFormView::GetDocument()); }

CWorld* CTarvellView::World() const {
  CTarvellDoc* document = GetDocument();
  return document != nullptr ? &document->world : nullptr;
}

bool CTarvellView::Playing() const { return World() != nullptr && World()->mode == ModePlaying; }

void CTarvellView::OnInitialUpdate() {
  CFormView::OnInitialUpdate();
  if (CWinApp* app = AfxGetApp(); app != nullptr && app->MainFrame() != nullptr) {
    app->MainFrame()->RecalcLayout();
    app->MainFrame()->ShrinkToFitView();
  }
  SelectUnitType(1);
  leftPress[0] = leftPress[1] = -1;
  rightPress[0] = rightPress[1] = -1;
}

void CTarvellView::OnDraw() {
  DrawCounters();
  DrawTerrain();
  DrawUnits();
}

void CTarvellView::DrawCounters() {
  const CWorld* world = World();
  if (world == nullptr) return;
  SetDlgItemText(IDC_TREASURY, QString::asprintf("$%d", world->treasury));
  SetDlgItemText(IDC_TURN, QString::asprintf("%d", world->turn));
  ShowNow(GetDlgItem(IDC_TREASURY), IsRedrawing());
  ShowNow(GetDlgItem(IDC_TURN), IsRedrawing());
}

void CTarvellView::DrawTurnPhase() {
  const CWorld* world = World();
  if (world == nullptr) return;
  SetDlgItemText(IDC_TURN, QString::asprintf("%d (%d)", world->turn, world->phase));
  ShowNow(GetDlgItem(IDC_TURN), IsRedrawing());
}

void CTarvellView::DrawRecord() {
  const int total = wins + losses;
  const double fraction = total != 0 ? static_cast<double>(wins) / total : 0.0;
  SetDlgItemText(IDC_RECORD, QString::asprintf("%d-%d (%1.3f)", wins, losses, fraction));
  ShowNow(GetDlgItem(IDC_RECORD), IsRedrawing());
}

void CTarvellView::DrawTerrainAt(int x, int y) {
  const CWorld* world = World();
  if (world == nullptr) return;
  const int index = TerrainImageIndex(world->terrain[x][y]);
  if (index < 0) {
    std::fputs("Error: Bad Terrain Type\n.", stdout);
    return;
  }
  CopyBitmapAt(terrainImages_[index], kBoardLeft + kPitch * x, kBoardTop + kPitch * y);
}

void CTarvellView::DrawTerrain() {
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) DrawTerrainAt(x, y);
}

void CTarvellView::DrawUnitAt(int x, int y) {
  const CWorld* world = World();
  if (world == nullptr) return;
  const int type = world->shownUnits[x][y];
  if (type == 0) return;
  if (type < 1 || type > 8) {
    std::fputs("Error: Bad Unit BM (Bit Map) Type\n.", stdout);
    return;
  }
  CopyBitmapAt(unitImages_[type - 1], kBoardLeft + 2 + kPitch * x, kBoardTop + 2 + kPitch * y);
}

void CTarvellView::DrawUnits() {
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) DrawUnitAt(x, y);
}

void CTarvellView::DrawBarbarian(const CUnit* unit) {
  if (unit == nullptr) return;
  if (unit->kindCode < 9 || unit->kindCode > 16) {
    std::fputs("Error: Bad Unit BM (Bit Map) Type\n.", stdout);
    return;
  }
  CopyBitmapAt(barbarianImages_[unit->kindCode - 9], kBoardLeft + 2 + kPitch * unit->x,
               kBoardTop + 2 + kPitch * unit->y);
}

void CTarvellView::DrawBarbarians(const CUnit* head) {
  for (const CUnit* unit = head->next; unit != nullptr; unit = unit->next) DrawBarbarian(unit);
}

void CTarvellView::DrawMarkerAt(int x, int y) {
  CopyBitmapAt(markerImage_, kBoardLeft + 4 + kPitch * x, kBoardTop + 4 + kPitch * y);
}

bool CTarvellView::SquareAt(int px, int py, int& column, int& row) {
  const int dx = px - kBoardLeft;
  const int dy = py - kBoardTop;
  if (dx < 1 || dy < 1) return false;  // the board's black outer edge counts as off it
  column = dx / kPitch;
  row = dy / kPitch;
  return column < kBoardSize && row < kBoardSize;
}

void CTarvellView::OnLButtonDown(int x, int y) {
  int column, row;
  if (!Playing() || !SquareAt(x, y, column, row)) return;
  leftPress[0] = column;
  leftPress[1] = row;
}

void CTarvellView::OnLButtonUp(int x, int y) {
  int column, row;
  if (!Playing() || !SquareAt(x, y, column, row)) return;  // the press stays pending
  if (column == leftPress[0] && row == leftPress[1] && World()->BuyUnit(selectedType, column, row)) DrawCounters();
  leftPress[0] = leftPress[1] = -1;
}

void CTarvellView::OnRButtonDown(int x, int y) {
  int column, row;
  if (!Playing() || !SquareAt(x, y, column, row)) return;
  rightPress[0] = column;
  rightPress[1] = row;
}

void CTarvellView::OnRButtonUp(int x, int y) {
  int column, row;
  if (!Playing() || !SquareAt(x, y, column, row)) return;
  if (column == rightPress[0] && row == rightPress[1] && World()->SellUnit(column, row)) DrawCounters();
  rightPress[0] = rightPress[1] = -1;
}

void CTarvellView::SelectUnitType(int type) {
  for (const UnitButton& button : kUnitButtons) {
    if (button.type != type) continue;
    selectedType = type;
    CheckRadioButton(IDC_DRONE, IDC_ARTILLERY, button.id);
  }
}

bool CTarvellView::OnCmdMsg(int id) {
  for (const UnitButton& button : kUnitButtons)
    if (button.id == id) {
      SelectUnitType(button.type);
      return true;
    }
  if (id == IDC_END_SETUP) {
    OnEndSetup();
    return true;
  }
  return false;
}

void CTarvellView::OnEndSetup() {
  if (!Playing()) return;
  if (World()->treasury > 1000 && !AskAreYouSure(this)) return;
  {
    CBusyScope busy;  // no input, and no closing, until the turn is over
    const TurnControls disabled(*this);
    World()->PlayTurn();
  }
  ReportProfileSaveFailure(this, false);  // the save at the turn's start or the game's end
}
