#include "ui/PeopleMenus.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Utf8Text.h"
#include "ui/DateField.h"

namespace lunasoma {

namespace {

QString nameOf(const Person& person) { return toQString(person.name); }

bool sameName(const QString& a, const std::string& b) { return samePersonName(a.toStdString(), b); }

std::optional<QString> askWithInputDialog(QWidget* parent, const QString& title, const QString& label,
                                          const QString& text) {
  bool accepted = false;
  const QString answer = QInputDialog::getText(parent, title, label, QLineEdit::Normal, text, &accepted);
  if (!accepted) return std::nullopt;
  return answer;
}

}  // namespace

// Lists the stored people with the commands that change them; every change is made in the hive at
// once, and the list, the menus and the chart follow it.
class ManagePeopleDialog : public QDialog {
 public:
  ManagePeopleDialog(PeopleMenus& menus, QWidget* parent) : QDialog(parent), m_menus(menus) {
    setObjectName(QStringLiteral("ManagePeopleDialog"));
    setWindowTitle(QCoreApplication::translate("PeopleMenus", "Manage People"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lstPeople"));
    auto* label = new QLabel(QCoreApplication::translate("PeopleMenus", "&People:"), this);
    label->setBuddy(m_list);
    m_rename = addButton("btnRename", QCoreApplication::translate("PeopleMenus", "&Rename..."), [this] { rename(); });
    m_changeBirth = addButton("btnChangeBirth", QCoreApplication::translate("PeopleMenus", "Change &Birth Date..."),
                              [this] { changeBirth(); });
    m_remove = addButton("btnRemove", QCoreApplication::translate("PeopleMenus", "Re&move"), [this] { remove(); });
    QPushButton* close =
        addButton("btnClose", QCoreApplication::translate("PeopleMenus", "&Close"), [this] { accept(); });

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {m_rename, m_changeBirth, m_remove}) buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(label);
    listColumn->addWidget(m_list);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(listColumn, 1);
    layout->addLayout(buttons);
    connect(m_list, &QListWidget::currentRowChanged, this, [this] { offerCommands(); });
    connect(m_list, &QListWidget::itemActivated, this, [this] { changeBirth(); });
    fill();
  }

 private:
  QPushButton* addButton(const char* name, const QString& caption, std::function<void()> command) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, std::move(command));
    return button;
  }

  // Lists the people again, keeping the one of `select` (or the same row) chosen.
  void fill(const QString& select = QString()) {
    const int row = m_list->currentRow();
    m_menus.reload();
    m_list->clear();
    int chosen = -1;
    for (const Person& person : m_menus.people()) {
      if (!select.isEmpty() && sameName(select, person.name)) chosen = m_list->count();
      m_list->addItem(QStringLiteral("%1 (%2)").arg(nameOf(person), m_menus.m_window.dateText(person.birth)));
    }
    if (chosen < 0) chosen = std::min(row, m_list->count() - 1);
    m_list->setCurrentRow(std::max(chosen, m_list->count() > 0 ? 0 : -1));
    offerCommands();
  }

  void offerCommands() {
    const bool chosen = current() != nullptr;
    for (QPushButton* button : {m_rename, m_changeBirth, m_remove}) button->setEnabled(chosen);
  }

  const Person* current() const {
    const int row = m_list->currentRow();
    const std::vector<Person>& people = m_menus.people();
    return row >= 0 && row < static_cast<int>(people.size()) ? &people[static_cast<std::size_t>(row)] : nullptr;
  }

  // Runs a change of the hive, tells the user why it was not made, and shows the outcome.
  void change(const std::function<PersonChange()>& run, const QString& name, const QString& select) {
    PersonChange outcome = PersonChange::Done;
    try {
      outcome = run();
    } catch (const RegistryError& error) {
      m_menus.m_context.services.messages.error(this, QString::fromUtf8(error.what()));
      return;
    }
    if (m_menus.reportChange(outcome, name)) fill(select);
    m_menus.m_window.chartChanged();
  }

