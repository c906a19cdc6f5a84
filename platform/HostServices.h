#pragma once
// The host facilities the program relies on, one small interface each, so that widgets and
// installation code never call the desktop directly and tests can pass fakes
// (tests/support/FakeHostServices.h). LinuxHostServices.h builds the real ones.
// Paths are QStrings with '/' separators; a folder returned "with a separator" ends in '/'.

#include <QDateTime>
#include <QFlags>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

#include "model/DateText.h"
#include "platform/Registry.h"

class QWidget;

namespace lunasoma {

enum class Beep { Default, Exclamation, Question, Stop, Information };

// Buttons of a box that asks; the answer is the button pressed (Cancel when the box was closed).
// Discard is shown as "Close without saving".
enum class MessageButton { Ok = 1, Cancel = 2, Yes = 4, No = 8, Retry = 16, Discard = 32 };
Q_DECLARE_FLAGS(MessageButtons, MessageButton)
Q_DECLARE_OPERATORS_FOR_FLAGS(MessageButtons)

// Modal boxes with the captions "Information", "Confirm" and "Error". The beep that often goes
// before a box is the caller's business (Beeper), so the order of sound and box stays visible.
class MessageService {
 public:
  virtual ~MessageService() = default;
  virtual void information(QWidget* parent, const QString& text) = 0;
  virtual MessageButton confirm(QWidget* parent, const QString& text, MessageButtons buttons) = 0;
  virtual void error(QWidget* parent, const QString& text) = 0;
  // An error box that offers a way on, such as Retry or Discard.
  virtual MessageButton errorChoice(QWidget* parent, const QString& text, MessageButtons buttons) = 0;
};

class Beeper {
 public:
  virtual ~Beeper() = default;
  virtual void beep(Beep kind) = 0;
};

// The shell's "open": web and mailto: addresses, folders, and programs with an argument list.
class ShellService {
 public:
  virtual ~ShellService() = default;
  virtual bool openUrl(const QString& address) = 0;
  virtual bool openFolder(const QString& folder) = 0;
  virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;
};

// A shortcut (.lnk on Windows, a freedesktop .desktop entry here).
struct ShortcutInfo {
  QString linkPath;  // as the program names it, ending in ".lnk"; the backend chooses the real name
  QString description;
  QString target;
  QString workingFolder;
  QString arguments;
  QString iconPath;
  int iconIndex = 0;
  int showCommand = 1;
  int hotKey = 0;
};

class ShortcutService {
 public:
  virtual ~ShortcutService() = default;
  // The file the backend writes for a link path (".lnk" replaced by ".desktop" on Linux).
  virtual QString shortcutFileFor(const QString& linkPath) const = 0;
  virtual bool createShortcut(const ShortcutInfo& shortcut) = 0;
};

class WallpaperService {
 public:
  virtual ~WallpaperService() = default;
  // Sets the bitmap as desktop wallpaper; false when every desktop mechanism refused or none exists.
  virtual bool setWallpaper(const QString& bitmapFile, bool tiled) = 0;
};

// Shell folders, read from the user hive's Shell Folders key when present, else the XDG folders.
class FolderService {
 public:
  virtual ~FolderService() = default;
  virtual QString programsFolder() = 0;
  virtual QString startupFolder() = 0;
  virtual QString desktopFolder() = 0;
  virtual QString programFilesFolder() = 0;
  virtual QString windowsFolder() = 0;  // with a separator
  virtual QString systemFolder() = 0;   // with a separator
  virtual QString tempFolder() = 0;     // with a separator
};

struct Drive {
  QString root;  // the mount point, standing where a drive letter would
  QString name;
  bool removable = false;
};

class DriveService {
 public:
  virtual ~DriveService() = default;
  virtual std::vector<Drive> drives() = 0;
  // "Drive A": the first removable volume, else the volume of the home folder.
  virtual Drive driveA() = 0;
};

struct OsFacts {
  int versionNumber = 0;   // major * 100 + minor (6.1 gives 601)
  int startShowValue = 1;  // the show-window value the process started with (7 minimised, 3 maximised)
  // False where the windowing system keeps a window's position from the program (Wayland): there
  // every window reads as lying at 0,0 and a position set is ignored.
  bool windowPositionsKnown = true;
};

class SystemService {
 public:
  virtual ~SystemService() = default;
  virtual OsFacts osFacts() = 0;
  virtual DateLocale dateLocale() = 0;  // the system locale's date settings, defaults in C/POSIX
  virtual QDateTime now() = 0;          // local time
};

class HelpService {
 public:
  virtual ~HelpService() = default;
  // Opens the help file on its contents page; false (and nothing shown) when it cannot be read.
  virtual bool showContents(QWidget* parent, const QString& helpFile) = 0;
  virtual void quit() = 0;
};

// Everything the program needs from the host, owned by the application (or a test) and passed
// down by reference.
struct HostServices {
  Registry& userHive;
  Registry& machineHive;
  MessageService& messages;
  Beeper& beeper;
  ShellService& shell;
  ShortcutService& shortcuts;
  WallpaperService& wallpaper;
  FolderService& folders;
  DriveService& drives;
  SystemService& system;
  HelpService& help;
};

}  // namespace lunasoma
