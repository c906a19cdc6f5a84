#pragma once
// The contents list of the help, read from a contents file in the WinHelp syntax:
//   :Base Lunasoma.hlp        the help file (ignored here: the viewer is told which file to show)
//   :Title Lunasoma Help      the viewer's caption
//   1 Using the chart         a book (heading) at level 1
//   2 Paging=paging           a topic at level 2: its title, '=', the anchor of the topic
// Topic anchors may carry "@file" and ">window" suffixes, which are dropped; "\=" in a title is a
// literal '='; lines starting with ';' are comments. A level may go at most one deeper than the
// line before it: a deeper one is lifted, so the list always forms a tree. It parses only; the
// help viewer shows the result.

#include <QString>

#include <vector>

namespace lunasoma {

struct HelpContentsEntry {
  int level = 1;  // 1 for the outermost
  QString title;
  QString topic;  // the anchor in the help document; empty for a book
  friend bool operator==(const HelpContentsEntry&, const HelpContentsEntry&) = default;
};

class HelpContents {
 public:
  static HelpContents parse(const QString& text);

  const QString& title() const { return m_title; }
  const QString& base() const { return m_base; }
  const std::vector<HelpContentsEntry>& entries() const { return m_entries; }
  // The anchor of the first topic in the list, the page the viewer opens on; empty when none.
  QString firstTopic() const;

 private:
  QString m_title;
  QString m_base;
  std::vector<HelpContentsEntry> m_entries;
};

}  // namespace lunasoma
