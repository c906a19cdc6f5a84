#pragma once
// The program in the user's language: which of the shipped translations the environment asks for,
// and the translators that put it (and Qt's own words for its dialogs) in place. English is the
// program's own language, so an English or C locale, or a language without a translation, loads
// nothing at all.

#include <QString>
#include <QStringList>

#include <functional>

namespace lunasoma {

// The languages the program is translated into, as their translation files name them.
QStringList shippedLanguages();

// The shipped language the environment asks for, the way gettext reads it: LC_ALL, else LC_MESSAGES,
// else LANG names the locale; a C or POSIX locale means untranslated; otherwise LANGUAGE (a list
// separated by colons, most wanted first) is tried before the locale itself. "de_AT.UTF-8" finds
// "de"; "pt" finds "pt_BR". Empty when English comes first or nothing shipped matches.
QString translationLanguage(const std::function<QString(const char*)>& environment);

// Installs the translators for the language the process environment asks for, if any; the
// application object must exist. Returns the language installed, empty when none.
QString installTranslations();

}  // namespace lunasoma
