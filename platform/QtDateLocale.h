#pragma once
// Reads the date settings of a Qt locale into the product's DateLocale: the short and long date
// patterns in the product's pattern language, the date separator, and the day and month names.
// It reads only the locale it is given; asking for the system locale and noticing when it changes
// is the system service's job.

#include <QLocale>
#include <QString>

#include <string>

#include "model/DateText.h"

namespace lunasoma {

// The C and POSIX locales give DateLocale's own defaults.
DateLocale dateLocaleFrom(const QLocale& locale);

// A Qt date format in the product's pattern language: M becomes m, d and y stay, and Qt's quoted
// text ('...', with '' for a quote) stays literal in the product's quotes.
std::string productDatePattern(const QString& qtFormat);

// The first character of the format that is not a letter, outside quoted text and not an invisible
// formatting mark; '/' when there is none or when it is not a single-byte character.
char dateSeparatorOf(const QString& qtFormat);

}  // namespace lunasoma
