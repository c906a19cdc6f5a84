#pragma once
// Shows a busy pointer for the whole application for as long as it lives, and restores the
// previous pointer on every way out of the scope, errors included. It changes nothing else.

#include <QApplication>
#include <QCursor>

namespace lunasoma {

class WaitCursor {
 public:
  explicit WaitCursor(Qt::CursorShape shape = Qt::WaitCursor) { QApplication::setOverrideCursor(QCursor(shape)); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace lunasoma
