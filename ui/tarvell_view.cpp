#include "ui/tarvell_view.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "engine/turn.h"
#include "opponent/strategy.h"
#include "ui/main_frame.h"
#include "ui/message_dialogs.h"
#include "ui/resources/images.h"
#include "ui/tarvell_doc.h"
#include "ui/unit_texts.h"
#include "units/unit.h"

namespace {

constexpr int kBoardLeft = 190;
constexpr int kBoardTop = 15;
constexpr int kPitch = 21;

// The form at 100 %: the board's tiles cover pixels 190..693 across; the
// left column ends 22 pixels before it, the right column starts 14 pixels
// after it, and the columns' widths follow.
constexpr QSize kFormSize(774, 529);
// The worth row under the form: one line of the form's text.
constexpr int kWorthRowHeight = 20;
constexpr int kMargin = 9;
constexpr int kLeftColumnWidth = 168 - kMargin;
constexpr int kRightColumnLeft = 708;
constexpr int kRightColumnWidth = kFormSize.width() - kMargin - kRightColumnLeft;
constexpr QSize kPictureSize(34, 34);
constexpr QSize kUnitButtonSize(112, 39);
constexpr QSize kEndSetupSize(136, 26);
constexpr int kCounterBoxHeight = 35;
// The largest and smallest pixel size of the form's font at 100 %.
constexpr int kLargestPixelSize = 13;
constexpr int kSmallestPixelSize = 9;

// Tiles for terrain codes 0, 1, 2, 3, 4, 5, 8 and 9.
constexpr const char* kTerrainImages[8] = {kWaterImage, kLand1Image,      kLand2Image,     kLand3Image,
                                           kLand4Image, kImpassableImage, kSiteLand2Image, kSiteLand3Image};
constexpr const char* kUnitImages[8] = {kDroneImage,   kMineImage,  kFarmerImage, kInfantryImage,
                                        kSettlerImage, kArmorImage, kJammerImage, kArtilleryImage};
constexpr const char* kBarbarianImages[8] = {kScoutImage,  kScavengerImage, kCommonImage,    kAmphibiousImage,
                                             kMobileImage, kJumpImage,      kKamikazeeImage, kArmoredImage};

// The unit buttons in the form's order, top to bottom, with their legend
// pictures and the type each selects; F1..F8 follow this order (Jammer
// above Armor).
struct UnitButton {
  const char* id;
  int type;
  const char* picture;
};
constexpr UnitButton kUnitButtons[8] = {
    {IDC_DRONE, 1, kLegendDroneImage},     {IDC_MINE, 2, kLegendMineImage},
    {IDC_FARMER, 3, kLegendFarmerImage},   {IDC_INFANTRY, 4, kLegendInfantryImage},
    {IDC_SETTLER, 5, kLegendSettlerImage}, {IDC_JAMMER, 7, kLegendJammerImage},
    {IDC_ARMOR, 6, kLegendArmorImage},     {IDC_ARTILLERY, 8, kLegendArtilleryImage}};

// The captions' runs of spaces centre name and statistics on one line and
// price and resale price on the next, once wrapped. Only the name is the
// player's language: the spacing and the figures are the same in every one.
// A test checks the figures against the game's price and strength tables.
struct CaptionParts {
  const char* lead;
  const char* numbers;
  const char* gap;
  const char* prices;
};
QString UnitCaption(int type) {
  static const CaptionParts kParts[9] = {{"", "", "", ""},
                                         {"      ", "(0-1-1)", "      ", "$20 ($20)"},
                                         {"   ", "((10) 0-0-0)", "  ", "$50 ($25)"},
                                         {"   ", "(0-1-5)", "   ", "$100 ($80)"},
                                         {"    ", "(3-6-0)", "   ", "$100 ($90)"},
                                         {"     ", "(2-4-3)", "     ", "$150 ($120)"},
                                         {"   ", "(8-10-0)", "   ", "$200 ($150)"},
                                         {"    ", "(0-2-0)", "   ", "$150 ($90)"},
                                         {"", "((10/5) 3-2-0)", " ", "$400 ($300)"}};
  const CaptionParts& parts = kParts[type >= 1 && type <= 8 ? type : 8];
  return QLatin1String(parts.lead) + UnitName(type) + QLatin1Char(' ') + QLatin1String(parts.numbers) +
         QLatin1String(parts.gap) + QLatin1String(parts.prices);
}

// The legend of the barbarian kinds 0..7, top to bottom: picture, name and
// numbers.
struct LegendEntry {
  const char* picture;
  const char* name;
  const char* numbers;
};
const LegendEntry kLegend[kKindCount] = {
    {kLegendScoutImage, QT_TRANSLATE_NOOP("CTarvellView", "Scout"), QT_TRANSLATE_NOOP("CTarvellView", "(0-1-0)")},
    {kLegendScavengerImage, QT_TRANSLATE_NOOP("CTarvellView", "Scavenger"),
     QT_TRANSLATE_NOOP("CTarvellView", "(0-1-2)")},
    {kLegendCommonImage, QT_TRANSLATE_NOOP("CTarvellView", "Common"), QT_TRANSLATE_NOOP("CTarvellView", "(6-3-0)")},
    {kLegendAmphibiousImage, QT_TRANSLATE_NOOP("CTarvellView", "Amphibious"),
     QT_TRANSLATE_NOOP("CTarvellView", "(6-3-0)")},
    {kLegendMobileImage, QT_TRANSLATE_NOOP("CTarvellView", "Mobile"), QT_TRANSLATE_NOOP("CTarvellView", "(5-3-0)")},
    {kLegendJumpImage, QT_TRANSLATE_NOOP("CTarvellView", "Jump"), QT_TRANSLATE_NOOP("CTarvellView", "(6-2-0)")},
    // Kept word for word, with its one opening and two closing parentheses.
    {kLegendKamikazeeImage, QT_TRANSLATE_NOOP("CTarvellView", "Kamikazee"),
     QT_TRANSLATE_NOOP("CTarvellView", "(K) 0-10-0)")},
    {kLegendArmoredImage, QT_TRANSLATE_NOOP("CTarvellView", "Armored"), QT_TRANSLATE_NOOP("CTarvellView", "(15-10-0)")},
};

// The client rectangle of board squares first..last of one row.
QRect SquaresRect(int first, int last, int row) {
  return QRect(kBoardLeft + kPitch * first, kBoardTop + kPitch * row, kPitch * (last - first) + kPitch - 1, kPitch - 1);
}

// As a paragraph a tooltip wraps instead of running across the screen.
QString Paragraph(const QString& tip) { return QStringLiteral("<p>") + tip.toHtmlEscaped() + QStringLiteral("</p>"); }

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
QImage SurfaceImage(const char* name) {
  const QImage image = LoadImageResource(QLatin1String(name));
  return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}

// A unit button: a checkable push button whose caption wraps at word
// boundaries and stays centred, a price and its resale price ("$50 ($25)")
// on one line.
class CaptionButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(TextArea(), Qt::AlignCenter | Qt::TextWordWrap, Caption());
  }

 public:
  QRect TextArea() const { return rect().adjusted(4, 2, -4, -2); }
  QString Caption() const {
    static const QRegularExpression prices(QStringLiteral(R"((\$\d+) +\()"));
    QString caption = text();
    return caption.replace(prices, QStringLiteral("\\1") + QChar(QChar::Nbsp) + QLatin1Char('('));
  }
};

