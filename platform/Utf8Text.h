#pragma once
// The program's own texts are UTF-8 held by the standard library (fixed product texts, file
// tables, model output); this is the one way they become Qt strings. A view need not end in a NUL,
// so its size is passed, never its bare pointer.

#include <QString>

#include <string_view>

namespace lunasoma {

inline QString toQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace lunasoma
