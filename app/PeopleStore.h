#pragma once
// The people whose birth dates the user keeps, in the user hive under the program's key, subkey
// People: one value per person, named by the person's name, holding the birth date as the same
// 8 bytes as Birth. Names are unique without regard to case, as value names are, and may hold any
// character the hive can write (not a line break). A value that is not a usable date is someone
// else's business: it is not listed, and nothing here changes or replaces it. Each change is made
// in the hive at once, under its lock, so a copy of the program running beside sees it.

#include <string>
#include <string_view>
#include <vector>

#include "model/Calendar.h"
#include "platform/Registry.h"

namespace lunasoma {

struct Person {
  std::string name;
  DayNumber birth = 0;
  friend bool operator==(const Person&, const Person&) = default;
};

// Whether two names name the same person: without regard to ASCII case, as the hive compares.
bool samePersonName(std::string_view a, std::string_view b);

// The key below the user hive's root.
std::string peopleKeyPath();

// The people with a usable date, sorted by name without regard to ASCII case (then by spelling).
std::vector<Person> loadPeople(const Registry& userHive);

// The first of `people` born on the same day as `birth` (times of day ignored); null when none is.
const Person* personBornOn(const std::vector<Person>& people, DayNumber birth);
// The person of that name, compared without regard to ASCII case; null when none is listed.
const Person* personNamed(const std::vector<Person>& people, std::string_view name);

enum class PersonChange {
  Done,
  EmptyName,       // a name is needed
  UnstorableName,  // a line break, which the hive cannot write in a name
  NameTaken,       // another value of the key has that name, whatever its case
  Missing,         // the person to change is not stored (any more)
};

// Each raises RegistryError when the hive refuses the change, and then changes nothing.
PersonChange addPerson(Registry& userHive, std::string_view name, DayNumber birth);
// A rename that changes only the case of the letters is allowed.
PersonChange renamePerson(Registry& userHive, std::string_view name, std::string_view newName);
PersonChange changePersonBirth(Registry& userHive, std::string_view name, DayNumber birth);
PersonChange removePerson(Registry& userHive, std::string_view name);

}  // namespace lunasoma
