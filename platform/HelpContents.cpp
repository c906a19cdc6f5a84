#include "platform/HelpContents.h"

#include <QStringList>

#include <algorithm>

namespace lunasoma {

namespace {

QString directiveArgument(const QString& line, QLatin1String directive) { return line.mid(directive.size()).trimmed(); }

// The anchor of a topic reference, without the help file ("@file") and window (">window") parts.
QString anchorOf(QString reference) {
  for (const QChar marker : {QLatin1Char('@'), QLatin1Char('>')}) {
    const qsizetype at = reference.indexOf(marker);
    if (at >= 0) reference.truncate(at);
  }
  return reference.trimmed();
}

}  // namespace

HelpContents HelpContents::parse(const QString& text) {
  HelpContents contents;
  int previousLevel = 0;
  for (QString line : text.split(QLatin1Char('\n'))) {
    line = line.trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char(';'))) continue;
    if (line.startsWith(QLatin1Char(':'))) {
      if (line.startsWith(QLatin1String(":Title "), Qt::CaseInsensitive)) {
        contents.m_title = directiveArgument(line, QLatin1String(":Title "));
      } else if (line.startsWith(QLatin1String(":Base "), Qt::CaseInsensitive)) {
        contents.m_base = anchorOf(directiveArgument(line, QLatin1String(":Base ")));
      }
      continue;
    }

    qsizetype at = 0;
    while (at < line.size() && line[at].isDigit() && line[at].unicode() < 128) ++at;
    if (at == 0 || at > 2 || at == line.size() || !line[at].isSpace()) continue;
    int level = line.left(at).toInt();
    if (level < 1) continue;
    level = std::min(level, previousLevel + 1);

    // The title ends at the first '=' that is not escaped; "\=" stands for a literal '='.
    const QString rest = line.mid(at).trimmed();
    QString title;
    QString topic;
    bool isTopic = false;
    for (qsizetype i = 0; i < rest.size(); ++i) {
      if (rest[i] == QLatin1Char('\\') && i + 1 < rest.size() && rest[i + 1] == QLatin1Char('=')) {
        title += QLatin1Char('=');
        ++i;
      } else if (rest[i] == QLatin1Char('=')) {
        topic = anchorOf(rest.mid(i + 1));
        isTopic = true;
        break;
      } else {
        title += rest[i];
      }
    }
    title = title.trimmed();
    if (title.isEmpty() || (isTopic && topic.isEmpty())) continue;
    contents.m_entries.push_back(HelpContentsEntry{level, title, topic});
    previousLevel = level;
  }
  return contents;
}

QString HelpContents::firstTopic() const {
  for (const HelpContentsEntry& entry : m_entries) {
    if (!entry.topic.isEmpty()) return entry.topic;
  }
  return {};
}

}  // namespace lunasoma
