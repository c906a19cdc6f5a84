#include "ui/ChartProgramStart.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "app/ProductInfo.h"
#include "app/ProgramContext.h"
#include "ui/TfrmAbout.h"
#include "ui/TfrmBio.h"

namespace lunasoma {

namespace {

// Show-window values a shortcut can start the program with.
constexpr int ShowMinimizedNoActivate = 7;
constexpr int ShowMaximized = 3;

// A platform that never shows the main window (no compositor answer) must not hold start-up.
constexpr int FirstPaintGuardMs = 5000;

// Notices the first paint of any widget of a window. A compositor shows a window only some event
// rounds after it is asked to, so one round of pending events is not enough for it to paint.
class FirstPaintWatch : public QObject {
 public:
  explicit FirstPaintWatch(const QWidget& window) : m_window(window) {
    QCoreApplication::instance()->installEventFilter(this);
  }
  ~FirstPaintWatch() override { QCoreApplication::instance()->removeEventFilter(this); }
  FirstPaintWatch(const FirstPaintWatch&) = delete;
  FirstPaintWatch& operator=(const FirstPaintWatch&) = delete;

  // Returns once the window has painted or the flash screen has been closed.
  void waitWhileOpen(const QWidget& flashScreen) {
    if (m_painted) return;
    m_flashScreen = &flashScreen;
    QTimer::singleShot(FirstPaintGuardMs, &m_loop, &QEventLoop::quit);
    m_loop.exec();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == &m_window) {
      m_painted = true;
      // The loop ends when control comes back to it: after this paint has reached the screen.
      m_loop.quit();
    } else if (event->type() == QEvent::Close && watched == m_flashScreen) {
      m_loop.quit();
    }
    return false;
  }

 private:
  const QWidget& m_window;
  const QWidget* m_flashScreen = nullptr;
  bool m_painted = false;
  QEventLoop m_loop;
};

}  // namespace

std::unique_ptr<TfrmBio> startChartProgram(ProgramContext& context, const PointerShapes& pointers,
                                           const std::function<void(TfrmBio&)>& createCompanions) {
  // The pointer turns null by itself if a click on the logo closes the flash screen early.
  QPointer<TfrmAbout> flashScreen;
  if (!context.settings.HideFlashScreen) flashScreen = TfrmAbout::execute(Product, context.services.shell, false);

  auto frmBio = std::make_unique<TfrmBio>(context, pointers);
  FirstPaintWatch firstPaint(*frmBio);
  frmBio->show();
  if (flashScreen) flashScreen->stayAbove(*frmBio);
  if (createCompanions) createCompanions(*frmBio);

  QCoreApplication::processEvents();
  if (flashScreen && flashScreen->isVisible()) firstPaint.waitWhileOpen(*flashScreen);
  if (flashScreen && flashScreen->isVisible()) flashScreen->close();

  switch (context.services.system.osFacts().startShowValue) {
    case ShowMinimizedNoActivate:
      frmBio->showMinimized();
      break;
    case ShowMaximized:
      frmBio->showMaximized();
      break;
    default:
      break;
  }
  return frmBio;
}

}  // namespace lunasoma
