#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include "app/Translations.h"
#include "platform/HelpContents.h"

namespace lunasoma {
namespace {

QString distributionText(const char* name) {
  QFile file(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../resources/dist/") + QLatin1String(name));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
  return QString::fromUtf8(file.readAll());
}

QString embeddedText(const QString& name) {
  QFile file(QStringLiteral(":/help/") + name);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
  return QString::fromUtf8(file.readAll());
}

QSet<QString> anchorsOf(const QString& document) {
  QSet<QString> anchors;
  const QRegularExpression anchor(QStringLiteral("<a name=\"([^\"]+)\"></a>"));
  for (auto match = anchor.globalMatch(document); match.hasNext();) anchors.insert(match.next().captured(1));
  return anchors;
}

// The contents lead to the document's topics and list them all; the document's links lead to topics.
void expectContentsAndLinksMatch(const HelpContents& contents, const QString& document) {
  const QSet<QString> anchors = anchorsOf(document);

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
}

TEST(HelpFiles, EveryContentsEntryLeadsToATopicAndEveryTopicIsListed) {
  const HelpContents contents = HelpContents::parse(distributionText("Lunasoma.cnt"));
  const QString document = distributionText("Lunasoma.hlp");
  EXPECT_EQ(contents.title(), "Lunasoma Help");
  EXPECT_EQ(contents.base(), "Lunasoma.hlp");
  expectContentsAndLinksMatch(contents, document);
  const QSet<QString> anchors = anchorsOf(document);
  for (const char* subject : {"chart", "setup", "dates", "paging", "printing", "wallpaper", "installing", "removing"}) {
    EXPECT_TRUE(anchors.contains(QLatin1String(subject))) << subject;
  }
}

// Each language's help has the English help's topics, so that a topic asked for by name is there.
TEST(HelpFiles, EachTranslatedHelpHasTheEnglishTopicsAndConsistentContents) {
  const QString englishDocument = distributionText("Lunasoma.hlp");
  const QSet<QString> english = anchorsOf(englishDocument);
  for (const QString& language : shippedLanguages()) {
    SCOPED_TRACE(language.toStdString());
    const HelpContents contents = HelpContents::parse(embeddedText(QStringLiteral("Lunasoma_%1.cnt").arg(language)));
    const QString document = embeddedText(QStringLiteral("Lunasoma_%1.hlp").arg(language));
    EXPECT_EQ(contents.base(), "Lunasoma.hlp");
    EXPECT_FALSE(contents.title().isEmpty());
    EXPECT_NE(contents.title(), "Lunasoma Help");
    EXPECT_EQ(anchorsOf(document), english);
    EXPECT_EQ(document.count(QStringLiteral("<a href=\"#")), englishDocument.count(QStringLiteral("<a href=\"#")))
        << "every cross-reference kept";
    expectContentsAndLinksMatch(contents, document);
  }
}

}  // namespace
}  // namespace lunasoma
