#pragma once
// The words the chart draws, handed to the drawing as data so that the core stays free of any
// translation machinery: the defaults are the program's own English texts, and a caller that
// speaks another language fills in its own. A pattern names its parts in braces ({date}, {sign},
// {years}, {days}, {name}, ...); fillIn puts them in, so a language may order them as it needs.

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace lunasoma {

struct ChartTexts {
  std::string bornOn = "Born on {date} ({sign})";
  // The header of a chart whose birth date is a stored person's.
  std::string personBornOn = "{name}, born on {date} ({sign})";
  std::string ageAsOf = "Age as of {date}: {years} Years ({days} Days)";
  std::string invalidDate = "Invalid date ...";
  // The third header line while another person's curves are drawn for comparison.
  std::string comparedWith = "Compared with {name}: Physical {physical}%, Emotional {emotional}%, Mental {mental}%";
  // Physical, Mental, Emotional, Overall: the legend's order.
  std::array<std::string, 4> legend{"Physical", "Mental", "Emotional", "Overall"};
  // The birth signs by their English names; a sign not listed is drawn by its English name.
  std::map<std::string, std::string, std::less<>> signs;

  std::string_view sign(std::string_view english) const {
    const auto found = signs.find(english);
    return found == signs.end() ? english : std::string_view(found->second);
  }
};

// The pattern with each {key} replaced by its value; braces that name no key stay as they are.
std::string fillIn(std::string_view pattern,
                   std::initializer_list<std::pair<std::string_view, std::string_view>> parts);

}  // namespace lunasoma
