// What an installation records of itself, and an uninstall that keeps to it: a program kept among
// other programs' files takes only its own with it, and an entry without a record takes only the
// files this build ships.
#include "setup/InstallRecord.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>

#include "setup/InstallActions.h"
#include "setup/InstallLayout.h"
#include "setup/Uninstall.h"
#include "tests/setup/InstallFixture.h"

namespace lunasoma {
namespace {

using test::contentsOf;
using test::InstallFixture;
using test::productFileNames;
using test::writeFile;

const QByteArray Cleanup(
    "\x7f"
    "ELF stand-in",
    13);
const QString Done = "Lunasoma has been uninstalled.";

QString leftNote(const QString& folder, const QStringList& names) {
  return "These files in\n\n" + folder + "\n\nwere left where they are, because they are not the ones Lunasoma " +
         "installed:\n\n" + names.join('\n');
}

// A picture the program wrote with Set As Wallpaper: a bitmap, whatever it shows.
const QByteArray Bitmap = QByteArray("BM") + QByteArray(60, '\0');

struct Scene : InstallFixture {
  Scene() { makeDistribution(); }

  InstallResult install(const QString& folder) {
    InstallRequest r = requestFor();
    r.installFolder = folder;
    r.targets = finishListFor(folder, context.windowsFolder, context.systemFolder);
    const InstallEnvironment environment{services, nullptr, [](int) {}, [] {}};
    return finishInstall(r, environment);
  }

  // The digests of the distribution, as the build gives them for the files it ships.
  std::map<QString, QByteArray> shipped() {
    std::map<QString, QByteArray> digests;
    for (const QString& name : productFileNames()) digests[name] = fileDigest(dist + "/" + name);
    return digests;
  }

  // An entry as an older installation, or a hand, wrote it: no record.
  void registerByHand(const QString& folder) {
    host.machineHive.writeString(uninstallEntryKey(), UninstallStringValue,
                                 uninstallCommand(folder, "Lunasoma.exe").toStdString());
  }

  UninstallResult uninstallFrom(const QString& folder) {
    host.journal.clear();
    host.messages.clear();
    host.shell.clear();
    host.messages.queueAnswers({MessageButton::Yes});
    const UninstallRequest request{
        folder + "/Lunasoma.exe", folder + "/", context.windowsFolder, context.systemFolder, Cleanup, {}, shipped()};
    const UninstallEnvironment environment{services, nullptr, [] {}, {}};
    return uninstall(request, environment);
  }

  QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
  }
};

TEST(InstallRecord, TheUninstallTakesOnlyWhatTheInstallationPutThere) {
  struct Row {
    const char* name;
    // Makes the installation (or the entry) and the files around it; returns the program folder.
    std::function<QString(Scene&)> arrange;
    QStringList remaining;  // what the folder holds afterwards, the running program included
    QStringList named;      // the files the closing message names as left behind
    bool folderGoes;        // the cleanup program is started to take the folder
  };
  const Row rows[] = {
      {"a fresh installation, with the wallpaper bitmap",
       [](Scene& t) {
         EXPECT_EQ(t.install(t.installFolder()).outcome, InstallOutcome::Complete);
         writeFile(t.installFolder() + "/Bio.bmp", Bitmap);
         return t.installFolder();
       },
       {"Lunasoma.exe"},
       {},
       true},
      {"a recorded file changed since, and a file of the bitmap's name that is none",
       [](Scene& t) {
         EXPECT_EQ(t.install(t.installFolder()).outcome, InstallOutcome::Complete);
         writeFile(t.installFolder() + "/Readme.txt", "notes the user keeps in the read-me");
         writeFile(t.installFolder() + "/Bio.bmp", "a biology essay");
         return t.installFolder();
       },
       {"Bio.bmp", "Lunasoma.exe", "Readme.txt"},
       {"Readme.txt"},
       true},
      {"an installation into a folder that was there keeps the folder",
       [](Scene& t) {
         QDir().mkpath(t.installFolder());
         t.host.messages.queueAnswers({MessageButton::Yes});
         EXPECT_EQ(t.install(t.installFolder()).outcome, InstallOutcome::Complete);
         return t.installFolder();
       },
       {},
       {},
       false},
      {"installed twice into the folder the first made: it still goes",
       [](Scene& t) {
         EXPECT_EQ(t.install(t.installFolder()).outcome, InstallOutcome::Complete);
         t.host.messages.queueAnswers({MessageButton::Yes});
         EXPECT_EQ(t.install(t.installFolder()).outcome, InstallOutcome::Complete);
         return t.installFolder();
       },
       {"Lunasoma.exe"},
       {},
       true},
      {"registered by hand in Downloads, among other programs' files",
       [](Scene& t) {
         const QString downloads = t.work.path() + "/Downloads";
         QDir().mkpath(downloads);
         for (const char* name : {"Lunasoma.exe", "Lunasoma.hlp", "File_Id.diz"})
           QFile::copy(t.dist + "/" + name, downloads + "/" + QString(name));
         writeFile(downloads + "/Setup.exe", "another program's setup");
         writeFile(downloads + "/Readme.txt", "another program's read-me");
         writeFile(downloads + "/Bio.bmp", Bitmap);
         writeFile(downloads + "/holiday.jpg", "a photo");
         t.registerByHand(downloads);
         return downloads;
       },
       {"Readme.txt", "Setup.exe", "holiday.jpg"},
       {"Setup.exe", "Readme.txt"},
       false},
      {"an older installation without a record, every file as shipped",
       [](Scene& t) {
         QDir().mkpath(t.installFolder());
         for (const QString& name : productFileNames())
           QFile::copy(t.dist + "/" + name, t.installFolder() + "/" + name);
         t.registerByHand(t.installFolder());
         return t.installFolder();
       },
       {"Lunasoma.exe"},
       {},
       true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Scene t;
    const QString folder = row.arrange(t);

    const UninstallResult result = t.uninstallFrom(folder);

    EXPECT_EQ(result.outcome, UninstallOutcome::Uninstalled);
    EXPECT_EQ(t.filesIn(folder), row.remaining);
    EXPECT_EQ(result.cleanupStarted, row.folderGoes);
    // A folder that stays is not the cleanup program's to look at: the program file goes at once.
    EXPECT_EQ(result.removedDirectly, !row.folderGoes);
    EXPECT_TRUE(QFileInfo(folder).isDir());
    QString done = Done;
    if (!row.named.isEmpty()) done += "\n\n" + leftNote(folder, row.named);
    EXPECT_EQ(t.host.messages.texts().value(1), done);
  }
}

// A folder that stays is not to be deleted by hand either: only the program file is named.
TEST(InstallRecord, AProgramFileThatCannotGoIsNamedWithoutTheFolderThatStays) {
  Scene t;
  QDir().mkpath(t.installFolder());
  t.host.messages.queueAnswers({MessageButton::Yes});
  ASSERT_EQ(t.install(t.installFolder()).outcome, InstallOutcome::Complete);
  t.host.messages.clear();
  t.host.messages.queueAnswers({MessageButton::Yes});
  const QString program = t.installFolder() + "/Lunasoma.exe";
  const UninstallRequest request{
      program, t.installFolder() + "/", t.context.windowsFolder, t.context.systemFolder, Cleanup, {}, {}};
  const UninstallEnvironment environment{t.services, nullptr, [] {}, [](const QString&) { return false; }};

  EXPECT_FALSE(uninstall(request, environment).removedDirectly);

  EXPECT_EQ(t.host.messages.texts().value(1), Done + "\n\nThe program file\n\n" + program +
                                                  "\n\ncould not be removed automatically. Please delete it by hand.");
}

TEST(InstallRecord, AnUnreadableRecordCountsAsNone) {
  struct Row {
    const char* name;
    std::optional<std::string> files;
    std::optional<std::uint32_t> created;
    std::optional<InstallRecord> expected;
  };
  const Row rows[] = {
      {"as written", "Lunasoma.exe:120/Read me:1.txt:0", 1u,
       InstallRecord{{{"Lunasoma.exe", 120}, {"Read me:1.txt", 0}}, true}},
      {"nothing installed", "", 0u, InstallRecord{{}, false}},
      {"no record", std::nullopt, std::nullopt, std::nullopt},
      {"files without the folder's word", "Lunasoma.exe:120", std::nullopt, std::nullopt},
      {"a size that is no number", "Lunasoma.exe:12x", 1u, std::nullopt},
      {"a negative size", "Lunasoma.exe:-1", 1u, std::nullopt},
      {"an item without a size", "Lunasoma.exe", 1u, std::nullopt},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    test::MemoryRegistry machine;
    machine.createKey(uninstallEntryKey());
    if (row.files) machine.writeString(uninstallEntryKey(), InstalledFilesValue, *row.files);
    if (row.created) machine.writeDword(uninstallEntryKey(), CreatedFolderValue, *row.created);
    EXPECT_EQ(readInstallRecord(machine), row.expected);
  }
  // What installRecordValues writes reads back as it was.
  test::MemoryRegistry machine;
  const InstallRecord record{{{"Lunasoma.exe", 5}, {"Setup.exe", 123456789012}}, true};
  machine.writeValues(uninstallEntryKey(), installRecordValues(record));
  EXPECT_EQ(readInstallRecord(machine), record);
}

TEST(InstallRecord, ShippedDigestsAreReadFromTheBuildsListOnly) {
  const QByteArray digest(64, 'a');
  const QByteArray text = digest + "  Setup.exe\n" + QByteArray(64, 'B') + "  Readme.txt\n" + "not a line\n" +
                          QByteArray(63, 'a') + "  Short.txt\n" + QByteArray(64, 'z') + "  NotHex.txt\n" + digest +
                          "  \n";
  const std::map<QString, QByteArray> expected{{"Setup.exe", digest}, {"Readme.txt", QByteArray(64, 'b')}};
  EXPECT_EQ(parseShippedDigests(text), expected);
}

}  // namespace
}  // namespace lunasoma
