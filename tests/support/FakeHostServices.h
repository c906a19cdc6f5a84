#pragma once
// Recording stand-ins for every host service, and FakeHostServices, a bundle that owns one of each
// (with two in-memory registry hives and the real shortcut writer) so that a test can hand the
// program a complete HostServices without any window, sound, process or real folder being touched.
// The fakes only record and answer; they check nothing themselves, except that a scripted answer to
// a confirmation is one of the buttons the box offered.
//
// Typical use:
//   lunasoma::test::FakeHostServices host;
//   host.messages.queueAnswers({lunasoma::MessageButton::No});
//   runTheCode(host.services());
//   EXPECT_EQ(host.messages.texts(), QStringList{"..."});

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

#include "platform/DesktopShortcutService.h"
#include "platform/HostServices.h"
#include "tests/support/MemoryRegistry.h"
#include "tests/support/TempFolder.h"

namespace lunasoma::test {

// One line per beep and per message box, in the order they happened, shared by FakeBeeper and
// FakeMessageService so that a test can check that the beep came before its box:
// "beep Exclamation", "error Could not set desktop wallpaper!".
using Journal = QStringList;

class FakeMessageService : public MessageService {
 public:
  enum class Kind { Information, Confirm, Error };
  struct Box {
    Kind kind;
    QString text;
    MessageButtons buttons;  // none for information and plain error boxes
    MessageButton answer;    // what confirm() or errorChoice() returned; Ok for the other kinds
  };

  explicit FakeMessageService(Journal* journal = nullptr) : m_journal(journal) {}

  void information(QWidget* parent, const QString& text) override;
  MessageButton confirm(QWidget* parent, const QString& text, MessageButtons buttons) override;
  void error(QWidget* parent, const QString& text) override;
  // Journalled as an error box. Without a queued or default answer it is Cancel: the box was
  // closed without a choice.
  MessageButton errorChoice(QWidget* parent, const QString& text, MessageButtons buttons) override;

  // Answers for the next confirmations and error choices, used first in, first out.
  void queueAnswers(std::initializer_list<MessageButton> answers);
  // The answer once the queue is empty. Unset (the start), it is Yes or else Ok, whichever the box offers.
  void setDefaultAnswer(MessageButton answer) { m_defaultAnswer = answer; }
  int pendingAnswers() const { return static_cast<int>(m_answers.size()); }

  const std::vector<Box>& boxes() const { return m_boxes; }
  QStringList texts() const;  // the texts of every box, in order
  int count(Kind kind) const;
  void clear() { m_boxes.clear(); }

 private:
  void record(Kind kind, const QString& text, MessageButtons buttons, MessageButton answer);
  // The next queued answer, else the default one, else `fallback`; a failure when the box does not
  // offer it.
  MessageButton nextAnswer(const QString& text, MessageButtons buttons, MessageButton fallback);

  Journal* m_journal;
  std::vector<Box> m_boxes;
  std::deque<MessageButton> m_answers;
  std::optional<MessageButton> m_defaultAnswer;
};

class FakeBeeper : public Beeper {
 public:
  explicit FakeBeeper(Journal* journal = nullptr) : m_journal(journal) {}
  void beep(Beep kind) override;
  const std::vector<Beep>& beeps() const { return m_beeps; }
  void clear() { m_beeps.clear(); }

 private:
  Journal* m_journal;
  std::vector<Beep> m_beeps;
};

class FakeShell : public ShellService {
 public:
  enum class Kind { Url, Folder, Program };
  struct Call {
    Kind kind;
    QString target;  // the address, the folder or the program
    QStringList arguments;
  };

  bool openUrl(const QString& address) override;
  bool openFolder(const QString& folder) override;
  bool startProgram(const QString& program, const QStringList& arguments) override;

  void setResult(bool succeeds) { m_result = succeeds; }  // true at the start
  const std::vector<Call>& calls() const { return m_calls; }
  void clear() { m_calls.clear(); }

 private:
  bool m_result = true;
  std::vector<Call> m_calls;
};

class FakeWallpaper : public WallpaperService {
 public:
  struct Call {
    QString bitmapFile;
    bool tiled;
  };

  bool setWallpaper(const QString& bitmapFile, bool tiled) override;

  void setResult(bool succeeds) { m_result = succeeds; }  // true at the start
  // Runs inside setWallpaper, before it answers: lets a test look at the world as it was at the
  // moment of the call (the bitmap on disk, the TileWallpaper value already written).
  void setOnCall(std::function<void(const Call&)> onCall) { m_onCall = std::move(onCall); }
  const std::vector<Call>& calls() const { return m_calls; }

