#pragma once
// Runs one piece of event handling and turns an error that escapes it into an error box with the
// error's text (after the stop sound), so that the program keeps running. It decides nothing else
// about the error.

#include <QString>

#include <functional>

class QWidget;

namespace lunasoma {

class Beeper;
class MessageService;

class EscapedErrorReport {
 public:
  // Without a message service (before the host services exist) the text goes to the log.
  explicit EscapedErrorReport(MessageService* messages = nullptr, Beeper* beeper = nullptr)
      : m_messages(messages), m_beeper(beeper) {}
  void setServices(MessageService* messages, Beeper* beeper) {
    m_messages = messages;
    m_beeper = beeper;
  }

  // The handler's own result, or false when an error escaped it. `always` runs after the handler
  // whether it failed or not, and before the error is shown.
  bool run(const std::function<bool()>& handler, QWidget* owner, const std::function<void()>& always = {});

  // What the user reads for an error that carries no text of its own.
  static QString unknownErrorText();

 private:
  void show(const QString& text, QWidget* owner);

  MessageService* m_messages;
  Beeper* m_beeper;
  int m_depth = 0;
};

}  // namespace lunasoma
