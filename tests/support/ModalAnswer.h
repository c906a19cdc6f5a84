#pragma once
// Drives a modal dialog that the code under test opens and waits on. Create it before the call
// that opens the dialog; once a dialog of type T is the active modal widget, inside the dialog's
// own event loop, it is handed to the answer. A dialog that never comes fails the test instead of
// hanging it until the test runner's time-out:
//   - the call returned without opening one: a failure when the ModalAnswer goes out of scope;
//   - the call waits on some other modal: a failure after the limit, and every modal that comes
//     up from then on is closed, so that the call returns;
//   - the answer left the dialog open: a failure after the limit, and the dialog is closed.
//
//   test::ModalAnswer<QFileDialog> save([&](QFileDialog* dialog) { dialog->reject(); });
//   dialogs.chooseExportFile(setup, nullptr);

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <functional>
#include <memory>
#include <string>

namespace lunasoma::test {

class ModalWatch {
 public:
  using Match = std::function<bool(QWidget*)>;
  using Answer = std::function<void(QWidget*)>;

  ModalWatch(std::string what, Match match, Answer answer, std::chrono::milliseconds limit);
  ~ModalWatch();
  ModalWatch(const ModalWatch&) = delete;
  ModalWatch& operator=(const ModalWatch&) = delete;

  bool answered() const { return m_state != State::Waiting && m_state != State::NeverCame; }

 private:
  enum class State { Waiting, Answered, Done, NeverCame };

  void check();
  static void closeActiveModal();

  std::string m_what;
  Match m_match;
  Answer m_answer;
  std::chrono::milliseconds m_limit;
  State m_state = State::Waiting;
  QPointer<QWidget> m_dialog;
  std::chrono::steady_clock::time_point m_since;
  std::unique_ptr<QTimer> m_timer;
};

template <typename T>
class ModalAnswer {
 public:
  explicit ModalAnswer(std::function<void(T*)> answer, std::chrono::milliseconds limit = std::chrono::seconds(5))
      : m_watch(
            T::staticMetaObject.className(), [](QWidget* widget) { return qobject_cast<T*>(widget) != nullptr; },
            [answer = std::move(answer)](QWidget* widget) { answer(qobject_cast<T*>(widget)); }, limit) {}

  bool answered() const { return m_watch.answered(); }

 private:
  ModalWatch m_watch;
};

}  // namespace lunasoma::test
