#pragma once
// The "&View" and "&People" menus, placed between "&File" and "&Help": the chart's marks, the
// stored people (choosing one puts their date into the Birth Date field), adding the date in the
// field as a person, the Manage People dialog and the comparison with another person. It wires the
// menus to the settings record and the people in the user hive; the window asks it what the chart
// shows beyond itself.

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

#include "app/PeopleStore.h"
#include "app/ProgramContext.h"
#include "chart/ChartDrawing.h"

class QAction;
class QComboBox;
class QMenu;
class QMenuBar;
class QWidget;

namespace lunasoma {

class PeopleMenus : public QObject {
  Q_OBJECT

 public:
  // What the menus need of the window that holds them.
  struct Window {
    QWidget* widget = nullptr;                           // the dialogs' parent
    std::function<DayNumber()> birth;                    // the date in the Birth Date field
    std::function<void(DayNumber)> chooseBirth;          // puts a date into the field as typing would
    std::function<void()> chartChanged;                  // redraws the chart
    std::function<QString(DayNumber)> dateText;          // a date as the date fields write it
    std::function<DayNumber(const QString&)> parseDate;  // a typed date, 0 when it is none
    // Opens the calendar pop-up under a date field; nothing when not set.
    std::function<void(QComboBox*, std::function<void(DayNumber)>)> openCalendar;
  };
  // Asks for a name; nothing when cancelled. Qt's input dialog until replaced.
  using NameQuestion = std::function<std::optional<QString>(QWidget* parent, const QString& title, const QString& label,
                                                            const QString& text)>;

  PeopleMenus(QMenuBar* bar, QAction* before, ProgramContext& context, Window window);

  void setNameQuestion(NameQuestion question) { m_askName = std::move(question); }

  // The people as last read from the hive.
  const std::vector<Person>& people() const { return m_people; }
  // Reads the people again (another copy of the program may have changed them).
  void reload();

  // What the chart shows beyond itself for the settings and the people: whose chart it is, the
  // comparison, the marks.
  ChartExtras extras(DayNumber today) const;

  QMenu* viewMenu() const { return m_mnuView; }
  QMenu* peopleMenu() const { return m_mnuPeople; }
  QMenu* compareMenu() const { return m_mnuCompare; }
  QAction* addPersonItem() const { return m_mnuAddPerson; }
  QAction* managePeopleItem() const { return m_mnuManagePeople; }

  // The commands, each as its item runs it.
  void addPerson();
  void managePeople();

 private:
  void fillPeopleMenu();
  void fillCompareMenu();
  // Tells the user why a change was not made; true when it was.
  bool reportChange(PersonChange change, const QString& name);
  // The name with the menu's mnemonic marker doubled, so that it shows as written.
  static QString menuText(const QString& text);

  ProgramContext& m_context;
  Window m_window;
  NameQuestion m_askName;
  std::vector<Person> m_people;

  QMenu* m_mnuView = nullptr;
  QAction* m_mnuMarkCritical = nullptr;
  QAction* m_mnuMarkToday = nullptr;
  QMenu* m_mnuPeople = nullptr;
  QMenu* m_mnuCompare = nullptr;
  QAction* m_mnuAddPerson = nullptr;
  QAction* m_mnuManagePeople = nullptr;

  friend class ManagePeopleDialog;
};

}  // namespace lunasoma
