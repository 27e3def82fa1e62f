#include "ui/turn_playback.h"

#include <QMessageBox>

#include <cstdio>
#include <cstring>

#include "model/world.h"
#include "opponent/strategy.h"
#include "session/session.h"
#include "ui/message_dialogs.h"
#include "ui/tarvell_view.h"
#include "ui/unit_texts.h"
#include "units/unit.h"

TurnPlayback::TurnPlayback(CTarvellView& view, std::function<QWidget*()> dialogParent,
                           std::function<void(const QString&)> status)
    : QObject(&view), view_(view), dialogParent_(std::move(dialogParent)), status_(std::move(status)) {
  timer_.setSingleShot(true);
  // The pauses are a few milliseconds each: as near to them as the system
  // allows.
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &TurnPlayback::PlayOn);
}

TurnPlayback::~TurnPlayback() = default;

void TurnPlayback::PlayTurnOf(CSession& session) {
  if (showingTurn_) return;
  Finish();
  showingTurn_ = true;
  emit turnShowing(true);
  session_ = &session;
  reporter_.Begin(session.World());
  reporting_ = true;
  Record(session.World(), [this, &session] { reported_ = session.PlayTurn(&reporter_); });
  reporting_ = false;
  session_ = nullptr;
  PlayOn();
}

void TurnPlayback::Show(CWorld& world, const std::function<void()>& work) {
  if (showingTurn_) return;
  Finish();
  Record(world, work);
  PlayOn();
}

void TurnPlayback::Record(CWorld& world, const std::function<void()>& work) {
  events_.clear();
  terrains_.clear();
  units_.clear();
  texts_.clear();
  next_ = 0;
  CWorldOwner* const owner = world.owner;
  world.owner = this;
  work();
  world.owner = owner;
}

void TurnPlayback::Finish() {
  if (showingTurn_ || next_ >= events_.size()) return;
  timer_.stop();
  finishing_ = true;
  PlayOn();
  finishing_ = false;
}

void TurnPlayback::Add(Kind kind, int x, int y, std::int32_t a, std::int32_t b) {
  events_.push_back({kind, static_cast<std::int8_t>(x), static_cast<std::int8_t>(y), a, b});
}

void TurnPlayback::SetStatusText(int turn, int phase, const char* message) {
  Add(Kind::Status, 0, 0, static_cast<std::int32_t>(texts_.size()));
  texts_.push_back(StatusText(turn, phase, QString::fromUtf8(message)));
}

void TurnPlayback::ReportDestruction(int turn, int phase, int what, int x, int y, const char*) {
  if (reporting_) reporter_.Destruction(phase, what, x, y);
  Add(Kind::Status, 0, 0, static_cast<std::int32_t>(texts_.size()));
  texts_.push_back(DestructionText(turn, phase, what, x, y));
}

// The record as it stands now: after a game's end it is already booked.
void TurnPlayback::DrawRecord() {
  const ::Record record = session_ != nullptr ? session_->UserRecord() : ::Record{};
  Add(Kind::Record, 0, 0, record.wins, record.losses);
}

void TurnPlayback::DrawTerrain(const TerrainGrid& terrain) {
  Add(Kind::Terrain, 0, 0, static_cast<std::int32_t>(terrains_.size()));
  std::memcpy(terrains_.emplace_back().data(), terrain, sizeof terrain);
}

void TurnPlayback::DrawUnits(const UnitGrid& units) {
  Add(Kind::Units, 0, 0, static_cast<std::int32_t>(units_.size()));
  std::memcpy(units_.emplace_back().data(), units, sizeof units);
}

void TurnPlayback::DrawBarbarians(const CUnit* head) {
  for (const CUnit* unit = head->next; unit != nullptr; unit = unit->next) DrawBarbarian(unit);
}

void TurnPlayback::DrawBarbarian(const CUnit* unit) {
  if (unit != nullptr) Add(Kind::BarbarianAt, unit->x, unit->y, unit->kindCode);
}

void TurnPlayback::PlayOn() {
  while (next_ < events_.size()) {
    const Event& event = events_[next_++];
    switch (event.kind) {
      case Kind::Pause:
        if (finishing_ || hurried_) break;
        // Whatever was drawn is on screen while the turn waits.
        view_.ShowDrawing();
        timer_.start(event.a);
        return;
      case Kind::Victory:
      case Kind::Defeat:
        view_.ShowDrawing();  // the board behind the message shows the turn's end
        OpenEndOfGame(event.kind == Kind::Victory);
        return;
      case Kind::TurnPhase:
        Play(event);  // shows the phase's start at once
        if (finishing_) break;
        // Between two phases the window repaints and takes input (which a
        // showing turn refuses).
        timer_.start(0);
        return;
      default: Play(event); break;
    }
  }
  End();
}

void TurnPlayback::Play(const Event& event) {
  switch (event.kind) {
    case Kind::Counters: view_.DrawCounters(event.a, event.b); break;
    case Kind::TurnPhase: view_.DrawTurnPhase(event.a, event.b); break;
    case Kind::Record: view_.DrawRecordOf(event.a, event.b); break;
    case Kind::Terrain: {
      TerrainGrid terrain;
      std::memcpy(terrain, terrains_[event.a].data(), sizeof terrain);
      view_.DrawTerrain(terrain);
      break;
    }
    case Kind::TerrainAt: view_.DrawTerrainAt(event.x, event.y, event.a); break;
    case Kind::Units: {
      UnitGrid units;
      std::memcpy(units, units_[event.a].data(), sizeof units);
      view_.DrawUnits(units);
      break;
    }
    case Kind::UnitAt: view_.DrawUnitAt(event.x, event.y, event.a); break;
    case Kind::BarbarianAt: view_.DrawBarbarianAt(event.x, event.y, event.a); break;
    case Kind::MarkerAt: view_.DrawMarkerAt(event.x, event.y); break;
    case Kind::Status: status_(texts_[event.a]); break;
    default: break;
  }
}

void TurnPlayback::OpenEndOfGame(bool victory) {
  // The rest of the turn waits for the player to close the message; it may
  // be answered before open() returns, so the turn goes on from the event
  // loop.
  QMessageBox* message = victory ? CreateVictoryMessage(dialogParent_()) : CreateDefeatMessage(dialogParent_());
  connect(message, &QDialog::finished, this, &TurnPlayback::PlayOn, Qt::QueuedConnection);
  message->open();
}

void TurnPlayback::End() {
  events_.clear();
  terrains_.clear();
  units_.clear();
  texts_.clear();
  next_ = 0;
  view_.ShowDrawing();
  if (!showingTurn_) return;
  showingTurn_ = false;
  hurried_ = false;  // the next turn is paced again
  if (reported_) {
    reported_ = false;
    emit turnReported(reporter_.Report());
  }
  emit turnShowing(false);
}
