#include "platform/QtMessageService.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>

#include <memory>

namespace lunasoma {

namespace {

enum class Kind { Information, Confirm, Error };

struct ButtonPair {
  MessageButton ours;
  QMessageBox::StandardButton qt;
};

constexpr ButtonPair buttonPairs[] = {
    {MessageButton::Ok, QMessageBox::Ok},       {MessageButton::Cancel, QMessageBox::Cancel},
    {MessageButton::Yes, QMessageBox::Yes},     {MessageButton::No, QMessageBox::No},
    {MessageButton::Retry, QMessageBox::Retry}, {MessageButton::Discard, QMessageBox::Discard}};

// The box as it will be shown, not yet open.
std::unique_ptr<QMessageBox> makeBox(QWidget* parent, Kind kind, const QString& text, MessageButtons buttons) {
  auto box = std::make_unique<QMessageBox>(parent);
  box->setText(text);
  box->setTextFormat(Qt::PlainText);
  switch (kind) {
    case Kind::Information:
      box->setWindowTitle(QCoreApplication::translate("QtMessageService", "Information"));
      box->setIcon(QMessageBox::Information);
      break;
    case Kind::Confirm:
      box->setWindowTitle(QCoreApplication::translate("QtMessageService", "Confirm"));
      box->setIcon(QMessageBox::Question);
      break;
    case Kind::Error:
      box->setWindowTitle(QCoreApplication::translate("QtMessageService", "Error"));
      box->setIcon(QMessageBox::Critical);
      break;
  }
  QMessageBox::StandardButtons standard;
  for (const ButtonPair& pair : buttonPairs) {
    if (buttons.testFlag(pair.ours)) standard |= pair.qt;
  }
  box->setStandardButtons(standard == QMessageBox::NoButton ? QMessageBox::Ok : standard);
  // The platform's own words for Discard vary ("Discard", "Don't Save"); ours says what happens.
  if (QAbstractButton* discard = box->button(QMessageBox::Discard))
    discard->setText(QCoreApplication::translate("QtMessageService", "Close without saving"));
  return box;
}

// The answer a closed box gives: the button pressed, or Cancel when none was.
MessageButton answerOf(const QMessageBox& box) {
  const QMessageBox::StandardButton pressed = box.standardButton(box.clickedButton());
  for (const ButtonPair& pair : buttonPairs) {
    if (pair.qt == pressed) return pair.ours;
  }
  return MessageButton::Cancel;
}

}  // namespace

void QtMessageService::information(QWidget* parent, const QString& text) {
  makeBox(parent, Kind::Information, text, MessageButton::Ok)->exec();
}

MessageButton QtMessageService::confirm(QWidget* parent, const QString& text, MessageButtons buttons) {
  const auto box = makeBox(parent, Kind::Confirm, text, buttons);
  box->exec();
  return answerOf(*box);
}

void QtMessageService::error(QWidget* parent, const QString& text) {
  makeBox(parent, Kind::Error, text, MessageButton::Ok)->exec();
}

MessageButton QtMessageService::errorChoice(QWidget* parent, const QString& text, MessageButtons buttons) {
  const auto box = makeBox(parent, Kind::Error, text, buttons);
  box->exec();
  return answerOf(*box);
}

}  // namespace lunasoma
