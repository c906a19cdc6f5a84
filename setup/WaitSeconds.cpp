#include "setup/WaitSeconds.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace lunasoma {

void waitSeconds(int seconds) {
  const qint64 total = static_cast<qint64>(seconds) * 1000;
  QElapsedTimer clock;
  clock.start();
  // A local event loop woken by a timer handles the events as they come without spinning the
  // processor; the clock decides, so an early wake-up only starts another round.
  QEventLoop loop;
  while (clock.elapsed() < total) {
    QTimer::singleShot(static_cast<int>(total - clock.elapsed()), &loop, &QEventLoop::quit);
    loop.exec();
  }
}

}  // namespace lunasoma
