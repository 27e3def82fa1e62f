#include "ui/chaos_window.h"

#include <QCheckBox>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>
#include <numeric>

#include "model/saturating.h"
#include "model/world.h"
#include "session/session.h"

namespace {

constexpr int kMargin = 40;  // room for the axis labels

QString RecordText(const Record& record) {
  const std::int64_t games = static_cast<std::int64_t>(record.wins) + record.losses;
  const double share = games > 0 ? static_cast<double>(record.wins) / static_cast<double>(games) : 0.0;
  return CChaosWindow::tr("Record: %1 won, %2 lost (%3 won)").arg(record.wins).arg(record.losses).arg(share, 0, 'f', 3);
}

}  // namespace

CScoreChart::CScoreChart(QWidget* parent) : QWidget(parent) {
  std::iota(order_.begin(), order_.end(), 0);
  setMinimumSize(kStrategyCount + 2 * kMargin, 260);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void CScoreChart::SetScores(const std::array<std::int32_t, kStrategyCount>& scores, int inPlay, std::int64_t target) {
  scores_ = scores;
  inPlay_ = inPlay;
  target_ = target;
  SetOrderedByScore(byScore_);
}

void CScoreChart::SetOrderedByScore(bool byScore) {
  byScore_ = byScore;
  std::iota(order_.begin(), order_.end(), 0);
  if (byScore_)
    std::stable_sort(order_.begin(), order_.end(), [this](int a, int b) { return scores_[a] < scores_[b]; });
  update();
}

QRect CScoreChart::PlotArea() const {
  const int line = fontMetrics().height();
  return rect().adjusted(kMargin, line + 6, -10, -(line + 4));
}

double CScoreChart::Scale() const {
  std::int64_t largest = std::llabs(target_);
  for (std::int32_t score : scores_) largest = std::max<std::int64_t>(largest, std::llabs(score));
  return largest == 0 ? 0.0 : (PlotArea().height() / 2.0 - 2) / static_cast<double>(largest);
}

int CScoreChart::ZeroY() const { return PlotArea().center().y(); }

int CScoreChart::SlotOf(int index) const {
  return static_cast<int>(std::find(order_.begin(), order_.end(), index) - order_.begin());
}

QRect CScoreChart::BarRect(int index) const {
  const QRect plot = PlotArea();
  const double width = static_cast<double>(plot.width()) / kStrategyCount;
  const int left = plot.left() + static_cast<int>(SlotOf(index) * width);
  const int right = std::max(left + 1, plot.left() + static_cast<int>((SlotOf(index) + 1) * width) - 1);
  const int height = static_cast<int>(scores_[index] * Scale());
  const int zero = ZeroY();
  // A bar is at least two pixels tall, so that a score of 0 still shows.
  if (height >= 0) return QRect(QPoint(left, zero - std::max(height, 1)), QPoint(right, zero));
  return QRect(QPoint(left, zero), QPoint(right, zero - height));
}

void CScoreChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().base());
  const QRect plot = PlotArea();
  const int line = painter.fontMetrics().height();  // the labels follow the window's font
  painter.setPen(palette().text().color());
  painter.drawLine(plot.left(), ZeroY(), plot.right(), ZeroY());
  painter.drawText(QRect(0, ZeroY() - line / 2, kMargin - 4, line), Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("0"));
  painter.drawText(QRect(plot.left(), plot.bottom() + 2, plot.width(), line), Qt::AlignLeft,
                   byScore_ ? tr("strategies, lowest score (best for Chaos) first") : tr("strategies 0 to 249"));

  for (int i = 0; i < kStrategyCount; ++i)
    painter.fillRect(BarRect(i), i == inPlay_ ? InPlayColour() : QColor(90, 120, 170));

  // A bar near 0 is hard to find: a line and a label point at the one in play.
  if (inPlay_ >= 0) {
    const int x = BarRect(inPlay_).center().x();
    painter.setPen(QPen(InPlayColour(), 1, Qt::DotLine));
    painter.drawLine(x, plot.top(), x, plot.bottom());
    painter.setPen(InPlayColour());
    const int width = painter.fontMetrics().horizontalAdvance(tr("strategy %1 in play").arg(kStrategyCount - 1)) + 8;
    const QRect label = QRect(x - width / 2, 2, width, line).translated(std::max(0, plot.left() - (x - width / 2)), 0);
    painter.drawText(label.translated(std::min(0, rect().right() - label.right()), 0), Qt::AlignCenter,
                     tr("strategy %1 in play").arg(inPlay_));
  }

  // The target the record sets: the choice takes the score nearest it.
  const int targetY = ZeroY() - static_cast<int>(target_ * Scale());
  QPen dashed(QColor(20, 140, 20), 1, Qt::DashLine);
  painter.setPen(dashed);
  painter.drawLine(plot.left(), targetY, plot.right(), targetY);
  // Named above the line's right end, clear of the axis's own labels.
  painter.drawText(QRect(plot.left(), targetY - line - 2, plot.width(), line), Qt::AlignRight | Qt::AlignBottom,
                   tr("target %1").arg(target_));
}

