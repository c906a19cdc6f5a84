// The built program knows the files shipped beside it by their contents: an uninstall without a
// record of the installation deletes only those, so a digest missing from the program, or one of
// a stale file, would leave the user's copy of the product behind or take someone else's file.
#include <QCryptographicHash>
#include <QFile>

#include <gtest/gtest.h>

#include "app/InstallFileTable.h"
#include "platform/Utf8Text.h"

namespace lunasoma {
namespace {

QByteArray contentsOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(ShippedFiles, TheProgramCarriesTheDigestOfEveryFileBesideIt) {
  const QString dist = QStringLiteral(LUNASOMA_DIST_DIR);
  const QByteArray program = contentsOf(dist + "/Lunasoma.exe");
  ASSERT_FALSE(program.isEmpty()) << "Lunasoma.exe is not built";
  // The program is the running program itself; every other file is known by its digest.
  for (std::size_t entry = 1; entry < InstallFiles.fileNames.size(); ++entry) {
    const QString name = toQString(InstallFiles.fileNames[entry]);
    SCOPED_TRACE(name.toStdString());
    const QByteArray shipped = contentsOf(dist + "/" + name);
    ASSERT_FALSE(shipped.isEmpty());
    const QByteArray line =
        QCryptographicHash::hash(shipped, QCryptographicHash::Sha256).toHex() + "  " + name.toUtf8() + "\n";
    EXPECT_TRUE(program.contains(line));
  }
}

}  // namespace
}  // namespace lunasoma