// Lets a label whose text changes often be repainted alone: it becomes
// opaque and paints first a picture of what lies behind it (the form's
// background and the group box around it), then its text.
class OpaqueBackdrop : public QObject {
 public:
  explicit OpaqueBackdrop(QLabel* label) : QObject(label), label_(label) {
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
      QWidget* box = label_->parentWidget();
      const qreal ratio = label_->devicePixelRatioF();
      backdrop_ = QImage(label_->size() * ratio, QImage::Format_ARGB32_Premultiplied);
      backdrop_.setDevicePixelRatio(ratio);
      backdrop_.fill(box->palette().color(QPalette::Window));
      box->render(&backdrop_, QPoint(), QRegion(label_->geometry()), QWidget::RenderFlags());
    }
    QPainter painter(label_);
    painter.drawImage(0, 0, backdrop_);
  }

  QLabel* label_;
  QImage backdrop_;
};

QLabel* MakeLabel(const QString& text, Qt::Alignment alignment, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(alignment);
  label->setMargin(0);
  label->setIndent(0);
  return label;
}

// A group box whose one value sits right-aligned in the middle of its frame.
QGroupBox* MakeCounter(const QString& title, const char* id, const QString& tip, QWidget* parent) {
  auto* box = new QGroupBox(title, parent);
  box->setToolTip(Paragraph(tip));
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(6, 0, 6, 0);
  QLabel* value = MakeLabel(QString(), Qt::AlignRight | Qt::AlignVCenter, box);
  value->setObjectName(QLatin1String(id));
  value->setToolTip(box->toolTip());
  layout->addWidget(value);
  return box;
}

}  // namespace

