#pragma once
// The language the program's texts were put in at start-up, for the texts that are whole
// documents rather than translated strings (the help, the setup wizard's welcome page): the
// application object's property names it ("de", "pt_BR"), unset or empty for English.

#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <QVariant>

namespace lunasoma {

constexpr char TranslationLanguageProperty[] = "lunasomaTranslationLanguage";

inline QString installedLanguage() {
  const QCoreApplication* application = QCoreApplication::instance();
  return application ? application->property(TranslationLanguageProperty).toString() : QString();
}

// The resource `base` + "_" + language + `suffix` where the program runs in a language that has
// one, else `base` + `suffix`: ":/welcome.html" becomes ":/welcome_de.html".
inline QString resourceInLanguage(const QString& base, const QString& suffix) {
  const QString language = installedLanguage();
  if (!language.isEmpty()) {
    const QString translated = base + QLatin1Char('_') + language + suffix;
    if (QFile::exists(translated)) return translated;
  }
  return base + suffix;
}

}  // namespace lunasoma
