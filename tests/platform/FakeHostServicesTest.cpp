#include <QFileInfo>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "tests/support/FakeHostServices.h"

namespace lunasoma {
namespace {

using test::FakeHostServices;
using test::FakeMessageService;

constexpr MessageButtons yesNo = MessageButton::Yes | MessageButton::No;
constexpr MessageButtons okCancel = MessageButton::Ok | MessageButton::Cancel;

TEST(FakeMessages, ScriptedAnswersFirstThenTheDefault) {
  FakeHostServices host;
  HostServices services = host.services();
  host.messages.queueAnswers({MessageButton::No, MessageButton::Yes});
  EXPECT_EQ(services.messages.confirm(nullptr, "one", yesNo), MessageButton::No);
  EXPECT_EQ(services.messages.confirm(nullptr, "two", yesNo), MessageButton::Yes);
  EXPECT_EQ(services.messages.confirm(nullptr, "three", okCancel), MessageButton::Ok);
  host.messages.setDefaultAnswer(MessageButton::Cancel);
  EXPECT_EQ(services.messages.confirm(nullptr, "four", okCancel), MessageButton::Cancel);
  EXPECT_EQ(host.messages.count(FakeMessageService::Kind::Confirm), 4);
  EXPECT_EQ(host.messages.boxes()[1].answer, MessageButton::Yes);
}

TEST(FakeMessages, AnAnswerTheBoxDoesNotOfferFailsTheTest) {
  FakeMessageService messages;
  messages.queueAnswers({MessageButton::Cancel});
  EXPECT_NONFATAL_FAILURE(messages.confirm(nullptr, "Delete?", yesNo), "Delete?");
}

TEST(FakeJournal, KeepsBeepsAndBoxesInOrder) {
  FakeHostServices host;
  HostServices services = host.services();
  services.beeper.beep(Beep::Exclamation);
  services.messages.error(nullptr, "Could not set desktop wallpaper!");
  services.messages.information(nullptr, "Done!");
  EXPECT_EQ(host.journal, (QStringList{"beep Exclamation", "error Could not set desktop wallpaper!", "information Done!"}));
}

TEST(FakeBundle, GivesSeparateHivesAndRealFolders) {
  FakeHostServices host;
  HostServices services = host.services();
  services.userHive.writeString("Software\\Corvanti\\Lunasoma", "Version", "1.0");
  EXPECT_FALSE(services.machineHive.keyExists("Software\\Corvanti\\Lunasoma"));
  EXPECT_TRUE(services.machineHive.keyExists("Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall"));
  for (const QString& folder : {services.folders.programsFolder(), services.folders.tempFolder(),
                                services.folders.programFilesFolder(), services.drives.driveA().root}) {
    EXPECT_TRUE(QFileInfo(folder).isDir()) << folder.toStdString();
    EXPECT_TRUE(folder.startsWith(host.root.path())) << folder.toStdString();
  }
  EXPECT_TRUE(services.drives.driveA().removable);
  EXPECT_EQ(host.folders.shellFolderReads(), 1);
}

}  // namespace
}  // namespace lunasoma
