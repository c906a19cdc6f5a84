#include "platform/DesktopEntry.h"

#include <QFileInfo>
#include <QProcess>

namespace lunasoma {

namespace {

bool isReserved(QChar c) {
  static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
  return reserved.contains(c);
}

}  // namespace

QString DesktopEntry::quoteArgument(const QString& argument, bool alwaysQuote) {
  bool needsQuotes = alwaysQuote || argument.isEmpty();
  QString quoted;
  for (const QChar c : argument) {
    needsQuotes = needsQuotes || isReserved(c);
    if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\')) {
      quoted += QLatin1Char('\\');
    }
    quoted += c;
    if (c == QLatin1Char('%')) quoted += QLatin1Char('%');
  }
  // Escapes only have a meaning inside quotes, so an argument that needed none is returned with
  // only its '%' doubled.
  if (!needsQuotes) {
    QString plain = argument;
    return plain.replace(QLatin1Char('%'), QStringLiteral("%%"));
  }
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString DesktopEntry::escapeValue(const QString& value) {
  QString escaped;
  escaped.reserve(value.size());
  for (qsizetype i = 0; i < value.size(); ++i) {
    const QChar c = value.at(i);
    if (c == QLatin1Char('\\')) {
      escaped += QStringLiteral("\\\\");
    } else if (c == QLatin1Char('\n')) {
      escaped += QStringLiteral("\\n");
    } else if (c == QLatin1Char('\t')) {
      escaped += QStringLiteral("\\t");
    } else if (c == QLatin1Char('\r')) {
      escaped += QStringLiteral("\\r");
    } else if (c == QLatin1Char(' ') && i == 0) {
      escaped += QStringLiteral("\\s");
    } else {
      escaped += c;
    }
  }
  return escaped;
}

QString DesktopEntry::execLine(const QString& target, const QString& arguments, TargetKind kind) {
  QStringList parts;
  if (kind == TargetKind::Document) parts << QStringLiteral("xdg-open");
  parts << quoteArgument(target, true);
  // The shell link keeps its arguments as one command-line tail; split it as a command line would
  // be split, so that a quoted argument with blanks stays one argument.
  for (const QString& argument : QProcess::splitCommand(arguments)) parts << quoteArgument(argument);
  return parts.join(QLatin1Char(' '));
}

QString DesktopEntry::text(const ShortcutInfo& shortcut, TargetKind kind) {
  QString name = QFileInfo(shortcut.linkPath).fileName();
  if (name.endsWith(QStringLiteral(".lnk"), Qt::CaseInsensitive)) {
    name.chop(4);
  } else if (name.endsWith(QStringLiteral(".desktop"), Qt::CaseInsensitive)) {
    name.chop(8);
  }

  QString text = QStringLiteral("[Desktop Entry]\nType=Application\n");
  text += QStringLiteral("Name=") + escapeValue(name) + QLatin1Char('\n');
  if (!shortcut.description.isEmpty())
    text += QStringLiteral("Comment=") + escapeValue(shortcut.description) + QLatin1Char('\n');
  text +=
      QStringLiteral("Exec=") + escapeValue(execLine(shortcut.target, shortcut.arguments, kind)) + QLatin1Char('\n');
  if (!shortcut.workingFolder.isEmpty())
    text += QStringLiteral("Path=") + escapeValue(shortcut.workingFolder) + QLatin1Char('\n');
  if (!shortcut.iconPath.isEmpty())
    text += QStringLiteral("Icon=") + escapeValue(shortcut.iconPath) + QLatin1Char('\n');
  text += QStringLiteral("Terminal=false\n");
  // Without a main category GNOME, KDE and Xfce file the entry under "Other" or leave it out.
  text += QStringLiteral("Categories=Utility;\n");
  return text;
}

}  // namespace lunasoma
