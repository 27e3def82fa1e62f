#pragma once
// The Chaos window (View > Chaos): what Chaos has learned about the current
// user. A chart of the 250 strategy scores, ordered by index or by score, with
// the strategy in play marked and a line at the target that the user's record
// sets; the record itself; the Chaos mode in play and, in adaptive mode, the
// factor on Chaos's purse and the record it comes from; and whether a
// simulation is running. The scores are
// read only while no simulation runs, as every other reader does; while one
// runs, the chart keeps the last scores it read.

#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

#include "opponent/strategy.h"

class CSession;
class QCheckBox;
class QLabel;

// The chart alone: one bar per strategy from a zero line, low scores (good
// for Chaos) below it.
class CScoreChart : public QWidget {
  Q_OBJECT

 public:
  explicit CScoreChart(QWidget* parent = nullptr);

  void SetScores(const std::array<std::int32_t, kStrategyCount>& scores, int inPlay, std::int64_t target);
  void SetOrderedByScore(bool byScore);

  // Where strategy index's bar is drawn, for tests and tooltips.
  QRect BarRect(int index) const;
  static QColor InPlayColour() { return QColor(200, 30, 30); }

  QSize sizeHint() const override { return {760, 300}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;

 private:
  int SlotOf(int index) const;
  int ZeroY() const;
  double Scale() const;
  QRect PlotArea() const;

  std::array<std::int32_t, kStrategyCount> scores_{};
  std::array<int, kStrategyCount> order_{};  // strategy shown in each slot
  int inPlay_ = -1;
  std::int64_t target_ = 0;
  bool byScore_ = false;
};

class CChaosWindow : public QWidget {
  Q_OBJECT

 public:
  // session: the game shown in the main window, its user and simulation.
  CChaosWindow(const CSession& session, QWidget* parent = nullptr);

  // Reads the scores and the record anew, unless a simulation is running.
  // Only whether one runs while held (see HoldWhile). The program calls it
  // whenever a simulation starts or ends, a game ends, a shown turn ends or
  // the user changes.
  void Refresh();
  // While held() is true, the record, the strategy and the scores shown stay
  // as they are: the main window's board shows a turn whose end the world
  // already holds.
  void HoldWhile(std::function<bool()> held) { held_ = std::move(held); }

  CScoreChart& Chart() { return *chart_; }

 private:
  void ShowMode();

  const CSession& session_;
  CScoreChart* chart_;
  QLabel* record_;
  QLabel* mode_;
  QLabel* nextMode_;  // only while the setting differs from the game's mode
  QLabel* strategy_;
  QLabel* target_;
  QLabel* simulation_;
  QCheckBox* byScore_;
  std::function<bool()> held_;
};
