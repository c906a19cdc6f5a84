#include "ui/FirstPaintWatch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace lunasoma {

namespace {

constexpr int GuardMs = 3000;

}  // namespace

FirstPaintWatch::FirstPaintWatch(const QWidget& window) : m_window(window) {
  QCoreApplication::instance()->installEventFilter(this);
}

FirstPaintWatch::~FirstPaintWatch() { QCoreApplication::instance()->removeEventFilter(this); }

void FirstPaintWatch::waitUntilPainted(const QWidget* giveUpOnClose) {
  if (m_painted) return;
  m_giveUpOnClose = giveUpOnClose;
  QTimer guard;
  guard.setSingleShot(true);
  connect(&guard, &QTimer::timeout, &m_loop, &QEventLoop::quit);
  guard.start(GuardMs);
  m_loop.exec();
  m_giveUpOnClose = nullptr;
}

bool FirstPaintWatch::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Paint && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->window() == &m_window) {
    m_painted = true;
    // The loop ends when control comes back to it: after this paint has gone to the screen.
    m_loop.quit();
  } else if (event->type() == QEvent::Close && m_giveUpOnClose && watched == m_giveUpOnClose) {
    m_loop.quit();
  }
  return false;
}

}  // namespace lunasoma
