#include <QDir>

#include <gtest/gtest.h>

#include "setup/InstallText.h"
#include "setup/InstallWizardFlow.h"
#include "tests/support/TempFolder.h"

namespace lunasoma {
namespace {

TEST(InstallRules, TheDriveOfAFolderIsTheLongestRootThatHoldsIt) {
  const std::vector<Drive> drives{{"/", "root", false}, {"/media/usb", "usb", true}, {"/home", "home", false}};
  struct Case {
    const char* name;
    QString folder;
    int drive;
  };
  const Case cases[] = {
      {"BelowAMountPoint", "/media/usb/Apps", 1},
      {"TheMountPointItself", "/media/usb", 1},
      {"ASiblingWithTheSamePrefix", "/media/usb2/Apps", 0},
      {"OnlyTheRootHoldsIt", "/opt", 0},
      {"Home", "/home/user/.local/opt", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(driveIndexFor(drives, c.folder), c.drive);
  }
  EXPECT_EQ(driveIndexFor({{"/media/usb", "usb", true}}, "/opt"), -1);
}

TEST(InstallRules, TheNearestExistingFolderClimbsOverMissingParents) {
  test::TempFolder folder;
  QDir().mkpath(folder.path() + "/a/b");
  struct Case {
    const char* name;
    QString folder;
    QString nearest;
  };
  const Case cases[] = {
      {"Exists", folder.path() + "/a/b", folder.path() + "/a/b"},
      {"OneLevelMissing", folder.path() + "/a/b/c", folder.path() + "/a/b"},
      {"SeveralLevelsMissing", folder.path() + "/a/x/y/z", folder.path() + "/a"},
      {"TrailingSeparator", folder.path() + "/a/", folder.path() + "/a"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(nearestExistingFolder(c.folder), c.nearest);
  }
}

TEST(InstallRules, PlaceholdersAreFilledLeftToRightAndArgumentsAreNotRescanned) {
  struct Case {
    const char* name;
    QString pattern;
    QStringList arguments;
    QString result;
  };
  const Case cases[] = {
      {"Two",
       "The file \"%s\" already exists, but %s has",
       {"/tmp/a", "Lunasoma"},
       "The file \"/tmp/a\" already exists, but Lunasoma has"},
      {"ArgumentHoldingAPlaceholder", "%s and %s", {"/x/%s", "y"}, "/x/%s and y"},
      {"TooFewArguments", "%s and %s", {"x"}, "x and %s"},
      {"NoPlaceholder", "plain <b>text</b>", {"x"}, "plain <b>text</b>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(fillPercentS(c.pattern, c.arguments), c.result);
  }
  EXPECT_EQ(withProductName("Add %s to %s"), "Add Lunasoma to Lunasoma");
}

}  // namespace
}  // namespace lunasoma
