#include "ui/platform/busy_wait.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <algorithm>

namespace {

int busyDepth = 0;
std::function<void()> deferred;

}  // namespace

void SleepServingWindow(int milliseconds) {
  if (milliseconds <= 0) return;
  QElapsedTimer clock;
  clock.start();
  for (;;) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const qint64 left = milliseconds - clock.elapsed();
    if (left <= 0) return;
    QThread::msleep(static_cast<unsigned long>(std::min<qint64>(left, 10)));
  }
}

CBusyScope::CBusyScope() { ++busyDepth; }

CBusyScope::~CBusyScope() {
  if (--busyDepth > 0 || !deferred) return;
  // Run the deferred action from the event loop, after the busy work has
  // returned to it.
  QTimer::singleShot(0, [] {
    std::function<void()> action = std::move(deferred);
    deferred = nullptr;
    if (action) WhenIdle(std::move(action));
  });
}

bool IsBusy() { return busyDepth > 0; }

void WhenIdle(std::function<void()> action) {
  if (IsBusy())
    deferred = std::move(action);
  else
    action();
}
