#pragma once
// The text of a freedesktop desktop entry (a ".desktop" file) that stands in for a Windows shell
// link: the quoting of the Exec line and the escaping of values. It writes no file; see
// DesktopShortcutService for that.

#include <QString>
#include <QStringList>

#include "platform/HostServices.h"

namespace lunasoma {

class DesktopEntry {
 public:
  enum class TargetKind { Program, Document };

  // One argument of an Exec line: double-quoted when it holds a reserved character (or always,
  // when asked), with '%' doubled because a single one would start a field code.
  static QString quoteArgument(const QString& argument, bool alwaysQuote = false);
  // A value escaped for the file: backslash, newline, tab and carriage return as escapes, and a
  // leading blank as "\s", so that no value can break the line structure of the file.
  static QString escapeValue(const QString& value);
  // The Exec value before value escaping: the quoted target and the arguments, or for a document
  // the desktop's handler xdg-open with the quoted target.
  static QString execLine(const QString& target, const QString& arguments, TargetKind kind);
  // The whole file. The entry's name is the base name of the link file.
  static QString text(const ShortcutInfo& shortcut, TargetKind kind);
};

}  // namespace lunasoma
