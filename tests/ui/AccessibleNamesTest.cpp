// What a screen reader is told about the main window's controls, asked through QAccessible.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QSlider>
#include <QTabWidget>
#include <QTest>

#include <string>
#include <tuple>

#include "model/Biorhythm.h"
#include "model/DayReadout.h"
#include "tests/ui/MainWindowFixture.h"

namespace lunasoma {
namespace {

QString accessible(QObject* object, QAccessible::Text text) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
  return face ? face->text(text) : QStringLiteral("<no interface>");
}

class AccessibleNamesTest : public test::MainWindowFixture {
 protected:
  void openChart() {
    BiorhythmSettings previous;
    previous.Birth = day(1990, 5, 17);
    previous.Start = day(2024, 3, 1);
    previous.SaveStartDate = true;
    store(previous);
    open();
  }
};

TEST_F(AccessibleNamesTest, EveryControlHasANameAndADescription) {
  openChart();
  QList<QWidget*> controls;
  for (QWidget* widget : m_window->findChildren<QWidget*>()) {
    // Item views, line edits and Qt's own scroll buttons inside the lists, tabs and menu bar speak
    // for their owner.
    const QWidget* parent = widget->parentWidget();
    const bool owned = qobject_cast<const QComboBox*>(parent) || qobject_cast<const QTabWidget*>(parent) ||
                       widget->inherits("QTabBar") ||
                       (parent && (parent->inherits("QTabBar") || parent->inherits("QMenuBar")));
    if (owned) continue;
    if (qobject_cast<QComboBox*>(widget) || qobject_cast<QAbstractButton*>(widget) || qobject_cast<QSlider*>(widget) ||
        qobject_cast<QTabWidget*>(widget) || qobject_cast<QGroupBox*>(widget))
      controls << widget;
  }
  controls << child<QWidget>("pntBio") << child<QWidget>("panDiv");
  ASSERT_GE(controls.size(), 24);
  for (QWidget* control : controls) {
    SCOPED_TRACE(control->objectName().toStdString() + " " + control->metaObject()->className());
    EXPECT_FALSE(accessible(control, QAccessible::Name).isEmpty());
    EXPECT_FALSE(accessible(control, QAccessible::Description).isEmpty());
  }
}

TEST_F(AccessibleNamesTest, NamesComeFromCaptionsAndDescriptionsFromHints) {
  openChart();
  const struct {
    const char* control;
    const char* name;
    const char* description;
  } rows[] = {
      {"trkSetRange", "Show 3 Weeks", "Range of weeks to show"},
      {"rgbSetStyle", "Style", "Style of graphic"},
      {"cboSetPhyWidth", "Physical Line Width, Width 3", "Line widths for graphic"},
      {"cboSetOverWidth", "Overall Line Width, Width 6", "Line widths for graphic"},
      {"cboSetPhyColor", "Physical Color, Lime", "Color settings for graphic"},
      {"cboSetBackColor", "Background Color, Teal", "Color settings for graphic"},
      {"chkSetSepLines", "Separator Lines", "Show daily vertical lines in graphic"},
      {"chkSetShowHints", "Show Hints", "Show these popup hints"},
      {"pntBio", "Biorhythm chart", nullptr},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.control);
    QWidget* control = child<QWidget>(row.control);
    EXPECT_EQ(accessible(control, QAccessible::Name).toStdString(), row.name);
    if (row.description) {
      EXPECT_EQ(accessible(control, QAccessible::Description).toStdString(), row.description);
    }
  }
  // An editable list is named by what is typed into it, as Qt has it on this platform; readers find
  // its caption through the label that belongs to it.
  for (const auto& [field, caption, hint] : {std::tuple{"cboBirth", "Birth Date", "Birth date for calculations"},
                                             std::tuple{"cboStart", "Start Date", "Date to start with"}}) {
    SCOPED_TRACE(field);
    QWidget* control = child<QWidget>(field);
    EXPECT_EQ(control->accessibleName().toStdString(), caption);
    EXPECT_EQ(accessible(control, QAccessible::Description).toStdString(), hint);
    QStringList labels;
    for (const auto& [label, relation] : QAccessible::queryAccessibleInterface(control)->relations(QAccessible::Label))
      labels << label->text(QAccessible::Name);
    EXPECT_EQ(labels, QStringList{QString::fromLatin1(caption)});
  }
  // The track bar is named by the caption it sets.
  child<QSlider>("trkSetRange")->setValue(1);
  EXPECT_EQ(accessible(child<QSlider>("trkSetRange"), QAccessible::Name).toStdString(), "Show 1 Week");
}

