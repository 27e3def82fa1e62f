#pragma once
// COptionsDialog: the game speed on a slider of six positions, "Slowest" on
// the left (position 0, speed 5) to "Fastest" on the right (position 5,
// speed 0).

#include <QDialog>

class QSlider;

class COptionsDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kSlowestSpeed = 5;

  // Opens with the slider at speed.
  explicit COptionsDialog(int speed, QWidget* parent = nullptr);

  // The speed the slider shows.
  int Speed() const;

 private:
  QSlider* slider_;
};
