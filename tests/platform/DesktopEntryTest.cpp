#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include "platform/DesktopEntry.h"
#include "platform/DesktopShortcutService.h"
#include "tests/support/TempFolder.h"

namespace lunasoma {
namespace {

using test::TempFolder;

struct QuoteRow {
  const char* name;
  QString argument;
  bool alwaysQuote;
  QString expected;
};

class QuoteArgument : public ::testing::TestWithParam<QuoteRow> {};

TEST_P(QuoteArgument, FollowsTheDesktopEntryRules) {
  EXPECT_EQ(DesktopEntry::quoteArgument(GetParam().argument, GetParam().alwaysQuote), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, QuoteArgument,
    ::testing::Values(QuoteRow{"plain", "setup", false, "setup"},
                      QuoteRow{"plainForced", "/opt/Lunasoma/Lunasoma.exe", true, "\"/opt/Lunasoma/Lunasoma.exe\""},
                      QuoteRow{"blank", "/home/a b/x", false, "\"/home/a b/x\""}, QuoteRow{"empty", "", false, "\"\""},
                      QuoteRow{"doubleQuote", "say \"hi\"", false, "\"say \\\"hi\\\"\""},
                      QuoteRow{"dollarAndBacktick", "$HOME`id`", false, "\"\\$HOME\\`id\\`\""},
                      QuoteRow{"backslash", "a\\b", false, "\"a\\\\b\""},
                      QuoteRow{"singleQuote", "it's", false, "\"it's\""},
                      QuoteRow{"semicolonAndPipe", "a;b|c", false, "\"a;b|c\""},
                      QuoteRow{"percentPlain", "100%", false, "100%%"},
                      QuoteRow{"percentQuoted", "50% off", false, "\"50%% off\""},
                      QuoteRow{"fieldCodeLookalike", "%f", false, "%%f"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(DesktopEntryValue, EscapesWhatWouldBreakTheLine) {
  EXPECT_EQ(DesktopEntry::escapeValue("a\\b"), "a\\\\b");
  EXPECT_EQ(DesktopEntry::escapeValue("one\ntwo\tthree\rfour"), "one\\ntwo\\tthree\\rfour");
  EXPECT_EQ(DesktopEntry::escapeValue(" lead and inner "), "\\slead and inner ");
}

// A literal backslash inside a quoted argument takes four backslashes in the file: the quoting
// doubles it, and the value escaping doubles both again.
TEST(DesktopEntryText, BackslashInTargetIsEscapedTwice) {
  ShortcutInfo shortcut;
  shortcut.linkPath = "/x/Odd.lnk";
  shortcut.target = "/opt/we\\ird/prog";
  const QString text = DesktopEntry::text(shortcut, DesktopEntry::TargetKind::Program);
  EXPECT_TRUE(text.contains("\nExec=\"/opt/we\\\\\\\\ird/prog\"\n")) << text.toStdString();
}

TEST(DesktopEntryText, ExecKeepsQuotedArgumentsTogether) {
  EXPECT_EQ(
      DesktopEntry::execLine("/opt/L/Lunasoma.exe", "Uninstall \"two words\" 5%", DesktopEntry::TargetKind::Program),
      "\"/opt/L/Lunasoma.exe\" Uninstall \"two words\" 5%%");
  EXPECT_EQ(DesktopEntry::execLine("/opt/L/Lunasoma.hlp", "", DesktopEntry::TargetKind::Document),
            "xdg-open \"/opt/L/Lunasoma.hlp\"");
}

class DesktopShortcutFiles : public ::testing::Test {
 protected:
  QString read(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(file.readAll());
  }

  // An installed program folder whose name holds a blank and characters a shell would act on.
  QString makeInstallation() {
    const QString folder = m_temp.path() + "/Program Files/Lunasoma $(x)";
    QDir().mkpath(folder);
    QFile program(folder + "/Lunasoma.exe");
    EXPECT_TRUE(program.open(QIODevice::WriteOnly));
    program.write("#!/bin/sh\n");
    program.close();
    program.setPermissions(program.permissions() | QFileDevice::ExeOwner);
    QFile help(folder + "/Lunasoma.hlp");
    EXPECT_TRUE(help.open(QIODevice::WriteOnly));
    return folder;
  }

  TempFolder m_temp;
  DesktopShortcutService m_service;
};

TEST_F(DesktopShortcutFiles, LinkNameBecomesDesktopFileName) {
  EXPECT_EQ(m_service.shortcutFileFor("/p/Lunasoma/Lunasoma Help.lnk"), "/p/Lunasoma/Lunasoma Help.desktop");
  EXPECT_EQ(m_service.shortcutFileFor("/p/Lunasoma.LNK"), "/p/Lunasoma.desktop");
  EXPECT_EQ(m_service.shortcutFileFor("/p/Lunasoma"), "/p/Lunasoma.desktop");
  EXPECT_EQ(m_service.shortcutFileFor("/p/Lunasoma.desktop"), "/p/Lunasoma.desktop");
}

TEST_F(DesktopShortcutFiles, ProgramShortcutRunsTheProgramInItsFolder) {
  const QString folder = makeInstallation();
  const QString links = m_temp.file("Programs/Lunasoma/x");
  ShortcutInfo shortcut;
  shortcut.linkPath = QFileInfo(links).path() + "/Lunasoma.lnk";
  shortcut.target = folder + "/Lunasoma.exe";
  shortcut.workingFolder = folder;
  shortcut.description = "Biorhythm\ncharts";
  ASSERT_TRUE(m_service.createShortcut(shortcut));

  const QString file = QFileInfo(links).path() + "/Lunasoma.desktop";
  EXPECT_EQ(read(file),
            "[Desktop Entry]\n"
            "Type=Application\n"
            "Name=Lunasoma\n"
            "Comment=Biorhythm\\ncharts\n"
            "Exec=\"" +
                QString(folder).replace("$", "\\\\$") +
                "/Lunasoma.exe\"\n"
                "Path=" +
                folder +
                "\n"
                "Terminal=false\n"
                "Categories=Utility;\n");
  const auto permissions = QFileInfo(file).permissions();
  EXPECT_TRUE(permissions & QFileDevice::ExeOwner);
  EXPECT_TRUE(permissions & QFileDevice::ExeOther);
  EXPECT_FALSE(permissions & QFileDevice::WriteOther);
  // Nothing but the entry itself is left in the folder.
  EXPECT_EQ(QDir(QFileInfo(file).path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Lunasoma.desktop"});
}

TEST_F(DesktopShortcutFiles, DocumentShortcutOpensWithTheDesktopHandler) {
  const QString folder = makeInstallation();
  ShortcutInfo shortcut;
  shortcut.linkPath = m_temp.path() + "/Lunasoma Help.lnk";
  shortcut.target = folder + "/Lunasoma.hlp";
  shortcut.workingFolder = folder;
  ASSERT_TRUE(m_service.createShortcut(shortcut));
  const QString text = read(m_temp.path() + "/Lunasoma Help.desktop");
  EXPECT_TRUE(text.contains("\nName=Lunasoma Help\n")) << text.toStdString();
  EXPECT_TRUE(text.contains("\nExec=xdg-open \"" + QString(folder).replace("$", "\\\\$") + "/Lunasoma.hlp\"\n"))
      << text.toStdString();
}

TEST_F(DesktopShortcutFiles, MissingFolderOrTargetFails) {
  ShortcutInfo shortcut;
  shortcut.linkPath = m_temp.path() + "/no such group/Lunasoma.lnk";
  shortcut.target = "/bin/sh";
  EXPECT_FALSE(m_service.createShortcut(shortcut));
  EXPECT_FALSE(QFileInfo::exists(m_temp.path() + "/no such group"));

  shortcut.linkPath = m_temp.path() + "/Lunasoma.lnk";
  shortcut.target.clear();
  EXPECT_FALSE(m_service.createShortcut(shortcut));
  EXPECT_FALSE(QFileInfo::exists(m_temp.path() + "/Lunasoma.desktop"));
}

}  // namespace
}  // namespace lunasoma
