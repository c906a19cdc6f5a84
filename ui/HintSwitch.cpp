#include "ui/HintSwitch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QToolTip>

namespace lunasoma {

HintSwitch::HintSwitch(QObject* parent) : QObject(parent) {}

HintSwitch::~HintSwitch() {
  if (QCoreApplication* application = QCoreApplication::instance()) application->removeEventFilter(this);
}

void HintSwitch::setHintsShown(bool shown) {
  if (shown == m_shown) return;
  m_shown = shown;
  QCoreApplication* application = QCoreApplication::instance();
  // Qt has no switch for every tool tip of an application, and a tip is asked for by an event sent
  // to whichever widget is under the pointer, so holding them back takes a filter on the whole
  // application; it is there only while hints are off.
  if (shown) {
    if (application) application->removeEventFilter(this);
  } else {
    if (application) application->installEventFilter(this);
    // A hint already on screen would otherwise stay until the pointer moves on.
    QToolTip::hideText();
  }
}

bool HintSwitch::eventFilter(QObject* watched, QEvent* event) {
  if (!m_shown && event->type() == QEvent::ToolTip) return true;
  return QObject::eventFilter(watched, event);
}

}  // namespace lunasoma
