#pragma once
// Notices the first paint of any widget of one window, and can hold start-up in an event loop
// until it has come. A compositor shows a window only some event rounds after it is asked to, so
// one round of pending events is not enough for a new window to reach the screen. It does not
// show or close any window.

#include <QEventLoop>
#include <QObject>
#include <QPointer>

#include <vector>

class QWidget;

namespace lunasoma {

class FirstPaintWatch : public QObject {
 public:
  // Watches the window and its widgets from now on, so make it once the window is built and
  // before it is shown.
  explicit FirstPaintWatch(QWidget& window);
  ~FirstPaintWatch() override;
  FirstPaintWatch(const FirstPaintWatch&) = delete;
  FirstPaintWatch& operator=(const FirstPaintWatch&) = delete;

  bool painted() const { return m_painted; }

  // Returns once the window has painted, at once if it already has. It also returns when
  // giveUpOnClose (if any) is closed, and after a few seconds on a platform that never shows the
  // window, so that start-up cannot hang on it.
  void waitUntilPainted(QWidget* giveUpOnClose = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void watch(QObject* object);

  const QWidget& m_window;
  std::vector<QPointer<QObject>> m_watched;
  const QWidget* m_giveUpOnClose = nullptr;
  bool m_painted = false;
  QEventLoop m_loop;
};

}  // namespace lunasoma
