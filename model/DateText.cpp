#include "model/DateText.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "model/AsciiCase.h"

namespace lunasoma {

namespace {

void appendTwoDigits(std::string& out, int value) {
  out += static_cast<char>('0' + value / 10 % 10);
  out += static_cast<char>('0' + value % 10);
}

void appendNumber(std::string& out, int value) {
  if (value >= 10) out += static_cast<char>('0' + value / 10 % 10);
  out += static_cast<char>('0' + value % 10);
}

void appendFourDigits(std::string& out, int value) {
  appendTwoDigits(out, value / 100);
  appendTwoDigits(out, value % 100);
}

// Unicode format characters (category Cf), such as the direction marks some locales put around
// their separators. They are invisible, so they neither show in a date text nor count in one.
bool isFormatCharacter(char32_t c) {
  struct Range {
    char32_t first;
    char32_t last;
  };
  static constexpr Range formatCharacters[]{
      {0x00AD, 0x00AD},   {0x0600, 0x0605},   {0x061C, 0x061C},   {0x06DD, 0x06DD},   {0x070F, 0x070F},
      {0x0890, 0x0891},   {0x08E2, 0x08E2},   {0x180E, 0x180E},   {0x200B, 0x200F},   {0x202A, 0x202E},
      {0x2060, 0x2064},   {0x2066, 0x206F},   {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD},
      {0x110CD, 0x110CD}, {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001},
      {0xE0020, 0xE007F},
  };
  for (const Range& range : formatCharacters) {
    if (c >= range.first && c <= range.last) return true;
  }
  return false;
}

// The length in bytes of the UTF-8 format character that starts at pos, or 0 when there is none
// there (also for bytes that are not well-formed UTF-8, which are then left to whoever reads them).
std::size_t formatCharacterLength(std::string_view text, std::size_t pos) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  const std::uint8_t lead = byte(pos);
  std::size_t length = 0;
  char32_t c = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    c = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    c = lead & 0x0Fu;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    c = lead & 0x07u;
  } else {
    return 0;
  }
  if (text.size() - pos < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(pos + i) & 0xC0u) != 0x80u) return 0;
    c = (c << 6) | (byte(pos + i) & 0x3Fu);
  }
  return isFormatCharacter(c) ? length : 0;
}

std::string withoutFormatCharacters(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    if (const std::size_t skip = formatCharacterLength(text, i)) {
      i += skip;
    } else {
      out += text[i++];
    }
  }
  return out;
}

bool isDateLetter(char c) {
  const char letter = lowerAscii(c);
  return letter == 'd' || letter == 'm' || letter == 'y';
}

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// What a short pattern of three date elements writes around them: before the first, between the
// first and second, between the second and third, and after the third, without blanks at either
// end. Some locales write more than a separator there ("dd/MM yyyy", or a word after the year),
// and a date text the program wrote must still read back. A gap absent from the pattern is
// nullopt; a gap of blanks only is empty. A pattern with more or fewer than three elements has no
// gaps.
using PatternGaps = std::array<std::optional<std::string>, 4>;

PatternGaps patternGaps(std::string_view shortDatePattern, char separator) {
  const std::string pattern = withoutFormatCharacters(shortDatePattern);
  PatternGaps gaps;
  std::string literal;
  std::size_t elements = 0;
  const auto closeGap = [&] {
    if (elements < gaps.size() && !literal.empty()) gaps[elements] = std::string(trimBlanks(literal));
    literal.clear();
  };
  std::size_t i = 0;
  while (i < pattern.size()) {
    const char c = pattern[i];
    if (isDateLetter(c)) {
      closeGap();
      ++elements;
      while (i < pattern.size() && lowerAscii(pattern[i]) == lowerAscii(c)) ++i;
    } else if (c == '\'' || c == '"') {
      const std::size_t close = pattern.find(c, i + 1);
      const std::size_t end = close == std::string::npos ? pattern.size() : close;
      literal.append(pattern, i + 1, end - i - 1);
      i = close == std::string::npos ? end : close + 1;
    } else {
      literal += c == '/' ? separator : c;
      ++i;
    }
  }
  closeGap();
  if (elements != 3) return {};
  return gaps;
}

