// The message boxes as the user meets them: each call opens its box, the test looks at it and
// presses a button (or closes it), and the call returns the answer.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "platform/QtMessageService.h"

namespace lunasoma {
namespace {

// Calls open, which must open one modal box, and runs onBox on that box while it is open; onBox
// must close it. A call that shows no box fails the test instead of hanging it.
void withOpenBox(const std::function<void(QMessageBox&)>& onBox, const std::function<void()>& open) {
  bool seen = false;
  QTimer whenOpen;  // goes with this call, so it can never fire into a later test
  whenOpen.setSingleShot(true);
  QObject::connect(&whenOpen, &QTimer::timeout, &whenOpen, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
      for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* other = qobject_cast<QDialog*>(window); other != nullptr && other->isVisible()) other->done(0);
      }
      return;
    }
    seen = true;
    onBox(*box);
  });
  whenOpen.start(0);
  open();
  EXPECT_TRUE(seen) << "no message box was open";
}

void press(QMessageBox& box, QMessageBox::StandardButton button) {
  QAbstractButton* shown = box.button(button);
  if (shown == nullptr) {
    ADD_FAILURE() << "the box does not offer that button";
    box.done(0);
    return;
  }
  shown->click();
}

struct BoxRow {
  const char* name;
  std::function<void(QtMessageService&, const QString&)> open;
  QString caption;
  QMessageBox::Icon icon;
};

class BoxLooks : public ::testing::TestWithParam<BoxRow> {};

TEST_P(BoxLooks, CaptionIconAndPlainText) {
  QtMessageService messages;
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  Qt::TextFormat format = Qt::AutoText;
  withOpenBox(
      [&](QMessageBox& box) {
        title = box.windowTitle();
        icon = box.icon();
        text = box.text();
        format = box.textFormat();
        box.done(0);
      },
      [&] { GetParam().open(messages, "<b>5 < 6</b>"); });
  EXPECT_EQ(title, GetParam().caption);
  EXPECT_EQ(icon, GetParam().icon);
  EXPECT_EQ(text, "<b>5 < 6</b>");
  EXPECT_EQ(format, Qt::PlainText);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BoxLooks,
    ::testing::Values(
        BoxRow{"information", [](QtMessageService& m, const QString& text) { m.information(nullptr, text); },
               "Information", QMessageBox::Information},
        BoxRow{"confirm", [](QtMessageService& m, const QString& text) { m.confirm(nullptr, text, MessageButton::Ok); },
               "Confirm", QMessageBox::Question},
        BoxRow{"error", [](QtMessageService& m, const QString& text) { m.error(nullptr, text); }, "Error",
               QMessageBox::Critical}),
    [](const auto& row) { return std::string(row.param.name); });

struct AnswerRow {
  const char* name;
  MessageButtons buttons;
  QMessageBox::StandardButton pressed;
  MessageButton expected;
};

class ConfirmAnswer : public ::testing::TestWithParam<AnswerRow> {};

TEST_P(ConfirmAnswer, IsTheButtonPressed) {
  QtMessageService messages;
  MessageButton answer = MessageButton::Ok;
  withOpenBox([](QMessageBox& box) { press(box, GetParam().pressed); },
              [&] { answer = messages.confirm(nullptr, "Sure?", GetParam().buttons); });
  EXPECT_EQ(answer, GetParam().expected);
}

constexpr MessageButtons yes = MessageButton::Yes;
constexpr MessageButtons no = MessageButton::No;
constexpr MessageButtons cancel = MessageButton::Cancel;
constexpr MessageButtons ok = MessageButton::Ok;

INSTANTIATE_TEST_SUITE_P(
    Rows, ConfirmAnswer,
    ::testing::Values(AnswerRow{"yesOfYesCancel", yes | cancel, QMessageBox::Yes, MessageButton::Yes},
                      AnswerRow{"cancelOfYesCancel", yes | cancel, QMessageBox::Cancel, MessageButton::Cancel},
                      AnswerRow{"noOfYesNo", yes | no, QMessageBox::No, MessageButton::No},
                      AnswerRow{"okOfOkCancel", ok | cancel, QMessageBox::Ok, MessageButton::Ok}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ConfirmAnswerClosed, WithoutAButtonPressedIsCancel) {
  QtMessageService messages;
  qsizetype buttonCount = 0;
  MessageButton answer = MessageButton::Ok;
  withOpenBox(
      [&](QMessageBox& box) {
        buttonCount = box.buttons().size();
        box.done(0);  // closed from outside, as a window manager would
      },
      [&] { answer = messages.confirm(nullptr, "Sure?", yes | no); });
  EXPECT_EQ(answer, MessageButton::Cancel);
  EXPECT_EQ(buttonCount, 2);
}

TEST(ErrorChoice, OffersRetryCloseWithoutSavingAndCancelAndAnswersThePressedOne) {
  const MessageButtons choices = MessageButton::Retry | MessageButton::Discard | MessageButton::Cancel;
  struct Row {
    const char* name;
    std::function<void(QMessageBox&)> answer;
    MessageButton expected;
  };
  const Row rows[] = {
      {"Retry", [](QMessageBox& box) { press(box, QMessageBox::Retry); }, MessageButton::Retry},
      {"Close without saving", [](QMessageBox& box) { press(box, QMessageBox::Discard); }, MessageButton::Discard},
      {"Cancel", [](QMessageBox& box) { press(box, QMessageBox::Cancel); }, MessageButton::Cancel},
      {"Escape", [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); }, MessageButton::Cancel},
  };
  QtMessageService messages;
  for (const Row& row : rows) {
    QString title, discardText;
    qsizetype buttonCount = 0;
    MessageButton answer = MessageButton::Ok;
    bool leftOpen = false;
    withOpenBox(
        [&](QMessageBox& box) {
          title = box.windowTitle();
          buttonCount = box.buttons().size();
          if (QAbstractButton* discard = box.button(QMessageBox::Discard)) discardText = discard->text();
          row.answer(box);
          // A key the box ignores would leave it open and the call hanging.
          leftOpen = box.isVisible();
          if (leftOpen) box.done(0);
        },
        [&] { answer = messages.errorChoice(nullptr, "Failed to set data for 'AppPath'", choices); });
    EXPECT_EQ(title, "Error") << row.name;
    EXPECT_EQ(buttonCount, 3) << row.name;
    EXPECT_FALSE(leftOpen) << row.name;
    EXPECT_EQ(discardText, "Close without saving") << row.name;
    EXPECT_EQ(answer, row.expected) << row.name;
  }
}

}  // namespace
}  // namespace lunasoma