CTarvellView::CTarvellView(CTarvellDoc* document) : document_(document) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  auto* left = new QWidget(this);
  left->setObjectName(QStringLiteral("leftColumn"));
  auto* leftLayout = new QVBoxLayout(left);
  leftLayout->setContentsMargins(0, 0, 0, 0);
  leftLayout->setSpacing(0);
  auto* counters = new QHBoxLayout;
  counters->addWidget(MakeCounter(tr("Treasury"), IDC_TREASURY, TreasuryToolTip(), left), 3);
  counters->addWidget(MakeCounter(tr("Turn"), IDC_TURN, TurnToolTip(), left), 2);
  leftLayout->addLayout(counters);
  unitButtons_ = new QButtonGroup(this);
  for (const UnitButton& unit : kUnitButtons) {
    leftLayout->addStretch();
    auto* row = new QHBoxLayout;
    QLabel* picture = MakeLabel(QString(), Qt::AlignLeft | Qt::AlignTop, left);
    picture->setProperty("picture", QLatin1String(unit.picture));
    picture->setToolTip(Paragraph(UnitToolTip(unit.type)));
    auto* button = new CaptionButton(UnitCaption(unit.type), left);
    button->setObjectName(QLatin1String(unit.id));
    button->setCheckable(true);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::ClickFocus);  // no tab stop
    button->setToolTip(picture->toolTip());
    unitButtons_->addButton(button, unit.type);
    connect(button, &QAbstractButton::clicked, this, [this, id = unit.id] { OnUnitButton(id); });
    row->addWidget(picture);
    row->addStretch();
    row->addWidget(button);
    leftLayout->addLayout(row);
  }
  leftLayout->addStretch();
  auto* endSetup = new QPushButton(tr("End Setup"), left);
  endSetup->setObjectName(QLatin1String(IDC_END_SETUP));
  endSetup->setAutoDefault(false);
  // A mouse click on End Setup leaves the focus where it was (the board's
  // cursor keeps its keys); Tab reaches it, and then Enter or Space press it.
  endSetup->setFocusPolicy(Qt::TabFocus);
  endSetup->setToolTip(
      Paragraph(tr("Ends your setup: Chaos plays one turn (F9). Asks first when more than $1000 would be left "
                   "unspent.")));
  connect(endSetup, &QAbstractButton::clicked, this, &CTarvellView::OnEndSetup);
  leftLayout->addWidget(endSetup, 0, Qt::AlignHCenter);
  leftLayout->addStretch();
  leftLayout->addWidget(MakeCounter(tr("Your Record"), IDC_RECORD, RecordToolTip(), left));

  auto* right = new QWidget(this);
  right->setObjectName(QStringLiteral("rightColumn"));
  auto* rightLayout = new QVBoxLayout(right);
  rightLayout->setContentsMargins(0, 0, 0, 0);
  rightLayout->setSpacing(0);
  for (int kind = 0; kind < kKindCount; ++kind) {
    if (kind > 0) rightLayout->addStretch();
    const QString tip = Paragraph(BarbarianToolTip(kind));
    QLabel* picture = MakeLabel(QString(), Qt::AlignHCenter | Qt::AlignTop, right);
    picture->setProperty("picture", QLatin1String(kLegend[kind].picture));
    rightLayout->addWidget(picture, 0, Qt::AlignHCenter);
    for (const char* text : {kLegend[kind].name, kLegend[kind].numbers}) {
      QLabel* label = MakeLabel(tr(text), Qt::AlignHCenter | Qt::AlignTop, right);
      label->setToolTip(tip);
      rightLayout->addWidget(label);
    }
    picture->setToolTip(tip);
  }

  auto* form = new QHBoxLayout(this);
  form->setSpacing(0);
  form->addWidget(left);
  form->addStretch();
  form->addWidget(right);
  for (QWidget* control : findChildren<QWidget*>()) control->installEventFilter(this);
  setMouseTracking(true);
  setFocusPolicy(Qt::ClickFocus);
  // The turn counter changes at every phase of a shown turn.
  new OpaqueBackdrop(Control<QLabel>(IDC_TURN));
  for (int i = 0; i < 8; ++i) {
    terrainImages_[i] = SurfaceImage(kTerrainImages[i]);
    unitImages_[i] = SurfaceImage(kUnitImages[i]);
    barbarianImages_[i] = SurfaceImage(kBarbarianImages[i]);
  }
  markerImage_ = SurfaceImage(kMarkerImage);
  CreateWorthRow();
  // End Setup's own key.
  auto* endSetupKey = new QAction(this);
  endSetupKey->setObjectName(QStringLiteral("endSetupKey"));
  endSetupKey->setShortcut(QKeySequence(Qt::Key_F9));
  endSetupKey->setAutoRepeat(false);
  addAction(endSetupKey);
  connect(endSetupKey, &QAction::triggered, this, &CTarvellView::OnEndSetup);
  playback_ = new TurnPlayback(
      *this, [this] { return window(); },
      [this](const QString& text) {
        if (auto* frame = qobject_cast<CMainFrame*>(window())) frame->SetMessageTextLater(text);
      });
  connect(playback_, &TurnPlayback::turnShowing, this, &CTarvellView::OnTurnShowing);
  formPixelSize_ = ChooseFormPixelSize();
  SetZoom(100);
}