// Reads date text left to right. Every step either consumes what it expects or reports failure,
// and nothing is read at or past the end of the view.
class DateTextReader {
 public:
  explicit DateTextReader(std::string_view text) : m_text(text) {}

  // Format characters are skipped with the blanks: they cannot be seen, so they cannot be typed
  // on purpose, and pasted date text may carry them.
  void skipBlanks() {
    while (m_pos < m_text.size()) {
      if (m_text[m_pos] == ' ') {
        ++m_pos;
      } else if (static_cast<unsigned char>(m_text[m_pos]) < 0x80) {
        break;  // ASCII, the usual case: no format character starts here
      } else if (const std::size_t length = formatCharacterLength(m_text, m_pos)) {
        m_pos += length;
      } else {
        break;
      }
    }
  }

  // Digits are taken only while the value is below 1000, so the value never exceeds 9999 and a
  // long run of digits leaves its tail unread, which the caller then rejects as trailing text.
  bool readNumber(int& value) {
    skipBlanks();
    const std::size_t start = m_pos;
    value = 0;
    while (m_pos < m_text.size() && value < 1000 && isDigit(m_text[m_pos])) {
      value = value * 10 + (m_text[m_pos] - '0');
      ++m_pos;
    }
    return m_pos > start;
  }

  bool readSeparator(char separator) {
    const std::size_t start = m_pos;
    skipBlanks();
    if (m_pos < m_text.size() && m_text[m_pos] == separator) {
      ++m_pos;
      return true;
    }
    m_pos = start;
    return false;
  }

  // The pattern's own text in place of a separator: a gap of blanks only is one blank or more
  // before a digit; any other gap is its text, blanks allowed before it.
  bool readGap(const std::optional<std::string>& gap) {
    if (!gap) return false;
    const std::size_t start = m_pos;
    if (gap->empty()) {
      while (m_pos < m_text.size() && m_text[m_pos] == ' ') ++m_pos;
      if (m_pos > start && m_pos < m_text.size() && isDigit(m_text[m_pos])) return true;
    } else {
      skipBlanks();
      if (m_text.substr(m_pos).starts_with(*gap)) {
        m_pos += gap->size();
        return true;
      }
    }
    m_pos = start;
    return false;
  }

  bool atEnd() {
    skipBlanks();
    return m_pos == m_text.size();
  }

 private:
  static bool isDigit(char c) { return c >= '0' && c <= '9'; }

  std::string_view m_text;
  std::size_t m_pos = 0;
};

}  // namespace

DateOrder dateOrderOf(std::string_view shortDatePattern) {
  for (const char c : shortDatePattern) {
    switch (lowerAscii(c)) {
      case 'd':
        return DateOrder::DayMonthYear;
      case 'y':
        return DateOrder::YearMonthDay;
      case 'm':
        return DateOrder::MonthDayYear;
      default:
        break;
    }
  }
  return DateOrder::MonthDayYear;
}

std::string displayDatePattern(std::string_view shortDatePattern) {
  std::string pattern = withoutFormatCharacters(shortDatePattern);
  const std::size_t firstYear = pattern.find('y');
  pattern.insert(firstYear == std::string::npos ? 0 : firstYear, "yy");
  return pattern;
}

