#include "app/EscapedErrorReport.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <exception>
#include <optional>

#include "platform/HostServices.h"

namespace lunasoma {

bool EscapedErrorReport::run(const std::function<bool()>& handler, QWidget* owner,
                             const std::function<void()>& always) {
  std::optional<QString> failure;
  bool result = false;
  try {
    result = handler();
  } catch (const std::exception& error) {
    failure = QString::fromUtf8(error.what());
  } catch (...) {
    failure = unknownErrorText();
  }
  if (always) always();
  if (!failure) return result;
  show(*failure, owner);
  return false;
}

QString EscapedErrorReport::unknownErrorText() {
  return QCoreApplication::translate("EscapedErrorReport", "An unexpected error occurred.");
}

void EscapedErrorReport::show(const QString& text, QWidget* owner) {
  // The box runs its own event loop; an error escaping from an event inside it must not open a
  // box over the box, over and over, so the inner one goes to the log instead.
  if (m_messages == nullptr || m_depth > 0) {
    qCritical("%s", qUtf8Printable(text));
    return;
  }
  ++m_depth;
  try {
    if (m_beeper != nullptr) m_beeper->beep(Beep::Stop);
    m_messages->error(owner, text);
  } catch (...) {
    qCritical("%s", qUtf8Printable(text));
  }
  --m_depth;
}

}  // namespace lunasoma
