// The file-backed hive as several programs see it: other keys surviving, unreadable files kept,
// writers in separate processes, and a crash in the middle of a save.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>

#include "platform/HiveFile.h"
#include "platform/HiveFileSystem.h"
#include "platform/HiveFormat.h"
#include "platform/RegistryHives.h"
#include "tests/support/EnvironmentGuard.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TempFolder.h"

namespace lunasoma {
namespace {

std::string contentsOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

std::vector<std::string> filesIn(const test::TempFolder& folder, const QString& pattern) {
  std::vector<std::string> names;
  for (const QString& name : QDir(folder.path()).entryList({pattern}, QDir::Files, QDir::Name))
    names.push_back(name.toStdString());
  return names;
}

// Runs body in a child process and returns its exit status; the child never returns into the test.
int inChildProcess(const std::function<void()>& body) {
  const pid_t child = fork();
  if (child == 0) {
    try {
      body();
    } catch (...) {
      _exit(3);
    }
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class HiveFileTest : public ::testing::Test {
 protected:
  test::TempFolder folder;
  std::string path = folder.file("user.reg").toStdString();
};

TEST_F(HiveFileTest, EverythingElseInTheFileSurvivesASave) {
  const std::string original =
      "Windows Registry Editor Version 5.00\r\n\r\n"
      "[HKEY_CURRENT_USER\\Software\\Other Maker\\Tool]\r\n"
      "\"Path\"=hex(2):25,00,48,00,4f,00,4d,00,45,00,25,00,00,00\r\n"
      "\"Lists\"=hex(7):61,00,00,00,00,00\r\n"
      "\"Count\"=dword:00000007\r\n\r\n"
      "[HKEY_CURRENT_USER\\Software\\Corvanti\\Lunasoma]\r\n"
      "\"Range\"=dword:00000001\r\n"
      "\"Unknown to us\"=\"kept\"\r\n";
  writeFile(path, original);
  Hive expected = parseHive(original, CurrentUserRoot);

  HiveFile hive(path, std::string(CurrentUserRoot));
  hive.writeDword("Software\\Corvanti\\Lunasoma", "Range", 5);
  expected.setValue("Software\\Corvanti\\Lunasoma", HiveValue{"Range", RegistryValue{std::uint32_t{5}}, std::nullopt});

  EXPECT_TRUE(parseHive(contentsOf(path), CurrentUserRoot) == expected) << contentsOf(path);
  // A value of a type the program never uses is kept, yet reads as absent.
  EXPECT_EQ(hive.readValue("Software\\Other Maker\\Tool", "Path"), std::nullopt);
  EXPECT_EQ(hive.valueNames("Software\\Other Maker\\Tool"), (std::vector<std::string>{"Path", "Lists", "Count"}));
}

TEST_F(HiveFileTest, ReadsSeeWhatAnotherProgramWroteSince) {
  HiveFile mine(path, std::string(CurrentUserRoot));
  HiveFile theirs(path, std::string(CurrentUserRoot));
  mine.writeDword("Key", "Value", 1);
  EXPECT_EQ(theirs.readDword("Key", "Value"), 1u);
  for (std::uint32_t n = 2; n < 6; ++n) {
    mine.writeDword("Key", "Value", n);
    EXPECT_EQ(theirs.readDword("Key", "Value"), n);
  }
  theirs.deleteKey("Key");
  EXPECT_FALSE(mine.keyExists("Key"));
}

TEST_F(HiveFileTest, AnUnreadableFileReadsAsEmptyAndIsKeptBeforeItIsReplaced) {
  struct Row {
    const char* label;
    std::string text;
  };
  const Row rows[]{
      {"garbage", std::string("\x7F"
                              "ELF\x02\x01\x01\0\0\0 not a hive",
                              20)},
      {"text without the header", "[HKEY_CURRENT_USER\\Software]\n\"Name\"=\"x\"\n"},
      {"UTF-16 with an odd number of bytes", std::string("\xFF\xFEW\0i\0n\0", 9)},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    test::TempFolder own;
    const std::string file = own.file("user.reg").toStdString();
    writeFile(file, row.text);
    HiveFile hive(file, std::string(CurrentUserRoot));
    EXPECT_FALSE(hive.keyExists("Software"));
    EXPECT_EQ(hive.readString("Software", "Name"), std::nullopt);

    hive.writeString("Software", "Name", "new");
    EXPECT_EQ(HiveFile(file, std::string(CurrentUserRoot)).readString("Software", "Name"), "new");
    const std::vector<std::string> copies = filesIn(own, "user.reg.corrupt-*");
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(contentsOf(own.path().toStdString() + "/" + copies[0]), row.text);
  }
}

TEST_F(HiveFileTest, EachUnreadableVersionGetsACopyOfItsOwn) {
  HiveFile hive(path, std::string(CurrentUserRoot));
  writeFile(path, "first garbage");
  hive.writeDword("Key", "n", 1);
  writeFile(path, "second garbage");
  hive.writeDword("Key", "n", 2);

  std::vector<std::string> kept;
  for (const std::string& name : filesIn(folder, "user.reg.corrupt-*"))
    kept.push_back(contentsOf(folder.path().toStdString() + "/" + name));
  std::sort(kept.begin(), kept.end());
  EXPECT_EQ(kept, (std::vector<std::string>{"first garbage", "second garbage"}));
}

// Runs each writer in a process of its own, all released together so that they collide, and
// returns their exit statuses: 0 when every save the writer made reported success.
std::vector<int> writeTogether(const std::vector<std::function<void()>>& writers) {
  int start[2];
  if (pipe(start) != 0) return {};
  std::vector<pid_t> children;
  for (const std::function<void()>& writer : writers) {
    const pid_t child = fork();
    if (child == 0) {
      close(start[1]);
      char go;
      if (read(start[0], &go, 1) < 0) _exit(4);
      try {
        writer();
      } catch (...) {
        _exit(3);
      }
      _exit(0);
    }
    children.push_back(child);
  }
  close(start[0]);
  close(start[1]);  // end of file wakes every reader at once
  std::vector<int> statuses;
  for (pid_t child : children) {
    int status = 0;
    waitpid(child, &status, 0);
    statuses.push_back(WIFEXITED(status) ? WEXITSTATUS(status) : -1);
  }
  return statuses;
}

// Two writers, each saving its own numbered keys through its own path to the one hive file.
void expectNoSaveLost(const std::string& first, const std::string& second, const std::string& reader) {
  constexpr int KeysPerWriter = 25;
  const auto writer = [](const std::string& through, const std::string& name) {
    return [through, name] {
      HiveFile hive(through, std::string(CurrentUserRoot));
      for (int i = 0; i < KeysPerWriter; ++i)
        hive.writeDword("Software\\" + name + "\\" + std::to_string(i), "n", static_cast<std::uint32_t>(i));
    };
  };
  EXPECT_EQ(writeTogether({writer(first, "First"), writer(second, "Second")}), (std::vector<int>{0, 0}))
      << "a save failed";

  HiveFile hive(reader, std::string(CurrentUserRoot));
  for (const char* name : {"First", "Second"}) {
    EXPECT_EQ(hive.subkeyNames(std::string("Software\\") + name).size(), static_cast<std::size_t>(KeysPerWriter))
        << name;
    for (int i = 0; i < KeysPerWriter; ++i)
      EXPECT_EQ(hive.readDword(std::string("Software\\") + name + "\\" + std::to_string(i), "n"),
                static_cast<std::uint32_t>(i));
  }
}

TEST_F(HiveFileTest, WritersInTwoProcessesLoseNoneOfEachOthersKeys) { expectNoSaveLost(path, path, path); }

// One program reaches the hive through a link, the other by the file's own name: they must still
// take turns, and every save each reported done must be in the file.
TEST_F(HiveFileTest, WritersThroughALinkAndThroughItsTargetLoseNoSave) {
  const std::string target = folder.file("dotfiles/user.reg").toStdString();
  ASSERT_EQ(symlink("dotfiles/user.reg", path.c_str()), 0);
  for (int round = 0; round < 3; ++round) {
    SCOPED_TRACE(round);
    ::unlink(target.c_str());
    expectNoSaveLost(path, target, path);
  }
}

// A link in the lock's place is refused: the save fails and creates nothing where it points.
TEST_F(HiveFileTest, ALinkInTheLocksPlaceIsNotFollowed) {
  const std::string outside = folder.file("outside/elsewhere").toStdString();
  struct Row {
    const char* label;
    std::optional<std::string> existing;  // what the link's target holds, when it exists
  };
  const Row rows[]{{"a dangling link", std::nullopt}, {"a link to a file", std::string("someone's file")}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    ::unlink(outside.c_str());
    ::unlink((path + ".lock").c_str());
    if (row.existing) writeFile(outside, *row.existing);
    writeFile(path, "Windows Registry Editor Version 5.00\n");
    ASSERT_EQ(symlink(outside.c_str(), (path + ".lock").c_str()), 0);
    HiveFile hive(path, std::string(CurrentUserRoot));
    EXPECT_THROW(hive.writeDword("Key", "Value", 1), RegistrySystemError);
    EXPECT_EQ(QFileInfo::exists(QString::fromStdString(outside)), row.existing.has_value());
    if (row.existing) {
      EXPECT_EQ(contentsOf(outside), *row.existing);
    }
    EXPECT_EQ(contentsOf(path), "Windows Registry Editor Version 5.00\n");
  }
}

struct Ownership {
  uid_t owner;
  gid_t group;
  mode_t mode;
  bool operator==(const Ownership&) const = default;
};

std::optional<Ownership> ownershipOf(const std::string& file) {
  struct stat info {};
  if (::stat(file.c_str(), &info) != 0) return std::nullopt;
  return Ownership{info.st_uid, info.st_gid, info.st_mode & 07777};
}

// A save by root (a program run with sudo and the user's HOME) leaves the file to its owner, who
// can go on reading and saving it; directly and through a link.
TEST_F(HiveFileTest, ASaveByAnotherUserKeepsTheOwnerGroupAndMode) {
  if (geteuid() != 0) GTEST_SKIP() << "only root can save a file another user owns";
  const std::string target = folder.file("dotfiles/user.reg").toStdString();
  for (const bool throughLink : {false, true}) {
    SCOPED_TRACE(throughLink ? "through a link" : "the file itself");
    ::unlink(path.c_str());
    ::unlink(target.c_str());
    const std::string holder = throughLink ? target : path;
    if (throughLink) {
      ASSERT_EQ(symlink("dotfiles/user.reg", path.c_str()), 0);
    }
    HiveFile(path, std::string(CurrentUserRoot)).writeDword("Key", "Value", 1);
    ASSERT_EQ(::chown(holder.c_str(), 65534, 65534), 0);
    ASSERT_EQ(::chmod(holder.c_str(), 0640), 0);

    HiveFile(path, std::string(CurrentUserRoot)).writeDword("Key", "Value", 2);
    EXPECT_EQ(ownershipOf(holder), (Ownership{65534, 65534, 0640}));
    EXPECT_EQ(HiveFile(path, std::string(CurrentUserRoot)).readDword("Key", "Value"), 2u);
  }
}

// The first save by root into a settings folder of the user's makes the hive and its lock the
// user's, so that the user's own saves after it still succeed.
TEST_F(HiveFileTest, FilesRootMakesInAUsersFolderAreTheUsers) {
  if (geteuid() != 0) GTEST_SKIP() << "only root can make files for another user";
  const std::string hivePath = folder.file("home/registry/user.reg").toStdString();
  const std::string parent = hivePath.substr(0, hivePath.rfind('/'));
  ASSERT_EQ(::chmod(folder.path().toLocal8Bit().constData(), 0755), 0);
  ASSERT_EQ(::chmod((folder.path() + "/home").toLocal8Bit().constData(), 0755), 0);
  ASSERT_EQ(::chown(parent.c_str(), 65534, 65534), 0);
  ASSERT_EQ(::chmod(parent.c_str(), 0700), 0);
  HiveFile(hivePath, std::string(CurrentUserRoot)).writeDword("Key", "Value", 1);
  for (const std::string& made : {hivePath, hivePath + ".lock"}) {
    SCOPED_TRACE(made);
    const std::optional<Ownership> ownership = ownershipOf(made);
    ASSERT_TRUE(ownership.has_value());
    EXPECT_EQ(ownership->owner, 65534u);
    EXPECT_EQ(ownership->group, 65534u);
  }
  const int status = inChildProcess([&] {
    if (setgid(65534) != 0 || setuid(65534) != 0) _exit(5);
    HiveFile(hivePath, std::string(CurrentUserRoot)).writeDword("Key", "Value", 2);
  });
  EXPECT_EQ(status, 0) << "the user's own save failed";
}

// A user who may not give a file away does not save over another user's file in a folder both
// may write: the save is refused with the system's reason and the file stays as it was.
TEST_F(HiveFileTest, AUserCannotTakeAnotherUsersFile) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to play both users";
  ASSERT_EQ(::chmod(folder.path().toLocal8Bit().constData(), 0777), 0);
  HiveFile(path, std::string(CurrentUserRoot)).writeDword("Key", "Value", 1);
  ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
  ASSERT_EQ(::chmod((path + ".lock").c_str(), 0666), 0);
  const std::string before = contentsOf(path);

  const int status = inChildProcess([&] {
    if (setgid(65534) != 0 || setuid(65534) != 0) _exit(5);
    try {
      HiveFile(path, std::string(CurrentUserRoot)).writeDword("Key", "Value", 2);
    } catch (const RegistrySystemError& error) {
      _exit(error.errorNumber() == EPERM ? 0 : 6);
    }
    _exit(7);  // saved
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(contentsOf(path), before);
  EXPECT_EQ(ownershipOf(path), (Ownership{0, 0, 0644}));
  EXPECT_TRUE(filesIn(folder, "user.reg.tmp*").empty());
}

// A file the user may not read (mode 0000) reads as empty and says why, once; root reads every
// file, so as root the test plays another user.
TEST_F(HiveFileTest, AFileTheUserMayNotReadSaysWhyOnce) {
  writeFile(path, "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software]\n");
  ASSERT_EQ(::chmod(path.c_str(), 0), 0);
  ASSERT_EQ(::chmod(folder.path().toLocal8Bit().constData(), 0777), 0);
  const int status = inChildProcess([&] {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(5);
    HiveFile hive(path, std::string(CurrentUserRoot));
    if (hive.keyExists("Software")) _exit(6);
    const std::optional<UnreadableHiveFile> told = hive.keepUnreadableFileAside();
    if (!told || told->file != path || !told->copy.empty() || told->heldNoHive) _exit(7);
    if (told->reason != std::strerror(EACCES)) _exit(8);
    if (hive.keepUnreadableFileAside()) _exit(9);  // told twice
  });
  EXPECT_EQ(status, 0);
}

// A file system on which the step that puts the new file in place never happens: the process
// dies there, as in a crash, or the system refuses the rename with the given errno.
class FailingReplace : public HiveFileSystem {
 public:
  static constexpr int Dies = -1;
  explicit FailingReplace(int error) : m_error(error) {}
  int replace(const std::string&, const std::string&) const override {
    if (m_error == Dies) _exit(42);
    return m_error;
  }

 private:
  int m_error;
};

TEST_F(HiveFileTest, ACrashBeforeTheRenameLeavesTheOldHive) {
  HiveFile hive(path, std::string(CurrentUserRoot));
  hive.writeValues("Software\\Corvanti\\Lunasoma",
                   {{"Range", RegistryValue{std::uint32_t{1}}}, {"Style", RegistryValue{std::uint32_t{0}}}});
  const std::string before = contentsOf(path);

  const int status = inChildProcess([&] {
    const FailingReplace crash(FailingReplace::Dies);
    HiveFile doomed(path, std::string(CurrentUserRoot), crash);
    doomed.writeValues("Software\\Corvanti\\Lunasoma",
                       {{"Range", RegistryValue{std::uint32_t{7}}}, {"Style", RegistryValue{std::uint32_t{1}}}});
  });
  ASSERT_EQ(status, 42);

  EXPECT_EQ(contentsOf(path), before);
  EXPECT_EQ(HiveFile(path, std::string(CurrentUserRoot)).readDword("Software\\Corvanti\\Lunasoma", "Range"), 1u);
  // The dead writer's lock went with it and its leftover temporary file goes with the next save.
  EXPECT_EQ(filesIn(folder, "user.reg.tmp-*").size(), 1u);
  hive.writeDword("Software\\Corvanti\\Lunasoma", "Range", 3);
  EXPECT_EQ(HiveFile(path, std::string(CurrentUserRoot)).readDword("Software\\Corvanti\\Lunasoma", "Range"), 3u);
  EXPECT_TRUE(filesIn(folder, "user.reg.corrupt-*").empty());
  EXPECT_TRUE(filesIn(folder, "user.reg.tmp-*").empty());
}

TEST_F(HiveFileTest, AFailedWriteRaisesAndLeavesTheFileAsItWas) {
  HiveFile hive(path, std::string(CurrentUserRoot));
  hive.writeDword("Key", "Value", 1);
  const std::string before = contentsOf(path);
  {
    // A full disk makes the write fail even for root.
    test::FileSizeLimit full(8);
    EXPECT_THROW(hive.writeDword("Key", "Value", 2), RegistrySystemError);
    EXPECT_THROW(hive.deleteKey("Key"), RegistrySystemError);
  }
  EXPECT_EQ(contentsOf(path), before);
  EXPECT_EQ(hive.readDword("Key", "Value"), 1u);
  EXPECT_TRUE(filesIn(folder, "user.reg.tmp*").empty()) << "a failed write leaves no temporary file";
}

TEST_F(HiveFileTest, ARefusedRenameRaisesAndLeavesTheFileAsItWas) {
  HiveFile hive(path, std::string(CurrentUserRoot));
  hive.writeDword("Key", "Value", 1);
  const std::string before = contentsOf(path);

  const FailingReplace refused(EXDEV);
  HiveFile refusing(path, std::string(CurrentUserRoot), refused);
  try {
    refusing.writeDword("Key", "Value", 2);
    ADD_FAILURE() << "the save reported success";
  } catch (const RegistrySystemError& error) {
    EXPECT_EQ(error.errorNumber(), EXDEV);
  }
  EXPECT_EQ(contentsOf(path), before);
  EXPECT_EQ(refusing.readDword("Key", "Value"), 1u);
  EXPECT_TRUE(filesIn(folder, "user.reg.tmp*").empty()) << "a refused rename leaves no temporary file";
}

TEST_F(HiveFileTest, ASaveChangesNothingButTheValuesItWrites) {
  // Each row prepares the folder and says where the hive's text really lives; the save sets one
  // value, and the text must afterwards be exactly what it was with that one value changed.
  const auto withRange = [](const std::string& others, int range) {
    return "Windows Registry Editor Version "
           "5.00\n\n[HKEY_CURRENT_USER\\Software\\Corvanti\\Lunasoma]\n\"Range\"=dword:0000000" +
           std::to_string(range) + "\n" + others;
  };
  std::string deep = "\n[HKEY_CURRENT_USER";
  for (int i = 0; i < 16000; ++i) deep += "\\z";
  deep += "]\n\"x\"=dword:00000001\n";
  struct Row {
    const char* label;
    std::string others;
    // Prepares the folder around path and returns the file that holds the text.
    std::function<std::string()> prepare;
    std::function<void()> check;
  };
  const std::string outside = folder.file("outside/precious.txt").toStdString();
  const std::string dotfiles = folder.file("dotfiles/user.reg").toStdString();
  const Row rows[]{
      {"another program's lines the reader cannot read",
       "\n[HKEY_CURRENT_USER\\Software\\Other]\n\"Note\"=\"first line\nsecond line\"\n\"Count\"=dword:00000007\n\n"
       "[-HKEY_CURRENT_USER\\Software\\Old]\n\"typo\"=dwrod:1\n",
       [&] { return path; }, [] {}},
      {"a key 16,000 levels deep", deep, [&] { return path; }, [] {}},
      {"a planted link in the temporary file's old place", "",
       [&] {
         writeFile(outside, "precious");
         EXPECT_EQ(symlink(outside.c_str(), (path + ".tmp").c_str()), 0);
         return path;
       },
       [&] { EXPECT_EQ(contentsOf(outside), "precious"); }},
      {"a hive that is a link into a dotfiles folder", "",
       [&] {
         EXPECT_EQ(symlink("dotfiles/user.reg", path.c_str()), 0);
         return dotfiles;
       },
       [&] {
         struct stat info {};
         EXPECT_EQ(lstat(path.c_str(), &info), 0);
         EXPECT_TRUE(S_ISLNK(info.st_mode)) << "the link was replaced by a file";
         EXPECT_TRUE(filesIn(folder, "user.reg.tmp*").empty());
       }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    for (const std::string& name : {path, path + ".tmp", outside, dotfiles}) ::unlink(name.c_str());
    const std::string holder = row.prepare();
    writeFile(holder, withRange(row.others, 1));
    HiveFile(path, std::string(CurrentUserRoot)).writeDword("Software\\Corvanti\\Lunasoma", "Range", 5);
    EXPECT_EQ(contentsOf(holder), withRange(row.others, 5));
    EXPECT_EQ(HiveFile(path, std::string(CurrentUserRoot)).readDword("Software\\Corvanti\\Lunasoma", "Range"), 5u);
    row.check();
  }
}

using test::EnvironmentGuard;

TEST(RegistryHivesTest, TheFolderComesFromTheEnvironment) {
  struct Row {
    const char* label;
    const char* registryDir;
    const char* configHome;
    std::string expected;
  };
  const Row rows[]{
      {"chosen folder", "/srv/hives/", "/x/config", "/srv/hives"},
      {"XDG config folder", nullptr, "/x/config/", "/x/config/Corvanti/registry"},
      {"empty choices are unset", "", "", "/home/tester/.config/Corvanti/registry"},
      {"relative XDG folder is ignored", nullptr, "config", "/home/tester/.config/Corvanti/registry"},
  };
  EnvironmentGuard home("HOME", "/home/tester");
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    EnvironmentGuard dir("LUNASOMA_REGISTRY_DIR", row.registryDir);
    EnvironmentGuard config("XDG_CONFIG_HOME", row.configHome);
    EXPECT_EQ(registryFolder(), row.expected);
  }
}

TEST(RegistryHivesTest, ANewMachineHiveHoldsTheUninstallKey) {
  test::TempFolder folder;
  const std::string base = folder.path().toStdString() + "/registry";
  {
    RegistryHives hives = openRegistryHives(base);
    EXPECT_TRUE(hives.machine->keyExists(UninstallKeyPath));
    EXPECT_FALSE(hives.user->keyExists("Software"));
    hives.user->writeDword("Software\\Corvanti\\Lunasoma", "Range", 4);
    EXPECT_EQ(hives.user->path(), base + "/user.reg");
  }
  const std::string machineText = contentsOf(base + "/system.reg");
  EXPECT_NE(machineText.find("[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall]"),
            std::string::npos);
  EXPECT_NE(contentsOf(base + "/user.reg").find("[HKEY_CURRENT_USER\\Software\\Corvanti\\Lunasoma]"),
            std::string::npos);

  // Opening again finds the hives as they were.
  RegistryHives again = openRegistryHives(base);
  EXPECT_EQ(again.user->readDword("Software\\Corvanti\\Lunasoma", "Range"), 4u);
  EXPECT_EQ(contentsOf(base + "/system.reg"), machineText);
}

}  // namespace
}  // namespace lunasoma

namespace lunasoma {
namespace {

// Setup that is left without installing must leave no hive behind; Finish asks for the seed.
TEST(RegistryHivesTest, OnRequestNothingIsWrittenUntilTheSeedIsAskedFor) {
  test::TempFolder folder;
  const std::string base = folder.path().toStdString() + "/registry";
  RegistryHives hives = openRegistryHives(base, MachineHiveSeeding::OnRequest);
  EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(base)));
  EXPECT_FALSE(hives.machine->keyExists(UninstallKeyPath));

  seedMachineHive(*hives.machine);
  EXPECT_TRUE(hives.machine->keyExists(UninstallKeyPath));
  // A hive that exists is the user's: a removed key is not put back.
  hives.machine->deleteKey(UninstallKeyPath);
  seedMachineHive(*hives.machine);
  EXPECT_FALSE(hives.machine->keyExists(UninstallKeyPath));
}

}  // namespace
}  // namespace lunasoma
