#include <gtest/gtest.h>

#include <stdexcept>

#include "app/EscapedErrorReport.h"
#include "platform/Registry.h"
#include "tests/support/FakeHostServices.h"

namespace lunasoma {
namespace {

TEST(EscapedErrorReportTest, EscapedErrorsAreShownAfterTheStopSound) {
  struct Row {
    const char* name;
    std::function<bool()> handler;
    bool result;
    QStringList journal;
  };
  const Row rows[] = {
      {"handled", [] { return true; }, true, {}},
      {"not handled", [] { return false; }, false, {}},
      {"store error",
       []() -> bool { throw RegistryError("Failed to set data for 'Left'"); },
       false,
       {"beep Stop", "error Failed to set data for 'Left'"}},
      {"something that is no exception",
       []() -> bool { throw 42; },
       false,
       {"beep Stop", "error " + EscapedErrorReport::unknownErrorText()}},
  };
  for (const Row& row : rows) {
    test::FakeHostServices host;
    EscapedErrorReport report(&host.messages, &host.beeper);
    int always = 0;
    EXPECT_EQ(report.run(row.handler, nullptr, [&] { ++always; }), row.result) << row.name;
    EXPECT_EQ(always, 1) << row.name;
    EXPECT_EQ(host.journal, row.journal) << row.name;
  }
}

TEST(EscapedErrorReportTest, AnErrorWhileTheBoxIsOpenGoesToTheLog) {
  // An error box runs an event loop, in which another handler can fail; a box over the box could
  // repeat without end.
  test::FakeHostServices host;
  EscapedErrorReport report(&host.messages, &host.beeper);
  class NestingMessages : public test::FakeMessageService {
   public:
    explicit NestingMessages(EscapedErrorReport& report) : m_report(report) {}
    void error(QWidget* parent, const QString& text) override {
      test::FakeMessageService::error(parent, text);
      m_report.run([]() -> bool { throw std::runtime_error("inner"); }, nullptr);
    }

   private:
    EscapedErrorReport& m_report;
  } messages(report);
  report.setServices(&messages, nullptr);
  EXPECT_FALSE(report.run([]() -> bool { throw std::runtime_error("outer"); }, nullptr));
  EXPECT_EQ(messages.texts(), QStringList{"outer"});
}

}  // namespace
}  // namespace lunasoma