bool CTarvellView::Playing() const { return document_ != nullptr && document_->world.mode == ModePlaying; }

QSize CTarvellView::sizeHint() const {
  return kFormSize * zoomPercent_ / 100 + QSize(0, (kWorthRowHeight * zoomPercent_ + 50) / 100);
}

void CTarvellView::LayOut(int percent, int pixelSize) {
  const auto scaled = [percent](int pixels) { return (pixels * percent + 50) / 100; };
  const auto scaledSize = [&scaled](QSize size) { return QSize(scaled(size.width()), scaled(size.height())); };
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(std::max(1, scaled(pixelSize)));
  setFont(font);
  QToolTip::setFont(font);
  // The worth row lies in the bottom margin, under the form.
  layout()->setContentsMargins(scaled(kMargin), scaled(11), scaled(kMargin), scaled(12) + scaled(kWorthRowHeight));
  Control("leftColumn")->setFixedWidth(scaled(kLeftColumnWidth));
  Control("rightColumn")->setFixedWidth(scaled(kRightColumnWidth));
  for (QGroupBox* box : findChildren<QGroupBox*>()) box->setFixedHeight(scaled(kCounterBoxHeight));
  for (QAbstractButton* button : unitButtons_->buttons()) button->setFixedSize(scaledSize(kUnitButtonSize));
  Control(IDC_END_SETUP)->setFixedSize(scaledSize(kEndSetupSize));
  // Every picture pixel becomes a block of whole screen pixels, never a
  // blend of its neighbours.
  for (QLabel* label : findChildren<QLabel*>()) {
    const QVariant picture = label->property("picture");
    if (!picture.isValid()) continue;
    label->setFixedSize(scaledSize(kPictureSize));
    label->setPixmap(QPixmap::fromImage(
        LoadImageResource(picture.toString()).scaled(label->size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)));
  }
  setFixedSize(sizeHint());
  PlaceWorthRow(scaled(kWorthRowHeight), scaled(kMargin));
  // Every control at its place now: the fonts are chosen by what fits.
  layout()->activate();
  for (QWidget* child : findChildren<QWidget*>())
    if (QLayout* inner = child->layout()) inner->activate();
}

bool CTarvellView::TextsFit() const {
  for (const QLabel* label : findChildren<QLabel*>()) {
    if (label->text().isEmpty()) continue;
    if (label->fontMetrics().horizontalAdvance(label->text()) > label->contentsRect().width()) return false;
  }
  for (const QGroupBox* box : findChildren<QGroupBox*>()) {
    if (box->fontMetrics().horizontalAdvance(box->title()) + 12 > box->width()) return false;
  }
  for (QAbstractButton* button : unitButtons_->buttons()) {
    const auto* caption = static_cast<const CaptionButton*>(button);
    const QRect area = caption->TextArea();
    const QRect needed =
        button->fontMetrics().boundingRect(QRect(0, 0, area.width(), 10000), Qt::TextWordWrap, caption->Caption());
    if (needed.width() > area.width() || needed.height() > area.height()) return false;
  }
  const QWidget* endSetup = Control(IDC_END_SETUP);
  auto* endButton = static_cast<const QPushButton*>(endSetup);
  return endButton->fontMetrics().horizontalAdvance(endButton->text()) + 8 <= endSetup->width();
}

