#include "platform/QtBeeper.h"

#include <QApplication>

namespace lunasoma {

void QtBeeper::beep(Beep) { QApplication::beep(); }

}  // namespace lunasoma
