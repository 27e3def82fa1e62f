#include "ui/platform/status_bar.h"

#include <QLabel>

#include "ui/platform/keyboard_locks.h"
#include "ui/resources/dialog_font.h"
#include "ui/resources/resource_ids.h"
#include "ui/resources/strings.h"

namespace {

constexpr int kLockPollMilliseconds = 250;
constexpr int kIndicatorPadding = 12;

}  // namespace

CStatusBar::CStatusBar(QWidget* parent) : QStatusBar(parent) {
  setSizeGripEnabled(false);
  setFont(DialogFont());
  lockTimer_.setInterval(kLockPollMilliseconds);
  connect(&lockTimer_, &QTimer::timeout, this, [this] { PollLocks(); });
}

bool CStatusBar::SetIndicators(const int* ids, int count) {
  if (ids == nullptr || count <= 0) return false;
  for (QLabel* pane : panes_) {
    removeWidget(pane);
    delete pane;
  }
  panes_.clear();
  ids_.assign(ids, ids + count);
  for (int i = 0; i < count; ++i) {
    auto* pane = new QLabel(this);
    pane->setFont(font());
    pane->setTextFormat(Qt::PlainText);
    if (ids[i] == ID_SEPARATOR) {
      addWidget(pane, 1);
    } else {
      // An indicator keeps the width of its text whether it shows or not.
      const QString text = QString::fromStdString(LoadResourceString(ids[i]));
      pane->setFixedWidth(pane->fontMetrics().horizontalAdvance(text) + kIndicatorPadding);
      pane->setAlignment(Qt::AlignCenter);
      pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      addPermanentWidget(pane);
    }
    panes_.push_back(pane);
  }
  PollLocks();
  lockTimer_.start();
  return true;
}

void CStatusBar::SetPaneText(int index, const QString& text, bool update) {
  if (index < 0 || index >= PaneCount()) return;
  panes_[index]->setText(text);
  if (update) panes_[index]->repaint();
}

QString CStatusBar::GetPaneText(int index) const {
  return index >= 0 && index < PaneCount() ? panes_[index]->text() : QString();
}

int CStatusBar::PaneId(int index) const { return index >= 0 && index < PaneCount() ? ids_[index] : -1; }

void CStatusBar::ShowLockState(bool caps, bool num, bool scroll) {
  for (int i = 0; i < PaneCount(); ++i) {
    bool on = false;
    if (ids_[i] == ID_INDICATOR_CAPS) {
      on = caps;
    } else if (ids_[i] == ID_INDICATOR_NUM) {
      on = num;
    } else if (ids_[i] == ID_INDICATOR_SCRL) {
      on = scroll;
    } else {
      continue;
    }
    const QString text = on ? QString::fromStdString(LoadResourceString(ids_[i])) : QString();
    if (panes_[i]->text() != text) panes_[i]->setText(text);
  }
}

void CStatusBar::PollLocks() {
  const std::optional<KeyboardLocks> locks = ReadKeyboardLocks();
  if (!locks) {
    ShowLockState(false, false, false);
    return;
  }
  ShowLockState(locks->caps, locks->num, locks->scroll);
}