int CTarvellView::ChooseFormPixelSize() {
  // The largest size at which every text of the form fits its control, at
  // 100 %; the other zooms scale it with the rest of the form.
  for (int size = kLargestPixelSize; size > kSmallestPixelSize; --size) {
    LayOut(100, size);
    if (TextsFit()) return size;
  }
  return kSmallestPixelSize;
}

void CTarvellView::SetZoom(int percent) {
  zoomPercent_ = percent;
  LayOut(percent, formPixelSize_);
  update();
}

QPoint CTarvellView::ToForm(QPointF client) const {
  return QPoint(static_cast<int>(std::floor(client.x() * 100 / zoomPercent_)),
                static_cast<int>(std::floor(client.y() * 100 / zoomPercent_)));
}

QRect CTarvellView::ToClient(const QRect& form) const {
  const double zoom = zoomPercent_ / 100.0;
  return QRectF(form.x() * zoom, form.y() * zoom, form.width() * zoom, form.height() * zoom).toAlignedRect();
}

void CTarvellView::ShowNewDocument() {
  playback_->Finish();  // a sale's display, before the board is drawn anew
  fullRedrawPending_ = true;
  update();
  // Keys given while no control has the focus reach the window.
  window()->installEventFilter(this);
  OnUnitButton(IDC_DRONE);
  leftPress[0] = leftPress[1] = -1;
  rightPress[0] = rightPress[1] = -1;
  MoveOutline(cursor_, QPoint(-1, -1));
  MoveOutline(loss_, QPoint(-1, -1));
  setFocus();
  ShowReading();
}

void CTarvellView::DrawBoard() {
  if (document_ == nullptr) return;
  const CWorld& world = document_->world;
  DrawCounters(world.treasury, world.turn);
  DrawTerrain(world.terrain);
  DrawUnits(world.shownUnits);
}

void CTarvellView::SetText(const char* id, const QString& text) {
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
  ShowReading();
}

// The start of a phase is the end of the one before: the window catches up.
void CTarvellView::DrawTurnPhase(int turn, int phase) {
  SetText(IDC_TURN, QString::asprintf("%d (%d)", turn, phase));
  ShowDrawing();
}

void CTarvellView::DrawRecord() {
  const Record& record = document_->Session().UserRecord();
  DrawRecordOf(record.wins, record.losses);
}

void CTarvellView::DrawRecordOf(int wins, int losses) {
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
  // While a turn shows, the surface holds what it has drawn so far: the
  // world already holds the turn's end.
  if (fullRedrawPending_ && !surface_.isNull() && !ShowingTurn()) {
    fullRedrawPending_ = false;
    EndSurfacePainting();
    surface_.fill(palette().color(QPalette::Window));
    painting_ = true;
    DrawBoard();
    painting_ = false;
  }
  EndSurfacePainting();
  QPainter painter(this);
  // Rectangle by rectangle: the changed squares of a turn's phase lie all over
  // the board, and their bounding rectangle would be most of it.
  for (const QRect& rect : event->region()) PaintSurface(painter, rect);
  PaintLossOutline(painter);
  PaintTerrainOverlay(painter, event->region());
  PaintOutlines(painter);
}

void CTarvellView::PaintSurface(QPainter& painter, const QRect& clientArea) {
  if (zoomPercent_ == 100) {
    painter.drawImage(clientArea, surface_, clientArea);
    return;
  }
  painter.save();
  // Every screen pixel takes the colour of one surface pixel, at 150 % and
  // under a fractional device pixel ratio too: grid lines may be one or two
  // pixels wide, but never blurred.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.scale(zoomPercent_ / 100.0, zoomPercent_ / 100.0);
  const QRect area = QRect(ToForm(clientArea.topLeft()), ToForm(clientArea.bottomRight() + QPoint(1, 1)))
                         .adjusted(-1, -1, 1, 1)
                         .intersected(surface_.rect());
  painter.drawImage(area, surface_, area);
  painter.restore();
}