  void rename() {
    const Person* person = current();
    if (!person) return;
    const Person chosen = *person;
    const std::optional<QString> answer = m_menus.m_askName(
        this, QCoreApplication::translate("PeopleMenus", "Rename"),
        QCoreApplication::translate("PeopleMenus", "New name for %1:").arg(nameOf(chosen)), nameOf(chosen));
    if (!answer) return;
    const QString newName = answer->trimmed();
    BiorhythmSettings& settings = m_menus.m_context.settings;
    change(
        [&] {
          const PersonChange outcome =
              renamePerson(m_menus.m_context.services.userHive, chosen.name, newName.toStdString());
          // The comparison follows the person it names.
          if (outcome == PersonChange::Done && samePersonName(settings.CompareWith, chosen.name))
            settings.CompareWith = newName.toStdString();
          return outcome;
        },
        newName, newName);
  }

  void changeBirth() {
    const Person* person = current();
    if (!person) return;
    const Person chosen = *person;
    const std::optional<DayNumber> birth = askBirth(chosen);
    if (!birth) return;
    change([&] { return changePersonBirth(m_menus.m_context.services.userHive, chosen.name, *birth); }, nameOf(chosen),
           nameOf(chosen));
  }

  void remove() {
    const Person* person = current();
    if (!person) return;
    const Person chosen = *person;
    const MessageButton answer = m_menus.m_context.services.messages.confirm(
        this, QCoreApplication::translate("PeopleMenus", "Remove %1 from the people?").arg(nameOf(chosen)),
        MessageButton::Yes | MessageButton::No);
    if (answer != MessageButton::Yes) return;
    BiorhythmSettings& settings = m_menus.m_context.settings;
    change(
        [&] {
          const PersonChange outcome = removePerson(m_menus.m_context.services.userHive, chosen.name);
          // A comparison with someone no longer kept ends.
          if (outcome == PersonChange::Done && samePersonName(settings.CompareWith, chosen.name))
            settings.CompareWith.clear();
          return outcome;
        },
        nameOf(chosen), QString());
  }

  // A date typed or chosen from the pop-up as in the window's own date fields.
  std::optional<DayNumber> askBirth(const Person& person) {
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("ChangeBirthDialog"));
    dialog.setWindowTitle(QCoreApplication::translate("PeopleMenus", "Change Birth Date"));
    dialog.setMinimumWidth(dialog.fontMetrics().horizontalAdvance(dialog.windowTitle()) * 2);
    auto* field = new DateField(&dialog);
    field->setObjectName(QStringLiteral("cboPersonBirth"));
    field->setDateText(m_menus.m_window.dateText(person.birth));
    auto* label =
        new QLabel(QCoreApplication::translate("PeopleMenus", "&Birth date of %1:").arg(nameOf(person)), &dialog);
    label->setBuddy(field);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(field);
    layout->addWidget(buttons);
    DayNumber date = person.birth;
    const auto offer = [&] { buttons->button(QDialogButtonBox::Ok)->setEnabled(date > 1); };
    connect(field, &DateField::userEdited, &dialog, [&] {
      date = m_menus.m_window.parseDate(field->currentText());
      offer();
    });
    connect(field, &DateField::dropDownRequested, &dialog, [&] {
      if (!m_menus.m_window.openCalendar) return;
      m_menus.m_window.openCalendar(field, [&](DayNumber returned) {
        date = returned;
        offer();
      });
    });
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted || date <= 1) return std::nullopt;
    return date;
  }

  PeopleMenus& m_menus;
  QListWidget* m_list = nullptr;
  QPushButton* m_rename = nullptr;
  QPushButton* m_changeBirth = nullptr;
  QPushButton* m_remove = nullptr;
};