TEST_F(AccessibleNamesTest, ListItemsAreNamedForWhatTheyShow) {
  openChart();
  const QStringList colors{"Black",  "Maroon", "Green", "Olive",  "Navy", "Purple",  "Teal", "Gray",
                           "Silver", "Red",    "Lime",  "Yellow", "Blue", "Fuchsia", "Aqua", "White"};
  for (const char* name : {"cboSetTextColor", "cboSetBackColor", "cboSetPhyColor", "cboSetMenColor", "cboSetEmoColor",
                           "cboSetOverColor"}) {
    SCOPED_TRACE(name);
    QComboBox* list = child<QComboBox>(name);
    ASSERT_EQ(list->count(), colors.size());
    for (int i = 0; i < list->count(); ++i) EXPECT_EQ(list->itemData(i, Qt::AccessibleTextRole).toString(), colors[i]);
  }
  for (const char* name : {"cboSetPhyWidth", "cboSetMenWidth", "cboSetEmoWidth", "cboSetOverWidth"}) {
    SCOPED_TRACE(name);
    QComboBox* list = child<QComboBox>(name);
    ASSERT_EQ(list->count(), 10);
    EXPECT_EQ(list->itemData(0, Qt::AccessibleTextRole).toString(), "No Line");
    EXPECT_EQ(list->itemData(3, Qt::AccessibleTextRole).toString(), "Width 3");
    EXPECT_EQ(list->itemData(9, Qt::AccessibleTextRole).toString(), "Width 9");
  }
  // What a screen reader finds when it walks into the open list: the defaults teal and width 6.
  QComboBox* back = child<QComboBox>("cboSetBackColor");
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(back->view());
  ASSERT_NE(list, nullptr);
  QStringList spoken;
  for (int i = 0; i < list->childCount(); ++i) spoken << list->child(i)->text(QAccessible::Name);
  EXPECT_TRUE(spoken.contains("Teal")) << spoken.join(", ").toStdString();
}

TEST_F(AccessibleNamesTest, AClosedListSaysWhichItemItHolds) {
  openChart();
  QComboBox* back = child<QComboBox>("cboSetBackColor");
  QComboBox* overall = child<QComboBox>("cboSetOverWidth");
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(back);
  ASSERT_NE(face, nullptr);
  EXPECT_EQ(face->role(), QAccessible::ComboBox);
  // The desktop's bridge reads only the name, so the name carries the item after the list's own.
  EXPECT_EQ(face->text(QAccessible::Name), "Background Color, Teal");
  EXPECT_EQ(face->text(QAccessible::Value), "Teal") << "the stored background";
  EXPECT_EQ(accessible(overall, QAccessible::Value), "Width 6") << "the stored overall width";
  ASSERT_EQ(face->childCount(), 1);
  EXPECT_EQ(face->child(0)->object(), back->view()) << "the open list is the one child";

  // A keyboard user steps to the next colour and asks what the list holds now.
  back->setFocus();
  QTest::keyClick(back, Qt::Key_Down);
  EXPECT_EQ(face->text(QAccessible::Value), "Gray");
  EXPECT_EQ(face->text(QAccessible::Name), "Background Color, Gray");

  // The reader can open and close the list as Qt's own lists allow.
  QAccessibleActionInterface* actions = face->actionInterface();
  ASSERT_NE(actions, nullptr);
  ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
  actions->doAction(QAccessibleActionInterface::showMenuAction());
  EXPECT_TRUE(back->view()->isVisible());
  EXPECT_TRUE(face->state().expanded);
  actions->doAction(QAccessibleActionInterface::showMenuAction());
  EXPECT_FALSE(back->view()->isVisible());
}

TEST_F(AccessibleNamesTest, ChartDescriptionFollowsTheDatesAndTellsTodaysValues) {
  openChart();
  QWidget* chart = child<QWidget>("pntBio");
  const std::string before = accessible(chart, QAccessible::Description).toStdString();
  EXPECT_NE(before.find("Thursday, May 17, 1990"), std::string::npos) << before;
  EXPECT_NE(before.find("Friday, March 1, 2024"), std::string::npos) << before;
  const DayPercentages today = dayPercentages(daysBetween(day(1990, 5, 17), day(2024, 3, 15)));
  const auto words = [](int percent) {
    return (percent < 0 ? "minus " + std::to_string(-percent) : std::to_string(percent)) + " percent";
  };
  const std::string values = "Friday, March 15, 2024: Physical " + words(today.physical) + ", Mental " +
                             words(today.mental) + ", Emotional " + words(today.emotional) + ", Overall " +
                             words(today.overall);
  EXPECT_NE(before.find(values), std::string::npos) << before;

  child<QAction>("mnuNextPage")->trigger();
  const std::string after = accessible(chart, QAccessible::Description).toStdString();
  EXPECT_NE(after.find("starting on Friday, March 22, 2024"), std::string::npos) << after;
  EXPECT_NE(after.find(values), std::string::npos) << "today's values do not move with the chart";
}

}  // namespace
}  // namespace lunasoma
