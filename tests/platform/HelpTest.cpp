#include <QApplication>
#include <QFile>
#include <QTextBrowser>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "platform/HelpContents.h"
#include "platform/InstalledLanguage.h"
#include "platform/QtHelpService.h"
#include "tests/support/FakeHostServices.h"
#include "tests/support/TempFolder.h"

namespace lunasoma {
namespace {

using Entries = std::vector<HelpContentsEntry>;

struct ContentsRow {
  const char* name;
  QString text;
  Entries expected;
};

class ContentsParsing : public ::testing::TestWithParam<ContentsRow> {};

TEST_P(ContentsParsing, GivesBooksAndTopicsWithLevels) {
  EXPECT_EQ(HelpContents::parse(GetParam().text).entries(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ContentsParsing,
    ::testing::Values(
        ContentsRow{"booksAndTopics",
                    "1 The chart\n2 Reading the chart=chart\n2 Paging=paging\n1 Installing\n2 Setup=setup\n",
                    {{1, "The chart", ""},
                     {2, "Reading the chart", "chart"},
                     {2, "Paging", "paging"},
                     {1, "Installing", ""},
                     {2, "Setup", "setup"}}},
        ContentsRow{"windowsLineEndsAndBlanks",
                    "\r\n1 Book\r\n\r\n  2 Topic = topic-id \r\n",
                    {{1, "Book", ""}, {2, "Topic", "topic-id"}}},
        ContentsRow{"fileAndWindowSuffixes",
                    "1 A=alpha@Other.hlp>main\n1 B=beta>second\n",
                    {{1, "A", "alpha"}, {1, "B", "beta"}}},
        ContentsRow{"escapedEquals", "1 a \\= b=maths\n", {{1, "a = b", "maths"}}},
        ContentsRow{"directivesAndComments",
                    ":Base Lunasoma.hlp>main\n:Title Help\n:Index Lunasoma=Lunasoma.hlp\n; note\n1 Only=only\n",
                    {{1, "Only", "only"}}},
        ContentsRow{"levelJumpIsLifted",
                    "1 Book\n3 Deep=deep\n4 Deeper=deeper\n1 Top=top\n",
                    {{1, "Book", ""}, {2, "Deep", "deep"}, {3, "Deeper", "deeper"}, {1, "Top", "top"}}},
        ContentsRow{"firstLineTooDeep", "2 Orphan=orphan\n", {{1, "Orphan", "orphan"}}},
        ContentsRow{"malformedLinesSkipped",
                    "Book without level\n0 Zero=zero\n1\n1 NoTopic=\n1 =anchor\n1x Glued\n1 Kept=kept\n",
                    {{1, "Kept", "kept"}}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(HelpContentsFile, TitleBaseAndFirstTopic) {
  const HelpContents contents =
      HelpContents::parse(":Base Lunasoma.hlp>main\n:Title Lunasoma Help\n1 Book\n2 First=first\n2 Second=second\n");
  EXPECT_EQ(contents.title(), "Lunasoma Help");
  EXPECT_EQ(contents.base(), "Lunasoma.hlp");
  EXPECT_EQ(contents.firstTopic(), "first");
  EXPECT_EQ(HelpContents::parse("1 Book only\n").firstTopic(), "");
}

class HelpServiceTest : public ::testing::Test {
 protected:
  void write(const QString& name, const QByteArray& bytes) {
    QFile file(m_temp.file(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QString helpFile() const { return m_temp.path() + "/Lunasoma.hlp"; }

  test::TempFolder m_temp;
  test::FakeShell m_shell;
  QtHelpService m_help{m_shell};
};

TEST_F(HelpServiceTest, OpensOnTheFirstTopicWithTheContentsTree) {
  write("Lunasoma.hlp",
        "<html><body><a name=\"intro\"></a><h1>Intro</h1><a name=\"paging\"></a><h1>Paging</h1>"
        "<a href=\"#intro\">back</a> <a href=\"https://example.com/\">web</a></body></html>");
  write("Lunasoma.cnt", ":Base Lunasoma.hlp\n:Title Lunasoma Help\n1 Chart\n2 Introduction=intro\n2 Paging=paging\n");
  ASSERT_TRUE(m_help.showContents(nullptr, helpFile()));

  HelpViewer* viewer = m_help.viewer();
  ASSERT_NE(viewer, nullptr);
  EXPECT_TRUE(viewer->isVisible());
  EXPECT_EQ(viewer->windowTitle(), "Lunasoma Help");
  EXPECT_EQ(viewer->currentTopic(), "intro");
  auto* tree = viewer->findChild<QTreeWidget*>("trvContents");
  ASSERT_NE(tree, nullptr);
  EXPECT_TRUE(tree->isVisible());
  ASSERT_EQ(tree->topLevelItemCount(), 1);
  EXPECT_EQ(tree->topLevelItem(0)->text(0), "Chart");
  ASSERT_EQ(tree->topLevelItem(0)->childCount(), 2);
  EXPECT_EQ(tree->currentItem(), tree->topLevelItem(0)->child(0));

  Q_EMIT tree->itemClicked(tree->topLevelItem(0)->child(1), 0);
  EXPECT_EQ(viewer->currentTopic(), "paging");
  EXPECT_EQ(tree->currentItem(), tree->topLevelItem(0)->child(1));

  auto* browser = viewer->findChild<QTextBrowser*>("brwTopic");
  ASSERT_NE(browser, nullptr);
  EXPECT_TRUE(browser->toPlainText().contains("Paging"));
  Q_EMIT browser->anchorClicked(QUrl("#intro"));
  EXPECT_EQ(viewer->currentTopic(), "intro");
  EXPECT_TRUE(m_shell.calls().empty());
  Q_EMIT browser->anchorClicked(QUrl("https://example.com/"));
  ASSERT_EQ(m_shell.calls().size(), 1u);
  EXPECT_EQ(m_shell.calls()[0].target, "https://example.com/");

  m_help.quit();
  EXPECT_FALSE(viewer->isVisible());
}

TEST_F(HelpServiceTest, WithoutContentsFileShowsTheDocumentAlone) {
  write("Lunasoma.hlp", "<p>Only text</p>");
  ASSERT_TRUE(m_help.showContents(nullptr, helpFile()));
  EXPECT_FALSE(m_help.viewer()->findChild<QTreeWidget*>("trvContents")->isVisible());
  EXPECT_TRUE(m_help.viewer()->findChild<QTextBrowser*>("brwTopic")->toPlainText().contains("Only text"));
}

TEST_F(HelpServiceTest, MissingOrUnreadableHelpShowsNothing) {
  write("Lunasoma.cnt", "1 Intro=intro\n");
  EXPECT_FALSE(m_help.showContents(nullptr, helpFile()));
  EXPECT_FALSE(m_help.showContents(nullptr, m_temp.path()));
  write("Lunasoma.hlp", "<p>secret</p>");
  QFile::setPermissions(helpFile(), QFileDevice::WriteOwner);
  if (QFile(helpFile()).open(QIODevice::ReadOnly)) GTEST_SKIP() << "running with rights that read any file";
  EXPECT_FALSE(m_help.showContents(nullptr, helpFile()));
  EXPECT_EQ(m_help.viewer(), nullptr);
}

TEST_F(HelpServiceTest, SecondRequestReusesTheWindowWithFreshContents) {
  write("Lunasoma.hlp", "<p>first</p>");
  ASSERT_TRUE(m_help.showContents(nullptr, helpFile()));
  HelpViewer* first = m_help.viewer();
  m_help.quit();
  write("Lunasoma.hlp", "<p>second</p>");
  ASSERT_TRUE(m_help.showContents(nullptr, helpFile()));
  EXPECT_EQ(m_help.viewer(), first);
  EXPECT_TRUE(first->isVisible());
  EXPECT_TRUE(first->findChild<QTextBrowser*>("brwTopic")->toPlainText().contains("second"));
}

// The help follows the program's language where it is embedded in that language, and stays the
// English file beside the program for English and for a language without a help of its own.
TEST_F(HelpServiceTest, ShowsTheHelpInTheProgramsLanguageWhereThereIsOne) {
  write("Lunasoma.hlp", "<html><body><a name=\"contents\"></a><h1>English help</h1></body></html>");
  write("Lunasoma.cnt", ":Base Lunasoma.hlp\n:Title Lunasoma Help\n1 Start\n2 Welcome=contents\n");
  struct Row {
    const char* language;
    const char* title;
    const char* text;
  };
  const Row rows[] = {
      {"", "Lunasoma Help", "English help"},
      {"de", "Lunasoma-Hilfe", "Willkommen bei Lunasoma"},
      {"xx", "Lunasoma Help", "English help"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.language);
    QCoreApplication::instance()->setProperty(TranslationLanguageProperty, QString::fromLatin1(row.language));
    ASSERT_TRUE(m_help.showContents(nullptr, helpFile()));
    EXPECT_EQ(m_help.viewer()->windowTitle(), row.title);
    EXPECT_TRUE(m_help.viewer()->findChild<QTextBrowser*>("brwTopic")->toPlainText().contains(row.text));
  }
  QCoreApplication::instance()->setProperty(TranslationLanguageProperty, QVariant());
  // The translated help needs the English file beside the program all the same.
  QFile::remove(helpFile());
  QCoreApplication::instance()->setProperty(TranslationLanguageProperty, QStringLiteral("de"));
  EXPECT_FALSE(m_help.showContents(nullptr, helpFile()));
  QCoreApplication::instance()->setProperty(TranslationLanguageProperty, QVariant());
}

TEST(HelpContentsFileName, SitsBesideTheHelpFile) {
  EXPECT_EQ(QtHelpService::contentsFileFor("/opt/Lunasoma/Lunasoma.hlp"), "/opt/Lunasoma/Lunasoma.cnt");
  EXPECT_EQ(QtHelpService::contentsFileFor("/opt/a.b/Help.v2.HLP"), "/opt/a.b/Help.v2.cnt");
}

}  // namespace
}  // namespace lunasoma
