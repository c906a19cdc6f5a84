#include "platform/HiveFormat.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <utility>
#include <vector>

#include "model/AsciiCase.h"

namespace lunasoma {

namespace {

constexpr std::uint32_t StringType = 1;  // REG_SZ, when it appears as hex(1):
constexpr std::size_t HexLineWidth = 76;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool startsWithNoCase(std::string_view s, std::string_view prefix) {
  if (s.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (lowerAscii(s[i]) != lowerAscii(prefix[i])) return false;
  return true;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  const char l = lowerAscii(c);
  if (l >= 'a' && l <= 'f') return l - 'a' + 10;
  return -1;
}

// A number of 1 to 8 hex digits making up the whole of s.
std::optional<std::uint32_t> parseHexNumber(std::string_view s) {
  if (s.empty() || s.size() > 8) return std::nullopt;
  std::uint32_t value = 0;
  for (char c : s) {
    const int digit = hexDigit(c);
    if (digit < 0) return std::nullopt;
    value = value * 16 + static_cast<std::uint32_t>(digit);
  }
  return value;
}

void appendUtf8(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// UTF-16 code units to UTF-8; nullopt for an unpaired surrogate.
std::optional<std::string> utf16ToUtf8(const std::vector<std::uint16_t>& units) {
  std::string out;
  out.reserve(units.size());
  for (std::size_t i = 0; i < units.size(); ++i) {
    std::uint32_t cp = units[i];
    if (cp >= 0xD800 && cp <= 0xDBFF) {
      if (i + 1 >= units.size() || units[i + 1] < 0xDC00 || units[i + 1] > 0xDFFF) return std::nullopt;
      cp = 0x10000 + ((cp - 0xD800) << 10) + (units[i + 1] - 0xDC00u);
      ++i;
    } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
      return std::nullopt;
    }
    appendUtf8(out, cp);
  }
  return out;
}

// Strict UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF) to UTF-16 code units.
std::optional<std::vector<std::uint16_t>> utf8ToUtf16(std::string_view s) {
  std::vector<std::uint16_t> units;
  units.reserve(s.size());
  std::size_t i = 0;
  while (i < s.size()) {
    const auto lead = static_cast<unsigned char>(s[i]);
    std::size_t length = 0;
    std::uint32_t cp = 0;
    std::uint32_t minimum = 0;
    if (lead < 0x80) {
      length = 1, cp = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      length = 2, cp = lead & 0x1Fu, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3, cp = lead & 0x0Fu, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4, cp = lead & 0x07u, minimum = 0x10000;
    } else {
      return std::nullopt;
    }
    if (i + length > s.size()) return std::nullopt;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(s[i + k]);
      if ((next & 0xC0) != 0x80) return std::nullopt;
      cp = (cp << 6) | (next & 0x3Fu);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    if (cp >= 0x10000) {
      units.push_back(static_cast<std::uint16_t>(0xD800 + ((cp - 0x10000) >> 10)));
      units.push_back(static_cast<std::uint16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
    } else {
      units.push_back(static_cast<std::uint16_t>(cp));
    }
    i += length;
  }
  return units;
}

std::vector<std::uint16_t> littleEndianUnits(std::string_view bytes) {
  std::vector<std::uint16_t> units(bytes.size() / 2);
  for (std::size_t i = 0; i < units.size(); ++i)
    units[i] = static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                          (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
  return units;
}

bool hasLineBreak(std::string_view name) { return name.find_first_of("\r\n") != std::string_view::npos; }

// Within the registry's own limits once empty components are dropped.
bool isStorableKeyPath(std::string_view path) {
  std::size_t depth = 0;
  std::size_t length = 0;
  std::size_t start = 0;
  while (start < path.size()) {
    std::size_t end = path.find('\\', start);
    if (end == std::string_view::npos) end = path.size();
    if (end > start) {
      length += (depth == 0 ? 0 : 1) + (end - start);
      if (++depth > MaxKeyDepth || length > MaxKeyPathLength) return false;
    }
    start = end + 1;
  }
  return true;
}

// The reader keeps a CR or NUL inside quotes, but only a LF truly cannot stand there; a text with
// any of the three is still written in its hex(1) form when it has one, so that editors that
// rewrite line ends cannot spoil it.
std::optional<std::vector<std::uint16_t>> hexFormOf(std::string_view text) {
  if (text.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos) return std::nullopt;
  return utf8ToUtf16(text);
}

// The text form of a REG_SZ read from hex(1): UTF-16LE with at most one terminating NUL.
std::optional<std::string> textFromRegSzBytes(const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() % 2 != 0) return std::nullopt;
  std::vector<std::uint16_t> units =
      littleEndianUnits(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  if (!units.empty() && units.back() == 0) units.pop_back();
  return utf16ToUtf8(units);
}

// Reads line by line. A line it cannot read (or a value spread over lines) is kept as it stands,
// where it stood: among the current section's values, or after it when it begins a section the
// reader refuses, which takes every line up to the next section with it. Comment lines are kept
// the same way, and blank lines between two kept lines of the same place are kept with them, so
// that another program's text spread over several lines comes back whole.
class Parser {
 public:
  Parser(std::string_view text, std::string_view rootName) : m_text(text), m_rootName(rootName) {}

  Hive parse() {
    if (!skipToHeader()) return std::move(m_hive);
    while (!atEnd()) {
      const std::size_t start = m_position;
      const std::string_view line = trimmed(nextLine());
      if (line.empty()) {
        if (m_pending == std::string_view::npos) m_pending = start;
        continue;
      }
      // A comment says nothing to the reader, but its writer wants it back where it stood.
      if (line.front() == ';') {
        keep(start);
        continue;
      }
      if (line.front() == '[') {
        section(start, line);
      } else if (m_mode == Mode::InSection && (line.front() == '"' || line.front() == '@')) {
        try {
          valueLine(line);
          m_lastKept = Place::None;
          m_pending = std::string_view::npos;
        } catch (const HiveFormatError&) {
          keep(start);
        }
      } else {
        keep(start);
      }
    }
    flushValues();
    return std::move(m_hive);
  }

 private:
  enum class Mode { Preamble, InSection, Refused };
  enum class Place { None, Preamble, Values, AfterSection };

  [[noreturn]] void fail(const std::string& reason) const { throw HiveFormatError(m_lineNumber, reason); }

  bool atEnd() const { return m_position >= m_text.size(); }

  // The next line without its LF or CRLF; lines are numbered from 1 for the error messages.
  std::string_view nextLine() {
    std::size_t end = m_text.find('\n', m_position);
    if (end == std::string_view::npos) end = m_text.size();
    std::string_view line = m_text.substr(m_position, end - m_position);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    m_position = end + 1;
    ++m_lineNumber;
    return line;
  }

  // False for text with nothing but blanks and comments, which is an empty hive. Text that does
  // not start with the header is not a hive at all.
  bool skipToHeader() {
    while (!atEnd()) {
      const std::string_view line = trimmed(nextLine());
      if (line.empty() || line.front() == ';') continue;
      if (line != HiveHeader && line != "REGEDIT4")
        fail("the file does not start with \"" + std::string(HiveHeader) + "\"");
      return true;
    }
    return false;
  }

  // The key a section line names, relative to the root and normalised; nullopt when the reader
  // refuses it.
  std::optional<std::string> sectionPath(std::string_view line) const {
    if (line.back() != ']') return std::nullopt;  // no closing bracket
    std::string_view path = line.substr(1, line.size() - 2);
    if (!path.empty() && path.front() == '-') return std::nullopt;  // a key deletion, which a hive cannot hold
    if (!startsWithNoCase(path, m_rootName) || (path.size() > m_rootName.size() && path[m_rootName.size()] != '\\'))
      return std::nullopt;  // a key outside the root
    path.remove_prefix(m_rootName.size());
    if (!isStorableKeyPath(path)) return std::nullopt;
    return Hive::normalizedPath(path);
  }

  void section(std::size_t start, std::string_view line) {
    flushValues();
    if (std::optional<std::string> path = sectionPath(line)) {
      m_section = m_hive.section(*path);
      m_mode = Mode::InSection;
      m_lastKept = Place::None;
      m_pending = std::string_view::npos;
    } else {
      m_mode = Mode::Refused;
      keep(start);
    }
  }

  // Keeps the lines from start up to the current position, with the blank and comment lines
  // before them when the last line kept went to the same place.
  void keep(std::size_t start) {
    const Place place = m_mode == Mode::InSection              ? Place::Values
                        : m_section && m_mode == Mode::Refused ? Place::AfterSection
                                                               : Place::Preamble;
    if (m_pending != std::string_view::npos && m_lastKept == place) start = m_pending;
    const std::size_t end = std::min(m_position, m_text.size());
    std::string text(m_text.substr(start, end - start));
    if (!text.empty() && text.back() == '\n' && end == m_position) text.pop_back();
    // A hex list continued past the end of the file would swallow whatever is written after it;
    // the empty line it ran into is made part of it instead.
    if (m_continuedToEnd) text += '\n';
    m_continuedToEnd = false;
    switch (place) {
      case Place::Values:
        flushValues();
        m_section->keepLines(std::move(text));
        break;
      case Place::AfterSection:
        m_section->keepSection(std::move(text));
        break;
      default:
        m_hive.keepPreamble(std::move(text));
        break;
    }
    m_lastKept = place;
    m_pending = std::string_view::npos;
  }

  // A quoted string at the start of s with \\ and \" escapes; s is advanced past it.
  std::string quoted(std::string_view& s) const {
    std::string out;
    std::size_t i = 1;
    for (; i < s.size() && s[i] != '"'; ++i) {
      if (s[i] == '\\') {
        if (++i >= s.size() || (s[i] != '\\' && s[i] != '"'))
          fail("a backslash that escapes neither \\ nor \" in a quoted text");
      }
      out += s[i];
    }
    if (i >= s.size()) fail("a quoted text without its closing quote");
    s.remove_prefix(i + 1);
    return out;
  }

  void valueLine(std::string_view line) {
    HiveValue value;
    if (line.front() == '@') {
      line.remove_prefix(1);
    } else {
      value.name = quoted(line);
    }
    line = trimmed(line);
    if (line.empty() || line.front() != '=') fail("a value name not followed by =");
    readData(trimmed(line.substr(1)), value);
    m_values.push_back(std::move(value));
  }

  // Values are stored a section at a time, which spares a key look-up for every value.
  void flushValues() {
    if (!m_values.empty()) m_section->addValues(std::move(m_values));
    m_values.clear();
  }

  void readData(std::string_view data, HiveValue& value) {
    if (data.empty()) fail("a value without data");
    if (data.front() == '"') {
      std::string text = quoted(data);
      if (!trimmed(data).empty()) fail("text after the closing quote");
      value.value.data = std::move(text);
    } else if (data.front() == '-') {
      fail("a value deletion, which a hive cannot hold");
    } else if (startsWithNoCase(data, "dword:")) {
      const std::optional<std::uint32_t> number = parseHexNumber(data.substr(6));
      if (!number) fail("a dword that is not 1 to 8 hex digits");
      value.value.data = *number;
    } else if (startsWithNoCase(data, "hex:")) {
      value.value.data = hexList(data.substr(4));
    } else if (startsWithNoCase(data, "hex(")) {
      const std::size_t close = data.find("):");
      const std::optional<std::uint32_t> type =
          close == std::string_view::npos ? std::nullopt : parseHexNumber(data.substr(4, close - 4));
      if (!type) fail("a hex(type) whose type is not 1 to 8 hex digits");
      std::vector<std::uint8_t> bytes = hexList(data.substr(close + 2));
      if (*type == StringType) {
        if (std::optional<std::string> text = textFromRegSzBytes(bytes)) {
          value.value.data = std::move(*text);
          return;
        }
      }
      value.foreignType = *type;
      value.value.data = std::move(bytes);
    } else {
      fail("a value that is neither \"text\", dword: nor hex:");
    }
  }

  // Comma-separated bytes of one or two hex digits; a trailing backslash continues the list on
  // the next line.
  std::vector<std::uint8_t> hexList(std::string_view piece) {
    piece = trimmed(piece);
    if (piece.empty() || piece.back() != '\\') return hexBytes(piece);
    std::string joined;
    while (!piece.empty() && piece.back() == '\\') {
      piece.remove_suffix(1);
      joined.append(piece);
      if (atEnd()) {
        // The list ends with the file. What it holds is read when it is a whole list; otherwise
        // the line is kept, and keep() gives it the blank line it ran into (see there).
        m_continuedToEnd = true;
        std::vector<std::uint8_t> bytes = hexBytes(joined);
        m_continuedToEnd = false;
        return bytes;
      }
      piece = trimmed(nextLine());
    }
    joined.append(piece);
    return hexBytes(joined);
  }

  std::vector<std::uint8_t> hexBytes(std::string_view all) const {
    std::vector<std::uint8_t> bytes;
    if (trimmed(all).empty()) return bytes;
    bytes.reserve(all.size() / 3 + 1);
    std::size_t start = 0;
    for (;;) {
      const std::size_t comma = all.find(',', start);
      const std::string_view item =
          trimmed(all.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
      const std::optional<std::uint32_t> byte = item.size() <= 2 ? parseHexNumber(item) : std::nullopt;
      if (!byte) fail("a hex list item that is not one or two hex digits");
      bytes.push_back(static_cast<std::uint8_t>(*byte));
      if (comma == std::string_view::npos) return bytes;
      start = comma + 1;
    }
  }

  std::string_view m_text;
  std::size_t m_position = 0;
  std::size_t m_lineNumber = 0;
  std::string_view m_rootName;
  Hive m_hive;
  std::optional<Hive::Section> m_section;  // the last section read
  std::vector<HiveValue> m_values;         // of the current section, not yet stored
  Mode m_mode = Mode::Preamble;
  Place m_lastKept = Place::None;                  // where the last kept line went, when nothing came between
  std::size_t m_pending = std::string_view::npos;  // where the blank and comment lines since then begin
  bool m_continuedToEnd = false;
};

}  // namespace

namespace {

void appendQuoted(std::string& out, std::string_view text) {
  out += '"';
  for (char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  out += '"';
}

void appendHexList(std::string& out, const std::uint8_t* bytes, std::size_t count) {
  static constexpr char Digits[] = "0123456789abcdef";
  const std::size_t lineStart = out.rfind('\n');
  std::size_t column = out.size() - (lineStart == std::string::npos ? 0 : lineStart + 1);
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0) {
      out += ',';
      if (++column >= HexLineWidth) {
        out += "\\\n  ";
        column = 2;
      }
    }
    out += Digits[bytes[i] >> 4];
    out += Digits[bytes[i] & 0xF];
    column += 2;
  }
}

void appendData(std::string& out, const HiveValue& value) {
  if (value.foreignType) {
    static constexpr char Digits[] = "0123456789abcdef";
    std::string type;
    for (std::uint32_t t = *value.foreignType; type.empty() || t != 0; t >>= 4)
      type.insert(type.begin(), Digits[t & 0xF]);
    const auto& bytes = std::get<std::vector<std::uint8_t>>(value.value.data);
    out += "hex(" + type + "):";
    appendHexList(out, bytes.data(), bytes.size());
  } else if (const auto* number = std::get_if<std::uint32_t>(&value.value.data)) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "dword:%08x", static_cast<unsigned>(*number));
    out += buffer;
  } else if (const auto* bytes = std::get_if<std::vector<std::uint8_t>>(&value.value.data)) {
    out += "hex:";
    appendHexList(out, bytes->data(), bytes->size());
  } else {
    const auto& text = std::get<std::string>(value.value.data);
    if (const std::optional<std::vector<std::uint16_t>> units = hexFormOf(text)) {
      std::vector<std::uint8_t> encoded;
      encoded.reserve(units->size() * 2 + 2);
      for (std::uint16_t unit : *units) {
        encoded.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        encoded.push_back(static_cast<std::uint8_t>(unit >> 8));
      }
      encoded.push_back(0);
      encoded.push_back(0);
      out += "hex(1):";
      appendHexList(out, encoded.data(), encoded.size());
    } else if (text.find('\n') != std::string::npos) {
      throw RegistryValueError("The text of '" + value.name + "' holds a line break but is not valid UTF-8.",
                               value.name);
    } else {
      appendQuoted(out, text);
    }
  }
}

}  // namespace

HiveFormatError::HiveFormatError(std::size_t line, const std::string& reason)
    : RegistryError("line " + std::to_string(line) + ": " + reason), m_line(line) {}

Hive parseHive(std::string_view text, std::string_view rootName) {
  std::string decoded;
  if (text.starts_with("\xFF\xFE")) {
    text.remove_prefix(2);
    if (text.size() % 2 != 0) throw HiveFormatError(1, "a UTF-16 file with an odd number of bytes");
    std::optional<std::string> utf8 = utf16ToUtf8(littleEndianUnits(text));
    if (!utf8) throw HiveFormatError(1, "a UTF-16 file with an unpaired surrogate");
    decoded = std::move(*utf8);
    text = decoded;
  } else if (text.starts_with("\xEF\xBB\xBF")) {
    text.remove_prefix(3);
  }
  return Parser(text, rootName).parse();
}

std::string formatHive(const Hive& hive, std::string_view rootName) {
  std::string out;
  out.reserve(64 + hive.valueCount() * 40);
  out += HiveHeader;
  out += '\n';
  for (const std::string& text : hive.preamble()) {
    out += text;
    out += '\n';
  }
  hive.forEachKey([&](std::string_view path, const HiveKey& key) {
    if (key.named) {
      out += "\n[";
      out += rootName;
      if (!path.empty()) {
        out += '\\';
        out += path;
      }
      out += "]\n";
      auto kept = key.kept.begin();
      for (std::size_t i = 0; i <= key.values.size(); ++i) {
        for (; kept != key.kept.end() && (kept->before <= i || i == key.values.size()); ++kept) {
          out += kept->text;
          out += '\n';
        }
        if (i == key.values.size()) break;
        const HiveValue& value = key.values[i];
        if (value.name.empty()) {
          out += '@';
        } else {
          appendQuoted(out, value.name);
        }
        out += '=';
        appendData(out, value);
        out += '\n';
      }
    }
    if (!key.trailing.empty()) out += '\n';
    for (const std::string& text : key.trailing) {
      out += text;
      out += '\n';
    }
  });
  return out;
}

void checkKeyPathStorable(std::string_view path) {
  if (hasLineBreak(path)) throw RegistryError("A key name cannot hold a line break.");
  if (!isStorableKeyPath(path))
    throw RegistryError("A key path cannot be deeper than " + std::to_string(MaxKeyDepth) + " keys or longer than " +
                        std::to_string(MaxKeyPathLength) + " characters.");
}

void checkValueStorable(const NamedRegistryValue& value) {
  if (hasLineBreak(value.name)) throw RegistryValueError("A value name cannot hold a line break.", value.name);
  if (const auto* text = std::get_if<std::string>(&value.value.data)) {
    if (text->find('\n') != std::string::npos && !utf8ToUtf16(*text))
      throw RegistryValueError("The text of '" + value.name + "' holds a line break but is not valid UTF-8.",
                               value.name);
  }
}

}  // namespace lunasoma
