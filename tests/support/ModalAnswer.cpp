#include "tests/support/ModalAnswer.h"

#include <QApplication>
#include <QDialog>

#include <gtest/gtest.h>

namespace lunasoma::test {

ModalWatch::ModalWatch(std::string what, Match match, Answer answer, std::chrono::milliseconds limit)
    : m_what(std::move(what)),
      m_match(std::move(match)),
      m_answer(std::move(answer)),
      m_limit(limit),
      m_since(std::chrono::steady_clock::now()),
      m_timer(std::make_unique<QTimer>()) {
  // Nothing announces a modal dialog's start, so its arrival is looked for on every pass of the
  // event loop it runs, a few milliseconds apart.
  m_timer->setInterval(5);
  QObject::connect(m_timer.get(), &QTimer::timeout, m_timer.get(), [this] { check(); });
  m_timer->start();
}

ModalWatch::~ModalWatch() {
  m_timer->stop();
  if (m_state == State::Waiting) ADD_FAILURE() << "no modal " << m_what << " was opened";
}

void ModalWatch::check() {
  const bool overTime = std::chrono::steady_clock::now() - m_since > m_limit;
  switch (m_state) {
    case State::Waiting: {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal && m_match(modal)) {
        m_state = State::Answered;
        m_dialog = modal;
        m_since = std::chrono::steady_clock::now();
        m_answer(modal);
      } else if (overTime) {
        ADD_FAILURE() << "no modal " << m_what << " within " << m_limit.count() << " ms"
                      << (modal ? ", another modal window is open instead" : "");
        m_state = State::NeverCame;
        closeActiveModal();
      }
      return;
    }
    case State::Answered:
      if (!m_dialog || !m_dialog->isVisible()) {
        m_state = State::Done;
        m_timer->stop();
      } else if (overTime) {
        ADD_FAILURE() << "the modal " << m_what << " was left open by its answer";
        m_state = State::Done;
        m_timer->stop();
        if (auto* dialog = qobject_cast<QDialog*>(m_dialog.data())) {
          dialog->reject();
        } else {
          m_dialog->close();
        }
      }
      return;
    case State::NeverCame:
      closeActiveModal();
      return;
    case State::Done:
      return;
  }
}

void ModalWatch::closeActiveModal() {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal) return;
  if (auto* dialog = qobject_cast<QDialog*>(modal)) {
    dialog->reject();
  } else {
    modal->close();
  }
}

}  // namespace lunasoma::test
