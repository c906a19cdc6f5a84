#include <QAbstractButton>

#include <gtest/gtest.h>

#include <utility>

#include "platform/QtMessageService.h"

namespace lunasoma {
namespace {

using Kind = QtMessageService::Kind;

struct BoxRow {
  const char* name;
  Kind kind;
  QString caption;
  QMessageBox::Icon icon;
};

class BoxLooks : public ::testing::TestWithParam<BoxRow> {};

TEST_P(BoxLooks, CaptionIconAndPlainText) {
  const auto box = QtMessageService::makeBox(nullptr, GetParam().kind, "<b>5 < 6</b>", MessageButton::Ok);
  EXPECT_EQ(box->windowTitle(), GetParam().caption);
  EXPECT_EQ(box->icon(), GetParam().icon);
  EXPECT_EQ(box->text(), "<b>5 < 6</b>");
  EXPECT_EQ(box->textFormat(), Qt::PlainText);
}

INSTANTIATE_TEST_SUITE_P(Rows, BoxLooks,
                         ::testing::Values(BoxRow{"information", Kind::Information, "Information", QMessageBox::Information},
                                           BoxRow{"confirm", Kind::Confirm, "Confirm", QMessageBox::Question},
                                           BoxRow{"error", Kind::Error, "Error", QMessageBox::Critical}),
                         [](const auto& row) { return std::string(row.param.name); });

struct AnswerRow {
  const char* name;
  MessageButtons buttons;
  QMessageBox::StandardButton pressed;
  MessageButton expected;
};

class ConfirmAnswer : public ::testing::TestWithParam<AnswerRow> {};

TEST_P(ConfirmAnswer, IsTheButtonPressed) {
  const auto box = QtMessageService::makeBox(nullptr, Kind::Confirm, "Sure?", GetParam().buttons);
  QAbstractButton* button = box->button(GetParam().pressed);
  ASSERT_NE(button, nullptr) << "the box does not offer that button";
  button->click();
  EXPECT_EQ(QtMessageService::answerOf(*box), GetParam().expected);
}

constexpr MessageButtons yes = MessageButton::Yes;
constexpr MessageButtons no = MessageButton::No;
constexpr MessageButtons cancel = MessageButton::Cancel;
constexpr MessageButtons ok = MessageButton::Ok;

INSTANTIATE_TEST_SUITE_P(Rows, ConfirmAnswer,
                         ::testing::Values(AnswerRow{"yesOfYesCancel", yes | cancel, QMessageBox::Yes, MessageButton::Yes},
                                           AnswerRow{"cancelOfYesCancel", yes | cancel, QMessageBox::Cancel, MessageButton::Cancel},
                                           AnswerRow{"noOfYesNo", yes | no, QMessageBox::No, MessageButton::No},
                                           AnswerRow{"okOfOkCancel", ok | cancel, QMessageBox::Ok, MessageButton::Ok}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(ConfirmAnswerClosed, WithoutAButtonPressedIsCancel) {
  const auto box = QtMessageService::makeBox(nullptr, Kind::Confirm, "Sure?", yes | no);
  EXPECT_EQ(QtMessageService::answerOf(*box), MessageButton::Cancel);
  EXPECT_EQ(box->buttons().size(), 2);
}

TEST(ErrorChoice, OffersRetryAndCloseWithoutSavingAndAnswersThePressedOne) {
  const MessageButtons retryOrDiscard = MessageButton::Retry | MessageButton::Discard;
  const std::pair<QMessageBox::StandardButton, MessageButton> rows[] = {{QMessageBox::Retry, MessageButton::Retry},
                                                                        {QMessageBox::Discard, MessageButton::Discard}};
  for (const auto& [pressed, expected] : rows) {
    const auto box = QtMessageService::makeBox(nullptr, Kind::Error, "Failed to set data for 'AppPath'", retryOrDiscard);
    EXPECT_EQ(box->windowTitle(), "Error");
    EXPECT_EQ(box->buttons().size(), 2);
    ASSERT_NE(box->button(QMessageBox::Discard), nullptr);
    EXPECT_EQ(box->button(QMessageBox::Discard)->text(), "Close without saving");
    box->button(pressed)->click();
    EXPECT_EQ(QtMessageService::answerOf(*box), expected);
  }
}

}  // namespace
}  // namespace lunasoma
