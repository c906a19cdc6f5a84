#pragma once
// Texts built from patterns that name their parts in braces ("Born on {date} ({sign})"), so that a
// translation may put the parts in the order its language needs.

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace lunasoma {

// The pattern with each {key} replaced by its value; braces that name no key stay as they are.
std::string fillIn(std::string_view pattern,
                   std::initializer_list<std::pair<std::string_view, std::string_view>> parts);

}  // namespace lunasoma
