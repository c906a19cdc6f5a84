#include "platform/QtDateLocale.h"

#include <optional>

namespace lunasoma {

namespace {

constexpr QChar Quote = u'\'';

// Literal text in the product's quotes. Double quotes are the usual ones; a double quote itself
// can only stand inside single quotes.
void appendLiteral(QString& out, const QString& text) {
  QString run;
  const auto flush = [&] {
    if (!run.isEmpty()) out += u'"' + run + u'"';
    run.clear();
  };
  for (QChar c : text) {
    if (c == u'"') {
      flush();
      out += QStringLiteral("'\"'");
    } else {
      run += c;
    }
  }
  flush();
}

// Splits a Qt format into pattern characters and literal runs, calling pattern(c) for each
// character outside quotes and literal(text) for each quoted run ('' is a literal quote, inside
// quotes or out).
template <typename Pattern, typename Literal>
void walkQtFormat(const QString& format, Pattern pattern, Literal literal) {
  for (qsizetype i = 0; i < format.size(); ++i) {
    if (format[i] != Quote) {
      pattern(format[i]);
      continue;
    }
    if (i + 1 < format.size() && format[i + 1] == Quote) {
      literal(QString(Quote));
      ++i;
      continue;
    }
    QString text;
    for (++i; i < format.size(); ++i) {
      if (format[i] != Quote) {
        text += format[i];
      } else if (i + 1 < format.size() && format[i + 1] == Quote) {
        text += Quote;
        ++i;
      } else {
        break;
      }
    }
    literal(text);
  }
}

}  // namespace

std::string productDatePattern(const QString& qtFormat) {
  QString out;
  walkQtFormat(
      qtFormat,
      [&](QChar c) {
        if (c == u'M') {
          out += u'm';
        } else if (c == u'"') {
          appendLiteral(out, QString(c));
        } else {
          out += c;
        }
      },
      [&](const QString& text) { appendLiteral(out, text); });
  return out.toStdString();
}

char dateSeparatorOf(const QString& qtFormat) {
  std::optional<QChar> separator;
  walkQtFormat(
      qtFormat,
      [&](QChar c) {
        // Invisible direction marks (as around the slashes of Arabic formats) are not separators.
        if (!separator && !c.isLetter() && c.category() != QChar::Other_Format) separator = c;
      },
      [](const QString&) {});
  if (!separator || separator->unicode() > 0x7F) return '/';
  return static_cast<char>(separator->unicode());
}

DateLocale dateLocaleFrom(const QLocale& locale) {
  DateLocale result;
  if (locale.language() == QLocale::C) return result;
  const QString shortFormat = locale.dateFormat(QLocale::ShortFormat);
  result.shortDatePattern = productDatePattern(shortFormat);
  result.dateSeparator = dateSeparatorOf(shortFormat);
  result.longDatePattern = productDatePattern(locale.dateFormat(QLocale::LongFormat));
  for (int month = 1; month <= 12; ++month) {
    result.shortMonthNames[static_cast<std::size_t>(month - 1)] =
        locale.monthName(month, QLocale::ShortFormat).toStdString();
    result.longMonthNames[static_cast<std::size_t>(month - 1)] =
        locale.monthName(month, QLocale::LongFormat).toStdString();
  }
  // Qt counts Monday as 1 and Sunday as 7; the product's lists start with Sunday.
  for (int day = 0; day < 7; ++day) {
    const int qtDay = day == 0 ? 7 : day;
    result.shortDayNames[static_cast<std::size_t>(day)] = locale.dayName(qtDay, QLocale::ShortFormat).toStdString();
    result.longDayNames[static_cast<std::size_t>(day)] = locale.dayName(qtDay, QLocale::LongFormat).toStdString();
    result.narrowDayNames[static_cast<std::size_t>(day)] = locale.dayName(qtDay, QLocale::NarrowFormat).toStdString();
  }
  return result;
}

}  // namespace lunasoma
