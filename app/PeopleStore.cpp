#include "app/PeopleStore.h"

#include <algorithm>
#include <optional>

#include "app/ProductInfo.h"
#include "app/SettingsStore.h"
#include "platform/Hive.h"

namespace lunasoma {

namespace {

std::optional<DayNumber> storedBirth(const Registry& userHive, std::string_view name) {
  const std::optional<std::vector<std::uint8_t>> bytes = userHive.readBinary(peopleKeyPath(), name);
  return bytes ? dayNumberFrom(*bytes) : std::nullopt;
}

// The value's name as the hive spells it, when it holds one of that name in any case.
std::optional<std::string> storedName(const Registry& userHive, std::string_view name) {
  for (std::string& stored : userHive.valueNames(peopleKeyPath())) {
    if (samePersonName(stored, name)) return std::move(stored);
  }
  return std::nullopt;
}

std::optional<PersonChange> badName(std::string_view name) {
  if (name.empty()) return PersonChange::EmptyName;
  if (name.find_first_of("\r\n") != std::string_view::npos) return PersonChange::UnstorableName;
  return std::nullopt;
}

void writeBirth(Registry& userHive, std::string_view name, DayNumber birth) {
  userHive.writeValues(peopleKeyPath(), {{std::string(name), RegistryValue{bytesOf(birth)}}});
}

}  // namespace

bool samePersonName(std::string_view a, std::string_view b) { return Hive::foldedName(a) == Hive::foldedName(b); }

std::string peopleKeyPath() { return std::string(SettingsKeyPath) + "\\People"; }

std::vector<Person> loadPeople(const Registry& userHive) {
  std::vector<Person> people;
  for (std::string& name : userHive.valueNames(peopleKeyPath())) {
    if (name.empty()) continue;  // the key's default value names no one
    if (const std::optional<DayNumber> birth = storedBirth(userHive, name)) people.push_back({std::move(name), *birth});
  }
  std::sort(people.begin(), people.end(), [](const Person& a, const Person& b) {
    const std::string foldedA = Hive::foldedName(a.name);
    const std::string foldedB = Hive::foldedName(b.name);
    return foldedA != foldedB ? foldedA < foldedB : a.name < b.name;
  });
  return people;
}

const Person* personBornOn(const std::vector<Person>& people, DayNumber birth) {
  const auto found = std::find_if(people.begin(), people.end(),
                                  [&](const Person& person) { return wholeDay(person.birth) == wholeDay(birth); });
  return found == people.end() ? nullptr : &*found;
}

const Person* personNamed(const std::vector<Person>& people, std::string_view name) {
  const auto found = std::find_if(people.begin(), people.end(),
                                  [&](const Person& person) { return samePersonName(person.name, name); });
  return found == people.end() ? nullptr : &*found;
}

PersonChange addPerson(Registry& userHive, std::string_view name, DayNumber birth) {
  if (const std::optional<PersonChange> refused = badName(name)) return *refused;
  if (storedName(userHive, name)) return PersonChange::NameTaken;
  writeBirth(userHive, name, birth);
  return PersonChange::Done;
}

PersonChange renamePerson(Registry& userHive, std::string_view name, std::string_view newName) {
  if (const std::optional<PersonChange> refused = badName(newName)) return *refused;
  const std::optional<DayNumber> birth = storedBirth(userHive, name);
  const std::optional<std::string> spelling = storedName(userHive, name);
  if (!birth || !spelling) return PersonChange::Missing;
  if (!samePersonName(name, newName)) {
    if (storedName(userHive, newName)) return PersonChange::NameTaken;
    // The new name first: a failure between the two steps leaves the person twice, never lost.
    writeBirth(userHive, newName, *birth);
    userHive.deleteValue(peopleKeyPath(), *spelling);
    return PersonChange::Done;
  }
  if (*spelling == newName) return PersonChange::Done;
  // The hive keeps the first spelling of a name, so a change of case takes the value away first;
  // should the write then fail, the old value is put back.
  userHive.deleteValue(peopleKeyPath(), *spelling);
  try {
    writeBirth(userHive, newName, *birth);
  } catch (const RegistryError&) {
    writeBirth(userHive, *spelling, *birth);
    throw;
  }
  return PersonChange::Done;
}

PersonChange changePersonBirth(Registry& userHive, std::string_view name, DayNumber birth) {
  const std::optional<std::string> spelling = storedName(userHive, name);
  if (!spelling || !storedBirth(userHive, name)) return PersonChange::Missing;
  writeBirth(userHive, *spelling, birth);
  return PersonChange::Done;
}

PersonChange removePerson(Registry& userHive, std::string_view name) {
  const std::optional<std::string> spelling = storedName(userHive, name);
  if (!spelling || !storedBirth(userHive, name)) return PersonChange::Missing;
  userHive.deleteValue(peopleKeyPath(), *spelling);
  return PersonChange::Done;
}

}  // namespace lunasoma