PeopleMenus::PeopleMenus(QMenuBar* bar, QAction* before, ProgramContext& context, Window window)
    : QObject(bar), m_context(context), m_window(std::move(window)), m_askName(askWithInputDialog) {
  BiorhythmSettings& settings = m_context.settings;

  m_mnuView = new QMenu(QCoreApplication::translate("PeopleMenus", "&View"), bar);
  m_mnuView->setObjectName(QStringLiteral("mnuView"));
  bar->insertMenu(before, m_mnuView);
  m_mnuMarkCritical = m_mnuView->addAction(QCoreApplication::translate("PeopleMenus", "Mark &Critical Days"));
  m_mnuMarkCritical->setObjectName(QStringLiteral("mnuMarkCritical"));
  m_mnuMarkCritical->setCheckable(true);
  m_mnuMarkToday = m_mnuView->addAction(QCoreApplication::translate("PeopleMenus", "Mark T&oday"));
  m_mnuMarkToday->setObjectName(QStringLiteral("mnuMarkToday"));
  m_mnuMarkToday->setCheckable(true);
  connect(m_mnuView, &QMenu::aboutToShow, this, [this, &settings] {
    m_mnuMarkCritical->setChecked(settings.MarkCritical);
    m_mnuMarkToday->setChecked(settings.MarkToday);
  });
  connect(m_mnuMarkCritical, &QAction::triggered, this, [this, &settings](bool on) {
    settings.MarkCritical = on;
    m_window.chartChanged();
  });
  connect(m_mnuMarkToday, &QAction::triggered, this, [this, &settings](bool on) {
    settings.MarkToday = on;
    m_window.chartChanged();
  });
  m_mnuMarkCritical->setChecked(settings.MarkCritical);
  m_mnuMarkToday->setChecked(settings.MarkToday);

  m_mnuPeople = new QMenu(QCoreApplication::translate("PeopleMenus", "&People"), bar);
  m_mnuPeople->setObjectName(QStringLiteral("mnuPeople"));
  bar->insertMenu(before, m_mnuPeople);
  m_mnuCompare = new QMenu(QCoreApplication::translate("PeopleMenus", "&Compare With"), m_mnuPeople);
  m_mnuCompare->setObjectName(QStringLiteral("mnuCompare"));
  // Owned here, not by the menu, which deletes its own items each time it is filled.
  m_mnuAddPerson = new QAction(QCoreApplication::translate("PeopleMenus", "&Add Person..."), this);
  m_mnuAddPerson->setObjectName(QStringLiteral("mnuAddPerson"));
  m_mnuManagePeople = new QAction(QCoreApplication::translate("PeopleMenus", "&Manage People..."), this);
  m_mnuManagePeople->setObjectName(QStringLiteral("mnuManagePeople"));
  connect(m_mnuAddPerson, &QAction::triggered, this, &PeopleMenus::addPerson);
  connect(m_mnuManagePeople, &QAction::triggered, this, &PeopleMenus::managePeople);
  connect(m_mnuPeople, &QMenu::aboutToShow, this, [this] {
    reload();
    fillPeopleMenu();
  });
  connect(m_mnuCompare, &QMenu::aboutToShow, this, &PeopleMenus::fillCompareMenu);
  reload();
  fillPeopleMenu();
}

void PeopleMenus::reload() {
  try {
    m_people = loadPeople(m_context.services.userHive);
  } catch (const RegistryError&) {
    m_people.clear();  // reading never fails; a hive that cannot be read lists no one
  }
}

