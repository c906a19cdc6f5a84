#include "setup/FileCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "tests/support/TempFolder.h"

namespace lunasoma {
namespace {

using test::TempFolder;

std::filesystem::path fsPath(const QString& path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QByteArray patterned(qsizetype size) {
  QByteArray bytes(size, '\0');
  for (qsizetype i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 31 + i / 8192) % 251);
  return bytes;
}

using test::writeFile;

QByteArray readFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// A modification time with a sub-second part that a copy rounding to seconds or milliseconds
// would lose.
std::filesystem::file_time_type oddTime() {
  return std::filesystem::file_time_type::clock::now() - std::chrono::hours(24 * 400) +
         std::chrono::nanoseconds(123456789);
}

// Everything in the folder, so that a leftover temporary file shows up.
QStringList folderEntries(const QString& folder) {
  return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

struct SizeCase {
  const char* name;
  qsizetype size;
};

class CopySizes : public ::testing::TestWithParam<SizeCase> {};

TEST_P(CopySizes, CopiesEveryByteTheTimeAndThePermissions) {
  TempFolder folder;
  const QString source = folder.file("src/Lunasoma.exe");
  const QString target = folder.file("dst/Lunasoma.exe");
  const QByteArray bytes = patterned(GetParam().size);
  writeFile(source, bytes);
  QFile::setPermissions(source, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                    QFileDevice::ReadGroup | QFileDevice::ExeGroup);
  std::filesystem::last_write_time(fsPath(source), oddTime());

  copyFileKeepingDate(source, target);

  EXPECT_EQ(readFile(target), bytes);
  EXPECT_EQ(std::filesystem::last_write_time(fsPath(target)), std::filesystem::last_write_time(fsPath(source)));
  EXPECT_EQ(QFileInfo(target).permissions(), QFileInfo(source).permissions());
  EXPECT_EQ(folderEntries(folder.path() + "/dst"), QStringList{"Lunasoma.exe"});
}

INSTANTIATE_TEST_SUITE_P(FileCopy, CopySizes,
                         ::testing::Values(SizeCase{"Empty", 0}, SizeCase{"OneBuffer", 8192},
                                           SizeCase{"ThreeBuffersAndOneByte", 8192 * 3 + 1}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(FileCopy, ReplacesALongerTargetWithoutLeavingItsTail) {
  TempFolder folder;
  const QString source = folder.file("a.txt");
  const QString target = folder.file("b.txt");
  writeFile(source, "new");
  writeFile(target, patterned(20000));

  copyFileKeepingDate(source, target);

  EXPECT_EQ(readFile(target), QByteArray("new"));
}

TEST(FileCopy, CopyingAFileOntoItselfKeepsItsContents) {
  TempFolder folder;
  const QString file = folder.file("Readme.txt");
  const QByteArray bytes = patterned(10000);
  writeFile(file, bytes);

  copyFileKeepingDate(file, QDir(folder.path()).filePath("./Readme.txt"));

  EXPECT_EQ(readFile(file), bytes);
}

// A failed copy raises its error and leaves the folder as it found it: an existing target keeps
// its old contents and no temporary file is left behind.
TEST(FileCopy, FailuresRaiseTheirErrorAndKeepTheTarget) {
  struct Case {
    const char* name;
    bool sourceIsFolder;
    bool sourceMissing;
    bool missingError;
  };
  const Case cases[] = {
      {"MissingSource", false, true, true},
      {"SourceThatCannotBeRead", true, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    const QString source = folder.path() + "/source";
    if (c.sourceIsFolder) QDir().mkpath(source);
    const QString target = folder.file("out/target");
    writeFile(target, "old contents");

    if (c.missingError) {
      EXPECT_THROW(copyFileKeepingDate(source, target), EMissingFile);
    } else {
      EXPECT_THROW(copyFileKeepingDate(source, target), FileIoError);
    }
    EXPECT_EQ(readFile(target), QByteArray("old contents"));
    EXPECT_EQ(folderEntries(folder.path() + "/out"), QStringList{"target"});
  }
}

TEST(FileCopy, ATargetFolderThatDoesNotExistIsAWriteError) {
  TempFolder folder;
  const QString source = folder.file("a.txt");
  writeFile(source, "x");

  EXPECT_THROW(copyFileKeepingDate(source, folder.path() + "/missing/a.txt"), FileIoError);
  EXPECT_FALSE(QFileInfo::exists(folder.path() + "/missing"));
}

}  // namespace
}  // namespace lunasoma

namespace lunasoma {
namespace {

// A drive that holds the old copy but has no room for a second, temporary one beside it.
TEST(FileCopySmallDrive, ReplacesInPlaceWhenOnlyTheOldFilesRoomIsLeft) {
  struct Row {
    const char* name;
    qsizetype oldSize;
    qsizetype newSize;
    qint64 freeBytes;
    bool copied;
  };
  const Row rows[] = {
      {"same size, nothing free", 20000, 20000, 0, true},
      {"larger, the difference free", 20000, 24000, 4000, true},
      {"smaller, nothing free", 20000, 9000, 0, true},
      {"larger than old plus free", 20000, 24001, 4000, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    test::TempFolder folder;
    const QString source = folder.file("source.exe");
    const QString target = folder.file("drive/Lunasoma.exe");
    QDir().mkpath(folder.file("drive"));
    writeFile(source, patterned(row.newSize));
    writeFile(target, QByteArray(row.oldSize, 'o'));
    const auto modified = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1000);
    std::filesystem::last_write_time(fsPath(source), modified);
    const auto freeIn = [&row](const QString&) { return row.freeBytes; };

    if (row.copied) {
      copyFileKeepingDate(source, target, freeIn);
      EXPECT_EQ(readFile(target), patterned(row.newSize));
      EXPECT_EQ(std::filesystem::last_write_time(fsPath(target)), modified);
    } else {
      EXPECT_THROW(copyFileKeepingDate(source, target, freeIn), FileIoError);
      EXPECT_EQ(readFile(target), QByteArray(row.oldSize, 'o'));
    }
    // No temporary second file was left beside it.
    EXPECT_EQ(QDir(folder.file("drive")).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"Lunasoma.exe"});
  }
}

}  // namespace
}  // namespace lunasoma
