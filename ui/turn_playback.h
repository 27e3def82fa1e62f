#pragma once
// TurnPlayback: a shown turn without a blocking window thread.
//
// The world's turn is computed at once, with this object standing in as the
// world's owner: every drawing call, status message, pause and end-of-game
// message the turn makes is recorded in order instead of shown. A timer then
// plays the record back onto the board view: each pause becomes the timer's
// interval, each phase gives the window one pass of its event loop (a
// repaint, and any input, which a showing turn refuses), and an end-of-game
// message is opened without a loop of its own, the rest of the record waiting
// until the player has closed it. So the player sees the turn drawn, paced
// and reported as it was computed, while the window goes on repainting from
// what has been played back so far.
//
// The turn's report (see engine/turn_report.h) is made while it is computed
// and handed on once the turn has been shown to its end.
//
// A sale between turns is shown the same way (marker, pause, bare tile),
// without making the window busy: the next thing the player does first plays
// what is left of it at once.

#include <QObject>
#include <QString>
#include <QTimer>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "engine/turn_report.h"
#include "model/owner.h"

class CSession;
class CTarvellView;
class CWorld;
class QWidget;

class TurnPlayback : public QObject, public CWorldOwner, private CBoardDisplay {
  Q_OBJECT

 public:
  // view: where the record is played back; dialogParent: the end-of-game
  // messages' parent; status: shows a status message.
  TurnPlayback(CTarvellView& view, std::function<QWidget*()> dialogParent, std::function<void(const QString&)> status);
  ~TurnPlayback() override;

  // Computes a whole turn of the session's game (its PlayTurn) with the
  // display recorded, then starts showing it; the turn shows until
  // ShowingTurn is false again.
  void PlayTurnOf(CSession& session);
  // Runs work on world (a sale, a purchase) with its display recorded, and
  // shows it; a pause in it goes on after this returns. Neither runs
  // anything while a turn shows.
  void Show(CWorld& world, const std::function<void()>& work);

  // Whether a turn is being shown, from its computation until the last of it
  // (an end-of-game message included) has been played back.
  bool ShowingTurn() const { return showingTurn_; }
  // Whether anything recorded is still to be shown: a turn, or the rest of a
  // sale's display.
  bool Showing() const { return showingTurn_ || next_ < events_.size(); }
  // Plays the rest without pauses, as at speed 0; phases still show one by
  // one and an end-of-game message still waits for the player.
  void Hurry() { hurried_ = true; }
  bool Hurried() const { return hurried_; }
  // Plays at once all that is left of a sale's display. Not for a turn.
  void Finish();

 signals:
  // A turn starts or has ended showing.
  void turnShowing(bool showing);
  // A turn has been shown to its end; report says what it did. Comes just
  // before turnShowing(false).
  void turnReported(const TurnReport& report);

 private:
  enum class Kind : std::uint8_t {
    Counters,     // a = treasury, b = turn
    TurnPhase,    // a = turn, b = phase
    Record,       // a = wins, b = losses
    Terrain,      // a = index into terrains_
    TerrainAt,    // x, y; a = code
    Units,        // a = index into units_
    UnitAt,       // x, y; a = type
    BarbarianAt,  // x, y; a = kind code
    MarkerAt,     // x, y
    Status,       // a = index into texts_
    Victory,
    Defeat,
    Pause,  // a = milliseconds
  };
  struct Event {
    Kind kind;
    std::int8_t x, y;
    std::int32_t a, b;
  };

  // CWorldOwner, while a record is made.
  CBoardDisplay* FirstView() override { return this; }
  void SetStatusText(int turn, int phase, const char* message) override;
  void ReportDestruction(int turn, int phase, int what, int x, int y, const char* text) override;
  void ShowVictory() override { Add(Kind::Victory); }
  void ShowDefeat() override { Add(Kind::Defeat); }
  void Pause(int milliseconds) override {
    if (milliseconds > 0) Add(Kind::Pause, 0, 0, milliseconds);
  }

  // CBoardDisplay, while a record is made.
  void DrawCounters(int treasury, int turn) override { Add(Kind::Counters, 0, 0, treasury, turn); }
  void DrawTurnPhase(int turn, int phase) override { Add(Kind::TurnPhase, 0, 0, turn, phase); }
  void DrawRecord() override;
  void DrawTerrain(const TerrainGrid& terrain) override;
  void DrawTerrainAt(int x, int y, int code) override { Add(Kind::TerrainAt, x, y, code); }
  void DrawUnits(const UnitGrid& units) override;
  void DrawUnitAt(int x, int y, int type) override { Add(Kind::UnitAt, x, y, type); }
  void DrawBarbarians(const CUnit* head) override;
  void DrawBarbarian(const CUnit* unit) override;
  void DrawMarkerAt(int x, int y) override { Add(Kind::MarkerAt, x, y); }

  void Add(Kind kind, int x = 0, int y = 0, std::int32_t a = 0, std::int32_t b = 0);
  // Makes a record of work on world, with this object as its owner.
  void Record(CWorld& world, const std::function<void()>& work);
  // Plays on from the next event: up to a pause (the timer's interval), the
  // start of a phase (a pass of the event loop), an end-of-game message or the
  // end of the record.
  void PlayOn();
  void Play(const Event& event);
  void OpenEndOfGame(bool victory);
  void End();

  CTarvellView& view_;
  // The session whose turn is being recorded, for its record; null else.
  const CSession* session_ = nullptr;
  std::function<QWidget*()> dialogParent_;
  std::function<void(const QString&)> status_;
  std::vector<Event> events_;
  std::vector<std::array<std::int8_t, kBoardSquares>> terrains_;
  std::vector<std::array<std::int32_t, kBoardSquares>> units_;
  std::vector<QString> texts_;
  std::size_t next_ = 0;
  QTimer timer_;
  bool showingTurn_ = false;
  bool hurried_ = false;
  bool finishing_ = false;
  // Fills the report of the turn being computed (reporting_) and keeps it
  // until the turn has been shown (reported_).
  CTurnReporter reporter_;
  bool reporting_ = false;
  bool reported_ = false;
};
