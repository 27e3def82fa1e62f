#include "ui/platform/busy_wait.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

int busyDepth = 0;
std::function<void()> deferred;
std::function<void()> hurry;
int hurryRequests = 0;  // counts Escape presses handed to the hurry handler

bool IsPlayerInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease: return true;
    default: return false;
  }
}

// While the game is busy, the player's input is dropped where it arrives,
// not kept for later: a click or key given during a turn must not act on a
// board the player sees only after it. A dialog the busy work itself shows
// (the end of a game) is answered as usual.
class InputDropper : public QObject {
 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override {
    if (!IsPlayerInput(event->type())) return false;
    if (QWidget* modal = QApplication::activeModalWidget()) {
      if (auto* widget = qobject_cast<QWidget*>(receiver)) return widget != modal && !modal->isAncestorOf(widget);
      if (auto* window = qobject_cast<QWindow*>(receiver)) return window != modal->windowHandle();
    }
    // Escape hurries, and goes no further.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
        !static_cast<QKeyEvent*>(event)->isAutoRepeat() && hurry) {
      ++hurryRequests;
      std::function<void()> action = hurry;
      action();
    }
    return true;
  }
};

InputDropper* dropper = nullptr;

}  // namespace

void SleepServingWindow(int milliseconds) {
  if (milliseconds <= 0) return;
  CBusyScope busy;
  QElapsedTimer clock;
  clock.start();
  const int hurryRequestsBefore = hurryRequests;
  for (;;) {
    QCoreApplication::processEvents();
    if (hurryRequests != hurryRequestsBefore) return;  // hurried: this pause ends too
    const qint64 left = milliseconds - clock.elapsed();
    if (left <= 0) return;
    QThread::msleep(static_cast<unsigned long>(std::min<qint64>(left, 10)));
  }
}

CBusyScope::CBusyScope() {
  if (busyDepth++ == 0 && QCoreApplication::instance() != nullptr) {
    dropper = new InputDropper;
    QCoreApplication::instance()->installEventFilter(dropper);
  }
}

CBusyScope::~CBusyScope() {
  if (--busyDepth > 0) return;
  delete dropper;  // also removes it from the application's filters
  dropper = nullptr;
  if (!deferred) return;
  // Run the deferred action from the event loop, after the busy work has
  // returned to it.
  QTimer::singleShot(0, [] {
    std::function<void()> action = std::move(deferred);
    deferred = nullptr;
    if (action) WhenIdle(std::move(action));
  });
}

bool IsBusy() { return busyDepth > 0; }

void SetHurryHandler(std::function<void()> handler) { hurry = std::move(handler); }

void WhenIdle(std::function<void()> action) {
  if (IsBusy())
    deferred = std::move(action);
  else
    action();
}
