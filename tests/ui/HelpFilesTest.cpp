#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include "platform/HelpContents.h"

namespace lunasoma {
namespace {

QString distributionText(const char* name) {
  QFile file(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../resources/dist/") + QLatin1String(name));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
  return QString::fromUtf8(file.readAll());
}

TEST(HelpFiles, EveryContentsEntryLeadsToATopicAndEveryTopicIsListed) {
  const HelpContents contents = HelpContents::parse(distributionText("Lunasoma.cnt"));
  const QString document = distributionText("Lunasoma.hlp");
  EXPECT_EQ(contents.title(), "Lunasoma Help");
  EXPECT_EQ(contents.base(), "Lunasoma.hlp");

  QSet<QString> anchors;
  const QRegularExpression anchor(QStringLiteral("<a name=\"([^\"]+)\"></a>"));
  for (auto match = anchor.globalMatch(document); match.hasNext();) anchors.insert(match.next().captured(1));

  QSet<QString> listed;
  for (const HelpContentsEntry& entry : contents.entries()) {
    if (entry.topic.isEmpty()) continue;
    EXPECT_TRUE(anchors.contains(entry.topic)) << qPrintable(entry.title) << " -> " << qPrintable(entry.topic);
    listed.insert(entry.topic);
  }
  EXPECT_EQ(listed, anchors) << "a topic the contents do not list can only be found by scrolling";
  EXPECT_EQ(contents.firstTopic(), "contents") << "the viewer opens on the welcome page";

  // Links inside the document must point at topics that exist.
  const QRegularExpression link(QStringLiteral("<a href=\"#([^\"]+)\">"));
  for (auto match = link.globalMatch(document); match.hasNext();) {
    const QString target = match.next().captured(1);
    EXPECT_TRUE(anchors.contains(target)) << qPrintable(target);
  }
  for (const char* subject : {"chart", "setup", "dates", "paging", "printing", "wallpaper", "installing", "removing"}) {
    EXPECT_TRUE(anchors.contains(QLatin1String(subject))) << subject;
  }
}

}  // namespace
}  // namespace lunasoma
