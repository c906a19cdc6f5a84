#pragma once
// The program's application object: it carries the product title and icon, shows every error
// that escapes an event handler in an error box (the program keeps running), and tells start-up
// when the system's regional settings change. It owns no window and no settings.

#include <QApplication>

#include <functional>

#include "app/EscapedErrorReport.h"

namespace lunasoma {

class Beeper;
class MessageService;

// Names the running application after the product (its title and version) and gives it the
// product's icon. Called by the application object; needs a QGuiApplication.
void applyProductIdentity();

class LunasomaApplication : public QApplication {
  Q_OBJECT

 public:
  LunasomaApplication(int& argc, char** argv);

  // Where escaped errors are shown and sounded; until they are set the errors go to the log.
  void setErrorServices(MessageService* messages, Beeper* beeper) { m_errors.setServices(messages, beeper); }
  // Called whenever the system announces a change of its regional settings.
  void setLocaleChangeHandler(std::function<void()> handler) { m_localeChanged = std::move(handler); }

  bool notify(QObject* receiver, QEvent* event) override;

 protected:
  bool event(QEvent* event) override;

 private:
  EscapedErrorReport m_errors;
  std::function<void()> m_localeChanged;
};

}  // namespace lunasoma
