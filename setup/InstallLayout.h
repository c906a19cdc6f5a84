#pragma once
// The names of everything an installation creates: the installation folder, the uninstall entry,
// the Start Menu group and the shortcut files. The installation and the uninstall both build their
// paths here, so that the uninstall removes exactly what the installation made. It creates nothing.

#include <QString>

#include <cstddef>
#include <string>

#include "platform/RegistryHives.h"

namespace lunasoma {

// The two text values of the product's uninstall entry.
inline constexpr char UninstallDisplayNameValue[] = "DisplayName";
inline constexpr char UninstallStringValue[] = "UninstallString";

// The product's subkey of UninstallKeyPath, the machine-wide list of installed programs.
std::string uninstallEntryKey();

// The command stored as "UninstallString": the installed program followed by " Uninstall". The
// readme tells the user to run it as written, so the program's path is quoted for a POSIX shell
// whenever it holds anything a shell would act on (blanks, $, backquotes, quotes, wildcards...).
QString uninstallCommand(const QString& installFolder, const QString& programFileName);

// One word quoted for a POSIX shell: unchanged when it holds only characters no shell acts on,
// else in single quotes, a single quote itself written as '\''.
QString shellQuoted(const QString& word);

// The program an uninstall command names: its first word as a POSIX shell would read it (single
// and double quotes and backslashes honoured). Empty when the command names none or its quotes
// are not closed.
QString programOfCommand(const QString& command);

// The program's icon, installed beside it: a scalable drawing and a bitmap for desktops that want
// one. The desktop entries name the scalable one.
QString installedIconFile(const QString& installFolder);
QString installedIconBitmap(const QString& installFolder);

// folder + '/' + name, without doubling the separator when the folder already ends in one (a
// root such as "/" keeps its single separator).
QString joinPath(const QString& folder, const QString& name);

// Where an entry of the installed-file table lives, by its location code: the program folder, the
// Windows folder, or for any other code the system folder. The last two end in their separator.
QString installedFilePath(std::size_t entry, const QString& programFolder, const QString& windowsFolder,
                          const QString& systemFolder);

// The installation folder for a chosen parent folder: the parent + the product name.
QString installFolderFor(const QString& parentFolder);

// The Start Menu group: the Programs folder + the product name.
QString startMenuGroupFolder(const QString& programsFolder);

// The group's link for an installed file: "<product> Help.lnk" for a help file (extension .hlp,
// any case), "<product>.lnk" for anything else.
QString startMenuLinkFor(const QString& programsFolder, const QString& fileName);
QString startMenuProgramLink(const QString& programsFolder);
QString startMenuHelpLink(const QString& programsFolder);
// The group's link that uninstalls the program: "Uninstall <product>.lnk".
QString startMenuUninstallLink(const QString& programsFolder);

// The link named after the product directly in a folder (Startup or Desktop).
QString folderLink(const QString& folder);

}  // namespace lunasoma
