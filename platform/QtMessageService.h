#pragma once
// Message boxes as QMessageBox: "Information", "Confirm" and "Error" captions with the matching
// icons, the buttons asked for, and the button pressed as the answer. It plays no sound; the
// caller beeps first through the Beeper when the box wants one.

#include "platform/HostServices.h"

namespace lunasoma {

class QtMessageService : public MessageService {
 public:
  void information(QWidget* parent, const QString& text) override;
  MessageButton confirm(QWidget* parent, const QString& text, MessageButtons buttons) override;
  void error(QWidget* parent, const QString& text) override;
  MessageButton errorChoice(QWidget* parent, const QString& text, MessageButtons buttons) override;
};

}  // namespace lunasoma
