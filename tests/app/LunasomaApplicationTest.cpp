// The program's application object, which this test program runs under (registered below): an
// error escaping an event handler is shown and the program runs on, and a change of the regional
// settings reaches the handler start-up gave it.
#include <QEvent>
#include <QEventLoop>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>

#include "app/LunasomaApplication.h"
#include "platform/Registry.h"
#include "tests/support/FakeHostServices.h"
#include "tests/support/TestApplication.h"

namespace lunasoma {
namespace {

[[maybe_unused]] const bool registered =
    test::useApplication([](int& argc, char** argv) -> std::unique_ptr<QApplication> {
      return std::make_unique<LunasomaApplication>(argc, argv);
    });

const auto Throw = static_cast<QEvent::Type>(QEvent::User + 1);
const auto Count = static_cast<QEvent::Type>(QEvent::User + 2);

// Throws what it is given from its handler of Throw events; counts the Count events it handles.
class Receiver : public QObject {
 public:
  explicit Receiver(std::function<void()> thrower) : m_thrower(std::move(thrower)) {}
  bool event(QEvent* event) override {
    if (event->type() == Throw) m_thrower();
    if (event->type() == Count) {
      ++handled;
      if (onCount) onCount();
      return answer;
    }
    return QObject::event(event);
  }
  int handled = 0;
  bool answer = true;  // what the handler of Count events returns
  std::function<void()> onCount;

 private:
  std::function<void()> m_thrower;
};

// Remembers the window each error box was given, beside the usual record.
class OwnerMessages : public test::FakeMessageService {
 public:
  using FakeMessageService::FakeMessageService;
  void error(QWidget* parent, const QString& text) override {
    owners.push_back(parent);
    FakeMessageService::error(parent, text);
  }
  std::vector<QWidget*> owners;
};

class LunasomaApplicationTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(app, nullptr) << "the test main did not create the program's application object"; }
  void TearDown() override {
    // The application object outlives every test: take back what this one gave it.
    if (!app) return;
    app->setErrorServices(nullptr, nullptr);
    app->setLocaleChangeHandler({});
  }

  LunasomaApplication* app = qobject_cast<LunasomaApplication*>(qApp);
  test::FakeHostServices host;
};

TEST_F(LunasomaApplicationTest, AnEscapedErrorIsShownOverTheActiveWindowAndTheEventLoopRunsOn) {
  struct Row {
    const char* name;
    std::function<void()> thrower;
    QString text;
  };
  const Row rows[] = {
      {"a store error", [] { throw RegistryError("Failed to set data for 'Left'"); }, "Failed to set data for 'Left'"},
      {"something that is no exception", [] { throw 42; }, EscapedErrorReport::unknownErrorText()},
  };
  QWidget window;
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    host.journal.clear();
    OwnerMessages messages(&host.journal);
    app->setErrorServices(&messages, &host.beeper);
    Receiver receiver(row.thrower);

    // Posted behind the failing event, the next one ends the loop: the loop must get that far.
    QEventLoop loop;
    receiver.onCount = [&loop] { loop.quit(); };
    QCoreApplication::postEvent(&receiver, new QEvent(Throw));
    QCoreApplication::postEvent(&receiver, new QEvent(Count));
    loop.exec();

    EXPECT_EQ(receiver.handled, 1);
    EXPECT_EQ(host.journal, (QStringList{"beep Stop", "error " + row.text}));
    EXPECT_EQ(messages.owners, std::vector<QWidget*>{&window});

    // A sent event fails the same way and reports itself unhandled.
    QEvent sent(Throw);
    EXPECT_FALSE(QCoreApplication::sendEvent(&receiver, &sent));
    EXPECT_EQ(messages.count(test::FakeMessageService::Kind::Error), 2);
  }
}

TEST_F(LunasomaApplicationTest, HandledEventsPassThroughUntouched) {
  app->setErrorServices(&host.messages, &host.beeper);
  Receiver receiver([] { throw std::runtime_error("not thrown"); });
  for (const bool answer : {true, false}) {
    receiver.answer = answer;
    QEvent counted(Count);
    EXPECT_EQ(QCoreApplication::sendEvent(&receiver, &counted), answer);
  }
  EXPECT_EQ(receiver.handled, 2);
  EXPECT_TRUE(host.journal.isEmpty());
}

TEST_F(LunasomaApplicationTest, ALocaleChangeCallsTheHandlerAndStillReachesTheWindows) {
  int calls = 0;
  app->setLocaleChangeHandler([&calls] { ++calls; });
  QWidget window;
  int windowChanges = 0;
  class Watch : public QObject {
   public:
    explicit Watch(int& count) : m_count(count) {}
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::LocaleChange) ++m_count;
      return false;
    }

   private:
    int& m_count;
  } watch(windowChanges);
  window.installEventFilter(&watch);

  QEvent language(QEvent::LanguageChange);
  QCoreApplication::sendEvent(app, &language);
  EXPECT_EQ(calls, 0) << "only the regional settings count";

  QEvent change(QEvent::LocaleChange);
  QCoreApplication::sendEvent(app, &change);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(windowChanges, 1) << "the application's own handling of the change still runs";

  app->setLocaleChangeHandler({});
  QEvent unheard(QEvent::LocaleChange);
  QCoreApplication::sendEvent(app, &unheard);
  EXPECT_EQ(calls, 1);
}

}  // namespace
}  // namespace lunasoma
