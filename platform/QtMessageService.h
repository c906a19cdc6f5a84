#pragma once
// Message boxes as QMessageBox: "Information", "Confirm" and "Error" captions with the matching
// icons, the buttons asked for, and the button pressed as the answer. It plays no sound; the
// caller beeps first through the Beeper when the box wants one.

#include <QMessageBox>

#include <memory>

#include "platform/HostServices.h"

namespace lunasoma {

class QtMessageService : public MessageService {
 public:
  enum class Kind { Information, Confirm, Error };

  void information(QWidget* parent, const QString& text) override;
  MessageButton confirm(QWidget* parent, const QString& text, MessageButtons buttons) override;
  void error(QWidget* parent, const QString& text) override;
  MessageButton errorChoice(QWidget* parent, const QString& text, MessageButtons buttons) override;

  // The box as it will be shown, not yet open.
  static std::unique_ptr<QMessageBox> makeBox(QWidget* parent, Kind kind, const QString& text, MessageButtons buttons);
  // The answer a closed box gives: the button pressed, or Cancel when none was.
  static MessageButton answerOf(const QMessageBox& box);
};

}  // namespace lunasoma