 private:
  bool m_result = true;
  std::function<void(const Call&)> m_onCall;
  std::vector<Call> m_calls;
};

// Folders inside a temporary root: Programs, Startup, Desktop, Program Files, Windows, System and
// Temp are created at construction. Any of them can be replaced, or emptied, which is how a missing
// shell folder looks to the program.
class FakeFolders : public FolderService {
 public:
  explicit FakeFolders(const QString& root);

  QString programsFolder() override;
  QString startupFolder() override;
  QString desktopFolder() override;
  QString programFilesFolder() override { return m_programFiles; }
  QString windowsFolder() override { return m_windows; }
  QString systemFolder() override { return m_system; }
  QString tempFolder() override { return m_temp; }

  void setProgramsFolder(const QString& folder) { m_programs = folder; }
  void setStartupFolder(const QString& folder) { m_startup = folder; }
  void setDesktopFolder(const QString& folder) { m_desktop = folder; }
  void setProgramFilesFolder(const QString& folder) { m_programFiles = folder; }
  void setWindowsFolder(const QString& folder) { m_windows = folder; }  // keep the trailing '/'
  void setSystemFolder(const QString& folder) { m_system = folder; }    // keep the trailing '/'
  void setTempFolder(const QString& folder) { m_temp = folder; }        // keep the trailing '/'

  // How many times Programs, Startup or Desktop were asked for.
  int shellFolderReads() const { return m_shellFolderReads; }

 private:
  QString m_programs, m_startup, m_desktop, m_programFiles, m_windows, m_system, m_temp;
  int m_shellFolderReads = 0;
};

// Two folders standing in for drives: a removable one (drive A) and a fixed one, both created
// inside the given root. Replace the list to model other machines.
class FakeDrives : public DriveService {
 public:
  explicit FakeDrives(const QString& root);

  std::vector<Drive> drives() override { return m_drives; }
  // The first removable drive of the list, else the first drive, else an empty Drive.
  Drive driveA() override;

  void setDrives(std::vector<Drive> drives) { m_drives = std::move(drives); }

 private:
  std::vector<Drive> m_drives;
};

// A pinned clock (15 March 2024, 12:00 local time), a version number of 601 with the normal start
// show value, and the built-in date settings.
class FakeSystem : public SystemService {
 public:
  OsFacts osFacts() override { return m_facts; }
  DateLocale dateLocale() override { return m_locale; }
  QDateTime now() override { return m_now; }

  void setOsFacts(OsFacts facts) { m_facts = facts; }
  void setDateLocale(DateLocale locale) { m_locale = std::move(locale); }
  void setNow(QDateTime now) { m_now = std::move(now); }

 private:
  OsFacts m_facts{601, 1};
  DateLocale m_locale;
  QDateTime m_now{QDate(2024, 3, 15), QTime(12, 0)};
};

class FakeHelp : public HelpService {
 public:
  // Records the call. Like the real viewer it answers false when the help file cannot be read,
  // unless a result has been forced.
  bool showContents(QWidget* parent, const QString& helpFile) override;
  void quit() override { ++m_quitCount; }

  void forceResult(std::optional<bool> result) { m_forcedResult = result; }
  const QStringList& shownFiles() const { return m_shownFiles; }
  int quitCount() const { return m_quitCount; }

 private:
  std::optional<bool> m_forcedResult;
  QStringList m_shownFiles;
  int m_quitCount = 0;
};

// Everything at once. The members are public so that a test scripts and inspects them directly;
// services() hands them to the code under test. Folders and drives live in root, a temporary folder
// removed with the bundle. The machine hive starts with the key
// Software\Microsoft\Windows\CurrentVersion\Uninstall, as every Windows machine has it.
class FakeHostServices {
 public:
  FakeHostServices();
  FakeHostServices(const FakeHostServices&) = delete;
  FakeHostServices& operator=(const FakeHostServices&) = delete;

  HostServices services();

  TempFolder root;
  Journal journal;
  MemoryRegistry userHive;
  MemoryRegistry machineHive;
  FakeMessageService messages{&journal};
  FakeBeeper beeper{&journal};
  FakeShell shell;
  DesktopShortcutService shortcuts;
  FakeWallpaper wallpaper;
  FakeFolders folders;
  FakeDrives drives;
  FakeSystem system;
  FakeHelp help;
};

}  // namespace lunasoma::test
