#include "model/DateText.h"

#include <cmath>
#include <cstddef>

namespace lunasoma {

namespace {

constexpr char asciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

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

// Reads date text left to right. Every step either consumes what it expects or reports failure,
// and nothing is read at or past the end of the view.
class DateTextReader {
 public:
  explicit DateTextReader(std::string_view text) : m_text(text) {}

  void skipBlanks() {
    while (m_pos < m_text.size() && m_text[m_pos] == ' ') ++m_pos;
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
    skipBlanks();
    if (m_pos < m_text.size() && m_text[m_pos] == separator) {
      ++m_pos;
      return true;
    }
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
    switch (asciiLower(c)) {
      case 'd': return DateOrder::DayMonthYear;
      case 'y': return DateOrder::YearMonthDay;
      case 'm': return DateOrder::MonthDayYear;
      default: break;
    }
  }
  return DateOrder::MonthDayYear;
}

std::string displayDatePattern(std::string_view shortDatePattern) {
  std::string pattern(shortDatePattern);
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
    const char letter = asciiLower(c);
    if (letter == 'd' || letter == 'm' || letter == 'y') {
      std::size_t run = 1;
      while (i + run < pattern.size() && asciiLower(pattern[i + run]) == letter) ++run;
      i += run;
      if (letter == 'd') {
        if (run == 1) appendNumber(out, civil.day);
        else if (run == 2) appendTwoDigits(out, civil.day);
        else if (run == 3) out += locale.shortDayNames[static_cast<std::size_t>(dayOfWeek(date) - 1)];
        else out += locale.longDayNames[static_cast<std::size_t>(dayOfWeek(date) - 1)];
      } else if (letter == 'm') {
        if (run == 1) appendNumber(out, civil.month);
        else if (run == 2) appendTwoDigits(out, civil.month);
        else if (run == 3) out += locale.shortMonthNames[static_cast<std::size_t>(civil.month - 1)];
        else out += locale.longMonthNames[static_cast<std::size_t>(civil.month - 1)];
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

DayNumber parseDateText(std::string_view text, DayNumber fallback, const DateLocale& locale, int currentYear) {
  DateTextReader reader(text);
  const char separator = locale.dateSeparator;
  int first = 0;
  int second = 0;
  if (!reader.readNumber(first) || !reader.readSeparator(separator) || !reader.readNumber(second)) return fallback;

  const DateOrder order = dateOrderOf(locale.shortDatePattern);
  // Wider than int: the century is derived from a caller's year that may be anything.
  long long year = currentYear;
  int month = 0;
  int day = 0;
  if (reader.readSeparator(separator)) {
    int third = 0;
    if (!reader.readNumber(third)) return fallback;
    reader.readSeparator(separator);
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
  if (!reader.atEnd() || year < 1 || year > 9999) return fallback;
  return encodeDate(static_cast<int>(year), month, day).value_or(fallback);
}

}  // namespace lunasoma
