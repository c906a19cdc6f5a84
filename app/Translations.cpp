#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "platform/InstalledLanguage.h"

namespace lunasoma {

namespace {

// The shipped language for one locale name, empty when none ships: "de_CH.UTF-8@euro" is
// tried as "de_CH" and then as "de"; Portuguese of any country reads the Brazilian one.
QString shippedLanguageFor(QString name) {
  name = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
  const QStringList shipped = shippedLanguages();
  if (shipped.contains(name)) return name;
  const QString language = name.section(QLatin1Char('_'), 0, 0);
  if (language == QLatin1String("pt")) return QStringLiteral("pt_BR");
  return shipped.contains(language) ? language : QString();
}

bool isEnglish(const QString& name) { return name == QLatin1String("en") || name.startsWith(QLatin1String("en_")); }

}  // namespace

QStringList shippedLanguages() {
  return {QStringLiteral("de"), QStringLiteral("es"),    QStringLiteral("fr"),
          QStringLiteral("it"), QStringLiteral("pt_BR"), QStringLiteral("ru")};
}

QString translationLanguage(const std::function<QString(const char*)>& environment) {
  QString locale;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    locale = environment(name);
    if (!locale.isEmpty()) break;
  }
  if (locale.isEmpty() || locale == QLatin1String("C") || locale.startsWith(QLatin1String("C.")) ||
      locale == QLatin1String("POSIX"))
    return {};
  QStringList wanted = environment("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
  wanted.append(locale);
  for (const QString& name : wanted) {
    if (isEnglish(name)) return {};
    const QString shipped = shippedLanguageFor(name);
    if (!shipped.isEmpty()) return shipped;
  }
  return {};
}

QString installTranslations() {
  const QString language = translationLanguage([](const char* name) { return qEnvironmentVariable(name); });
  if (language.isEmpty()) return {};
  auto* own = new QTranslator(QCoreApplication::instance());
  if (!own->load(QStringLiteral(":/i18n/lunasoma_") + language + QStringLiteral(".qm"))) {
    delete own;
    return {};
  }
  QCoreApplication::installTranslator(own);
  // The help viewer shows the help in the same language where it has one.
  QCoreApplication::instance()->setProperty(TranslationLanguageProperty, language);
  // Qt's own words (the file, print and message dialogs' buttons) from the system's Qt; a system
  // without them shows those in English, the program's own texts still translated.
  auto* qt = new QTranslator(QCoreApplication::instance());
  if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(qt);
  else
    delete qt;
  return language;
}

}  // namespace lunasoma