bool CScoreChart::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    const auto* help = static_cast<QHelpEvent*>(event);
    for (int i = 0; i < kStrategyCount; ++i)
      if (BarRect(i).adjusted(0, -1000, 0, 1000).contains(help->pos())) {
        QToolTip::showText(help->globalPos(),
                           (i == inPlay_ ? tr("Strategy %1: score %2 (in play)") : tr("Strategy %1: score %2"))
                               .arg(i)
                               .arg(scores_[i]));
        return true;
      }
    QToolTip::hideText();
    return true;
  }
  return QWidget::event(event);
}

CChaosWindow::CChaosWindow(const CSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window),
      session_(session),
      chart_(new CScoreChart),
      record_(new QLabel),
      mode_(new QLabel),
      nextMode_(new QLabel),
      strategy_(new QLabel),
      target_(new QLabel),
      simulation_(new QLabel),
      byScore_(new QCheckBox(tr("Order by score"))) {
  setWindowTitle(tr("Tarvell - Chaos"));
  resize(880, 640);
  auto* explanation = new QLabel(
      tr("Each bar is one of Chaos's 250 strategies: how much better your side did than Chaos when the strategy was "
         "replayed against your positions (low is good for Chaos). Chaos plays the strategy whose score lies nearest "
         "the target; the target is 0, an even match, while you win at most half your games, and moves towards the "
         "lowest score the more you win."));
  explanation->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(explanation);
  layout->addWidget(record_);
  layout->addWidget(mode_);
  layout->addWidget(nextMode_);
  layout->addWidget(strategy_);
  layout->addWidget(target_);
  layout->addWidget(simulation_);
  layout->addWidget(byScore_);
  layout->addWidget(chart_, 1);
  connect(byScore_, &QCheckBox::toggled, chart_, &CScoreChart::SetOrderedByScore);
  Refresh();
}

void CChaosWindow::Refresh() {
  const bool running = session_.SimulationRunning();
  simulation_->setText(running ? tr("Simulation: Chaos is replaying your last position under its 250 strategies...")
                               : tr("Simulation: none running; the scores are up to date."));
  if (running || (held_ && held_())) return;
  const std::array<std::int32_t, kStrategyCount> scores = session_.Scores();
  const StrategyChoice choice = session_.Choice();
  const int inPlay = session_.World().strategyInPlay;
  record_->setText(
      tr("%1   Profile: %2").arg(RecordText(session_.UserRecord()), QString::fromStdString(session_.ProfilePath())));
  strategy_->setText(inPlay >= 0 ? tr("Strategy in play: %1 (score %2)").arg(inPlay).arg(scores[inPlay])
                                 : tr("Strategy in play: none yet"));
  ShowMode();
  target_->setText(tr("Target the record sets now: %1 (nearest: strategy %2)").arg(choice.target).arg(choice.index));
  chart_->SetScores(scores, inPlay, choice.target);
}

namespace {

// A purse factor as the player reads it: 98304 is "1.50".
QString FactorText(std::int32_t factor) { return QString::number(static_cast<double>(factor) / kPurseOne, 'f', 2); }

}  // namespace

void CChaosWindow::ShowMode() {
  const Record& record = session_.UserRecord();
  const std::int32_t game = session_.GamePurseFactor();
  const std::int32_t next = session_.RecordPurseFactor();
  if (session_.GameChaosMode() == ChaosMode::Classic)
    mode_->setText(tr("Mode in play: Classic (Chaos's purse is the same for every player)"));
  else if (game == next)
    mode_->setText(tr("Mode in play: Adaptive: Chaos's starting money and income ×%1, from your record of %2 won, "
                      "%3 lost")
                       .arg(FactorText(game))
                       .arg(record.wins)
                       .arg(record.losses));
  else  // a game has ended since this one's purse was set
    mode_->setText(tr("Mode in play: Adaptive: Chaos's starting money and income ×%1; your record of %2 won, %3 "
                      "lost sets ×%4 for the next game")
                       .arg(FactorText(game))
                       .arg(record.wins)
                       .arg(record.losses)
                       .arg(FactorText(next)));
  const bool changed = session_.SettingChaosMode() != session_.GameChaosMode();
  nextMode_->setVisible(changed);
  nextMode_->setText(!changed                                             ? QString()
                     : session_.SettingChaosMode() == ChaosMode::Adaptive ? tr("From the next new game: Adaptive")
                                                                          : tr("From the next new game: Classic"));
}
