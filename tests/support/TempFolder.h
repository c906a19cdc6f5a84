#pragma once
// A temporary folder for one test, removed with everything in it when the test ends.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lunasoma::test {

// Writes the whole file, creating the folders on the way; the test fails when any byte does not land.
inline void writeFile(const QString& path, const QByteArray& contents = "x") {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
  ASSERT_EQ(file.write(contents), contents.size()) << path.toStdString();
}

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