void CTarvellView::PaintOutlines(QPainter& painter) {
  // Only while the player sets up: a turn draws over the board on its own.
  if (!Playing() || ShowingTurn()) return;
  painter.save();
  painter.scale(zoomPercent_ / 100.0, zoomPercent_ / 100.0);
  painter.setBrush(Qt::NoBrush);
  const auto outline = [&painter](QPoint square) {
    painter.drawRect(kBoardLeft + kPitch * square.x() + 1, kBoardTop + kPitch * square.y() + 1, kPitch - 1, kPitch - 1);
  };
  // The mouse's square in solid yellow; the keyboard's in white dashes on
  // black, so that the two never look alike.
  if (hover_.x() >= 0) {
    painter.setPen(QPen(OutlineColour(), 2));
    outline(hover_);
  }
  if (cursor_.x() >= 0) {
    painter.setPen(QPen(Qt::black, 2));
    outline(cursor_);
    QPen dashes(CursorColour(), 2, Qt::CustomDashLine, Qt::FlatCap);
    dashes.setDashPattern({2, 2});
    painter.setPen(dashes);
    outline(cursor_);
  }
  painter.restore();
}

void CTarvellView::OutlineLoss(QPoint square) { MoveOutline(loss_, square); }

void CTarvellView::PaintLossOutline(QPainter& painter) {
  // After a turn, and after a game's last turn too; a turn draws over the
  // board on its own.
  if (loss_.x() < 0 || ShowingTurn()) return;
  painter.save();
  painter.scale(zoomPercent_ / 100.0, zoomPercent_ / 100.0);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(LossColour(), 2));
  painter.drawRect(kBoardLeft + kPitch * loss_.x() + 1, kBoardTop + kPitch * loss_.y() + 1, kPitch - 1, kPitch - 1);
  painter.restore();
}

void CTarvellView::MoveOutline(QPoint& outline, QPoint square) {
  if (outline == square) return;
  const QPoint before = outline;
  outline = square;
  if (square.x() >= 0) cursorDescribed_ = &outline == &cursor_;
  ShowReading();
  for (const QPoint& changed : {before, square})
    if (changed.x() >= 0)
      update(ToClient(
          QRect(kBoardLeft + kPitch * changed.x() - 1, kBoardTop + kPitch * changed.y() - 1, kPitch + 3, kPitch + 3)));
}

void CTarvellView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The surface keeps the form's own size whatever the zoom; only the first
  // resize makes it.
  if (surface_.size() == kFormSize) return;
  EndSurfacePainting();
  surface_ = QImage(kFormSize, QImage::Format_RGB32);
  surface_.fill(palette().color(QPalette::Window));
  fullRedrawPending_ = true;
}

