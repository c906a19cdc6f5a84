#pragma once
// Shows the hourglass for the whole application while it lives and restores the previous pointer
// on every way out of the scope, errors included. It changes nothing else.

#include <QApplication>
#include <QCursor>

namespace lunasoma {

class OverrideCursorGuard {
 public:
  OverrideCursorGuard() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
  ~OverrideCursorGuard() { QApplication::restoreOverrideCursor(); }
  OverrideCursorGuard(const OverrideCursorGuard&) = delete;
  OverrideCursorGuard& operator=(const OverrideCursorGuard&) = delete;
};

}  // namespace lunasoma
