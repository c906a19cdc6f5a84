#pragma once
// A temporary folder for one test, removed with everything in it when the test ends.

#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

namespace lunasoma::test {

class TempFolder {
 public:
  TempFolder() { m_dir.setAutoRemove(true); }
  QString path() const { return m_dir.path(); }
  // A path inside the folder; sub-folders are created on the way.
  QString file(const QString& relative) const {
    const QString full = m_dir.filePath(relative);
    QDir().mkpath(QFileInfo(full).absolutePath());
    return full;
  }

 private:
  QTemporaryDir m_dir;
};

}  // namespace lunasoma::test
