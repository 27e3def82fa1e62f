#pragma once
// COptionsDialog: the game speed on a slider of six positions, "Slowest" on
// the left (position 0, speed 5) to "Fastest" on the right (position 5,
// speed 0); and Chaos's mode, Classic or Adaptive, which applies from the
// next new game.

#include <QDialog>

#include "opponent/strategy.h"

class QRadioButton;
class QSlider;

class COptionsDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kSlowestSpeed = 5;

  // Opens with the slider at speed and mode chosen.
  COptionsDialog(int speed, ChaosMode mode, QWidget* parent = nullptr);

  // The speed the slider shows.
  int Speed() const;
  // The Chaos mode chosen.
  ChaosMode Chaos() const;

 private:
  QSlider* slider_;
  QRadioButton* adaptive_;
};
