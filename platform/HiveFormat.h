#pragma once
// Turns a hive into the registry export text ("Windows Registry Editor Version 5.00", one
// [ROOT\key] section per named key, "name"=dword:/hex:/"text" lines) and back. Reading is lenient
// where a hand-edited file is plausible (blank lines, ; comments, CRLF, no final newline, a UTF-8
// or UTF-16LE byte order mark, long hex lists continued with a trailing backslash) and strict about
// types and syntax: what it cannot read exactly is never guessed at but kept as it stands (see
// Hive), so that a file shared with other programs loses nothing when it is written again. Such
// lines are deletion entries ([-key], "name"=-, which belong to import files, not hives), another
// program's text spread over several lines, sections of another root or beyond the registry's
// limits, typing errors. Only text that does not begin with the header is refused as a whole. It
// does no file input or output.
//
// Written text is UTF-8 with LF line ends. A text value holding a line break or NUL cannot be
// written in quotes, so it is written as hex(1): with its UTF-16LE bytes, exactly as the registry
// itself holds a REG_SZ, and read back as text. Kept lines are written back byte for byte.

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/Hive.h"
#include "platform/Registry.h"

namespace lunasoma {

inline constexpr std::string_view HiveHeader = "Windows Registry Editor Version 5.00";
inline constexpr std::string_view CurrentUserRoot = "HKEY_CURRENT_USER";
inline constexpr std::string_view LocalMachineRoot = "HKEY_LOCAL_MACHINE";
// The registry's own limits on a key path below the root; a section beyond them is kept unread.
inline constexpr std::size_t MaxKeyDepth = 512;
inline constexpr std::size_t MaxKeyPathLength = 16383;

// Raised for text that is not a hive at all; line() is the 1-based line where reading stopped.
class HiveFormatError : public RegistryError {
 public:
  HiveFormatError(std::size_t line, const std::string& reason);
  std::size_t line() const { return m_line; }

 private:
  std::size_t m_line;
};

// Sections are read when they name rootName (compared without regard to case); blank or empty
// text is an empty hive. Throws HiveFormatError only for text that is not a hive at all.
Hive parseHive(std::string_view text, std::string_view rootName);
std::string formatHive(const Hive& hive, std::string_view rootName);

// What the text form cannot hold: a line break in a key or value name, a key path beyond the
// registry's limits, and a text value with a line break or NUL that is not valid UTF-8 (so it has
// no UTF-16 form). These throw RegistryError (RegistryValueError naming the value) so that the
// refusal comes before any change.
void checkKeyPathStorable(std::string_view path);
void checkValueStorable(const NamedRegistryValue& value);

}  // namespace lunasoma
