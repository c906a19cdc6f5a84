// The people kept under the program's key, and the values added beside the original settings:
// names that test the hive's text form, names alike but for case, and values someone else put
// there that must survive.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "app/PeopleStore.h"
#include "app/ProductInfo.h"
#include "app/SettingsStore.h"
#include "platform/HiveFile.h"
#include "platform/HiveFormat.h"
#include "tests/support/MemoryRegistry.h"
#include "tests/support/TempFolder.h"

namespace lunasoma {
namespace {

constexpr DayNumber Today = 46000;

std::vector<std::string> namesOf(const std::vector<Person>& people) {
  std::vector<std::string> names;
  for (const Person& person : people) names.push_back(person.name);
  return names;
}

TEST(PeopleStoreTest, NamesWithAnyCharacterTheHiveWritesComeBackFromTheFile) {
  const std::vector<std::string> names{
      "Anna",     "\"Quoted\"", "Back\\slash", "Equals=sign", "[Section]",    "@",          "; not a comment",
      " leading", "trailing ",  "tab\there",   "Zo\u00eb",    "\u6771\u4eac", "\U0001F600", "hex:00",
      "dword:1",  "\\\\double", "a\"=\"b",
  };
  test::TempFolder folder;
  const std::string path = folder.file("user.reg").toStdString();
  {
    HiveFile hive(path, std::string(CurrentUserRoot));
    hive.writeString(SettingsKeyPath, "Other", "kept");
    for (std::size_t i = 0; i < names.size(); ++i)
      ASSERT_EQ(addPerson(hive, names[i], Today + static_cast<int>(i)), PersonChange::Done) << names[i];
  }
  const HiveFile reread(path, std::string(CurrentUserRoot));
  const std::vector<Person> people = loadPeople(reread);
  ASSERT_EQ(people.size(), names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    const Person* person = personNamed(people, names[i]);
    ASSERT_NE(person, nullptr) << names[i];
    EXPECT_EQ(person->name, names[i]);
    EXPECT_EQ(person->birth, Today + static_cast<int>(i)) << names[i];
  }
  EXPECT_EQ(reread.readString(SettingsKeyPath, "Other"), "kept");
}

TEST(PeopleStoreTest, NamesAreUniqueWithoutRegardToCaseAndListedInNameOrder) {
  test::MemoryRegistry hive;
  EXPECT_EQ(addPerson(hive, "bob", Today), PersonChange::Done);
  EXPECT_EQ(addPerson(hive, "Anna", Today + 1), PersonChange::Done);
  EXPECT_EQ(addPerson(hive, "carl", Today + 2), PersonChange::Done);
  EXPECT_EQ(addPerson(hive, "ANNA", Today + 3), PersonChange::NameTaken);
  EXPECT_EQ(namesOf(loadPeople(hive)), (std::vector<std::string>{"Anna", "bob", "carl"}));

  // A rename to another's name is refused; one that changes only the case takes the new spelling.
  EXPECT_EQ(renamePerson(hive, "bob", "CARL"), PersonChange::NameTaken);
  EXPECT_EQ(renamePerson(hive, "BOB", "Bob"), PersonChange::Done);
  EXPECT_EQ(renamePerson(hive, "carl", "Dora"), PersonChange::Done);
  const std::vector<Person> people = loadPeople(hive);
  EXPECT_EQ(namesOf(people), (std::vector<std::string>{"Anna", "Bob", "Dora"}));
  EXPECT_EQ(personNamed(people, "dora")->birth, Today + 2);

  EXPECT_EQ(changePersonBirth(hive, "anna", Today - 5), PersonChange::Done);
  EXPECT_EQ(removePerson(hive, "BOB"), PersonChange::Done);
  EXPECT_EQ(loadPeople(hive), (std::vector<Person>{{"Anna", Today - 5}, {"Dora", Today + 2}}));
  EXPECT_EQ(removePerson(hive, "Bob"), PersonChange::Missing);
  EXPECT_EQ(renamePerson(hive, "Bob", "Eve"), PersonChange::Missing);
}

TEST(PeopleStoreTest, NamesTheHiveCannotHoldAreRefusedBeforeAnyChange) {
  test::MemoryRegistry hive;
  ASSERT_EQ(addPerson(hive, "Anna", Today), PersonChange::Done);
  struct Case {
    const char* name;
    PersonChange outcome;
  };
  const Case cases[] = {{"", PersonChange::EmptyName},
                        {"two\nlines", PersonChange::UnstorableName},
                        {"carriage\rreturn", PersonChange::UnstorableName}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(addPerson(hive, c.name, Today), c.outcome);
    EXPECT_EQ(renamePerson(hive, "Anna", c.name), c.outcome);
  }
  EXPECT_EQ(loadPeople(hive), (std::vector<Person>{{"Anna", Today}}));
}

TEST(PeopleStoreTest, ValuesThatAreNoDatesAreNeitherListedNorTouched) {
  test::MemoryRegistry hive;
  const auto nan = bytesOf(std::numeric_limits<double>::quiet_NaN());
  const std::vector<NamedRegistryValue> foreign{
      {"Short", RegistryValue{std::vector<std::uint8_t>{1, 2, 3}}},
      {"Text", RegistryValue{std::string("1990-01-01")}},
      {"Number", RegistryValue{std::uint32_t{33000}}},
      {"NotANumber", RegistryValue{nan}},
      {"TooLate", RegistryValue{bytesOf(lastDayNumber + 1)}},
      {"", RegistryValue{bytesOf(Today)}},  // the key's default value
  };
  hive.writeValues(peopleKeyPath(), foreign);
  ASSERT_EQ(addPerson(hive, "Anna", Today), PersonChange::Done);
  EXPECT_EQ(namesOf(loadPeople(hive)), std::vector<std::string>{"Anna"});

  for (const NamedRegistryValue& value : foreign) {
    if (value.name.empty()) continue;
    SCOPED_TRACE(value.name);
    EXPECT_EQ(addPerson(hive, value.name, Today), PersonChange::NameTaken);
    EXPECT_EQ(renamePerson(hive, "Anna", value.name), PersonChange::NameTaken);
    EXPECT_EQ(renamePerson(hive, value.name, "Someone"), PersonChange::Missing);
    EXPECT_EQ(changePersonBirth(hive, value.name, Today), PersonChange::Missing);
    EXPECT_EQ(removePerson(hive, value.name), PersonChange::Missing);
  }
  for (const NamedRegistryValue& value : foreign)
    EXPECT_EQ(hive.readValue(peopleKeyPath(), value.name), value.value) << value.name;
}

TEST(PeopleStoreTest, ThePersonShownIsFoundByTheDayAlone) {
  const std::vector<Person> people{{"Anna", Today}, {"Bob", Today + 1}};
  EXPECT_EQ(personBornOn(people, Today + 0.75), &people[0]);
  EXPECT_EQ(personBornOn(people, Today + 1), &people[1]);
  EXPECT_EQ(personBornOn(people, Today + 2), nullptr);
}

TEST(AddedSettingsTest, DefaultsAreNeverWrittenAndChangesAreKept) {
  test::MemoryRegistry hive;
  BiorhythmSettings settings;
  StoredSettings loaded = loadSettings(settings, hive, Today);
  saveSettings(settings, hive, "/opt/lunasoma", loaded);
  for (const SettingRow& row : addedSettingsTable())
    EXPECT_FALSE(hive.readValue(SettingsKeyPath, row.name)) << row.name;

  settings.MarkCritical = true;
  settings.CompareWith = "Zo\u00eb";
  saveSettings(settings, hive, "/opt/lunasoma", loaded);
  BiorhythmSettings again;
  loaded = loadSettings(again, hive, Today);
  EXPECT_TRUE(again.MarkCritical);
  EXPECT_FALSE(again.MarkToday);
  EXPECT_EQ(again.CompareWith, "Zo\u00eb");
  EXPECT_FALSE(hive.readValue(SettingsKeyPath, "MarkToday"));

  // Another copy of the program turns the mark off meanwhile; this run did not touch it.
  hive.writeDword(SettingsKeyPath, "MarkCritical", 0);
  again.MarkToday = true;
  saveSettings(again, hive, "/opt/lunasoma", loaded);
  EXPECT_EQ(hive.readDword(SettingsKeyPath, "MarkCritical"), 0u);
  EXPECT_EQ(hive.readDword(SettingsKeyPath, "MarkToday"), 1u);

  // Back to the default after being stored: written, so the stored value does not win next time.
  BiorhythmSettings third;
  loaded = loadSettings(third, hive, Today);
  third.CompareWith.clear();
  saveSettings(third, hive, "/opt/lunasoma", loaded);
  EXPECT_EQ(hive.readString(SettingsKeyPath, "CompareWith"), "");
}

}  // namespace
}  // namespace lunasoma
