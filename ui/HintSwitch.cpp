#include "ui/HintSwitch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QToolTip>

namespace lunasoma {

HintSwitch::HintSwitch(QObject* parent) : QObject(parent) {
  if (QCoreApplication* application = QCoreApplication::instance()) application->installEventFilter(this);
}

HintSwitch::~HintSwitch() {
  if (QCoreApplication* application = QCoreApplication::instance()) application->removeEventFilter(this);
}

void HintSwitch::setHintsShown(bool shown) {
  m_shown = shown;
  // A hint already on screen would otherwise stay until the pointer moves on.
  if (!shown) QToolTip::hideText();
}

bool HintSwitch::eventFilter(QObject* watched, QEvent* event) {
  if (!m_shown && event->type() == QEvent::ToolTip) return true;
  return QObject::eventFilter(watched, event);
}

}  // namespace lunasoma
