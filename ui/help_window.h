#pragma once
// Help > How to Play: one page on the goal, the units, the barbarians, a
// turn, the terrain and how Chaos learns, shipped inside the program.

#include <QDialog>

class QTextBrowser;

class CHowToPlayWindow : public QDialog {
  Q_OBJECT

 public:
  explicit CHowToPlayWindow(QWidget* parent = nullptr);

  const QTextBrowser& Page() const { return *page_; }

 private:
  QTextBrowser* page_;
};
