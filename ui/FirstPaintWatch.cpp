#include "ui/FirstPaintWatch.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace lunasoma {

namespace {

constexpr int GuardMs = 3000;

}  // namespace

FirstPaintWatch::FirstPaintWatch(QWidget& window) : m_window(window) {
  // The window is built by now, so it and its widgets are all that can paint it.
  watch(&window);
  for (QWidget* widget : window.findChildren<QWidget*>()) watch(widget);
}

FirstPaintWatch::~FirstPaintWatch() {
  for (const QPointer<QObject>& watched : m_watched) {
    if (watched) watched->removeEventFilter(this);
  }
}

void FirstPaintWatch::watch(QObject* object) {
  object->installEventFilter(this);
  m_watched.emplace_back(object);
}

void FirstPaintWatch::waitUntilPainted(QWidget* giveUpOnClose) {
  if (m_painted) return;
  m_giveUpOnClose = giveUpOnClose;
  if (giveUpOnClose) watch(giveUpOnClose);
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
