#pragma once
// Notices the first paint of any widget of one window, and can hold start-up in an event loop
// until it has come. A compositor shows a window only some event rounds after it is asked to, so
// one round of pending events is not enough for a new window to reach the screen. It does not
// show or close any window.

#include <QEventLoop>
#include <QObject>

class QWidget;

namespace lunasoma {

class FirstPaintWatch : public QObject {
 public:
  // Watches from now on, so make it before the window is shown.
  explicit FirstPaintWatch(const QWidget& window);
  ~FirstPaintWatch() override;
  FirstPaintWatch(const FirstPaintWatch&) = delete;
  FirstPaintWatch& operator=(const FirstPaintWatch&) = delete;

  bool painted() const { return m_painted; }

  // Returns once the window has painted, at once if it already has. It also returns when
  // giveUpOnClose (if any) is closed, and after a few seconds on a platform that never shows the
  // window, so that start-up cannot hang on it.
  void waitUntilPainted(const QWidget* giveUpOnClose = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  const QWidget& m_window;
  const QWidget* m_giveUpOnClose = nullptr;
  bool m_painted = false;
  QEventLoop m_loop;
};

}  // namespace lunasoma