QString PeopleMenus::menuText(const QString& text) {
  QString escaped = text;
  return escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

void PeopleMenus::fillPeopleMenu() {
  m_mnuPeople->clear();
  const DayNumber birth = m_window.birth();
  const Person* shown = personBornOn(m_people, birth);
  for (const Person& person : m_people) {
    QAction* item = m_mnuPeople->addAction(
        menuText(QStringLiteral("%1 (%2)").arg(nameOf(person), m_window.dateText(person.birth))));
    item->setCheckable(true);
    item->setChecked(&person == shown);
    const DayNumber date = person.birth;
    connect(item, &QAction::triggered, this, [this, date] {
      m_window.chooseBirth(date);
      m_window.chartChanged();
    });
  }
  if (!m_people.empty()) m_mnuPeople->addSeparator();
  m_mnuPeople->addMenu(m_mnuCompare);
  m_mnuPeople->addSeparator();
  m_mnuPeople->addAction(m_mnuAddPerson);
  m_mnuPeople->addAction(m_mnuManagePeople);
  m_mnuAddPerson->setEnabled(birth > 1 && birth >= firstDayNumber && birth <= lastDayNumber);
}

void PeopleMenus::fillCompareMenu() {
  m_mnuCompare->clear();
  BiorhythmSettings& settings = m_context.settings;
  delete m_mnuCompare->findChild<QActionGroup*>();  // the one of the items just cleared
  auto* group = new QActionGroup(m_mnuCompare);
  const Person* shown = personBornOn(m_people, m_window.birth());
  const Person* compared = personNamed(m_people, settings.CompareWith);
  for (const Person& person : m_people) {
    if (&person == shown && &person != compared) continue;  // the other people
    QAction* item = m_mnuCompare->addAction(menuText(nameOf(person)));
    item->setCheckable(true);
    item->setChecked(&person == compared);
    group->addAction(item);
    const std::string name = person.name;
    connect(item, &QAction::triggered, this, [this, name, &settings] {
      settings.CompareWith = name;
      m_window.chartChanged();
    });
  }
  if (!m_mnuCompare->isEmpty()) m_mnuCompare->addSeparator();
  QAction* nobody = m_mnuCompare->addAction(QCoreApplication::translate("PeopleMenus", "&Nobody"));
  nobody->setObjectName(QStringLiteral("mnuCompareNobody"));
  nobody->setCheckable(true);
  nobody->setChecked(compared == nullptr);
  group->addAction(nobody);
  connect(nobody, &QAction::triggered, this, [this, &settings] {
    settings.CompareWith.clear();
    m_window.chartChanged();
  });
}

ChartExtras PeopleMenus::extras(DayNumber today) const {
  const BiorhythmSettings& settings = m_context.settings;
  ChartExtras extras;
  if (const Person* shown = personBornOn(m_people, settings.Birth)) extras.personName = shown->name;
  if (const Person* compared = settings.CompareWith.empty() ? nullptr : personNamed(m_people, settings.CompareWith)) {
    extras.compareBirth = compared->birth;
    extras.compareName = compared->name;
  }
  extras.markCritical = settings.MarkCritical;
  extras.markToday = settings.MarkToday;
  extras.today = today;
  return extras;
}

bool PeopleMenus::reportChange(PersonChange change, const QString& name) {
  QString text;
  switch (change) {
    case PersonChange::Done:
      return true;
    case PersonChange::EmptyName:
      text = QCoreApplication::translate("PeopleMenus", "A person needs a name.");
      break;
    case PersonChange::UnstorableName:
      text = QCoreApplication::translate("PeopleMenus", "A name cannot hold a line break.");
      break;
    case PersonChange::NameTaken:
      text = QCoreApplication::translate("PeopleMenus", "There is already a person called %1.").arg(name);
      break;
    case PersonChange::Missing:
      text = QCoreApplication::translate("PeopleMenus", "%1 is no longer among the people.").arg(name);
      break;
  }
  m_context.services.messages.error(m_window.widget, text);
  return false;
}

void PeopleMenus::addPerson() {
  const DayNumber birth = m_window.birth();
  if (birth <= 1) return;
  const std::optional<QString> answer = m_askName(
      m_window.widget, QCoreApplication::translate("PeopleMenus", "Add Person"),
      QCoreApplication::translate("PeopleMenus", "Name of the person born on %1:").arg(m_window.dateText(birth)),
      QString());
  if (!answer) return;
  const QString name = answer->trimmed();
  PersonChange outcome = PersonChange::Done;
  try {
    outcome = lunasoma::addPerson(m_context.services.userHive, name.toStdString(), birth);
  } catch (const RegistryError& error) {
    m_context.services.messages.error(m_window.widget, QString::fromUtf8(error.what()));
    return;
  }
  reportChange(outcome, name);
  reload();
  m_window.chartChanged();
}

void PeopleMenus::managePeople() {
  ManagePeopleDialog dialog(*this, m_window.widget);
  dialog.exec();
  reload();
  m_window.chartChanged();
}

}  // namespace lunasoma