std::string formatDate(DayNumber date, std::string_view pattern, const DateLocale& locale) {
  if (!std::isfinite(date) || date <= firstDayNumber - 1 || date >= lastDayNumber + 1) return {};
  const CivilDate civil = decodeDate(date);

  std::string out;
  out.reserve(pattern.size() + 16);
  std::size_t i = 0;
  while (i < pattern.size()) {
    const char c = pattern[i];
    const char letter = lowerAscii(c);
    if (letter == 'd' || letter == 'm' || letter == 'y') {
      std::size_t run = 1;
      while (i + run < pattern.size() && lowerAscii(pattern[i + run]) == letter) ++run;
      i += run;
      if (letter == 'd') {
        if (run == 1)
          appendNumber(out, civil.day);
        else if (run == 2)
          appendTwoDigits(out, civil.day);
        else if (run == 3)
          out += locale.shortDayNames[static_cast<std::size_t>(dayOfWeek(date) - 1)];
        else
          out += locale.longDayNames[static_cast<std::size_t>(dayOfWeek(date) - 1)];
      } else if (letter == 'm') {
        if (run == 1)
          appendNumber(out, civil.month);
        else if (run == 2)
          appendTwoDigits(out, civil.month);
        else if (run == 3)
          out += locale.shortMonthNames[static_cast<std::size_t>(civil.month - 1)];
        else
          out += locale.longMonthNames[static_cast<std::size_t>(civil.month - 1)];
      } else if (run <= 2) {
        appendTwoDigits(out, civil.year % 100);
      } else {
        appendFourDigits(out, civil.year);
      }
    } else if (c == '\'' || c == '"') {
      // An unclosed quote runs to the end of the pattern rather than dropping what follows it.
      const std::size_t close = pattern.find(c, i + 1);
      const std::size_t end = close == std::string_view::npos ? pattern.size() : close;
      out.append(pattern.substr(i + 1, end - i - 1));
      i = close == std::string_view::npos ? end : close + 1;
    } else {
      out += c == '/' ? locale.dateSeparator : c;
      ++i;
    }
  }
  return out;
}

namespace {

// The reading of parseDateText with the pattern's gaps, or by the plain rule when there are none;
// nullopt where parseDateText gives its fallback.
std::optional<DayNumber> readDateText(std::string_view text, const DateLocale& locale, int currentYear,
                                      const PatternGaps* gapsOrNone) {
  static const PatternGaps noGaps;
  const PatternGaps& gaps = gapsOrNone ? *gapsOrNone : noGaps;
  DateTextReader reader(text);
  const char separator = locale.dateSeparator;
  const auto readSeparatorOrGap = [&](std::size_t gap) {
    return reader.readSeparator(separator) || reader.readGap(gaps[gap]);
  };
  int first = 0;
  int second = 0;
  if (gaps[0] && !gaps[0]->empty()) reader.readGap(gaps[0]);
  if (!reader.readNumber(first) || !readSeparatorOrGap(1) || !reader.readNumber(second)) return std::nullopt;

  const DateOrder order = dateOrderOf(locale.shortDatePattern);
  // Wider than int: the century is derived from a caller's year that may be anything.
  long long year = currentYear;
  int month = 0;
  int day = 0;
  if (readSeparatorOrGap(2)) {
    int third = 0;
    if (!reader.readNumber(third)) return std::nullopt;
    // The pattern's closing text first, so that a closing separator is not taken twice.
    if (!gaps[3] || gaps[3]->empty() || !reader.readGap(gaps[3])) reader.readSeparator(separator);
    switch (order) {
      case DateOrder::MonthDayYear:
        month = first;
        day = second;
        year = third;
        break;
      case DateOrder::DayMonthYear:
        day = first;
        month = second;
        year = third;
        break;
      case DateOrder::YearMonthDay:
        year = first;
        month = second;
        day = third;
        break;
    }
    if (year <= 99) year += static_cast<long long>(currentYear) / 100 * 100;
  } else {
    const bool dayFirst = order == DateOrder::DayMonthYear;
    day = dayFirst ? first : second;
    month = dayFirst ? second : first;
  }
  if (!reader.atEnd() || year < 1 || year > 9999) return std::nullopt;
  return encodeDate(static_cast<int>(year), month, day);
}

}  // namespace

DayNumber parseDateText(std::string_view text, DayNumber fallback, const DateLocale& locale, int currentYear) {
  // Nearly every text reads by the plain rule, and the pattern is looked at only when it does
  // not: the separator is always tried before the pattern's own text, so a text the plain rule
  // reads is read the same way with the pattern's texts.
  if (const std::optional<DayNumber> date = readDateText(text, locale, currentYear, nullptr)) return *date;
  const PatternGaps gaps = patternGaps(locale.shortDatePattern, locale.dateSeparator);
  return readDateText(text, locale, currentYear, &gaps).value_or(fallback);
}

}  // namespace lunasoma