QRect CTarvellView::TileRect(int x, int y) {
  return QRect(kBoardLeft + kPitch * x, kBoardTop + kPitch * y, kPitch - 1, kPitch - 1);
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
  MoveOutline(loss_, QPoint(-1, -1));
  const QPoint at = ToForm(event->position());
  int column, row;
  if (!ShowingTurn() && Playing() && SquareAt(at.x(), at.y(), column, row)) {
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
  const bool onBoard = SquareAt(at.x(), at.y(), column, row);
  const bool clickButton = event->button() == Qt::LeftButton || event->button() == Qt::RightButton;
  // A release off the board leaves the press pending.
  if (ShowingTurn()) {
    // Refused: nothing is bought, sold or kept for later.
  } else if (!Playing()) {
    if (onBoard && clickButton && document_ != nullptr)
      ShowRefusal(RefusalText(Refusal::NoGame, document_->world, selectedType, column, row));
  } else if (onBoard) {
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
  if (Playing() && !ShowingTurn() && SquareAt(at.x(), at.y(), column, row)) {
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
  if (watched == Control(IDC_END_SETUP) && RefuseEndSetupMouse(event)) return true;
  if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  // Enter or Space on a focused button presses that button: Space as the
  // button itself takes it, Enter here (a button outside a dialog ignores
  // it). The arrows stay the board cursor's.
  if (auto* button = qobject_cast<QAbstractButton*>(watched);
      button != nullptr && !ShowingTurn() && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    if (key->key() == Qt::Key_Space) return false;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      if (!key->isAutoRepeat() && button->isEnabled()) button->click();
      return true;
    }
  }
  return HandleKey(key) || QWidget::eventFilter(watched, event);
}

bool CTarvellView::RefuseEndSetupMouse(const QEvent* event) const {
  // The second click of a double click arrives as a double click: never a
  // turn. A click within the double-click time of the one that started the
  // last turn is that click's echo (a turn at the fastest speed may be over
  // by then), so its press is dropped and its release clicks nothing.
  if (event->type() == QEvent::MouseButtonDblClick) return true;
  return event->type() == QEvent::MouseButtonPress && lastTurnStart_.isValid() &&
         lastTurnStart_.elapsed() < QApplication::doubleClickInterval();
}

namespace {

// The keys the board takes between turns: the cursor's arrows, Enter and
// Space to buy, Delete to sell.
bool IsBoardKey(int key) {
  switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Delete: return true;
    default: return false;
  }
}

}  // namespace

bool CTarvellView::HandleKey(const QKeyEvent* event) {
  if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
  if (ShowingTurn()) {
    // Escape hurries the turn; the board's keys are refused, not kept.
    if (event->key() == Qt::Key_Escape) {
      if (!event->isAutoRepeat()) playback_->Hurry();
      return true;
    }
    return IsBoardKey(event->key());
  }
  if (!Playing()) {
    if (!IsBoardKey(event->key())) return false;
    if (document_ != nullptr) ShowRefusal(RefusalText(Refusal::NoGame, document_->world, selectedType, 0, 0));
    return true;
  }
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
  if (ShowingTurn()) return false;
  CWorld& world = document_->world;
  Refusal refusal = Refusal::None;
  playback_->Show(world, [&] { refusal = document_->Session().Buy(selectedType, x, y); });
  if (refusal != Refusal::None) {
    ShowRefusal(RefusalText(refusal, world, selectedType, x, y));
    return false;
  }
  DrawCounters(world.treasury, world.turn);
  ShowRefusal(QString());
  return true;
}

bool CTarvellView::SellAt(int x, int y) {
  if (ShowingTurn()) return false;
  CWorld& world = document_->world;
  // The marker shows, and the bare tile follows after the pause.
  Refusal refusal = Refusal::None;
  playback_->Show(world, [&] { refusal = document_->Session().Sell(x, y); });
  if (refusal != Refusal::None) {
    ShowRefusal(RefusalText(refusal, world, selectedType, x, y));
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
    frame->ShowIdleMessage();
  }
  refusalShown_ = !reason.isEmpty();
}

void CTarvellView::OnUnitButton(const char* id) {
  if (ShowingTurn()) return;
  for (const UnitButton& button : kUnitButtons) {
    if (std::strcmp(button.id, id) != 0) continue;
    selectedType = button.type;
    // Checking one of the exclusive buttons clears the one checked before.
    Control<QAbstractButton>(id)->setChecked(true);
  }
}

void CTarvellView::OnTurnShowing(bool showing) {
  for (const UnitButton& button : kUnitButtons) Control(button.id)->setEnabled(!showing);
  Control(IDC_END_SETUP)->setEnabled(!showing);
  if (showing) {
    // Escape must reach the view while the buttons are disabled; the
    // outlines leave the board.
    focusBeforeTurn_ = QApplication::focusWidget();
    setFocus();
    MoveOutline(hover_, QPoint(-1, -1));
    MoveOutline(loss_, QPoint(-1, -1));
  } else if (focusBeforeTurn_ != nullptr && focusBeforeTurn_->isEnabled()) {
    focusBeforeTurn_->setFocus();
  }
  // The cursor's outline leaves or comes back; a full repaint asked for
  // during the turn now draws from the world.
  update();
  ShowReading();
  if (!showing) document_->TurnShown();
}

void CTarvellView::OnEndSetup() {
  if (document_ == nullptr || ShowingTurn()) return;
  if (!Playing()) {
    ShowRefusal(RefusalText(Refusal::NoGame, document_->world, selectedType, 0, 0));
    return;
  }
  if (document_->world.treasury > 1000 && !AskAreYouSure(this)) return;
  refusalShown_ = false;
  lastTurnStart_.start();
  playback_->PlayTurnOf(document_->Session());
}
