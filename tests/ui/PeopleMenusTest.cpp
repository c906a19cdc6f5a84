// The View and People menus in the main window: where they stand, the people they list from the
// hive, choosing, adding, comparing, and the Manage People dialog's changes with what follows them.
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <optional>

#include "app/PeopleStore.h"
#include "tests/support/ModalAnswer.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/PeopleMenus.h"

namespace lunasoma {
namespace {

class PeopleMenusTest : public test::MainWindowFixture {
 protected:
  PeopleMenus& menus() {
    auto* found = m_window->findChild<PeopleMenus*>(QStringLiteral("peopleMenus"));
    EXPECT_NE(found, nullptr);
    return *found;
  }
  // Opens a menu's contents as the user's click would fill them.
  static QStringList shown(QMenu* menu) {
    Q_EMIT menu->aboutToShow();
    QStringList texts;
    for (const QAction* item : menu->actions()) {
      if (item->isSeparator()) {
        texts.append(QStringLiteral("-"));
      } else {
        texts.append(item->text() + (item->isChecked() ? QStringLiteral(" [x]") : QString()));
      }
    }
    return texts;
  }
  static QAction* item(QMenu* menu, const QString& text) {
    for (QAction* action : menu->actions()) {
      if (action->text() == text) return action;
    }
    ADD_FAILURE() << text.toStdString();
    return nullptr;
  }
  void answerNames(std::optional<QString> answer) {
    menus().setNameQuestion([answer](QWidget*, const QString&, const QString&, const QString&) { return answer; });
  }
};

TEST_F(PeopleMenusTest, TheNewMenusStandBetweenFileAndHelpAndChangeNothingUntilUsed) {
  open();
  QStringList titles;
  for (const QAction* menu : m_window->menuBar()->actions()) titles.append(menu->text());
  EXPECT_EQ(titles, (QStringList{"&File", "&View", "&People", "&Help"}));
  EXPECT_EQ(shown(menus().viewMenu()), (QStringList{"Mark &Critical Days", "Mark T&oday"}));
  EXPECT_EQ(shown(menus().peopleMenu()), (QStringList{"&Compare With", "-", "&Add Person...", "&Manage People..."}));
  EXPECT_EQ(shown(menus().compareMenu()), QStringList{"&Nobody [x]"});
  const ChartExtras extras = menus().extras(today());
  EXPECT_TRUE(extras.personName.empty());
  EXPECT_FALSE(extras.compareBirth || extras.markCritical || extras.markToday);
}

TEST_F(PeopleMenusTest, MarksAreSwitchedAndShownChecked) {
  open();
  item(menus().viewMenu(), "Mark &Critical Days")->trigger();
  EXPECT_TRUE(settings.MarkCritical);
  EXPECT_FALSE(settings.MarkToday);
  item(menus().viewMenu(), "Mark T&oday")->trigger();
  EXPECT_EQ(shown(menus().viewMenu()), (QStringList{"Mark &Critical Days [x]", "Mark T&oday [x]"}));
  item(menus().viewMenu(), "Mark &Critical Days")->trigger();
  EXPECT_FALSE(settings.MarkCritical);
  EXPECT_TRUE(menus().extras(today()).markToday);
}

TEST_F(PeopleMenusTest, AddedPeopleAreListedChosenAndCompared) {
  addPerson(host.userHive, "zed", day(1985, 1, 2));
  open();
  auto* birth = child<QComboBox>("cboBirth");
  birth->setEditText(QStringLiteral("5/10/1990"));
  settings.Birth = day(1990, 5, 10);
  answerNames(QStringLiteral("  Anna & Co "));
  menus().addPersonItem()->trigger();
  EXPECT_EQ(loadPeople(host.userHive),
            (std::vector<Person>{{"Anna & Co", day(1990, 5, 10)}, {"zed", day(1985, 1, 2)}}));
  EXPECT_TRUE(host.messages.texts().isEmpty());

  // The one whose date is in the field is checked, and the header names her.
  EXPECT_EQ(shown(menus().peopleMenu()), (QStringList{"Anna && Co (5/10/1990) [x]", "zed (1/2/1985)", "-",
                                                      "&Compare With", "-", "&Add Person...", "&Manage People..."}));
  EXPECT_EQ(menus().extras(today()).personName, "Anna & Co");

  // The same name in other letters is refused and said so.
  answerNames(QStringLiteral("ANNA & CO"));
  menus().addPersonItem()->trigger();
  EXPECT_EQ(host.messages.texts(), QStringList{"There is already a person called ANNA & CO."});
  EXPECT_EQ(loadPeople(host.userHive).size(), 2u);

  item(menus().peopleMenu(), "zed (1/2/1985)")->trigger();
  EXPECT_EQ(settings.Birth, day(1985, 1, 2));
  EXPECT_EQ(birth->currentText(), "1/2/1985");

  // Comparing offers the other people and Nobody.
  EXPECT_EQ(shown(menus().compareMenu()), (QStringList{"Anna && Co", "-", "&Nobody [x]"}));
  item(menus().compareMenu(), "Anna && Co")->trigger();
  EXPECT_EQ(settings.CompareWith, "Anna & Co");
  const ChartExtras extras = menus().extras(today());
  EXPECT_EQ(extras.personName, "zed");
  EXPECT_EQ(extras.compareBirth, day(1990, 5, 10));
  EXPECT_EQ(extras.compareName, "Anna & Co");
}

TEST_F(PeopleMenusTest, AddingWaitsForAValidBirthDate) {
  open();
  settings.Birth = 0;
  shown(menus().peopleMenu());
  EXPECT_FALSE(menus().addPersonItem()->isEnabled());
  settings.Birth = day(1990, 5, 10);
  shown(menus().peopleMenu());
  EXPECT_TRUE(menus().addPersonItem()->isEnabled());
}

TEST_F(PeopleMenusTest, TheComparisonFollowsARenameAndEndsWithARemoval) {
  addPerson(host.userHive, "Anna", day(1990, 5, 10));
  addPerson(host.userHive, "Bob", day(1988, 3, 4));
  open();
  settings.CompareWith = "bob";
  answerNames(QStringLiteral("Robert"));
  {
    test::ModalAnswer<QDialog> manage([](QDialog* dialog) {
      auto* list = dialog->findChild<QListWidget*>(QStringLiteral("lstPeople"));
      ASSERT_NE(list, nullptr);
      ASSERT_EQ(list->count(), 2);
      list->setCurrentRow(1);
      dialog->findChild<QPushButton*>(QStringLiteral("btnRename"))->click();
      EXPECT_EQ(list->item(1)->text(), "Robert (3/4/1988)");
      dialog->accept();
    });
    menus().managePeopleItem()->trigger();
  }
  EXPECT_EQ(settings.CompareWith, "Robert");
  EXPECT_EQ(menus().extras(today()).compareName, "Robert");

  host.messages.queueAnswers({MessageButton::Yes});
  {
    test::ModalAnswer<QDialog> manage([](QDialog* dialog) {
      auto* list = dialog->findChild<QListWidget*>(QStringLiteral("lstPeople"));
      list->setCurrentRow(1);
      dialog->findChild<QPushButton*>(QStringLiteral("btnRemove"))->click();
      EXPECT_EQ(list->count(), 1);
      dialog->accept();
    });
    menus().managePeopleItem()->trigger();
  }
  EXPECT_EQ(settings.CompareWith, "");
  EXPECT_EQ(loadPeople(host.userHive), (std::vector<Person>{{"Anna", day(1990, 5, 10)}}));
  EXPECT_FALSE(menus().extras(today()).compareBirth);
}

}  // namespace
}  // namespace lunasoma
